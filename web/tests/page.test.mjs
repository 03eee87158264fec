// The page in headless Chromium, driven only through its test contract and
// compared with the native scenario driver.
import assert from 'node:assert/strict';
import { readFileSync, readdirSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import playwright from 'playwright-core';

import {
    addressCode, classNames, drive, generateScript, launch, loadCore, nativeLines, openPage, pagePath, pageUrl, random,
    root, showOf, stemsOf, webBuild, writtenAddress,
} from './support.mjs';

const core = await loadCore();
let browser;
before(async () => { browser = await launch(playwright); });
after(async () => { await browser?.close(); });

const codeOf = (shown) => `VT1:${shown.class}:${shown.level}:${shown.lines.map((line) => line.level).join('.')}`;

// Runs a script on the page and checks every printed line against the native
// driver, and that the address always carries the plan on screen.
async function compareScript(page, script) {
    const expected = nativeLines(script);
    const historyLength = await page.evaluate(() => history.length);
    const actual = [];
    for (const command of script.split('\n')) {
        if (command.trim() === '' || command.startsWith('#')) continue;
        const printed = await drive(page, core, command);
        if (printed === undefined) continue;
        actual.push(printed);
        if (printed.lines) assert.equal(await addressCode(page), codeOf(printed));
    }
    assert.deepEqual(actual, expected, `script:\n${script}`);
    assert.equal(await page.evaluate(() => history.length), historyLength, 'a change added a history entry');
    assert.deepEqual(page.errors, []);
}

describe('the page against vantrell-scenario', () => {
    const goldenDir = join(root, 'tests/tools/scenario/golden');
    // Files are the driver's alone; a script that exports or imports runs through the module only.
    const pageCommands = new Set(['open', 'level', 'slide', 'click', 'show', 'priority', 'path', 'apply', 'undo',
        'redo', 'history', 'save', 'load', 'rename', 'delete', 'plans']);
    const onPage = (script) => script.split('\n').map((line) => line.trim().split(/\s+/)[0])
        .every((verb) => verb === '' || verb.startsWith('#') || pageCommands.has(verb));
    for (const name of readdirSync(goldenDir).filter((file) => file.endsWith('.scenario'))) {
        if (!onPage(readFileSync(join(goldenDir, name), 'utf8'))) continue;
        test(`golden script ${name}`, async () => {
            const page = await openPage(browser);
            await compareScript(page, readFileSync(join(goldenDir, name), 'utf8'));
            await page.close();
        });
    }

    const seed = Number(process.env.VANTRELL_WEB_SEED ?? 20261208);
    const dice = random(seed);
    const classes = classNames(core);
    for (let round = 0; round < 5; ++round) {
        const listName = dice.pick(classes);
        const scriptSeed = seed + round;
        test(`seeded script for ${listName} (seed ${scriptSeed})`, async () => {
            const page = await openPage(browser);
            await compareScript(page, generateScript(core, listName, scriptSeed, 30));
            await page.close();
        });
    }
});

describe('links', () => {
    test('a link reopens the same plan for every class', async () => {
        const page = await openPage(browser);
        const dice = random(33);
        for (const listName of classNames(core)) {
            await drive(page, core, `open ${listName}`);
            await drive(page, core, `level ${dice.pick([6, 20, 35, 50])}`);
            for (const stem of stemsOf(core, listName)) await drive(page, core, `slide ${stem} ${1 + dice.below(40)}`);
            const shown = await showOf(page);
            const link = await writtenAddress(page);
            assert.equal(await addressCode(page), codeOf(shown));

            const reopened = await openPage(browser, { hash: new URL(link).hash });
            assert.deepEqual(await showOf(reopened), shown, link);
            assert.equal(reopened.url(), link);
            assert.equal(await reopened.textContent('#msgAlert'), '');
            assert.deepEqual(reopened.errors, []);
            await reopened.close();
        }
        await page.close();
    });

    test('a plan that no longer fits is trimmed and the lowered lines are named', async () => {
        const code = 'VT1:Healer:6:50.50.50';
        const page = await openPage(browser, { hash: `#${code}` });
        const session = new core.Session();
        const expected = session.applyFragment(code).lowered;
        const shown = await showOf(page);
        assert.equal(shown.level, 6);
        assert.equal(await addressCode(page), codeOf(shown));
        assert.match(expected, /lowered to/);
        assert.equal(await page.textContent('#msgAlert'), expected);
        session.delete();
        await page.close();
    });

    test('a burst of moves writes the address once, after the change is on screen', async () => {
        const page = await openPage(browser, { hash: '#VT1:Armsman:50:1.1.1.1.1.1.1.1' });
        await page.waitForSelector('#lblClassTitle');
        await addressCode(page);
        const writes = await page.evaluate(() => new Promise((settled) => {
            const written = [];
            const replace = history.replaceState.bind(history);
            history.replaceState = (state, unused, address) => {
                written.push(String(address));
                replace(state, unused, address);
            };
            const slider = document.querySelector('[data-part="slider"]');
            for (const level of [10, 20, 30]) {
                slider.value = String(level);
                slider.dispatchEvent(new Event('change', { bubbles: true }));
            }
            const inTheSameTask = written.length;
            requestAnimationFrame(() => setTimeout(() => settled({ inTheSameTask, written }), 0));
        }));
        assert.deepEqual(writes, { inTheSameTask: 0, written: ['#VT1:Armsman:50:30.1.1.1.1.1.1.1'] });
        await page.close();
    });

    const badFragments = [
        'hello', 'VT1', 'VT2:Healer:50:1.1.1', 'VT1:Nobody:50:1', 'VT1:Healer:5:1.1.1', 'VT1:Healer:50:1.1',
        'VT1:Healer:50:1.1.0', 'VT1:Healer:50:1.1.102', '::::', '%', '%E2%82%AC%20<b>x</b>"\'', '#VT1:Healer:50:1.1.1',
        `VT1:Healer:50:1.1.1${'9'.repeat(200000)}`, `VT1:${'x'.repeat(5000)}:50:1`, 'VT1:Healer:50:1.1.1%00',
    ];
    test('a bad fragment says why, and the page keeps working', async () => {
        for (const fragment of badFragments) {
            const page = await openPage(browser, { hash: `#${fragment}` });
            const raw = await page.evaluate(() => location.hash.slice(1));
            let text = raw;
            try { text = decodeURIComponent(raw); } catch { /* shown as it stands */ }
            const session = new core.Session();
            const result = session.applyFragment(text);
            session.delete();
            const label = fragment.slice(0, 60);
            assert.equal(result.ok, false, label);
            assert.equal(await page.textContent('[role="alert"]'), result.reason, label);
            assert.equal(await page.isVisible('[role="alert"]'), true, label);
            assert.equal(await page.isHidden('#lblClassTitle'), true, label);
            await drive(page, core, 'open Friar');
            assert.equal(await page.textContent('#lblClassTitle'), 'Friar', label);
            assert.deepEqual(page.errors, [], label);
            await page.close();
        }
    });
});

describe('keyboard', () => {
    test('realm, class, level and every slider key work without a mouse', async () => {
        const page = await openPage(browser);
        await page.keyboard.press('Tab');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'cboRealm');
        await page.keyboard.press('ArrowDown');
        await page.keyboard.press('ArrowDown');
        await page.keyboard.press('ArrowDown');
        assert.equal(await page.inputValue('#cboRealm'), 'Midgard');
        let focused = '';
        for (let tab = 0; tab < 20 && focused !== 'Healer'; ++tab) {
            await page.keyboard.press('Tab');
            focused = await page.evaluate(() => document.activeElement.dataset.class ?? '');
        }
        await page.keyboard.press('Enter');
        assert.equal(await page.textContent('#lblClassTitle'), 'Healer');

        const script = ['open Healer'];
        await page.focus('#cboLevel');
        await page.keyboard.press('ArrowUp');
        script.push(`level ${await page.inputValue('#cboLevel')}`);
        assert.equal(await page.inputValue('#cboLevel'), '49');
        await page.keyboard.press('Tab');
        assert.equal(await page.evaluate(() => document.activeElement.dataset.part), 'slider');
        const stem = await page.evaluate(() => document.activeElement.dataset.stem);
        for (const key of ['ArrowRight', 'ArrowRight', 'ArrowUp', 'PageUp', 'End', 'ArrowLeft', 'PageDown', 'Home',
            'PageUp', 'ArrowDown']) {
            const { value, min, max } = await page.evaluate(() => {
                const slider = document.activeElement;
                return { value: Number(slider.value), min: Number(slider.min), max: Number(slider.max) };
            });
            const target = { ArrowRight: value + 1, ArrowUp: value + 1, PageUp: value + 1, ArrowLeft: value - 1,
                ArrowDown: value - 1, PageDown: value - 1, Home: min, End: max }[key];
            await page.keyboard.press(key);
            script.push(`slide ${stem} ${target}`, 'show');
            assert.deepEqual(await showOf(page), nativeLines(`${script.join('\n')}\n`).at(-1), key);
        }
        assert.deepEqual(page.errors, []);
        await page.close();
    });

    test('an explanation opens from the keyboard and gives focus back when closed', async () => {
        const page = await openPage(browser, { hash: '#VT1:Hero:50:1.1.1.1.1.1.1' });
        for (const closeKey of ['Enter', 'Escape']) {
            let part = '';
            for (let tab = 0; tab < 40 && part !== 'abilities'; ++tab) {
                await page.keyboard.press('Tab');
                part = await page.evaluate(() => document.activeElement.dataset.part ?? '');
            }
            assert.equal(part, 'abilities', 'no abilities text with an explanation was reached by Tab');
            const stem = await page.evaluate(() => document.activeElement.dataset.stem);
            await page.keyboard.press('Enter');
            assert.equal(await page.evaluate(() => document.getElementById('dlgExplanation').open), true);
            const [expected] = nativeLines(`open Hero\nclick ${stem}\n`);
            assert.equal(await page.textContent('#dlgExplanationTitle'), expected.message.title);
            assert.equal(await page.textContent('#dlgExplanationText'), expected.message.text);
            await page.keyboard.press(closeKey);
            assert.equal(await page.evaluate(() => document.getElementById('dlgExplanation').open), false);
            assert.deepEqual(await page.evaluate(() => document.activeElement.dataset), { stem, part: 'abilities' });
        }
        await page.close();
    });
});

describe('sharing', () => {
    const code = 'VT1:Healer:20:12.5.1';
    const otherLink = 'https://example.org/vantrell.html#VT1:Cleric:30:10.8.1';

    test('copy and paste go through the clipboard where the browser allows it', async () => {
        const context = await browser.newContext();
        await context.grantPermissions(['clipboard-read', 'clipboard-write']);
        const page = await context.newPage();
        await page.goto(`${pageUrl}#${code}`);
        await page.waitForSelector('#lblClassTitle');
        await page.click('#cmdCopyLink');
        await page.waitForSelector('#msgStatus:not(:empty)');
        assert.equal(await page.evaluate(() => navigator.clipboard.readText()), await writtenAddress(page));
        assert.equal(await page.isHidden('#txtCopy'), true);

        await page.evaluate((text) => navigator.clipboard.writeText(text), otherLink);
        await page.click('#cmdPaste');
        await page.waitForFunction(() => document.getElementById('lblClassTitle').textContent !== 'Healer');
        assert.equal(await page.textContent('#lblClassTitle'), 'Cleric');
        assert.equal(await addressCode(page), 'VT1:Cleric:30:10.8.1');
        await context.close();
    });

    test('where the clipboard is refused, the text is selected and a box takes the paste', async () => {
        const context = await browser.newContext();
        await context.addInitScript(() => {
            const refuse = () => Promise.reject(new DOMException('refused', 'NotAllowedError'));
            Object.defineProperty(navigator, 'clipboard', { value: { writeText: refuse, readText: refuse } });
        });
        const page = await context.newPage();
        const errors = [];
        page.on('pageerror', (error) => errors.push(error.message));
        await page.goto(`${pageUrl}#${code}`);
        await page.waitForSelector('#lblClassTitle');

        const session = new core.Session();
        session.applyFragment(code);
        const planText = session.planText();
        session.delete();
        for (const [button, expected] of [['#cmdCopyText', planText], ['#cmdCopyLink', await writtenAddress(page)]]) {
            await page.click(button);
            await page.waitForFunction((text) => document.getElementById('txtCopy').value === text, expected);
            const box = await page.evaluate(() => {
                const area = document.activeElement;
                return { id: area.id, value: area.value, selected: area.selectionEnd - area.selectionStart };
            });
            assert.deepEqual(box, { id: 'txtCopy', value: expected, selected: expected.length }, button);
            assert.match(await page.textContent('#msgStatus'), /selected/);
        }

        await page.click('#cmdPaste');
        await page.waitForSelector('#txtPaste', { state: 'visible' });
        assert.equal(await page.evaluate(() => document.activeElement.id), 'txtPaste');
        await page.keyboard.type(otherLink);
        await page.keyboard.press('Enter');
        assert.equal(await page.textContent('#lblClassTitle'), 'Cleric');
        assert.equal(await addressCode(page), 'VT1:Cleric:30:10.8.1');

        // The box closes with Escape and with Cancel, and gives the keyboard back to Paste Plan Code.
        for (const close of [() => page.keyboard.press('Escape'), () => page.click('#cmdPasteCancel')]) {
            await page.click('#cmdPaste');
            await page.waitForSelector('#txtPaste', { state: 'visible' });
            await close();
            assert.equal(await page.isHidden('#frmPaste'), true);
            assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdPaste');
        }
        assert.deepEqual(errors, []);
        await context.close();
    });
});

describe('messages and keys after a gesture', () => {
    test('a refused link\'s alert goes at the next change, the address follows the plan, and Ctrl+Z works on the level list', async () => {
        const page = await openPage(browser, { hash: '#VT1:Healer:30:10.1.1' });
        await page.waitForSelector('#lblClassTitle');
        await page.evaluate(() => { location.hash = '#VT1:Healer:99:1.1.1'; });
        await page.waitForFunction(() => document.getElementById('msgAlert').textContent !== '');
        assert.equal(await addressCode(page), 'VT1:Healer:99:1.1.1');

        await page.selectOption('#cboLevel', '31');
        assert.equal(await page.textContent('#msgAlert'), '', 'the refused link is no longer what the alert is about');
        assert.equal(await addressCode(page), 'VT1:Healer:31:10.1.1', 'a reload opens the plan on screen');

        await page.focus('#cboLevel');
        await page.keyboard.press('Control+z');
        assert.equal(await page.inputValue('#cboLevel'), '30');
        assert.deepEqual(page.errors, []);
        await page.close();
    });
});

describe('texts', () => {
    test('the page\'s fixed texts and names are the core\'s', async () => {
        const texts = core.texts();
        const page = await openPage(browser);
        const shown = await page.evaluate(() => ({
            title: document.title,
            navigation: document.querySelector('nav').getAttribute('aria-label'),
            about: document.getElementById('cmdAbout').textContent,
            aboutOk: document.getElementById('dlgAboutOk').textContent,
            explanationOk: document.getElementById('dlgExplanationOk').textContent,
            contact: document.getElementById('lblEmail').getAttribute('href'),
            version: document.getElementById('lblVersion').textContent,
        }));
        assert.deepEqual(shown, { title: texts.programName, navigation: texts.classes, about: texts.about,
            aboutOk: texts.ok, explanationOk: texts.ok, contact: texts.contactHref, version: texts.versionCaption });
        await page.click('#cmdAbout');
        assert.equal(await page.textContent('#dlgAboutText'), texts.aboutText);
        await page.click('#dlgAboutOk');
        assert.equal(await page.evaluate(() => document.getElementById('dlgAbout').open), false);

        await drive(page, core, 'open Healer');
        const planner = await page.evaluate(() => ({
            copyLink: document.getElementById('cmdCopyLink').textContent,
            apply: document.querySelector('#frmPaste button[type="submit"]').textContent,
            copyBox: document.getElementById('txtCopy').getAttribute('aria-label'),
        }));
        assert.deepEqual(planner, { copyLink: texts.copyLink, apply: texts.apply, copyBox: texts.textToCopy });
        assert.deepEqual(page.errors, []);
        await page.close();
    });
});

describe('size', () => {
    // The one file a phone downloads: a cap that each feature must fit under.
    test('the page stays under 200,000 bytes', () => {
        const bytes = statSync(pagePath).size;
        assert.ok(bytes < 200_000, `the page is ${bytes} bytes`);
    });
});

describe('looks', () => {
    for (const width of [360, 1280]) {
        test(`nothing is cut off at ${width} px`, async () => {
            const page = await openPage(browser, { width, height: 800, hash: '#VT1:Nightshade:40:20.15.1.1.1.1.1' });
            for (const [name, prepare] of [
                ['start', async () => page.goto(pageUrl)],
                ['planner', async () => {
                    await page.goto(`${pageUrl}#VT1:Nightshade:40:20.15.1.1.1.1.1`);
                    await page.waitForSelector('#lblClassTitle');
                }],
                ['explanation', async () => page.click('[data-part="abilities"].explained')],
            ]) {
                await prepare();
                await page.waitForFunction(() => document.querySelectorAll('#cboRealm option').length > 0);
                const overflow = await page.evaluate(() => document.documentElement.scrollWidth - innerWidth);
                assert.ok(overflow <= 0, `${name} at ${width} px is ${overflow} px too wide`);
                await page.screenshot({ path: join(webBuild, `screenshot-${name}-${width}.png`), fullPage: true });
            }
            await page.close();
        });
    }
});
