// @ts-check
import { inflate } from './packed.js';

/** @typedef {import('./core-types.js').Core} Core */

/**
 * Starts the core. Its module travels gzip-compressed and packed seven bits to a
 * character inside the page, so that the page stays one small file; it is compiled while it inflates.
 * @param {HTMLElement} packed the element whose text is the module
 * @returns {Promise<Core>}
 */
export function loadCore(packed) {
    const wasm = new Response(inflate(packed), { headers: { 'Content-Type': 'application/wasm' } });
    const create = /** @type {{ createVantrellCore: (settings: object) => Promise<Core> }} */ (
        /** @type {unknown} */ (globalThis)).createVantrellCore;
    // A module that cannot be compiled would leave the loader's own promise waiting for ever.
    return new Promise((resolve, reject) => {
        create({
            /**
             * @param {WebAssembly.Imports} imports
             * @param {(instance: WebAssembly.Instance) => void} receive
             */
            instantiateWasm(imports, receive) {
                WebAssembly.instantiateStreaming(wasm, imports).then((result) => receive(result.instance), reject);
                return {};
            },
        }).then(resolve, reject);
    });
}
