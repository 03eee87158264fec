// @ts-check
import { inflate } from './packed.js';

/** @typedef {import('./core-types.js').Core} Core */

/**
 * The module the element holds, or names as a file of the site's, compiled on the browser's other
 * threads while it inflates or downloads; started once, by whichever asks first: the page's first
 * script asks as early as it can.
 * @param {HTMLElement} packed the element whose text is the module, gzip-compressed and packed
 * @returns {Promise<WebAssembly.Module>}
 */
export function compiledModule(packed) {
    const element = /** @type {HTMLElement & { compiled?: Promise<WebAssembly.Module> }} */ (packed);
    const file = packed.dataset.src;
    element.compiled ??= file ? compiledFile(file) : WebAssembly.compileStreaming(
        new Response(inflate(packed), { headers: { 'Content-Type': 'application/wasm' } }));
    return element.compiled;
}

/**
 * The site's module, a file beside the page, compiled while it downloads and kept compiled by the
 * browser; a host that does not call it WebAssembly has it compiled from its bytes.
 * @param {string} file
 * @returns {Promise<WebAssembly.Module>}
 */
async function compiledFile(file) {
    try {
        return await WebAssembly.compileStreaming(fetch(file));
    } catch {
        const response = await fetch(file);
        if (!response.ok) throw new Error(`${file}: ${response.status} ${response.statusText}`);
        return WebAssembly.compile(await response.arrayBuffer());
    }
}

/**
 * Starts the core. Its module travels gzip-compressed and packed seven bits to a
 * character inside the page, so that the page stays one small file.
 * @param {HTMLElement} packed the element whose text is the module
 * @returns {Promise<Core>}
 */
export function loadCore(packed) {
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
                compiledModule(packed).then((module) => WebAssembly.instantiate(module, imports))
                    .then(receive, reject);
                return {};
            },
        }).then(resolve, reject);
    });
}
