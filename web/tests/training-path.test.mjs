// The planner's Training Path section in headless Chromium: plans set through
// the page's contract, the priority reordered with its buttons, and the table
// read against the native scenario driver's `priority` and `path`.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import playwright from 'playwright-core';

import {
    classNames, drive, launch, loadCore, nativeLines, openPage, openTrainingPath, pageUrl, priorityOf, random,
    readTrainingPath, showOf, stemsOf, webBuild,
} from './support.mjs';

const core = await loadCore();
let browser;
before(async () => { browser = await launch(playwright); });
after(async () => { await browser?.close(); });

function shuffled(items, dice) {
    const order = [...items];
    for (let index = order.length - 1; index > 0; --index) {
        const other = dice.below(index + 1);
        [order[index], order[other]] = [order[other], order[index]];
    }
    return order;
}

// A plan, a random priority, then changes the path must follow: a slide, a
// level, another class (in screen order) and back (keeping its priority).
function pathScript(listName, otherClass, seed) {
    const dice = random(seed);
    const stems = stemsOf(core, listName);
    const lines = [`open ${listName}`, `level ${dice.pick([50, 50, 6 + dice.below(45)])}`];
    for (const stem of stems) lines.push(`slide ${stem} ${dice.pick([1, 1 + dice.below(25), 1 + dice.below(50)])}`);
    lines.push('path', `priority ${shuffled(stems, dice).join(' ')}`, 'path');
    lines.push(`slide ${dice.pick(stems)} ${1 + dice.below(40)}`, 'path');
    lines.push(`level ${6 + dice.below(45)}`, 'path');
    lines.push(`priority ${shuffled(stems, dice).join(' ')}`, 'show', 'path');
    lines.push(`open ${otherClass}`, 'path', `open ${listName}`, 'path');
    return `${lines.join('\n')}\n`;
}

// A level cell is marked, by "▲" and in bold, exactly where the line rose.
function assertMarksWhereLinesRose(rows, label) {
    rows.forEach((row, index) => {
        const before = index === 0 ? row.lines.map(() => 1) : rows[index - 1].lines;
        assert.deepEqual(row.marked, row.lines.map((level, line) => level !== before[line]),
            `${label}, level ${row.level}`);
    });
}

describe('the training path against vantrell-scenario', () => {
    const seed = Number(process.env.VANTRELL_WEB_SEED ?? 20261208);
    const dice = random(seed ^ 0x7a7a);
    const classes = classNames(core);
    for (let round = 0; round < 4; ++round) {
        const listName = dice.pick(classes);
        const otherClass = dice.pick(classes.filter((name) => name !== listName));
        const scriptSeed = seed + 100 + round;
        test(`${listName} (seed ${scriptSeed})`, async () => {
            const script = pathScript(listName, otherClass, scriptSeed);
            const expected = nativeLines(script);
            const page = await openPage(browser);
            const actual = [];
            for (const command of script.trim().split('\n')) {
                const printed = await drive(page, core, command);
                if (printed === undefined) continue;
                actual.push(printed);
                if (printed.path) assertMarksWhereLinesRose((await readTrainingPath(page)).rows, command);
            }
            assert.deepEqual(actual, expected, `script:\n${script}`);
            assert.deepEqual(page.errors, []);
            await page.close();
        });
    }

    test('a link opened while the section is open is followed, with the priority kept', async () => {
        const page = await openPage(browser, { hash: '#VT1:Armsman:30:30.1.1.1.1.1.15.10' });
        const stems = stemsOf(core, 'Armsman');
        const order = [stems[6], stems[0], ...stems.filter((_, index) => index !== 0 && index !== 6)];
        await drive(page, core, `priority ${order.join(' ')}`);
        await page.evaluate(() => { location.hash = '#VT1:Armsman:40:20.1.1.1.1.1.20.20'; });
        await page.waitForFunction(() => document.querySelectorAll('#tblTrainingPath tbody tr').length === 35);
        const shown = await showOf(page);
        const slides = shown.lines.map((line) => `slide ${line.stem} ${line.level}`);
        const script = ['open Armsman', `level ${shown.level}`, ...slides, `priority ${order.join(' ')}`, 'path'];
        assert.deepEqual(await drive(page, core, 'path'), nativeLines(`${script.join('\n')}\n`).at(-1));
        assert.deepEqual((await priorityOf(page)).map((entry) => entry.stem), order);
        await page.close();
    });

    test('Copy as Text copies the core\'s aligned table for the plan and priority on screen', async () => {
        const code = 'VT1:Infiltrator:14:1.1.5.14.7.8';
        const context = await browser.newContext();
        await context.grantPermissions(['clipboard-read', 'clipboard-write']);
        const page = await context.newPage();
        await page.goto(`${pageUrl}#${code}`);
        const order = ['Envenom', 'Dual', 'Slashing', 'Thrusting', 'Stealth', 'Critical'];
        await drive(page, core, `priority ${order.join(' ')}`);
        // The moves have left their own status message; the copy replaces it once done.
        await page.click('#cmdCopyPathText');
        await page.waitForFunction(() => document.getElementById('msgStatus').textContent.startsWith('Copied'));
        const planners = new core.Planners();
        planners.applyFragment(code);
        assert.equal(planners.setPriority(order), '');
        assert.equal(await page.evaluate(() => navigator.clipboard.readText()), planners.trainingPathText());
        planners.delete();
        await context.close();
    });
});

describe('the training path\'s looks', () => {
    for (const width of [360, 1280]) {
        test(`the table scrolls in its own frame, not the page, at ${width} px`, async () => {
            const page = await openPage(browser, { width, height: 800, hash: '#VT1:Nightshade:50:20.25.1.1.1.1.30' });
            await openTrainingPath(page);
            const sizes = await page.evaluate(() => {
                const scroller = document.getElementById('tblTrainingPath').parentElement;
                return { page: document.documentElement.scrollWidth - innerWidth,
                    table: scroller.scrollWidth - scroller.clientWidth, rows: scroller.querySelectorAll('tbody tr').length };
            });
            assert.ok(sizes.page <= 0, `the page is ${sizes.page} px too wide`);
            assert.equal(sizes.rows, 45);
            if (width === 360) assert.ok(sizes.table > 0, 'at 360 px the table should need its own sideways scroll');
            await page.locator('#frmTrainingPath').screenshot({ path: join(webBuild, `screenshot-path-${width}.png`) });
            assert.deepEqual(page.errors, []);
            await page.close();
        });
    }
});
