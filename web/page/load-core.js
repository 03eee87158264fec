// @ts-check
/** @typedef {import('./core-types.js').Core} Core */

// The groups of seven bits web/tools/packed-bytes.mjs never writes as characters of their own: NUL, the line
// ends, '"', '&', '<' and '\\', which the HTML parser would change or take for the element's end.
export const unsafeGroups = [0, 10, 13, 34, 38, 60, 92];

/**
 * The bytes that web/tools/packed-bytes.mjs packed into `text`, seven bits to a character.
 * @param {string} text
 * @param {number} length how many bytes it holds
 * @returns {Uint8Array}
 */
export function unpackBytes(text, length) {
    const bytes = new Uint8Array(length);
    let filled = 0;
    let held = 0;
    let bits = 0;
    /** @param {number} group */
    const take = (group) => {
        held = (held << 7) | group;
        bits += 7;
        if (bits < 8) return;
        bits -= 8;
        if (filled < length) bytes[filled++] = (held >> bits) & 0xff;
        held &= (1 << bits) - 1;
    };
    for (let index = 0; index < text.length; ++index) {
        const code = text.charCodeAt(index);
        if (code < 0x80) {
            take(code);
            continue;
        }
        const unsafe = (code - 0x80) >> 7;
        take(unsafeGroups[unsafe & 7]);
        if (unsafe < 8) take((code - 0x80) & 0x7f);
    }
    return bytes;
}

/**
 * Starts the core. Its module travels gzip-compressed and packed seven bits to a
 * character inside the page, so that the page stays one small file; it is compiled while it inflates.
 * @param {HTMLElement} packed the element whose text is the module
 * @returns {Promise<Core>}
 */
export async function loadCore(packed) {
    const bytes = unpackBytes(packed.textContent ?? '', Number(packed.dataset.bytes));
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
