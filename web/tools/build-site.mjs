// Makes the published site from the bundled page: the page as index.html with
// its manifest linked and its module as a file beside it, the web app manifest, the icons and the service worker,
// which carries the version so that a new one replaces the offline copy. All
// addresses are relative, so the folder can be served from any path.
// Usage: node build-site.mjs <bundled page> <module path without extension> <version> <output folder>
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const [pagePath, modulePath, version, outputDir] = process.argv.slice(2);
if (!outputDir) {
    throw new Error('usage: node build-site.mjs <bundled page> <module path without extension> <version> <output folder>');
}
if (!/^[0-9A-Za-z.+-]+$/.test(version)) throw new Error(`not a version: ${version}`);
const webDir = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const assetsDir = resolve(webDir, '../assets');
// The program's colours: the icon's blue for the browser's bar, the window's grey behind the splash.
const themeColour = '#000080';
const backgroundColour = '#efefef';
const icons = [192, 512].map((size) => ({ source: `vantrell-web-${size}.png`, src: `vantrell-${size}.png`, size }));

// The program's name is the core's, read from the built module.
const createCore = createRequire(import.meta.url)(resolve(`${modulePath}.js`));
const core = await createCore({ wasmBinary: readFileSync(`${modulePath}.wasm`) });
const { programName } = core.texts();

mkdirSync(outputDir, { recursive: true });
// A module an earlier build wrote would stay in the folder, published for nothing.
for (const name of readdirSync(outputDir).filter((file) => /^vantrell_core\.[0-9a-f]+\.wasm$/.test(file))) {
    rmSync(join(outputDir, name));
}
const write = (name, text) => writeFileSync(join(outputDir, name), text);

const manifest = {
    id: './',
    name: programName,
    short_name: programName,
    lang: 'en',
    start_url: './',
    scope: './',
    display: 'standalone',
    theme_color: themeColour,
    background_color: backgroundColour,
    icons: icons.map(({ src, size }) => ({ src, sizes: `${size}x${size}`, type: 'image/png', purpose: 'any' })),
};
write('manifest.webmanifest', `${JSON.stringify(manifest, null, 2)}\n`);
for (const { source, src } of icons) copyFileSync(join(assetsDir, source), join(outputDir, src));

let page = readFileSync(pagePath, 'utf8');
const viewport = page.match(/<meta name="viewport"[^>]*>\n?/);
if (!viewport) throw new Error(`${pagePath} lacks its viewport meta`);
const head = [
    '<link rel="manifest" href="manifest.webmanifest">',
    `<link rel="apple-touch-icon" href="${icons[0].src}">`,
    `<meta name="vantrell-version" content="${version}">`,
];
if (!/<meta name="theme-color"/.test(page)) head.push(`<meta name="theme-color" content="${themeColour}">`);
const at = viewport.index + viewport[0].length;
page = `${page.slice(0, at)}${head.join('\n')}\n${page.slice(at)}`;
// The module as a file of its own, which the browser compiles while it downloads and keeps compiled
// with its cache; named by its content, so that a new page never meets an old module in the cache.
// A page without one (the benchmarks' empty page) is published as it is.
const siteFiles = ['index.html', 'manifest.webmanifest', ...icons.map(({ src }) => src)];
const packedModule = /<script type="application\/octet-stream" id="vantrellWasm"[^>]*>[^<]*<\/script>/;
if (packedModule.test(page)) {
    const wasm = readFileSync(`${modulePath}.wasm`);
    const wasmFile = `vantrell_core.${createHash('sha256').update(wasm).digest('hex').slice(0, 16)}.wasm`;
    writeFileSync(join(outputDir, wasmFile), wasm);
    page = page.replace(packedModule,
        `<script type="application/octet-stream" id="vantrellWasm" data-src="${wasmFile}"></script>`);
    siteFiles.push(wasmFile);
}
write('index.html', page);

let worker = readFileSync(join(webDir, 'site/sw.js'), 'utf8');
const fill = (marker, replacement) => {
    if (!worker.includes(marker)) throw new Error(`sw.js lacks ${marker}`);
    worker = worker.replace(marker, () => replacement);
};
fill("const version = '0.0.0';", `const version = ${JSON.stringify(version)};`);
fill("const siteFiles = ['index.html'];", `const siteFiles = ${JSON.stringify(siteFiles)};`);
write('sw.js', worker);
console.log(`${outputDir}: the site of version ${version}`);
