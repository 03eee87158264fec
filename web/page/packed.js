// @ts-check
// Reads back what web/tools/packed-bytes.mjs packed into the page: bytes,
// gzip-compressed, seven bits to a character, in a script element of their own.

// The groups of seven bits packed-bytes.mjs never writes as characters of their own: NUL, the line
// ends, '"', '&', '<' and '\\', which the HTML parser would change or take for the element's end.
export const unsafeGroups = [0, 10, 13, 34, 38, 60, 92];

/**
 * The bytes that packed-bytes.mjs packed into `text`, seven bits to a character.
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
 * What a packed element holds, inflated while it is read; its `data-bytes` says how many bytes were packed.
 * @param {HTMLElement} packed
 * @returns {ReadableStream<Uint8Array>}
 */
export function inflate(packed) {
    const bytes = unpackBytes(packed.textContent ?? '', Number(packed.dataset.bytes));
    return new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
}
