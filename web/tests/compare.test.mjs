// The Compare section in headless Chromium: seeded pairs of plans set side by
// side through the page, read against the native scenario driver's `compare`,
// and the Training Path's complete-from level against its `complete`.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import playwright from 'playwright-core';

import {
    classNames, cliSays, launch, loadCore, nativeLines, openPage, openTrainingPath, pageUrl, random, stemsOf, webBuild,
} from './support.mjs';

const core = await loadCore();
const texts = core.texts();
let browser;
before(async () => { browser = await launch(playwright); });
after(async () => { await browser?.close(); });

// A plan code of the class at a random level with random line levels, made by the core as Copy Plan Code makes it.
function randomCode(listName, dice) {
    const session = new core.Session();
    session.open(listName);
    session.pickLevel(dice.pick([50, 6 + dice.below(45)]));
    stemsOf(core, listName).forEach((stem, line) => session.slide(line, dice.pick([1, 1 + dice.below(30), 50])));
    const code = session.planCode();
    session.delete();
    return code;
}

async function openCompare(page) {
    const open = await page.locator('#frmCompare').evaluate((section) => section.open);
    if (!open) await page.click('#frmCompare summary');
    // The section fills itself on its toggle event, which the browser fires after the click returns.
    await page.waitForSelector('#cboComparePlan option', { state: 'attached' });
}

async function compareWith(page, codeOrLink) {
    await openCompare(page);
    await page.fill('#txtCompareCode', codeOrLink);
    await page.click('#cmdCompare');
}

// The table in the driver's `compare` form, with each row's marks: bold, the marker and data-differs.
async function readComparison(page) {
    return page.$eval('#tblCompare', (table, marker) => {
        const caption = (row) => row.cells[0].textContent.startsWith(`${marker} `);
        const marks = (row) => ({ marker: caption(row), attribute: row.dataset.differs === 'true',
            bold: Number(getComputedStyle(row.cells[1]).fontWeight) >= 600 });
        const side = (cells) => ({ level: Number(cells[0].textContent), points: Number(cells[1].textContent),
            abilities: cells[2].textContent });
        const lines = [...table.tBodies[0].rows].map((row) => ({ stem: row.dataset.stem,
            a: side([...row.cells].slice(1, 4)), b: side([...row.cells].slice(4, 7)), marks: marks(row) }));
        const totals = Object.fromEntries([...table.tFoot.rows].map((row) => [row.dataset.row,
            { a: Number(row.cells[1].textContent), b: Number(row.cells[2].textContent), marks: marks(row) }]));
        return { lines, totals };
    }, texts.differsMarker);
}

// What the driver prints for `key` in the script, in order: the answers to `compare` or to `complete`.
function driverSays(script, key) {
    return nativeLines(script).filter((printed) => key in printed).map((printed) => printed[key]);
}

function sameMarks(marks, differs, where) {
    assert.deepEqual(marks, { marker: differs, attribute: differs, bold: differs }, where);
}

const seed = Number(process.env.VANTRELL_WEB_SEED ?? 20261208);
const classes = classNames(core);
for (let round = 0; round < 3; ++round) {
    const dice = random(seed + 300 + round);
    const listName = dice.pick(classes);
    const [codeA, codeB] = [randomCode(listName, dice), randomCode(listName, dice)];
    test(`${listName} ${codeA} beside ${codeB} is the driver's comparison, and Swap exchanges them`, async () => {
        const page = await openPage(browser, { hash: `#${codeA}` });
        await page.waitForSelector('#lblClassTitle');
        await compareWith(page, codeB);
        const [expected] = driverSays(`apply ${codeA}\ncompare ${codeB}\n`, 'compare');
        const [completeA, completeB] =
            driverSays(`apply ${codeA}\ncomplete\napply ${codeB}\ncomplete\n`, 'completeFrom');
        const shown = await readComparison(page);
        assert.deepEqual(shown.lines.map(({ stem, a, b }) => ({ stem, a, b })),
            expected.lines.map(({ stem, a, b }) => ({ stem, a, b })));
        shown.lines.forEach((line, index) => sameMarks(line.marks, expected.lines[index].differs, line.stem));
        const totals = { level: [expected.a.level, expected.b.level], left: [expected.a.left, expected.b.left],
            complete: [completeA, completeB] };
        for (const [row, [a, b]] of Object.entries(totals)) {
            assert.deepEqual([shown.totals[row].a, shown.totals[row].b], [a, b], row);
            sameMarks(shown.totals[row].marks, a !== b, row);
        }

        const headings = () => page.$$eval('#tblCompare thead th', (cells) => cells.map((cell) => cell.textContent));
        const sideA = [texts.planALevel, texts.planAPoints, texts.planAAbilities];
        const sideB = [texts.planBLevel, texts.planBPoints, texts.planBAbilities];
        assert.deepEqual(await headings(), [texts.compareLine, ...sideA, ...sideB]);
        await page.click('#cmdCompareSwap');
        assert.deepEqual(await headings(), [texts.compareLine, ...sideB, ...sideA]);
        const swapped = await readComparison(page);
        assert.deepEqual(swapped.lines.map(({ stem, a, b }) => ({ stem, a: b, b: a })),
            shown.lines.map(({ stem, a, b }) => ({ stem, a, b })));
        assert.deepEqual(Object.values(swapped.totals).map(({ a, b }) => [b, a]), Object.values(totals));

        // A change of plan A is followed while the section is open, still swapped; closed, it holds nothing.
        const level = expected.a.level === 6 ? 7 : 6;
        await page.selectOption('#cboLevel', String(level));
        const [changed] = driverSays(`apply ${codeA}\nlevel ${level}\ncompare ${codeB}\n`, 'compare');
        assert.deepEqual((await readComparison(page)).lines.map(({ stem, a, b }) => ({ stem, a: b, b: a })),
            changed.lines.map(({ stem, a, b }) => ({ stem, a, b })));
        await page.click('#frmCompare summary');
        await page.waitForFunction(() => document.querySelectorAll('#tblCompare tr').length === 1, null,
            { timeout: 5000 });
        assert.deepEqual(page.errors, []);
        await page.close();
    });
}

test('Copy as Text copies the core\'s text, and a plan of another class or no code says why', async () => {
    const context = await browser.newContext();
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    const page = await context.newPage();
    const codeA = 'VT1:Armsman:30:30.1.1.1.1.1.15.10';
    const codeB = 'VT1:Armsman:40:20.1.1.1.1.1.20.20';
    await page.goto(`${pageUrl}#${codeA}`);
    await page.waitForSelector('#lblClassTitle');
    await compareWith(page, `https://example.org/vantrell.html#${codeB}`);
    await page.click('#cmdCompareSwap');
    await page.click('#cmdCompareCopy');
    await page.waitForFunction(() => document.getElementById('msgStatus').textContent.startsWith('Copied'));
    const session = new core.Session();
    session.applyFragment(codeA);
    const expected = session.compare(codeB, true);
    session.delete();
    // Swapped, each plan keeps its letter in the text as in the headings.
    assert.ok(expected.text.indexOf('B Level') < expected.text.indexOf('A Level'), expected.text);
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), expected.text);
    // Unswapped, the other forms are the native program's comparison of A with B.
    await page.click('#cmdCompareSwap');
    for (const [button, format] of [['#cmdCompareCopyMarkdown', 'markdown'], ['#cmdCompareCopyBbcode', 'bbcode']]) {
        await page.click(button);
        assert.equal(await page.evaluate(() => navigator.clipboard.readText()),
            cliSays('compare', codeA, codeB, '--format', format), format);
    }

    for (const other of ['VT1:Bard:40:10.1.1.1.1', 'not a plan']) {
        await compareWith(page, other);
        const [reason] = driverSays(`apply ${codeA}\ncompare ${other}\n`, 'error');
        assert.equal(await page.textContent('#lblCompareReason'), reason);
        assert.equal(await page.locator('#tblCompare tbody tr').count(), 0);
        assert.equal(await page.isDisabled('#cmdCompareCopy'), true);
    }
    await context.close();
});

test('a saved plan of the class is a choice for B; the training path says when the plan is whole', async () => {
    const page = await openPage(browser);
    const save = async (code, name) => {
        await page.evaluate((hash) => { location.hash = hash; }, `#${code}`);
        await page.waitForFunction((listName) => document.querySelector('#lstClasses [aria-current="true"]')
            ?.dataset.class === listName, code.split(':')[1]);
        await page.click('#cmdSavePlan');
        await page.fill('#txtPlanName', name);
        await page.click('#dlgPlanOk');
    };
    await save('VT1:Armsman:30:30.1.1.1.1.1.15.10', 'shield');
    await save('VT1:Bard:50:40.1.30.1.1', 'music');
    await page.evaluate(() => { location.hash = '#VT1:Bard:45:1.25.1.1.30'; });
    await page.waitForFunction(() => document.getElementById('cboLevel').value === '45');
    await openCompare(page);
    // Only the plans of the class on screen are offered.
    const offered = await page.$$eval('#cboComparePlan option', (options) => options.map((o) => o.textContent));
    assert.deepEqual(offered, [texts.compareNoSavedPlan, 'music']);
    await page.selectOption('#cboComparePlan', { label: 'music' });
    const script = 'apply VT1:Bard:45:1.25.1.1.30\ncompare VT1:Bard:50:40.1.30.1.1\ncomplete\n';
    const [expected] = driverSays(script, 'compare');
    const [completeFrom] = driverSays(script, 'completeFrom');
    assert.deepEqual((await readComparison(page)).lines.map(({ stem, b }) => ({ stem, b })),
        expected.lines.map(({ stem, b }) => ({ stem, b })));

    await openTrainingPath(page);
    assert.equal(await page.textContent('#lblCompleteFrom'), `${texts.completeFromCaption} ${completeFrom}`);

    // Deleted, the saved plan is B no longer: the section says so and compares nothing.
    await page.click('#frmPlans summary');
    await page.click('#lstPlans [data-plan="music"] [data-action="delete"]');
    await page.click('#dlgPlanOk');
    await page.waitForFunction((gone) => document.getElementById('lblCompareReason').textContent === gone,
        texts.comparedPlanGone);
    assert.equal(await page.locator('#tblCompare tbody tr').count(), 0);
    assert.equal(await page.inputValue('#cboComparePlan'), '');
    assert.deepEqual(page.errors, []);
    await page.close();
});

test('at 320 px a saved plan\'s long name widens neither the choice of plan B nor the Plans list', async () => {
    const page = await openPage(browser, { width: 320, height: 800, hash: '#VT1:Bard:50:30.1.40.20.1' });
    await page.waitForSelector('#lblClassTitle');
    const name = 'W'.repeat(80);
    await page.click('#cmdSavePlan');
    await page.fill('#txtPlanName', name);
    await page.click('#dlgPlanOk');
    await page.click('#frmPlans summary');
    await openCompare(page);
    await page.selectOption('#cboComparePlan', { label: name });
    const overflow = await page.evaluate(() => document.documentElement.scrollWidth - innerWidth);
    assert.ok(overflow <= 0, `the page is ${overflow} px too wide`);
    const choice = await page.$eval('#cboComparePlan', (select) => select.getBoundingClientRect().right);
    assert.ok(choice <= 320, `the choice of plan B ends at ${choice} px`);
    assert.deepEqual(page.errors, []);
    await page.close();
});

for (const width of [360, 1280]) {
    for (const colorScheme of ['light', 'dark']) {
        test(`the comparison scrolls in its own frame, not the page, at ${width} px, ${colorScheme}`, async () => {
            const page = await openPage(browser, { width, height: 800, hash: '#VT1:Bard:50:30.1.40.20.1' });
            await page.emulateMedia({ colorScheme });
            await page.waitForSelector('#lblClassTitle');
            await compareWith(page, 'VT1:Bard:50:50.1.26.1.17');
            const sizes = await page.$eval('#tblCompare', (table) => ({
                page: document.documentElement.scrollWidth - innerWidth,
                table: table.parentElement.scrollWidth - table.parentElement.clientWidth }));
            assert.ok(sizes.page <= 0, `the page is ${sizes.page} px too wide`);
            if (width === 360) assert.ok(sizes.table > 0, 'at 360 px the table should scroll sideways in its frame');
            const path = join(webBuild, `screenshot-compare-${width}-${colorScheme}.png`);
            await page.locator('#frmCompare').screenshot({ path });
            assert.deepEqual(page.errors, []);
            await page.close();
        });
    }
}
