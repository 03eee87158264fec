// A library longer than the list's first screenful and its later parts: the
// list is fetched a part at a time, and after every change anywhere in it the
// page lists what the core lists, the plan deleted gone at once.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import playwright from 'playwright-core';

import { healer, library, openIn } from './plan-support.mjs';
import { launch, loadCore, openPlans, plansListed } from './support.mjs';

const core = await loadCore();
let browser;
before(async () => { browser = await launch(playwright); });
after(async () => { await browser?.close(); });

const named = (names) => library(names.map((name) => ({ name, ...healer })));
const stored = named(Array.from({ length: 1200 }, (_, index) => `Plan ${index}`));

// What the list shows once it holds as many plans as the core and has no part left to fetch:
// a file's import starts only once the file is read, so an idle list alone may still be the old one.
async function settled(page, count) {
    await page.waitForFunction((expected) => {
        const list = document.getElementById('lstPlans');
        return list.getAttribute('aria-busy') === 'false' && list.querySelectorAll('[data-plan]').length === expected;
    }, count);
    return plansListed(page, core);
}

async function answer(page, action, name, newName = '') {
    await page.click(`#lstPlans [data-plan="${name}"] [data-action="${action}"]`);
    if (newName) await page.fill('#txtPlanName', newName);
    await page.click('#dlgPlanOk');
    await page.waitForFunction(() => !document.getElementById('dlgPlan').open);
}

// Counts the entries put in and taken out of the list from now on, a moved one counted as both.
async function watchEntries(page) {
    await page.evaluate(() => {
        const moved = { added: 0, removed: 0 };
        globalThis.entriesMoved = moved;
        new MutationObserver((records) => records.forEach((record) => {
            moved.added += record.addedNodes.length;
            moved.removed += record.removedNodes.length;
        })).observe(document.getElementById('lstPlans'), { childList: true });
    });
}

test('a long list follows the core through deletions, renames and imports anywhere in it', async () => {
    const context = await browser.newContext();
    await context.addInitScript((document) => localStorage.setItem('vantrell.plans', document), stored);
    const page = await openIn(context);
    await openPlans(page);
    const session = new core.Session();
    session.readLibrary(stored);
    assert.deepEqual(await settled(page, session.plans().length), session.plans());

    const imported = named(Array(500).fill('Plan 10'));
    // Each change, what the core makes of it, and the entries it may add and take out: only those it touched.
    const changes = [
        [() => answer(page, 'delete', 'Plan 700'), () => session.deletePlan('Plan 700'), { added: 0, removed: 1 }],
        [() => answer(page, 'rename', 'Plan 1100', 'First of all'), () => session.renamePlan('Plan 1100', 'First of all'),
            { added: 1, removed: 1 }],
        [() => answer(page, 'delete', 'Plan 0'), () => session.deletePlan('Plan 0'), { added: 0, removed: 1 }],
        [() => page.setInputFiles('#filImportPlans', { name: 'plans.json', mimeType: 'application/json',
            buffer: Buffer.from(imported) }), () => session.importLibrary(imported), { added: 500, removed: 0 }],
        [() => answer(page, 'delete', 'Plan 10 (400)'), () => session.deletePlan('Plan 10 (400)'), { added: 0, removed: 1 }],
    ];
    for (const [gesture, made, moved] of changes) {
        await watchEntries(page);
        await gesture();
        made();
        assert.deepEqual(await settled(page, session.plans().length), session.plans());
        assert.deepEqual(await page.evaluate(() => globalThis.entriesMoved), moved);
    }
    session.delete();
    assert.deepEqual(page.errors, []);
    await context.close();
});
