// @ts-check
/** @typedef {import('./core-types.js').Core} Core */

/**
 * @param {string} text
 * @returns {Uint8Array}
 */
function decodeBase64(text) {
    // Newer browsers decode natively; the others go through a binary string.
    const native = /** @type {{ fromBase64?: (text: string) => Uint8Array }} */ (/** @type {unknown} */ (Uint8Array));
    if (native.fromBase64) return native.fromBase64(text);
    const binary = atob(text);
    const bytes = new Uint8Array(binary.length);
    for (let index = 0; index < binary.length; ++index) bytes[index] = binary.charCodeAt(index);
    return bytes;
}

/**
 * Starts the core. Its module travels gzip-compressed and base64-encoded inside
 * the page, so that the page stays one small file; it is compiled while it inflates.
 * @param {HTMLElement} packed the element whose text is the module
 * @returns {Promise<Core>}
 */
export async function loadCore(packed) {
    const bytes = decodeBase64(packed.textContent ?? '');
    const inflated = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
    const wasm = new Response(inflated, { headers: { 'Content-Type': 'application/wasm' } });
    const create = /** @type {{ createVantrellCore: (settings: object) => Promise<Core> }} */ (
        /** @type {unknown} */ (globalThis)).createVantrellCore;
    return create({
        /**
         * @param {WebAssembly.Imports} imports
         * @param {(instance: WebAssembly.Instance) => void} receive
         */
        instantiateWasm(imports, receive) {
            WebAssembly.instantiateStreaming(wasm, imports).then((result) => receive(result.instance));
            return {};
        },
    });
}
