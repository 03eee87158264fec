// What the saved plans' tests share: tabs of one browser, the library as the
// browser keeps it, and what the core says of a library, asked in Node.
import assert from 'node:assert/strict';

import { drive, pageUrl } from './support.mjs';

export const storageKey = 'vantrell.plans';
export const healer = { code: 'VT1:Healer:50:1.1.1', priority: ['Mending', 'Augmentation', 'Pacification'] };

/** A library document holding `plans` as given, any JSON value an entry. */
export const library = (plans) => JSON.stringify({ format: 'vantrell-plans', version: 1, plans });

// A tab of the context's browser, its errors collected, once the planner is ready.
export async function openIn(context) {
    const page = await context.newPage();
    page.errors = [];
    page.on('pageerror', (error) => page.errors.push(error.message));
    await page.goto(pageUrl);
    await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
    return page;
}

export async function reload(page) {
    await page.reload();
    await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
}

export async function savePlan(page, name) {
    await page.click('#cmdSavePlan');
    await page.fill('#txtPlanName', name);
    await page.click('#dlgPlanOk');
}

// Everything the browser's storage holds for the page's origin, key by key.
export function storedIn(page) {
    return page.evaluate(() => Object.fromEntries(Object.keys(localStorage)
        .map((key) => [key, localStorage.getItem(key)])));
}

export const asideKeys = (stored) => Object.keys(stored).filter((key) => key.startsWith(`${storageKey}.unreadable-`));

// The plans a library document holds, as the core reads it.
export function plansIn(core, document) {
    const session = new core.Session();
    try {
        const read = session.readLibrary(document);
        assert.equal(read.ok, true, read.reason);
        return session.plans().map(({ name, code }) => ({ name, code }));
    } finally {
        session.delete();
    }
}

// Why the core refuses a stored document; it must refuse it.
export function refusal(core, document) {
    const session = new core.Session();
    const read = session.readLibrary(document);
    session.delete();
    assert.equal(read.ok, false, 'the core reads the document');
    return read.reason;
}

// Why the core refuses a file given to Import; it must refuse it.
export function importRefusal(core, document) {
    const session = new core.Session();
    const imported = session.importLibrary(document);
    session.delete();
    assert.equal(imported.ok, false, 'the core imports the document');
    return imported.reason;
}

// What the core says of Healer plans saved as `names` over the stored `document` and not stored yet.
export function unwrittenNote(core, document, names) {
    const session = new core.Session();
    session.readLibrary(document);
    session.open('Healer');
    for (const name of names) assert.equal(session.savePlan(name), '');
    const note = session.unwrittenPlansNote();
    session.delete();
    return note;
}

// Saves a Healer plan named `name` from the page, as a user does.
export async function saveHealer(page, core, name) {
    await drive(page, core, 'open Healer');
    await savePlan(page, name);
}
