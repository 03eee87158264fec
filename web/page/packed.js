// @ts-check
// Reads back what web/tools/packed-bytes.mjs packed into the page: bytes,
// gzip-compressed, seven bits to a character, in a script element of their own.

// The groups of seven bits packed-bytes.mjs never writes as characters of their own: NUL, the line
// ends, '"', '&', '<' and '\\', which the HTML parser would change or take for the element's end.
export const unsafeGroups = [0, 10, 13, 34, 38, 60, 92];

/**
 * The bytes that packed-bytes.mjs packed into `text`, seven bits to a character: a character below
 * 0x80 is one group; one from 0x80 to 0x7ff an unsafe group and the group after it, or an unsafe
 * group alone, the last. The built page reads its bytes with unpack.cpp's loop, which is this one.
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
        bytes[filled++] = held >> bits;
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
 * The unpacker compiled from unpack.cpp, its bytes in base64: the same as unpackBytes, in
 * WebAssembly, where its loop takes about a millisecond over the module's text rather than tens.
 * @param {string} base64
 * @returns {(text: string, length: number) => Uint8Array}
 */
export function unpackerFrom(base64) {
    const code = Uint8Array.from(atob(base64), (character) => character.charCodeAt(0));
    const exports = /** @type {{ memory: WebAssembly.Memory, Unpack: (from: number, size: number, to: number) => number }} */ (
        /** @type {unknown} */ (new WebAssembly.Instance(new WebAssembly.Module(code)).exports));
    return (text, length) => {
        // Each character is one or two bytes of UTF-8; the bytes follow them.
        const room = text.length * 2;
        const from = exports.memory.buffer.byteLength;
        exports.memory.grow(Math.ceil((room + length) / 65536));
        const { written } = new TextEncoder().encodeInto(text, new Uint8Array(exports.memory.buffer, from, room));
        const filled = exports.Unpack(from, written ?? 0, from + room);
        return new Uint8Array(exports.memory.buffer, from + room, Math.min(filled, length)).slice();
    };
}

/** @type {((text: string, length: number) => Uint8Array) | undefined} */
let unpacker;

/**
 * What a packed element holds, inflated while it is read; its `data-bytes` says how many bytes were
 * packed. The built page carries the unpacker in #vantrellUnpacker; without it, the script unpacks.
 * @param {HTMLElement} packed
 * @returns {ReadableStream<Uint8Array>}
 */
export function inflate(packed) {
    if (!unpacker) {
        const base64 = document.getElementById('vantrellUnpacker')?.textContent;
        unpacker = base64 ? unpackerFrom(base64) : unpackBytes;
    }
    const bytes = unpacker(packed.textContent ?? '', Number(packed.dataset.bytes));
    // Not through a Blob, which the browser would first copy into its store of blobs.
    const stream = new ReadableStream({
        start(controller) {
            controller.enqueue(bytes);
            controller.close();
        },
    });
    return stream.pipeThrough(new DecompressionStream('gzip'));
}
