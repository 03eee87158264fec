// What the page's benchmarks share: an empty page and an empty site to measure
// the page against, a static host in a process of its own, and the figures.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

import { scratchDir } from '../tests/support.mjs';

export const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
export const percentile = (values, share) =>
    [...values].sort((a, b) => a - b)[Math.floor((values.length - 1) * share)];

// The moment the page marks as ready, from the navigation's start; an empty page marks it as it ends.
export const readyTime = (page) => page.evaluate(async () => {
    while (performance.getEntriesByName('vantrell-ready').length === 0) await new Promise(requestAnimationFrame);
    return performance.getEntriesByName('vantrell-ready')[0].startTime;
});

// The browser's floor: a page with nothing but a slider, which marks itself ready
// when parsed; as a site, it registers a worker that serves it as the site's does.
const emptyPage = (registersWorker) => `<!doctype html>
<html lang="en">
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Empty</title>
<input type="range" data-part="slider" min="1" max="50" aria-label="Level">
${registersWorker ? "<script>navigator.serviceWorker.register('sw.js');</script>\n" : ''}<script>performance.mark('vantrell-ready');</script>
`;

/**
 * Writes the empty page and the empty site; the site is made by the published site's own tool.
 * @param {(page: string, folder: string) => void} makeSite
 */
export function writeEmpty(makeSite) {
    const folder = scratchDir();
    const pagePath = join(folder, 'empty.html');
    writeFileSync(pagePath, emptyPage(false));
    const sitePage = join(folder, 'empty-site.html');
    writeFileSync(sitePage, emptyPage(true));
    const siteDir = join(folder, 'site');
    mkdirSync(siteDir);
    makeSite(sitePage, siteDir);
    return { pageUrl: pathToFileURL(pagePath).href, siteDir };
}

// A static host for `folder` at `base`, in a process of its own as a real one would be.
export async function startHost(folder, base = '/site/') {
    const host = spawn(process.execPath, ['--input-type=module', '-e', `
        import { serveSite } from ${JSON.stringify(new URL('../tests/support.mjs', import.meta.url).href)};
        console.log((await serveSite(${JSON.stringify(folder)}, ${JSON.stringify(base)})).url);`],
    { stdio: ['ignore', 'pipe', 'inherit'] });
    const url = String((await once(host.stdout, 'data'))[0]).trim();
    return { url, stop: () => host.kill() };
}

// One row of figures: each candidate's median beside the empty page's, and their ratio.
export function printRow(label, unit, columns, empty) {
    const floor = median(empty);
    // Below the browser's timer resolution an empty page's figure is no divisor.
    const ratio = (value) => (floor > 0 ? `${(value / floor).toFixed(2)}×` : 'empty below the timer');
    const cells = columns.map(({ name, values }) => {
        const value = median(values);
        return `${name} ${value.toFixed(2)} ${unit} (${ratio(value)}, p90 ${percentile(values, 0.9).toFixed(2)})`;
    });
    console.log(`${label.padEnd(28)} ${cells.join('  ')}  empty ${floor.toFixed(2)} ${unit}`);
}
