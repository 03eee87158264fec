// The module's bytes packed into the page's text and read back there: every
// length and every byte, and no character the HTML parser would change.
import assert from 'node:assert/strict';
import { randomBytes } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';

import { unpackBytes, unpackerFrom, unsafeGroups } from '../page/packed.js';
import { packBytes } from '../tools/packed-bytes.mjs';
import { webBuild } from './support.mjs';

const unsafeCharacters = unsafeGroups.map((group) => String.fromCharCode(group));

// The page's two readers: the script's, and the WebAssembly one the built page carries.
const unpackers = {
    script: unpackBytes,
    webAssembly: unpackerFrom(readFileSync(join(webBuild, 'vantrell_unpack.wasm')).toString('base64')),
};

test('bytes packed seven bits to a character come back as they were, in any length, by either reader', () => {
    const samples = [new Uint8Array(0), Uint8Array.from({ length: 256 }, (_, byte) => byte),
        // Runs whose seven-bit groups are all unsafe, ending on one: every form of a packed pair and the lone last group.
        new Uint8Array(21), new Uint8Array(22).fill(0xff), Buffer.from('\n\n\n<<<&&&"""\\\\\\\r\r\r')];
    for (let length = 1; length <= 40; ++length) samples.push(randomBytes(length));
    samples.push(randomBytes(200000));
    for (const bytes of samples) {
        const text = packBytes(bytes);
        for (const [reader, unpack] of Object.entries(unpackers)) {
            assert.deepEqual(unpack(text, bytes.length), new Uint8Array(bytes), `${bytes.length} bytes, ${reader}`);
        }
        assert.ok(![...text].some((character) => unsafeCharacters.includes(character) || character > '\u07ff'));
    }
    const large = randomBytes(200000);
    assert.ok(Buffer.byteLength(packBytes(large)) < large.length * 1.16, 'about an eighth larger than the bytes');
});
