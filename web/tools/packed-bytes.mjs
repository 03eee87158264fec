// Bytes as text that an HTML script element keeps as it is, seven bits to a
// character: about an eighth larger than the bytes, where base64 is a third.
// A group of seven bits that is one of the characters the HTML parser would
// change or end the element at goes with the next group into one two-byte
// character. The page's packed.js reads it back.
import { unsafeGroups } from '../page/packed.js';

/** @param {Uint8Array} bytes */
export function packBytes(bytes) {
    /** @type {number[]} */
    const groups = [];
    let held = 0;
    let bits = 0;
    for (const byte of bytes) {
        held = (held << 8) | byte;
        bits += 8;
        while (bits >= 7) {
            bits -= 7;
            groups.push((held >> bits) & 0x7f);
        }
        held &= (1 << bits) - 1;
    }
    if (bits > 0) groups.push((held << (7 - bits)) & 0x7f);
    /** @type {string[]} */
    const characters = [];
    for (let index = 0; index < groups.length; ++index) {
        const unsafe = unsafeGroups.indexOf(groups[index]);
        if (unsafe < 0) characters.push(String.fromCharCode(groups[index]));
        else if (index + 1 < groups.length) characters.push(String.fromCharCode(0x80 + ((unsafe << 7) | groups[++index])));
        // The last group alone: marked as such, with no group after it.
        else characters.push(String.fromCharCode(0x80 + ((unsafe + 8) << 7)));
    }
    return characters.join('');
}
