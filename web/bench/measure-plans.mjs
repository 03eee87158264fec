// Measures the Plans section with a large library in headless Chromium: a
// file of many entries that share one name imported until the list's first
// screenful and then all of it are laid out, then one plan deleted from that
// list; and what the core alone takes of the import, in the same browser.
// Figures, not a test: run it on an otherwise idle machine. With
// VANTRELL_BASELINE_BUILD naming another web build (of an earlier commit), the
// core's share is measured for both, alternated, side by side.
// Usage: node bench/measure-plans.mjs [rounds] [counts, comma-separated]
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import playwright from 'playwright-core';

import { launch, pageUrl, webBuild } from '../tests/support.mjs';
import { median } from './side-by-side.mjs';

const rounds = Number(process.argv[2] ?? 3);
const counts = (process.argv[3] ?? '3000,100000').split(',').map(Number);
const ms = (value) => `${value.toFixed(0)} ms`;

const samePlan = { name: 'Same plan', code: 'VT1:Healer:50:1.1.1',
    priority: ['Mending', 'Augmentation', 'Pacification'] };
const browser = await launch(playwright);

// One round in a new page: the file is made in the page, so only the import is timed.
async function round(count) {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(pageUrl);
    await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
    await page.click('#frmPlans summary');
    const times = await page.evaluate(async ([entries, plan]) => {
        const text = JSON.stringify({ format: 'vantrell-plans', version: 1, plans: Array(entries).fill(plan) });
        const list = document.getElementById('lstPlans');
        const input = document.getElementById('filImportPlans');
        const filled = (count) => new Promise((done) => {
            const observer = new MutationObserver(() => {
                if (list.childElementCount < count) return;
                observer.disconnect();
                done(undefined);
            });
            observer.observe(list, { childList: true });
        });
        const files = new DataTransfer();
        files.items.add(new File([text], 'plans.json', { type: 'application/json' }));
        const shown = filled(Math.min(entries, 400));
        const imported = filled(entries);
        const start = performance.now();
        input.files = files.files;
        input.dispatchEvent(new Event('change'));
        await shown;
        void list.getBoundingClientRect().height;
        const firstTime = performance.now() - start;
        await imported;
        void list.getBoundingClientRect().height;
        const importTime = performance.now() - start;

        // One deletion in the middle: the dialog's answer until the list is laid out again.
        const shortened = filled(entries - 1);
        list.children[Math.floor(entries / 2)].querySelector('[data-action="delete"]').dispatchEvent(
            new MouseEvent('click', { bubbles: true }));
        const deleteStart = performance.now();
        document.getElementById('dlgPlanOk').click();
        await shortened;
        void list.getBoundingClientRect().height;
        return { firstTime, importTime, deleteTime: performance.now() - deleteStart };
    }, [count, samePlan]);
    await context.close();
    return times;
}

// The core's share of the same import in the same browser: what the page asks of it, without the page.
async function coreAlone(count, build) {
    const page = await browser.newPage();
    await page.addScriptTag({ path: join(build, 'vantrell_core.js') });
    const wasm = readFileSync(join(build, 'vantrell_core.wasm')).toString('base64');
    const times = await page.evaluate(async ([entries, encoded, plan]) => {
        const core = await globalThis.createVantrellCore({
            wasmBinary: Uint8Array.from(atob(encoded), (character) => character.charCodeAt(0)) });
        const text = JSON.stringify({ format: 'vantrell-plans', version: 1, plans: Array(entries).fill(plan) });
        const session = new core.Session();
        const laps = {};
        let start = performance.now();
        const lap = (name) => { laps[name] = performance.now() - start; start = performance.now(); };
        // As the page hands a file over: its bytes.
        session.importLibrary(new TextEncoder().encode(text));
        lap('importLibrary');
        session.writeLibrary();
        lap('writeLibrary');
        session.plans();
        lap('plans');
        return laps;
    }, [count, wasm, samePlan]);
    await page.close();
    return times;
}

for (const count of counts) {
    const runs = [];
    for (let run = 0; run < rounds; ++run) runs.push(await round(count));
    const figure = (name) => {
        const values = runs.map((run) => run[name]);
        return `${ms(median(values))} (${values.map(ms).join(', ')})`;
    };
    console.log(`${String(count).padStart(6)} plans of one name: imported and first listed ${figure('firstTime')}, `
        + `all listed ${figure('importTime')}, one deleted ${figure('deleteTime')}`);
    const builds = [webBuild, process.env.VANTRELL_BASELINE_BUILD].filter(Boolean);
    const cores = new Map(builds.map((build) => [build, []]));
    for (let run = 0; run < rounds; ++run) {
        for (const build of builds) cores.get(build).push(await coreAlone(count, build));
    }
    for (const [build, times] of cores) {
        const laps = Object.keys(times[0]).map((name) => `${name} ${ms(median(times.map((each) => each[name])))}`);
        console.log(`        of which the core alone${builds.length > 1 ? ` (${build})` : ''}: ${laps.join(', ')}`);
    }
}
await browser.close();
