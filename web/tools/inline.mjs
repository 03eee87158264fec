// Makes the page one self-contained file: the style and scripts are inlined,
// and the WebAssembly module goes in gzip-compressed and base64-encoded (the
// browser inflates it with DecompressionStream), which keeps the file small.
// Usage: node inline.mjs <page folder> <module path without extension> <output>
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

const [pageDir, modulePath, output] = process.argv.slice(2);
const read = (path) => readFileSync(path, 'utf8');
// A script's text must not close its own element early.
const scriptSafe = (text) => text.replace(/<\/script/gi, '<\\/script');

const wasm = gzipSync(readFileSync(`${modulePath}.wasm`), { level: 9 }).toString('base64');
const core = read(`${modulePath}.js`);

let html = read(join(pageDir, 'index.html'));
// Pictures are the desktop program's own, taken from its resources.
html = html.replace(/(src|href)="(\.\.\/[^"]+\.svg)"/g, (_, attribute, path) =>
    `${attribute}="data:image/svg+xml;base64,${readFileSync(join(pageDir, path)).toString('base64')}"`);
const replaceOnce = (marker, replacement) => {
    if (!html.includes(marker)) throw new Error(`index.html lacks ${marker}`);
    html = html.replace(marker, () => replacement);
};
replaceOnce('<link rel="stylesheet" href="style.css">', `<style>\n${read(join(pageDir, 'style.css'))}</style>`);
replaceOnce('<script src="core.js"></script>',
    `<script type="application/octet-stream" id="vantrellWasm">${wasm}</script>\n<script>\n${scriptSafe(core)}\n</script>`);
replaceOnce('<script type="module" src="app.js"></script>',
    `<script type="module">\n${scriptSafe(read(join(pageDir, 'app.js')))}\n</script>`);
writeFileSync(output, html);
console.log(`${output}: ${Buffer.byteLength(html)} bytes`);
