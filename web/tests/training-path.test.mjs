// The planner's Training Path section in headless Chromium: plans set through
// the page's contract, the priority reordered with its buttons, and the table
// read against the native scenario driver's `priority` and `path`.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import playwright from 'playwright-core';

import {
    addressCode, classNames, cliSays, drive, launch, loadCore, nativeLines, openPage, openTrainingPath, pageUrl,
    priorityOf, random, readTrainingPath, showOf, stemsOf, webBuild,
} from './support.mjs';

const core = await loadCore();
let browser;
before(async () => { browser = await launch(playwright); });
after(async () => { await browser?.close(); });

const shuffled = (items, dice) => items.map((item) => [dice.next(), item]).sort((a, b) => a[0] - b[0])
    .map(([, item]) => item);

// A plan, a random priority, then changes the path must follow: a slide, a
// level, another priority, another class (in screen order) and back (keeping its priority).
function pathScript(listName, otherClass, dice) {
    const stems = stemsOf(core, listName);
    const lines = [`open ${listName}`, `level ${dice.pick([50, 50, 6 + dice.below(45)])}`];
    for (const stem of stems) lines.push(`slide ${stem} ${dice.pick([1, 1 + dice.below(25), 1 + dice.below(50)])}`);
    const priority = () => `priority ${shuffled(stems, dice).join(' ')}`;
    lines.push('path', priority(), 'path', `slide ${dice.pick(stems)} ${1 + dice.below(40)}`, 'path',
        `level ${6 + dice.below(45)}`, 'path', priority(), 'show', 'path', `open ${otherClass}`, 'path',
        `open ${listName}`, 'path');
    return `${lines.join('\n')}\n`;
}

const seed = Number(process.env.VANTRELL_WEB_SEED ?? 20261208);
const classes = classNames(core);
for (let round = 0; round < 4; ++round) {
    const dice = random(seed + 100 + round);
    const listName = dice.pick(classes);
    const script = pathScript(listName, dice.pick(classes.filter((name) => name !== listName)), dice);
    test(`the training path of ${listName} is the driver's (seed ${seed + 100 + round})`, async () => {
        const page = await openPage(browser);
        const actual = [];
        for (const command of script.trim().split('\n')) {
            const printed = await drive(page, core, command);
            if (printed !== undefined) actual.push(printed);
            if (!printed?.path) continue;
            // A level cell is marked exactly where its line rose.
            const { rows } = await readTrainingPath(page);
            rows.forEach((row, index) => assert.deepEqual(row.marked, row.lines.map((level, line) =>
                level !== (index === 0 ? 1 : rows[index - 1].lines[line])), `level ${row.level} after ${command}`));
        }
        assert.deepEqual(actual, nativeLines(script), `script:\n${script}`);
        assert.deepEqual(page.errors, []);
        await page.close();
    });
}

test('a link is followed with the priority kept, and Copy as Text copies the core\'s table', async () => {
    const context = await browser.newContext();
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    const page = await context.newPage();
    await page.goto(`${pageUrl}#VT1:Armsman:30:30.1.1.1.1.1.15.10`);
    const stems = stemsOf(core, 'Armsman');
    const order = ['Shield', 'Slashing', ...stems.filter((stem) => stem !== 'Shield' && stem !== 'Slashing')];
    await drive(page, core, `priority ${order.join(' ')}`);
    await page.evaluate(() => { location.hash = '#VT1:Armsman:40:20.1.1.1.1.1.20.20'; });
    await page.waitForFunction(() => document.querySelectorAll('#tblTrainingPath tbody tr').length === 35);
    const shown = await showOf(page);
    const slides = shown.lines.map((line) => `slide ${line.stem} ${line.level}`);
    const script = ['open Armsman', `level ${shown.level}`, ...slides, `priority ${order.join(' ')}`, 'path'];
    assert.deepEqual(await drive(page, core, 'path'), nativeLines(`${script.join('\n')}\n`).at(-1));
    assert.deepEqual(await priorityOf(page), order);

    await page.click('#cmdCopyPathText');
    await page.waitForFunction(() => document.getElementById('msgStatus').textContent.startsWith('Copied'));
    const session = new core.Session();
    const code = await addressCode(page);
    session.applyFragment(code);
    assert.equal(session.setPriority(order), '');
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), session.trainingPathText());
    session.delete();
    // The other forms are the native program's for the same plan and priority.
    for (const format of ['markdown', 'bbcode']) {
        await page.click(`#cmdCopyPath${format === 'markdown' ? 'Markdown' : 'Bbcode'}`);
        const copied = await page.evaluate(() => navigator.clipboard.readText());
        assert.equal(copied, cliSays('path', code, '--priority', order.join(','), '--format', format), format);
    }
    await context.close();
});

test('the move buttons are named and a move announced as the core words them', async () => {
    const page = await openPage(browser, { hash: '#VT1:Armsman:30:30.1.1.1.1.1.15.10' });
    await openTrainingPath(page);
    const session = new core.Session();
    session.open('Armsman');
    const labels = () => page.$$eval('#lstPriority li', (items) => items.map((item) => ({
        caption: item.querySelector('.priority-caption').textContent,
        up: item.querySelector('button[data-move="-1"]').getAttribute('aria-label'),
        down: item.querySelector('button[data-move="1"]').getAttribute('aria-label'),
        canMoveUp: !item.querySelector('button[data-move="-1"]').disabled,
        canMoveDown: !item.querySelector('button[data-move="1"]').disabled,
    })));
    const expected = () => session.priorityList().map((entry) => ({ caption: entry.caption, up: entry.moveUpLabel,
        down: entry.moveDownLabel, canMoveUp: entry.canMoveUp, canMoveDown: entry.canMoveDown }));
    assert.deepEqual(await labels(), expected());

    const last = session.priority().length - 1;
    for (const [place, offset] of [[2, -1], [0, 1], [last, -1], [last - 1, 1]]) {
        const stem = (await priorityOf(page))[place];
        const moved = session.movePriority(place, offset);
        assert.notEqual(moved, null, `${stem} by ${offset}`);
        await page.click(`#lstPriority button[data-line="${stem}"][data-move="${offset}"]`);
        assert.equal(await page.textContent('#msgStatus'), moved.announcement);
        assert.deepEqual(await priorityOf(page), session.priority(), `${stem} by ${offset}`);
        assert.deepEqual(await labels(), expected());
    }
    // Where the core cannot move a line, its button is not there to press.
    assert.equal(session.movePriority(0, -1), null);
    assert.equal(session.movePriority(last, 1), null);
    session.delete();
    assert.deepEqual(page.errors, []);
    await page.close();
});

for (const width of [360, 1280]) {
    test(`the training path scrolls in its own frame, not the page, at ${width} px`, async () => {
        const page = await openPage(browser, { width, height: 800, hash: '#VT1:Nightshade:50:20.25.1.1.1.1.30' });
        await openTrainingPath(page);
        const sizes = await page.$eval('#tblTrainingPath', (table) => ({
            page: document.documentElement.scrollWidth - innerWidth, rows: table.tBodies[0].rows.length,
            table: table.parentElement.scrollWidth - table.parentElement.clientWidth }));
        assert.ok(sizes.page <= 0, `the page is ${sizes.page} px too wide`);
        assert.equal(sizes.rows, 45);
        if (width === 360) assert.ok(sizes.table > 0, 'at 360 px the table should scroll sideways in its frame');
        await page.locator('#frmTrainingPath').screenshot({ path: join(webBuild, `screenshot-path-${width}.png`) });
        assert.deepEqual(page.errors, []);
        await page.close();
    });
}
