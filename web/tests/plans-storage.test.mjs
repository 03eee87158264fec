// The saved plans against what the browser's storage and files do to them:
// documents nested too deep or of a later version, set aside once and never
// overwritten; another tab's changes over this tab's unstored plans; a file
// too large to read.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import playwright from 'playwright-core';

import {
    asideKeys, healer, importRefusal, library, openIn, plansIn, refusal, reload, saveHealer, savePlan, storageKey,
    storedIn, unwrittenNote,
} from './plan-support.mjs';
import { drive, launch, loadCore, openPlans, plansListed } from './support.mjs';

const core = await loadCore();
const texts = core.texts();
let browser;
before(async () => { browser = await launch(playwright); });
after(async () => { await browser?.close(); });

const nested = (depth) => `${'['.repeat(depth)}${']'.repeat(depth)}`;
const names = (document) => plansIn(core, document).map((plan) => plan.name);

// The whole document nested past the core's 64 levels: at the top, in a field this version does not know, in an entry.
const deepDocuments = [65, 100_000].flatMap((depth) => [
    [`${depth} levels at the top`, nested(depth)],
    [`${depth} levels in an unknown field`, library([]).replace(/}$/, `,"x":${nested(depth - 1)}}`)],
    [`${depth} levels in an entry`, library([{ name: 'Deep', ...healer, x: 'X' }]).replace('"X"', nested(depth - 3))],
]);

describe('stored documents this version cannot read', () => {
    for (const [shape, document] of deepDocuments) {
        test(`${shape}: set aside once and said at start; imported, refused and nothing changes`, async () => {
            const context = await browser.newContext();
            const page = await openIn(context);
            await page.evaluate(([key, text]) => localStorage.setItem(key, text), [storageKey, document]);
            // Seconds apart, so that a second copy would have a key of its own.
            for (const load of [1, 2]) {
                await page.clock.setFixedTime(new Date(2030, 0, 1, 12, 0, 10 * load));
                await reload(page);
                const stored = await storedIn(page);
                assert.equal(asideKeys(stored).length, 1, `load ${load}`);
                const [key] = asideKeys(stored);
                assert.deepEqual([stored[key], stored[storageKey]], [document, document]);
                const said = core.unreadablePlansNote(refusal(core, document), key);
                assert.equal(await page.textContent('#msgAlert'), said);
            }

            await saveHealer(page, core, 'Mine');
            const kept = await storedIn(page);
            assert.deepEqual(names(kept[storageKey]), ['Mine']);
            await openPlans(page);
            const listed = await plansListed(page, core);
            await page.setInputFiles('#filImportPlans', { name: 'deep.json', mimeType: 'application/json',
                buffer: Buffer.from(document) });
            await page.waitForFunction((reason) => document.getElementById('msgAlert').textContent === reason,
                importRefusal(core, document));
            assert.deepEqual(await plansListed(page, core), listed);
            assert.deepEqual(await storedIn(page), kept);
            assert.deepEqual(page.errors, []);
            await context.close();
        });
    }

    test('a later version written by another tab is set aside, never overwritten by this tab\'s save', async () => {
        const context = await browser.newContext();
        const tab = await openIn(context);
        const other = await openIn(context);
        await tab.bringToFront();
        await saveHealer(tab, core, 'Mine');
        const later = '{"format":"vantrell-plans","version":2,"plans":[{"name":"From later"}]}';
        await other.evaluate(([key, text]) => localStorage.setItem(key, text), [storageKey, later]);
        await tab.waitForFunction(() => Object.keys(localStorage).some((key) => key.includes('.unreadable-')));
        const [key] = asideKeys(await storedIn(tab));
        assert.equal(await tab.textContent('#msgAlert'), core.unreadablePlansNote(refusal(core, later), key));

        await saveHealer(tab, core, 'After');
        const stored = await storedIn(tab);
        assert.deepEqual(asideKeys(stored), [key]);
        assert.equal(stored[key], later);
        assert.deepEqual(names(stored[storageKey]), ['Mine', 'After']);
        assert.deepEqual([...tab.errors, ...other.errors], []);
        await context.close();
    });
});

describe('a storage that refuses the plans', () => {
    test('two tabs: the unstored plan survives the other tab\'s change, is named, and is written once it can be',
        async () => {
            const context = await browser.newContext();
            // Each tab's storage refuses writes while that tab says so, as a full one does.
            await context.addInitScript(() => {
                const setItem = Storage.prototype.setItem;
                Storage.prototype.setItem = function refuseWhenFull(key, value) {
                    if (window.storageFull) throw new DOMException('full', 'QuotaExceededError');
                    setItem.call(this, key, value);
                };
            });
            const [a, b] = [await openIn(context), await openIn(context)];
            const stored = async () => (await storedIn(b))[storageKey];
            await a.bringToFront();
            await saveHealer(a, core, 'Shared');
            await a.evaluate(() => { window.storageFull = true; });
            await savePlan(a, 'Only in A');
            const onlyInA = `${texts.plansNotStored}\n${unwrittenNote(core, await stored(), ['Only in A'])}`;
            assert.equal(await a.textContent('#msgAlert'), onlyInA);

            await b.bringToFront();
            await drive(b, core, 'rename Shared => Renamed by B');
            await a.bringToFront();
            await openPlans(a);
            await a.waitForSelector('#lstPlans [data-plan="Renamed by B"]');
            assert.deepEqual((await plansListed(a, core)).map((plan) => plan.name), ['Renamed by B', 'Only in A']);
            assert.deepEqual(names(await stored()), ['Renamed by B']);
            assert.equal(await a.textContent('#msgAlert'), onlyInA);
            // A storage cleared elsewhere takes the stored plans, not this tab's own.
            await b.evaluate(() => localStorage.clear());
            await a.waitForSelector('#lstPlans [data-plan="Renamed by B"]', { state: 'detached' });
            assert.deepEqual((await plansListed(a, core)).map((plan) => plan.name), ['Only in A']);
            assert.equal(await a.textContent('#msgAlert'), onlyInA);

            // Room again: the other tab's next change brings this one's plan into the storage at once.
            await a.evaluate(() => { window.storageFull = false; });
            await b.bringToFront();
            await saveHealer(b, core, 'From B');
            await b.waitForSelector('#lstPlans [data-plan="Only in A"]');
            const all = ['From B', 'Only in A'];
            assert.deepEqual(names(await stored()), all);
            assert.deepEqual((await plansListed(b, core)).map((plan) => plan.name), all);
            await a.bringToFront();
            assert.equal(await a.textContent('#msgAlert'), '');
            assert.deepEqual([...a.errors, ...b.errors], []);
            await context.close();
        });

    test('a file larger than the core reads is refused before it is read; one at the limit is read', async () => {
        const context = await browser.newContext();
        const page = await openIn(context);
        await saveHealer(page, core, 'Mine');
        await openPlans(page);
        const kept = { listed: await plansListed(page, core), stored: await storedIn(page) };
        const limit = core.importLimit();
        const atLimit = importRefusal(core, ' '.repeat(limit.bytes));
        for (const [bytes, reason, reads] of [[limit.bytes + 1, limit.reason, 0], [limit.bytes, atLimit, 1]]) {
            const read = await page.evaluate(importSpaces, bytes);
            assert.deepEqual(read, { said: reason, reads }, `${bytes} bytes`);
            assert.deepEqual({ listed: await plansListed(page, core), stored: await storedIn(page) }, kept);
        }
        assert.deepEqual(page.errors, []);
        await context.close();
    });
});

// In the page: a file of `bytes` spaces given to Import, every read of a file's contents counted.
async function importSpaces(bytes) {
    if (window.fileReads === undefined) {
        for (const method of ['text', 'arrayBuffer', 'stream', 'slice']) {
            const original = Blob.prototype[method];
            Blob.prototype[method] = function counted(...args) {
                window.fileReads += 1;
                return original.apply(this, args);
            };
        }
    }
    window.fileReads = 0;
    const files = new DataTransfer();
    files.items.add(new File([new Uint8Array(bytes).fill(32)], 'big.json', { type: 'application/json' }));
    const alert = document.getElementById('msgAlert');
    alert.textContent = '';
    const input = document.getElementById('filImportPlans');
    input.files = files.files;
    input.dispatchEvent(new Event('change'));
    while (alert.textContent === '') await new Promise((done) => { setTimeout(done, 20); });
    return { said: alert.textContent, reads: window.fileReads };
}
