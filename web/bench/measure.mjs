// Measures the page in headless Chromium beside an empty page, in one run,
// alternated, so that a busy moment of the machine falls on all alike: the
// file's size; the time from navigation (opened from disk) until the realm list
// is filled; the script and layout time of one slider move on the eight-line
// class, with the Training Path closed and open at level 50; and a reload of
// the published site served by its worker. With VANTRELL_BASELINE_BUILD naming
// another web build (of an earlier commit), that page is measured beside them.
// Figures, not a test: run it on an otherwise idle machine, after the site is built.
// Usage: node bench/measure.mjs [rounds]
import { spawnSync } from 'node:child_process';
import { statSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import playwright from 'playwright-core';

import { buildSiteTool, launch, webBuild } from '../tests/support.mjs';
import { printRow, readyTime, startHost, writeEmpty } from './side-by-side.mjs';

const rounds = Number(process.argv[2] ?? 25);
const builds = [{ name: 'page', folder: webBuild }];
if (process.env.VANTRELL_BASELINE_BUILD) builds.push({ name: 'before', folder: resolve(process.env.VANTRELL_BASELINE_BUILD) });
for (const build of builds) {
    build.pagePath = join(build.folder, 'vantrell.html');
    build.pageUrl = pathToFileURL(build.pagePath).href;
    build.siteDir = join(build.folder, 'site');
}
const empty = writeEmpty((page, folder) => {
    const made = spawnSync(process.execPath, [buildSiteTool, page, join(webBuild, 'vantrell_core'), '0.0.0', folder]);
    if (made.status !== 0) throw new Error(`the empty site could not be made: ${made.stderr}`);
});

const browser = await launch(playwright);

async function loadOnce(url) {
    const page = await browser.newPage();
    await page.goto('about:blank');
    await page.goto(url);
    const time = await readyTime(page);
    await page.close();
    return time;
}

// Moves alternate between two levels; each is timed from the change event to the layout after it.
const timeMoves = (page) => page.evaluate((count) => {
    const slider = /** @type {HTMLInputElement} */ (document.querySelector('[data-part="slider"]'));
    const times = [];
    for (let move = 0; move < count; ++move) {
        const start = performance.now();
        slider.value = String(move % 2 === 0 ? 30 : 10);
        slider.dispatchEvent(new Event('change', { bubbles: true }));
        void document.body.offsetHeight;
        times.push(performance.now() - start);
    }
    return times;
}, rounds * 20);

async function movesOf(url, withPath) {
    const page = await browser.newPage();
    await page.goto(url);
    await readyTime(page);
    if (withPath) {
        await page.click('#frmTrainingPath summary');
        await page.waitForSelector('#tblTrainingPath tbody tr');
    }
    const times = await timeMoves(page);
    await page.close();
    return times;
}

// Each site in a context of its own, installed and then reloaded in turn.
async function siteReloads() {
    const sites = [{ folder: empty.siteDir }, ...builds.map((build) => ({ folder: build.siteDir }))];
    for (const site of sites) {
        site.host = await startHost(site.folder);
        site.context = await browser.newContext();
        site.page = await site.context.newPage();
        await site.page.goto(site.host.url);
        await site.page.evaluate(() => navigator.serviceWorker.ready);
        await site.page.waitForFunction(() => navigator.serviceWorker.controller !== null);
        site.times = [];
    }
    for (let round = 0; round < rounds; ++round) {
        for (const site of sites) {
            await site.page.reload();
            site.times.push(await readyTime(site.page));
        }
    }
    for (const site of sites) {
        await site.context.close();
        site.host.stop();
    }
    return sites.map((site) => site.times);
}

const ready = { empty: [], builds: builds.map(() => []) };
for (let round = 0; round < rounds; ++round) {
    ready.empty.push(await loadOnce(empty.pageUrl));
    for (const [index, build] of builds.entries()) ready.builds[index].push(await loadOnce(build.pageUrl));
}
const hash = '#VT1:Armsman:50:1.1.1.1.1.1.1.1';
const emptyMoves = await movesOf(empty.pageUrl, false);
const moves = [];
const pathMoves = [];
for (const build of builds) {
    moves.push(await movesOf(build.pageUrl + hash, false));
    pathMoves.push(await movesOf(build.pageUrl + hash, true));
}
const [emptyReloads, ...reloads] = await siteReloads();
await browser.close();

const columns = (values) => builds.map((build, index) => ({ name: build.name, values: values[index] }));
for (const build of builds) console.log(`${build.name} size: ${statSync(build.pagePath).size} bytes (limit 200000)`);
console.log(`medians of ${rounds} loads and reloads, ${rounds * 20} moves; the ratio is to the empty page`);
printRow('ready (realm list)', 'ms', columns(ready.builds), ready.empty);
printRow('slider move + layout', 'ms', columns(moves), emptyMoves);
printRow('  with the path open', 'ms', columns(pathMoves), emptyMoves);
printRow('site reload by its worker', 'ms', columns(reloads), emptyReloads);
