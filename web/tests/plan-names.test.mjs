// Stored entries whose names are awkward (padded, empty, numbers, not plans
// at all, pairs that differ only in case beyond ASCII, too long): every plan
// the page lists can be renamed and deleted by the name it lists, and only
// that plan changes, as it does in the core.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import playwright from 'playwright-core';

import { healer, library, openIn, storageKey, storedIn } from './plan-support.mjs';
import { launch, loadCore, openPlans, plansListed } from './support.mjs';

const core = await loadCore();
let browser;
before(async () => { browser = await launch(playwright); });
after(async () => { await browser?.close(); });

const stored = library([
    ...['  Padded  ', 'Padded', '', 42, 'ÄRMSMAN', 'ärmsman', 'Ω', 'ω', 'Σίσυφος', 'ΣΊΣΥΦΟΣ', 'x'.repeat(100)]
        .map((name) => ({ name, ...healer })),
    { ...healer }, 'just text', 7, null, [],
    // A note is listed by its first line and shown whole on hover, through every rename and deletion.
    { name: 'Noted', ...healer, note: 'Swap "Blades" for <Blunts>\nat 40 \u{1F600} \u05E9\u05DC\u05D5\u05DD' },
    { name: 'Long note', ...healer, note: 'x'.repeat(2000) },
]);

// The core's list as the page's contract shows it, which is the driver's record of each plan.
const listing = (session) => session.plans();

// What the page does, and what the core's own session is asked, for each gesture.
const gestures = {
    rename: {
        page: (page, newName) => page.fill('#txtPlanName', newName),
        core: (session, name, newName) => session.renamePlan(name, newName),
        // The entry keeps its place with its new name; a plan unusable only for its name opens at once.
        others: (before, at, after, newName) => {
            assert.equal(after[at].name, newName);
            if (before[at].name.length > 80) assert.equal(after[at].usable, true, 'the long-named plan');
            return after.filter((_, place) => place !== at);
        },
    },
    delete: {
        page: async () => {},
        core: (session, name) => session.deletePlan(name),
        others: (before, at, after) => after,
    },
};

for (const [action, gesture] of Object.entries(gestures)) {
    test(`every listed plan can be ${action}d by its listed name, and only it changes`, async () => {
        const context = await browser.newContext();
        await context.addInitScript((document) => {
            if (!sessionStorage.getItem('seeded')) {
                sessionStorage.setItem('seeded', 'yes');
                localStorage.setItem('vantrell.plans', document);
            }
        }, stored);
        const page = await openIn(context);
        await openPlans(page);
        const session = new core.Session();
        assert.equal(session.readLibrary(stored).ok, true);
        assert.deepEqual(await plansListed(page, core), listing(session));

        const names = (await plansListed(page, core)).map((plan) => plan.name);
        for (const [index, name] of names.entries()) {
            const before = await plansListed(page, core);
            const at = before.findIndex((plan) => plan.name === name);
            await page.click(`#lstPlans [data-plan=${JSON.stringify(name)}] [data-action="${action}"]`);
            const newName = `Renamed ${index}`;
            await gesture.page(page, newName);
            await page.click('#dlgPlanOk');
            await page.waitForFunction(() => !document.getElementById('dlgPlan').open);
            assert.equal(gesture.core(session, name, newName), '', name);

            const after = await plansListed(page, core);
            const others = before.filter((_, place) => place !== at);
            assert.deepEqual(gesture.others(before, at, after, newName), others, name);
            assert.deepEqual(after, listing(session), name);
            assert.equal((await storedIn(page))[storageKey], session.writeLibrary(), name);
        }
        session.delete();
        assert.deepEqual(page.errors, []);
        await context.close();
    });
}
