// Makes the page one self-contained file that works when opened from disk: the
// modules bundled and minified into one script, the style inlined, the pictures
// as data URIs. The WebAssembly module, and the module's loader with the page's
// script, are gzip-compressed and packed seven bits to a character (the browser
// inflates them with DecompressionStream), which keeps the file small; a small
// first script (boot.js) inflates and runs the scripts.
// The address the page is published at, if the build names one, goes into a
// meta element, where the page reads it to share links from a copy on disk.
// Usage: node build-page.mjs <page folder> <module path without extension> <output> [home]
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';

import { packBytes } from './packed-bytes.mjs';

const [pageDir, modulePath, output, home = ''] = process.argv.slice(2);
// Debian's zopfli, or the one the build found.
const zopfli = process.env.ZOPFLI ?? 'zopfli';
if (!output) throw new Error('usage: node build-page.mjs <page folder> <module path without extension> <output> [home]');
const esbuild = await import('esbuild').catch((error) => {
    throw new Error(`esbuild cannot be loaded; run \`npm ci\` in web/ first (${error.message})`);
});
const read = (path) => readFileSync(path, 'utf8');
// A script's text must not close its own element early.
const scriptSafe = (text) => text.replace(/<\/script/gi, '<\\/script');
// The browsers that have both DecompressionStream and top-level await, which the page cannot start without.
const target = ['chrome89', 'edge89', 'firefox113', 'safari16.4'];

/** @param {string} entry */
const bundle = async (entry) => (await esbuild.build({
    entryPoints: [join(pageDir, entry)],
    bundle: true,
    format: 'esm',
    target,
    minify: true,
    charset: 'utf8',
    legalComments: 'none',
    write: false,
    logLevel: 'warning',
})).outputFiles[0].text;
const script = await bundle('main.js');
const boot = await bundle('boot.js');
const style = (await esbuild.transform(read(join(pageDir, 'style.css')), {
    loader: 'css', minify: true, target, charset: 'utf8', logLevel: 'warning',
})).code;
// The module's loader comes with its own names in full; minified, it is about a third smaller.
const loader = (await esbuild.transform(read(`${modulePath}.js`), {
    minify: true, target, charset: 'utf8', legalComments: 'none', logLevel: 'warning',
})).code;
/**
 * Bytes in gzip's format as small as it goes: zopfli's search makes the module about 5 % smaller than
 * zlib's best, and any gzip reader inflates it.
 * @param {Buffer} bytes
 */
const gzipped = (bytes) => {
    const folder = mkdtempSync(join(tmpdir(), 'vantrell-page-'));
    try {
        const file = join(folder, 'bytes');
        writeFileSync(file, bytes);
        const made = spawnSync(zopfli, ['-c', file], { maxBuffer: 1 << 26 });
        if (made.status !== 0 || made.stdout.length === 0) {
            throw new Error(`${zopfli} failed: ${made.error?.message ?? made.stderr}`);
        }
        return made.stdout;
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
};
/**
 * Bytes gzip-compressed and packed into a script element that no browser runs, for packed.js to read back.
 * @param {string} id
 * @param {Buffer} bytes
 * @param {string} [attributes]
 */
const packedElement = (id, bytes, attributes = '') => {
    const compressed = gzipped(bytes);
    return `<script type="application/octet-stream" id="${id}" data-bytes="${compressed.length}"${attributes}>`
        + `${packBytes(compressed)}</script>`;
};
const wasmElement = packedElement('vantrellWasm', readFileSync(`${modulePath}.wasm`));
// The loader and the page's script in one, the loader's length in UTF-16 units telling where the page's begins.
const scriptsElement = packedElement('vantrellScripts', Buffer.from(loader + script, 'utf8'),
    ` data-loader-length="${loader.length}"`);

let html = read(join(pageDir, 'index.html'));
// Pictures are the desktop program's own, taken from its resources.
// As text rather than base64, a quarter shorter: comments and runs of white space go, and only
// what an address or the attribute cannot hold as it is is escaped.
const svgAddress = (svg) => `data:image/svg+xml,${svg.replace(/<!--[^]*?-->/g, '').replace(/\s+/g, ' ')
    .replace(/> </g, '><').trim().replace(/"/g, "'").replace(/[%#&]/g, encodeURIComponent)}`;
html = html.replace(/(src|href)="(\.\.\/[^"]+\.svg)"/g, (_, attribute, path) =>
    `${attribute}="${svgAddress(read(join(pageDir, path)))}"`);
const replaceOnce = (marker, replacement) => {
    if (!html.includes(marker)) throw new Error(`index.html lacks ${marker}`);
    html = html.replace(marker, () => replacement);
};
const attributeSafe = (text) => text.replace(/&/g, '&amp;').replace(/"/g, '&quot;').replace(/</g, '&lt;');
// The description search engines and shared links show is the core's, as every text of the page.
const builder = await createRequire(import.meta.url)(`${modulePath}.js`)({ wasmBinary: readFileSync(`${modulePath}.wasm`) });
replaceOnce('</title>', `</title>\n<meta name="description" content="${attributeSafe(builder.texts().pageDescription)}">`);
// Said when the core cannot start, when there is no core to ask: English, then each other language's by its code.
const leads = builder.languages().map(({ code }, index) => {
    builder.useLanguage(code);
    const name = index === 0 ? 'data-core-failed-lead' : `data-core-failed-lead-${code}`;
    return `${name}="${attributeSafe(builder.texts().coreFailedLead)}"`;
});
builder.useLanguage('en');
replaceOnce('<div id="msgAlert"', `<div id="msgAlert" ${leads.join(' ')}`);
if (home) replaceOnce('</head>', `<meta name="vantrell-home" content="${attributeSafe(home)}">\n</head>`);
replaceOnce('<link rel="stylesheet" href="style.css">', `<style>${style}</style>`);
// The unpacker that reads both back, built beside the module.
const unpacker = readFileSync(join(dirname(modulePath), 'vantrell_unpack.wasm')).toString('base64');
replaceOnce('<script src="vantrell_core.js"></script>',
    `<script type="application/octet-stream" id="vantrellUnpacker">${unpacker}</script>\n${wasmElement}\n${scriptsElement}`);
replaceOnce('<script type="module" src="main.js"></script>', `<script type="module">\n${scriptSafe(boot)}</script>`);
writeFileSync(output, html);
console.log(`${output}: ${Buffer.byteLength(html)} bytes`);
