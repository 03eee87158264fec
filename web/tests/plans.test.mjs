// Undo, Redo and the saved plans on the page in headless Chromium: steps
// taken with the buttons and the keys against the native scenario driver, and
// the library the browser keeps, across tabs, a full storage and a file.
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import playwright from 'playwright-core';

import { openIn, plansIn as plansOf, refusal, savePlan, unwrittenNote } from './plan-support.mjs';
import {
    addressCode, drive, launch, loadCore, nativeLines, openPage, openPlans, pageUrl, plansListed, scratchDir, showOf,
} from './support.mjs';

const core = await loadCore();
const texts = core.texts();
let browser;
before(async () => { browser = await launch(playwright); });
after(async () => { await browser?.close(); });

const codeOf = (shown) => `VT1:${shown.class}:${shown.level}:${shown.lines.map((line) => line.level).join('.')}`;

const plansIn = (document) => plansOf(core, document);

describe('undo and redo', () => {
    // Each gesture as the page takes it; the driver is given the plain command.
    const gestures = {
        'undo button': (page) => page.click('#cmdUndo'),
        'redo button': (page) => page.click('#cmdRedo'),
        'undo key': (page) => page.keyboard.press('Control+z'),
        'redo key': (page) => page.keyboard.press('Control+Shift+Z'),
        'redo key y': (page) => page.keyboard.press('Control+y'),
    };

    test('the buttons and keys give back what the driver prints, the training path and address included', async () => {
        const steps = ['open Hero', 'level 35', 'slide Shield 20', 'slide Parry 14', 'path', 'undo button', 'show',
            'path', 'history', 'undo key', 'show', 'history', 'redo key', 'show', 'path', 'redo key y', 'show',
            'history', 'undo key', 'undo key', 'undo key', 'show', 'history', 'redo button', 'level 20', 'history',
            'redo key', 'show', 'path'];
        const script = `${steps.map((step) => step.replace(/ (button|key|key y)$/, '')).join('\n')}\n`;
        const expected = nativeLines(script);
        const page = await openPage(browser);
        const actual = [];
        for (const step of steps) {
            if (gestures[step]) {
                // Focus on a slider, which has no undo of its own, must not keep the keys from the page.
                if (step.includes('key')) await page.focus('[data-part="slider"]');
                await gestures[step](page);
                continue;
            }
            const printed = await drive(page, core, step);
            if (printed === undefined) continue;
            actual.push(printed);
            if (printed.lines) assert.equal(await addressCode(page), codeOf(printed), step);
            if (printed.undo !== undefined) {
                const enabled = { undo: await page.isEnabled('#cmdUndo'), redo: await page.isEnabled('#cmdRedo') };
                assert.deepEqual(enabled, { undo: printed.undo > 0, redo: printed.redo > 0 }, step);
            }
        }
        assert.deepEqual(actual, expected);
        assert.deepEqual(page.errors, []);
        await page.close();
    });

    test('in a text field the keys are the field\'s own', async () => {
        const page = await openPage(browser, { hash: '#VT1:Healer:40:12.1.1' });
        await drive(page, core, 'slide Mending 20');
        const before = await showOf(page);
        await page.click('#cmdSavePlan');
        await page.press('#txtPlanName', 'Control+z');
        await page.click('#dlgPlanCancel');
        // The paste box appears where the clipboard is refused, as it is here.
        await page.click('#cmdPaste');
        await page.waitForSelector('#txtPaste', { state: 'visible' });
        await page.press('#txtPaste', 'Control+z');
        await page.press('#txtPaste', 'Control+y');
        assert.deepEqual(await showOf(page), before);
        await page.focus('#cmdCopyText');
        await page.keyboard.press('Control+z');
        assert.equal((await showOf(page)).lines[0].value, 12);

        // The last step back disables Undo; focus goes on to Redo rather than nowhere.
        await page.focus('#cmdUndo');
        await page.keyboard.press('Enter');
        assert.deepEqual(await showOf(page), nativeLines('open Healer\nshow\n')[0]);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdRedo');
        await page.close();
    });
});

describe('saved plans', () => {
    test('after a rename or deletion by keyboard the focus stays on the plan or moves to its neighbour', async () => {
        const page = await openPage(browser);
        await drive(page, core, 'open Bard');
        for (const name of ['Alpha', 'Bravo', 'Charlie']) await drive(page, core, `save ${name}`);
        await openPlans(page);
        const focused = () => page.evaluate(() => {
            const entry = document.activeElement?.closest('[data-plan]');
            return entry ? `${entry.dataset.plan}/${document.activeElement.dataset.action}` : document.activeElement?.tagName;
        });
        await page.focus('#lstPlans [data-plan="Bravo"] [data-action="rename"]');
        await page.keyboard.press('Enter');
        await page.keyboard.type('Bravo Two');
        await page.keyboard.press('Enter');
        await page.waitForFunction(() => !document.getElementById('dlgPlan').open);
        await page.waitForFunction(() => document.activeElement?.closest('[data-plan="Bravo Two"]'));
        assert.equal(await focused(), 'Bravo Two/rename');
        for (const [deleted, next] of [['Bravo Two', 'Charlie/delete'], ['Charlie', 'Alpha/delete'], ['Alpha', 'SUMMARY']]) {
            await page.focus(`#lstPlans [data-plan="${deleted}"] [data-action="delete"]`);
            await page.keyboard.press('Enter');
            await page.keyboard.press('Enter');
            await page.waitForFunction((name) => !document.querySelector(`#lstPlans [data-plan="${name}"]`), deleted);
            await page.waitForFunction((tag) => document.activeElement?.tagName !== 'BODY', next);
            assert.equal(await focused(), next, deleted);
        }
        assert.deepEqual(page.errors, []);
        await page.close();
    });

    test('a note is written on saving, edited from the list, refused past 2,000 characters and copied with its plan',
        async () => {
            const context = await browser.newContext();
            await context.grantPermissions(['clipboard-read', 'clipboard-write']);
            const page = await openIn(context);
            await drive(page, core, 'open Healer');
            await page.click('#cmdSavePlan');
            await page.fill('#txtPlanName', 'Group');
            await page.fill('#txtPlanNote', 'For group play\nswap at 40 \u05e9\u05dc\u05d5\u05dd');
            await page.click('#dlgPlanOk');
            await openPlans(page);
            const note = '#lstPlans [data-plan="Group"] [data-part="note"]';
            assert.equal(await page.textContent(note), 'For group play');
            assert.equal(await page.getAttribute(note, 'title'), 'For group play\nswap at 40 \u05e9\u05dc\u05d5\u05dd');

            await page.click('#lstPlans [data-plan="Group"] [data-action="note"]');
            assert.equal(await page.inputValue('#txtPlanNote'), 'For group play\nswap at 40 \u05e9\u05dc\u05d5\u05dd');
            assert.equal(await page.isVisible('#txtPlanName'), false);
            await page.fill('#txtPlanNote', 'x'.repeat(2001));
            await page.click('#dlgPlanOk');
            assert.notEqual(await page.textContent('#lblPlanNameFault'), '');
            await page.fill('#txtPlanNote', 'Solo now');
            await page.click('#dlgPlanOk');
            await page.waitForFunction((selector) => document.querySelector(selector)?.textContent === 'Solo now', note);
            const stored = await page.evaluate(() => JSON.parse(localStorage.getItem('vantrell.plans')));
            assert.equal(stored.plans[0].note, 'Solo now');

            await page.click('#cmdCopyMarkdown');
            await page.waitForFunction(async () => (await navigator.clipboard.readText()).includes('> Solo now'));
            // The copy is the driver's for the same plan saved with the same note.
            const [copied] = nativeLines('open Healer\nsave Group\nnote Group => "Solo now"\nformat markdown\n').slice(-1);
            assert.equal(await page.evaluate(() => navigator.clipboard.readText()), copied.text);
            // Shown, and printed, with the plan while the plan is as saved.
            assert.equal(await page.textContent('#lblPlanNote'), 'Solo now');
            await drive(page, core, 'slide Mending 20');
            assert.equal(await page.isVisible('#lblPlanNote'), false);
            assert.deepEqual(page.errors, []);
            await context.close();
        });

    test('a plan saved in one tab shows in another, and a deletion there comes back', async () => {
        const context = await browser.newContext();
        const first = await openIn(context);
        const second = await openIn(context);
        await openPlans(second);
        assert.equal(await second.isVisible('#lblNoPlans'), true);

        // A tab behind another paints about once a second: each is brought forward to be used.
        await first.bringToFront();
        await drive(first, core, 'open Bard');
        await drive(first, core, 'slide Regrowth 20');
        await first.click('#cmdSavePlan');
        assert.equal(await first.inputValue('#txtPlanName'), 'Bard 50');
        await first.click('#dlgPlanOk');
        await second.waitForSelector('#lstPlans [data-plan="Bard 50"]');
        assert.deepEqual(await plansListed(second, core), [{ name: 'Bard 50', class: 'Bard', level: 50,
            code: 'VT1:Bard:50:20.1.1.1.1', usable: true, note: null }]);
        assert.equal(await second.textContent('#msgStatus'), texts.plansChangedElsewhere);

        // Saving the same name asks first; saying no keeps the plan as it was.
        await drive(first, core, 'level 30');
        await savePlan(first, ' bard 50 ');
        assert.equal(await first.textContent('#dlgPlanQuestion'), core.replacePlanQuestion('bard 50'));
        await first.click('#dlgPlanCancel');
        assert.equal((await plansListed(first, core))[0].code, 'VT1:Bard:50:20.1.1.1.1');

        await second.bringToFront();
        await openPlans(second);
        await second.click('#lstPlans [data-plan="Bard 50"] [data-action="delete"]');
        assert.equal(await second.textContent('#dlgPlanQuestion'), core.deletePlanQuestion('Bard 50'));
        await second.click('#dlgPlanOk');
        await first.bringToFront();
        await openPlans(first);
        await first.waitForSelector('#lstPlans [data-plan]', { state: 'detached' });
        assert.deepEqual([...first.errors, ...second.errors], []);
        await context.close();
    });

    test('a stored value that is no library is kept aside, said, and never overwritten', async () => {
        const context = await browser.newContext();
        await context.addInitScript(() => {
            if (!sessionStorage.getItem('seeded')) {
                sessionStorage.setItem('seeded', 'yes');
                localStorage.setItem('vantrell.plans', '{"plans": "written by something else"}');
            }
        });
        const page = await openIn(context);
        const stored = await page.evaluate(() => Object.fromEntries(Object.keys(localStorage)
            .map((key) => [key, localStorage.getItem(key)])));
        const asideKey = Object.keys(stored).find((key) => key !== 'vantrell.plans');
        assert.match(asideKey, /^vantrell\.plans\.unreadable-\d{8}-\d{6}$/);
        assert.equal(stored[asideKey], '{"plans": "written by something else"}');
        assert.equal(await page.textContent('#msgAlert'), core.unreadablePlansNote(refusal(core, stored[asideKey]),
            asideKey));

        await drive(page, core, 'open Healer');
        await savePlan(page, 'Mine');
        const after = await page.evaluate((key) => [localStorage.getItem(key), localStorage.getItem('vantrell.plans')],
            asideKey);
        assert.equal(after[0], stored[asideKey]);
        assert.deepEqual(plansIn(after[1]), [{ name: 'Mine', code: 'VT1:Healer:50:1.1.1' }]);
        await context.close();

        // Where it cannot be set aside, it stays where it is, and the plans wait in the page, named.
        const refusing = await browser.newContext();
        await refusing.addInitScript(() => {
            localStorage.setItem('vantrell.plans', 'not json');
            const setItem = Storage.prototype.setItem;
            Storage.prototype.setItem = function refuseAside(key, value) {
                if (key.startsWith('vantrell.plans.')) throw new DOMException('full', 'QuotaExceededError');
                setItem.call(this, key, value);
            };
        });
        const refused = await openIn(refusing);
        await drive(refused, core, 'open Healer');
        await savePlan(refused, 'Waiting');
        assert.equal(await refused.evaluate(() => localStorage.getItem('vantrell.plans')), 'not json');
        const left = core.unreadablePlansLeftNote(refusal(core, 'not json'));
        assert.equal(await refused.textContent('#msgAlert'),
            `${left}\n${unwrittenNote(core, 'not json', ['Waiting'])}`);
        await openPlans(refused);
        assert.deepEqual((await plansListed(refused, core)).map((plan) => plan.name), ['Waiting']);
        await refusing.close();
    });

    test('a full storage is said, the plans stay in the page, open and export', async () => {
        const context = await browser.newContext({ acceptDownloads: true });
        await context.addInitScript(() => {
            Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); };
        });
        const page = await openIn(context);
        await page.goto(`${pageUrl}#VT1:Healer:30:20.5.1`);
        await savePlan(page, 'Kept here');
        assert.equal(await page.textContent('#msgAlert'),
            `${texts.plansNotStored}\n${unwrittenNote(core, '', ['Kept here'])}`);
        await drive(page, core, 'open Friar');
        await openPlans(page);
        await page.click('#lstPlans [data-plan="Kept here"] [data-action="open"]');
        assert.equal(await addressCode(page), 'VT1:Healer:30:20.5.1');

        const [download] = await Promise.all([page.waitForEvent('download'), page.click('#cmdExportPlans')]);
        assert.equal(download.suggestedFilename(), texts.plansFileName);
        const file = join(scratchDir(), 'exported.json');
        await download.saveAs(file);
        assert.deepEqual(plansIn(readFileSync(file, 'utf8')), [{ name: 'Kept here', code: 'VT1:Healer:30:20.5.1' }]);
        assert.deepEqual(page.errors, []);
        await context.close();
    });

    test('Export and Import carry the plans to another browser, names kept apart and faults shown', async () => {
        const from = await browser.newContext({ acceptDownloads: true });
        const page = await openIn(from);
        await page.goto(`${pageUrl}#VT1:Bard:30:20.1.1.1.1`);
        await savePlan(page, 'Group "bard" 😀');
        await drive(page, core, 'priority Music Regrowth Nurturing Blades Blunts');
        await drive(page, core, 'level 40');
        await savePlan(page, 'Solo');
        await openPlans(page);
        const [download] = await Promise.all([page.waitForEvent('download'), page.click('#cmdExportPlans')]);
        const exported = join(scratchDir(), 'vantrell-plans.json');
        await download.saveAs(exported);
        const listed = await plansListed(page, core);
        await from.close();

        const to = await browser.newContext();
        const other = await openIn(to);
        await openPlans(other);
        await other.setInputFiles('#filImportPlans', exported);
        await other.waitForSelector('#lstPlans [data-plan]');
        assert.deepEqual(await plansListed(other, core), listed);
        const importer = new core.Session();
        assert.equal(await other.textContent('#msgStatus'), importer.importLibrary(readFileSync(exported, 'utf8')).note);
        importer.delete();

        // The same file again adds beside, and a plan whose code no longer reads is listed with why.
        const document = JSON.parse(readFileSync(exported, 'utf8'));
        const broken = JSON.stringify(document).replace('VT1:Bard:40:', 'VT1:Bard:99:');
        const brokenFile = join(scratchDir(), 'broken.json');
        writeFileSync(brokenFile, broken);
        await other.setInputFiles('#filImportPlans', brokenFile);
        await other.waitForSelector('#lstPlans [data-plan="Solo (2)"]');
        const session = new core.Session();
        session.readLibrary(broken);
        const brokenPlan = session.plans().find((plan) => plan.name === 'Solo');
        session.delete();
        assert.equal(brokenPlan.usable, false);
        const entry = (await plansListed(other, core)).find((plan) => plan.name === 'Solo (2)');
        assert.deepEqual(entry, { ...brokenPlan, name: 'Solo (2)' });
        assert.equal(await other.isDisabled('#lstPlans [data-plan="Solo (2)"] [data-action="open"]'), true);

        // Opening a plan sets its priority and applies it as one step, as the driver's `load` does.
        const expected = nativeLines(`import ${exported}\nload Solo\nshow\npath\nhistory\n`).slice(1);
        const actual = [];
        for (const command of ['load Solo', 'show', 'path', 'history']) actual.push(await drive(other, core, command));
        assert.deepEqual(actual, expected);

        // A file that is no library changes nothing and says why, and the last import's success goes.
        await other.setInputFiles('#filImportPlans', exported);
        await other.waitForFunction(() => document.getElementById('msgStatus').textContent !== '');
        const before = await plansListed(other, core);
        const junk = join(scratchDir(), 'junk.json');
        writeFileSync(junk, 'not json');
        await other.setInputFiles('#filImportPlans', junk);
        await other.waitForFunction(() => document.getElementById('msgAlert').textContent !== '');
        const check = new core.Session();
        assert.equal(await other.textContent('#msgAlert'), check.importLibrary('not json').reason);
        check.delete();
        assert.equal(await other.textContent('#msgStatus'), '');
        assert.deepEqual(await plansListed(other, core), before);
        assert.deepEqual(other.errors, []);
        await to.close();
    });
});
