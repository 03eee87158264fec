// The page in the player's language: the browser's first one the page has, or
// the one chosen and remembered; every text of the page's own from the core's
// catalogs, which the pseudo-language shows, at 360 and 1280 px.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { after, before, test } from 'node:test';
import playwright from 'playwright-core';

import { launch, loadCore, openPlans, openTrainingPath, pageUrl, webBuild } from './support.mjs';

const core = await loadCore('vantrell_core');
let browser;
before(async () => { browser = await launch(playwright); });
after(async () => { await browser?.close(); });

async function openIn({ locale = 'en-US', chosen = '', width = 1280, hash = '' }) {
    const context = await browser.newContext({ locale, viewport: { width, height: 900 } });
    if (chosen) await context.addInitScript((code) => localStorage.setItem('vantrell.language', code), chosen);
    const page = await context.newPage();
    page.errors = [];
    page.on('pageerror', (error) => page.errors.push(error.message));
    await page.goto(pageUrl + hash);
    await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
    return { context, page };
}

// What the core says in `code`, asked in Node.
function textsIn(code) {
    core.useLanguage(code);
    const texts = core.texts();
    core.useLanguage('en');
    return texts;
}

test('the browser\'s first language the page has is taken, a choice is remembered, and a link opens in any', async () => {
    const rows = [['fr-CA', 'fr'], ['de-AT', 'de'], ['es-ES', 'en'], ['en-GB', 'en']];
    for (const [locale, code] of rows) {
        const { context, page } = await openIn({ locale, hash: '#VT1:Healer:40:12.5.1' });
        assert.equal(await page.getAttribute('html', 'lang'), code, locale);
        assert.equal(await page.inputValue('#cboLanguage'), code, locale);
        assert.equal(await page.textContent('#cmdAbout'), textsIn(code).about, locale);
        assert.equal(await page.evaluate(() => location.hash), '#VT1:Healer:40:12.5.1', locale);
        await context.close();
    }
    const { context, page } = await openIn({ locale: 'fr-FR', hash: '#VT1:Healer:40:12.5.1' });
    await Promise.all([page.waitForEvent('load'), page.selectOption('#cboLanguage', 'de')]);
    await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
    assert.equal(await page.getAttribute('html', 'lang'), 'de');
    assert.equal(await page.textContent('#cmdSavePlan'), textsIn('de').savePlan);
    assert.equal(await page.evaluate(() => localStorage.getItem('vantrell.language')), 'de');
    assert.equal(await page.evaluate(() => location.hash), '#VT1:Healer:40:12.5.1');
    assert.equal(await page.getAttribute('meta[name="description"]', 'content'), textsIn('de').pageDescription);
    assert.deepEqual(page.errors, []);
    await context.close();
});

test('a page whose core cannot start says so in the wanted language it was built with', async () => {
    for (const [locale, code] of [['fr-BE', 'fr'], ['de', 'de'], ['es', 'en']]) {
        const context = await browser.newContext({ locale });
        await context.addInitScript(() => {
            WebAssembly.compileStreaming = () => Promise.reject(new Error('refused'));
        });
        const page = await context.newPage();
        await page.goto(pageUrl);
        await page.waitForFunction(() => document.querySelector('#msgAlert')?.textContent !== '');
        assert.equal(await page.textContent('#msgAlert'), `${textsIn(code).coreFailedLead}refused`, locale);
        await context.close();
    }
});

// Every text on screen and every name given to assistive technology that is the page's own, not the catalog's.
async function ownTexts(page) {
    return page.evaluate(() => {
        const catalogs = ['#cboRealm', '#lstClasses', '#lblClassTitle', '[data-part]', '.priority-caption', '#lblEmail',
            '.path-abilities', '#tblTrainingPath th', '#tblCompare tbody th', '.compare-abilities', '#lblTitle',
            '#lblPointsPerLevelCaption', '#cboLanguage', '#lstPlans [data-plan] .plan-name', 'script', 'style'];
        const own = [];
        const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT | NodeFilter.SHOW_ELEMENT);
        for (let node = walker.currentNode; node; node = walker.nextNode()) {
            const element = node instanceof Element ? node : node.parentElement;
            if (!element || element.closest(catalogs.join(','))) continue;
            if (node instanceof Text) own.push(node.data);
            else for (const name of ['aria-label', 'title', 'placeholder']) own.push(node.getAttribute(name) ?? '');
        }
        return own;
    });
}

test('in the pseudo-language every text of the page\'s own comes from the catalogs and the page still fits', async () => {
    for (const width of [360, 1280]) {
        const { context, page } = await openIn({ chosen: 'x-pseudo', width, hash: '#VT1:Healer:40:12.5.1' });
        await openTrainingPath(page);
        await page.click('#frmCompare summary');
        await openPlans(page);
        await page.click('#cmdSavePlan');
        // English words of two letters or more outside a bracketed, accented text are texts that bypass the catalogs.
        const bypassing = (await ownTexts(page)).map((text) => text.replace(/\[[^\]]*\]/g, ''))
            .filter((text) => /[A-Za-z]{2}/.test(text.replace(/VT1:[^\s]*|Vantrell|Healer \d+|[\w.]+@[\w.]+/g, '')));
        assert.deepEqual(bypassing, [], `${width} px`);
        assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth), `${width} px`);
        assert.deepEqual(page.errors, []);
        await context.close();
    }
});

const axeSource = readFileSync(join(dirname(createRequire(import.meta.url).resolve('axe-core')), 'axe.min.js'), 'utf8');

test('in German and French the page fits 360 and 1280 px and breaks no rule of WCAG 2.1 A and AA', async () => {
    for (const chosen of ['de', 'fr']) {
        const { context, page } = await openIn({ chosen, hash: '#VT1:Healer:40:12.5.1' });
        await openTrainingPath(page);
        await page.click('#frmCompare summary');
        await openPlans(page);
        for (const width of [360, 1280]) {
            await page.setViewportSize({ width, height: 900 });
            assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth), `${chosen}, ${width} px`);
            await page.screenshot({ path: join(webBuild, `screenshot-${chosen}-${width}.png`), fullPage: true });
        }
        await page.addScriptTag({ content: axeSource });
        const broken = await page.evaluate(async () => (await window.axe.run(document, { runOnly: { type: 'tag',
            values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } })).violations.map(({ id, nodes }) =>
            `${id}: ${nodes.map((node) => node.target.join(' ')).join(', ')}`));
        assert.deepEqual(broken, [], chosen);
        await context.close();
    }
});
