// Measures the published site in headless Chromium against the single file:
// the time from navigation until the realm list is filled on a first visit
// (a new browser context each round, the single file opened from disk, the
// site from a local static host), then on reloads once the service worker
// holds the site, online (the page fetched again, network first) and offline.
// Figures, not a test: run it on an otherwise idle machine, after the site is built.
// Usage: node bench/measure-site.mjs [rounds]
import playwright from 'playwright-core';

import { launch, pageUrl, siteDir } from '../tests/support.mjs';
import { median, percentile, readyTime, startHost } from './side-by-side.mjs';

const rounds = Number(process.argv[2] ?? 15);
const ms = (value) => `${value.toFixed(2)} ms`;

const browser = await launch(playwright);
const site = await startHost(siteDir, '/vantrell/');

async function firstVisit(url) {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto('about:blank');
    await page.goto(url);
    const time = await readyTime(page);
    await context.close();
    return time;
}

// Alternates between the two, so that a busy moment of the machine falls on both alike.
const fileFirst = [];
const siteFirst = [];
for (let round = 0; round < rounds; ++round) {
    fileFirst.push(await firstVisit(pageUrl));
    siteFirst.push(await firstVisit(site.url));
}

const context = await browser.newContext();
const page = await context.newPage();
await page.goto(site.url);
await page.evaluate(() => navigator.serviceWorker.ready);
await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
const reloads = async () => {
    const times = [];
    for (let round = 0; round < rounds; ++round) {
        await page.reload();
        times.push(await readyTime(page));
    }
    return times;
};
const onlineReloads = await reloads();
await context.setOffline(true);
const offlineReloads = await reloads();
await context.close();
await browser.close();
site.stop();

const line = (label, values) =>
    console.log(`${label.padEnd(34)} median ${ms(median(values))}, 90th percentile ${ms(percentile(values, 0.9))}`);
console.log(`ready (realm list), ${rounds} loads each:`);
line('  single file from disk, first', fileFirst);
line('  site, first visit', siteFirst);
line('  site reload, worker, online', onlineReloads);
line('  site reload, worker, offline', offlineReloads);
