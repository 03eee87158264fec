// Measures the page in headless Chromium: its size, the time from navigation
// (opened from disk) until the realm list is filled, and the script time of
// one slider move handled and rendered, with the Training Path closed and open.
// Figures, not a test: run it on an otherwise idle machine.
// Usage: node bench/measure.mjs [rounds]
import { statSync } from 'node:fs';
import playwright from 'playwright-core';

import { launch, pagePath, pageUrl } from '../tests/support.mjs';

const rounds = Number(process.argv[2] ?? 25);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const percentile = (values, share) => [...values].sort((a, b) => a - b)[Math.floor((values.length - 1) * share)];
const ms = (value) => `${value.toFixed(2)} ms`;

const browser = await launch(playwright);

// Each round a new page navigates from about:blank to the file; the page marks
// the moment its realm list is filled, measured from the navigation's start.
const ready = [];
for (let round = 0; round < rounds; ++round) {
    const page = await browser.newPage();
    await page.goto('about:blank');
    await page.goto(pageUrl);
    ready.push(await page.evaluate(async () => {
        while (performance.getEntriesByName('vantrell-ready').length === 0) await new Promise(requestAnimationFrame);
        return performance.getEntriesByName('vantrell-ready')[0].startTime;
    }));
    await page.close();
}

// Slider moves on the eight-line class, alternating between two levels; each
// is timed from the change event to the layout after it, in the page's script.
// Then the same with the Training Path open, which follows every move.
const page = await browser.newPage();
await page.goto(`${pageUrl}#VT1:Armsman:50:1.1.1.1.1.1.1.1`);
await page.waitForSelector('#lblClassTitle');
const timeMoves = () => page.evaluate((count) => {
    const slider = document.querySelector('[data-part="slider"]');
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
const moves = await timeMoves();
await page.click('#frmTrainingPath summary');
await page.waitForSelector('#tblTrainingPath tbody tr');
const pathMoves = await timeMoves();
await browser.close();

const bytes = statSync(pagePath).size;
console.log(`page size:            ${bytes} bytes (${(bytes / 1024).toFixed(1)} KiB)`);
console.log(`ready (realm list):   median ${ms(median(ready))}, 90th percentile ${ms(percentile(ready, 0.9))}, ${rounds} loads`);
console.log(`slider move+render:   median ${ms(median(moves))}, 90th percentile ${ms(percentile(moves, 0.9))}, ${moves.length} moves`);
console.log(`  with the path open:  median ${ms(median(pathMoves))}, 90th percentile ${ms(percentile(pathMoves, 0.9))}, ${pathMoves.length} moves`);
