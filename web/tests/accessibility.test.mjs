// The page audited by axe-core against WCAG 2.1 A and AA, in both colour
// schemes: the start view and the About box, then for classes that between
// them show every colour of the catalog, the planner, an explanation, a
// refused code, the training path, the Compare section, Save Plan's form and the
// Plans section.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import playwright from 'playwright-core';

import { classNames, drive, launch, loadCore, openPage, openPlans, openTrainingPath, stemsOf } from './support.mjs';

const axeSource = readFileSync(join(dirname(createRequire(import.meta.url).resolve('axe-core')), 'axe.min.js'), 'utf8');
const core = await loadCore('vantrell_core');
let browser;
before(async () => { browser = await launch(playwright); });
after(async () => { await browser?.close(); });

// Few classes, chosen so that every caption and abilities colour the catalog
// has is on screen in one of them, and one of them has an explanation.
function classesShowingEveryColour() {
    const coloursOf = new Map(classNames(core).map((listName) => {
        const session = new core.Session();
        session.open(listName);
        const { lines } = session.layout();
        const colours = new Set(lines.flatMap((line) => [line.captionColour, line.abilitiesColour]));
        if (lines.some((line) => line.explained && line.showsAbilities)) colours.add('an explanation');
        session.delete();
        return [listName, colours];
    }));
    const unseen = new Set([...coloursOf.values()].flatMap((colours) => [...colours]));
    const chosen = [];
    while (unseen.size > 0) {
        const [best] = [...coloursOf].sort(([, a], [, b]) => [...b].filter((c) => unseen.has(c)).length
            - [...a].filter((c) => unseen.has(c)).length)[0];
        chosen.push(best);
        for (const colour of coloursOf.get(best)) unseen.delete(colour);
        coloursOf.delete(best);
    }
    return chosen;
}

const wcag = { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] };

// One line per rule broken, then each element that broke it and why.
async function audit(page, view, runOnly = wcag) {
    if (!(await page.evaluate(() => 'axe' in window))) await page.addScriptTag({ content: axeSource });
    const violations = await page.evaluate(async (rules) => {
        const result = await window.axe.run(document, { runOnly: rules });
        return result.violations.map(({ id, help, nodes }) => ({ id, help,
            nodes: nodes.map((node) => ({ target: node.target.join(' '), why: node.failureSummary })) }));
    }, runOnly);
    return violations.map(({ id, help, nodes }) => [`${view}: ${id} (${help})`,
        ...nodes.map(({ target, why }) => `    ${target}: ${why.replaceAll('\n', ' ')}`)].join('\n'));
}

let explanationsSeen = 0;

async function auditClass(page, listName) {
    await drive(page, core, `open ${listName}`);
    // The lowest level closes the lines that open later, each with its note.
    await drive(page, core, 'level 6');
    const found = await audit(page, `${listName} planner at level 6`);
    await drive(page, core, 'level 50');
    // Lines trained some way, so that their abilities texts have something to show.
    for (const stem of stemsOf(core, listName)) await drive(page, core, `slide ${stem} 12`);
    found.push(...await audit(page, `${listName} planner`));

    const explained = page.locator('[data-part="abilities"].explained:visible');
    if (await explained.count() > 0) {
        await explained.first().click();
        assert.equal(await page.evaluate(() => document.getElementById('dlgExplanation').open), true);
        found.push(...await audit(page, `${listName} explanation`));
        await page.click('#dlgExplanationOk');
        explanationsSeen += 1;
    }

    // A refused code: the alert above the planner and the paste field with what was pasted.
    await page.click('#cmdPaste');
    await page.fill('#txtPaste', 'not a plan');
    await page.press('#txtPaste', 'Enter');
    await page.waitForFunction(() => document.getElementById('msgAlert').textContent !== '');
    found.push(...await audit(page, `${listName} refused code`));

    await openTrainingPath(page);
    found.push(...await audit(page, `${listName} training path`));
    await page.click('#frmTrainingPath summary');

    // The Compare section beside another plan of the class, so that rows differ and are marked.
    const other = new core.Session();
    other.open(listName);
    other.pickLevel(30);
    other.slide(0, 10);
    await page.click('#frmCompare summary');
    await page.fill('#txtCompareCode', other.planCode());
    other.delete();
    await page.click('#cmdCompare');
    await page.waitForSelector('#tblCompare tr[data-differs="true"]');
    found.push(...await audit(page, `${listName} compare`));
    await page.click('#frmCompare summary');

    // Save Plan's form, then the Plans section holding what it saved.
    await page.click('#cmdSavePlan');
    found.push(...await audit(page, `${listName} save plan`));
    await page.click('#dlgPlanOk');
    await openPlans(page);
    found.push(...await audit(page, `${listName} plans`));
    await page.click('#frmPlans summary');
    return found;
}

// What a search engine's and a browser's audits ask beyond WCAG: headings in order, a description.
test('the headings go down one level at a time and the page describes itself', async () => {
    const page = await openPage(browser);
    const rules = { type: 'rule', values: ['heading-order', 'page-has-heading-one', 'document-title', 'html-has-lang',
        'meta-viewport', 'empty-heading'] };
    await page.click('#frmPlans summary');
    const found = await audit(page, 'start view with the Plans section', rules);
    await drive(page, core, 'open Bard');
    await openTrainingPath(page);
    await page.click('#frmCompare summary');
    found.push(...await audit(page, 'planner with every section open', rules));
    const description = await page.getAttribute('meta[name="description"]', 'content');
    assert.equal(description, core.texts().pageDescription);
    assert.deepEqual(page.errors, []);
    await page.close();
    if (found.length > 0) assert.fail(`axe-core found:\n${found.join('\n')}`);
});

describe('the page has no WCAG 2.1 AA violation axe-core finds', () => {
    const classes = classesShowingEveryColour();
    for (const colorScheme of ['light', 'dark']) {
        for (const width of [1280, 360]) {
            test(`${colorScheme} scheme at ${width} px: the start view and ${classes.join(', ')}`, async () => {
                const page = await openPage(browser, { width });
                await page.emulateMedia({ colorScheme });
                const found = await audit(page, 'start view');
                await page.click('#cmdAbout');
                found.push(...await audit(page, 'About'));
                await page.click('#dlgAboutOk');
                const seenBefore = explanationsSeen;
                for (const listName of classes) found.push(...await auditClass(page, listName));
                assert.ok(explanationsSeen > seenBefore, 'no explanation was audited');
                assert.deepEqual(page.errors, []);
                await page.close();
                if (found.length > 0) assert.fail(`axe-core found:\n${found.join('\n')}`);
            });
        }
    }
});
