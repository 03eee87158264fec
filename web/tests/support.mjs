// What the web tests share: the core module in Node, the native scenario
// driver, seeded scripts, and a page driven only through its test contract.
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, extname, join, normalize, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

export const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
export const webBuild = resolve(root, process.env.VANTRELL_WEB_BUILD ?? 'build-web');
export const pagePath = join(webBuild, 'vantrell.html');
export const pageUrl = pathToFileURL(pagePath).href;
export const siteDir = join(webBuild, 'site');
export const buildSiteTool = join(root, 'web/tools/build-site.mjs');
const driverPath = resolve(root, process.env.VANTRELL_SCENARIO ?? 'build/tools/scenario/vantrell-scenario');

// The tests' build of the module: the page's binding and the scenario driver.
// `name` picks another build, such as the page's own `vantrell_core`.
export async function loadCore(name = 'vantrell_test_core') {
    const require = createRequire(import.meta.url);
    const createCore = require(join(webBuild, `${name}.js`));
    // Handed over as bytes: Node's fetch cannot read the module from a path.
    return createCore({ wasmBinary: readFileSync(join(webBuild, `${name}.wasm`)) });
}

const cliPath = resolve(root, process.env.VANTRELL_CLI ?? 'build/tools/cli/vantrell-cli');

// What the native command-line program prints for these arguments, in English as the page's tests expect.
export function cliSays(...args) {
    const run = spawnSync(cliPath, args, { encoding: 'utf8', env: { ...process.env, LANGUAGE: 'en' } });
    if (run.error) throw new Error(`vantrell-cli cannot be run from ${cliPath}: ${run.error.message}`);
    if (run.status !== 0) throw new Error(`vantrell-cli ${args.join(' ')}: ${run.stderr}`);
    return run.stdout;
}

export function runNative(script) {
    if (!existsSync(driverPath)) throw new Error(`no scenario driver at ${driverPath}; build vantrell-scenario first`);
    const run = spawnSync(driverPath, { input: script, encoding: 'utf8' });
    return { status: run.status, out: run.stdout, err: run.stderr };
}

// A small, seedable generator, so a failing script can be run again.
export function random(seed) {
    let state = seed >>> 0;
    const next = () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
    const below = (n) => Math.floor(next() * n);
    return { next, below, pick: (items) => items[below(items.length)] };
}

export function classNames(core) {
    return core.realms().flatMap((realm) => core.classesOf(realm));
}

// A fresh session's layout of one class.
function layoutOf(core, listName) {
    const session = new core.Session();
    try {
        if (!session.open(listName)) throw new Error(`the core has no class ${listName}`);
        return session.layout();
    } finally {
        session.delete();
    }
}

export function stemsOf(core, listName) {
    return layoutOf(core, listName).lines.map((line) => line.stem);
}

export function linesOf(core, listName) {
    return layoutOf(core, listName).lines.map(({ stem, caption }) => ({ stem, caption }));
}

export function realmOf(core, listName) {
    return layoutOf(core, listName).realm;
}

// Level picks favour the ends and go back and forth; slides go anywhere from
// below 1 to past any maximum; every command is followed by `show`.
export function generateScript(core, listName, seed, steps) {
    const dice = random(seed);
    const stems = stemsOf(core, listName);
    const lines = [`open ${listName}`, 'show'];
    for (let step = 0; step < steps; ++step) {
        const roll = dice.next();
        if (roll < 0.25) {
            lines.push(`level ${dice.pick([6, 50, 6 + dice.below(45), 6 + dice.below(45)])}`);
        } else if (roll < 0.9) {
            const value = dice.pick([0, 1, 2, 101, 5 + dice.below(20), 1 + dice.below(60), 1 + dice.below(60)]);
            lines.push(`slide ${dice.pick(stems)} ${value}`);
        } else {
            lines.push(`click ${dice.pick(stems)}`);
        }
        if (!lines.at(-1).startsWith('click')) lines.push('show');
    }
    return `${lines.join('\n')}\n`;
}

const browserSettings = {
    executablePath: process.env.VANTRELL_CHROMIUM ?? '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync'],
};

export async function launch(playwright) {
    return playwright.chromium.launch(browserSettings);
}

// A browser with a profile of its own in a new folder, as an installed site
// needs: Chromium installs nothing from an incognito window.
export async function launchWithProfile(playwright) {
    return playwright.chromium.launchPersistentContext(scratchDir(), browserSettings);
}

export function scratchDir() {
    return mkdtempSync(join(tmpdir(), 'vantrell-web-'));
}

// The page's address once the page has written it, which it does after its change is on screen.
export async function writtenAddress(page) {
    await page.evaluate(() => new Promise((written) => requestAnimationFrame(() => setTimeout(written, 0))));
    return page.url();
}

// The plan code the address carries.
export async function addressCode(page) {
    return decodeURIComponent(new URL(await writtenAddress(page)).hash.slice(1));
}

export async function openPage(browser, { width = 1280, height = 900, hash = '' } = {}) {
    const page = await browser.newPage({ viewport: { width, height } });
    page.errors = [];
    page.on('pageerror', (error) => page.errors.push(error.message));
    await page.goto(pageUrl + hash);
    await page.waitForFunction(() => document.querySelectorAll('#cboRealm option').length > 0);
    return page;
}

// The planner on screen in the scenario driver's `show` form, read through the contract.
export async function showOf(page) {
    return page.evaluate(() => {
        const part = (stem, name) => document.querySelector(`[data-stem="${CSS.escape(stem)}"][data-part="${name}"]`);
        const sliders = [...document.querySelectorAll('[data-part="slider"]')];
        const text = (id) => document.getElementById(id).textContent;
        return {
            class: document.querySelector('#lstClasses [aria-current="true"]')?.dataset.class ?? null,
            title: text('lblClassTitle'),
            level: Number(document.getElementById('cboLevel').value),
            total: text('lblTotalPoints'),
            left: text('lblPointsLeft'),
            lines: sliders.map((slider) => {
                const stem = slider.dataset.stem;
                return {
                    stem,
                    value: Number(slider.value),
                    min: Number(slider.getAttribute('min')),
                    max: Number(slider.getAttribute('max')),
                    enabled: !slider.matches(':disabled'),
                    level: part(stem, 'level').textContent,
                    points: part(stem, 'points').textContent,
                    percent: part(stem, 'percent').textContent,
                    abilities: part(stem, 'abilities').textContent,
                };
            }),
        };
    });
}

// Runs one scenario command on the page as a user would; returns what
// `show` or `click` prints, as parsed JSON, or nothing.
export async function drive(page, core, command) {
    const [verb, ...args] = command.trim().split(/\s+/);
    // What follows the verb, as the driver reads a plan's name.
    const rest = command.trim().slice(verb.length).trim();
    if (verb === 'undo' || verb === 'redo') {
        // A button with nothing to do is disabled: the driver's command is then no step either.
        const button = verb === 'undo' ? '#cmdUndo' : '#cmdRedo';
        if (await page.isEnabled(button)) await page.click(button);
    } else if (verb === 'history') {
        return page.evaluate(() => ({ undo: Number(document.getElementById('cmdUndo').dataset.steps),
            redo: Number(document.getElementById('cmdRedo').dataset.steps) }));
    } else if (verb === 'apply') {
        let said;
        if (await page.isVisible('#cmdPaste')) {
            await page.click('#cmdPaste');
            await page.waitForSelector('#txtPaste', { state: 'visible' });
            await page.fill('#txtPaste', args[0]);
            await page.press('#txtPaste', 'Enter');
            said = (await page.textContent('#msgAlert')).slice(core.texts().pasteLead.length);
        } else {
            // Before any planner the page has no paste button: a link brings the code.
            await page.evaluate((code) => {
                const changed = new Promise((done) => { window.addEventListener('hashchange', done, { once: true }); });
                location.replace(`#${encodeURIComponent(code)}`);
                return changed;
            }, args[0].slice(args[0].indexOf('#') + 1));
            said = await page.textContent('#msgAlert');
        }
        const lowered = loweredLinesIn(said);
        if (said !== '' && !lowered) return { error: said };
        return { applied: await currentClass(page), lowered: lowered ?? [] };
    } else if (verb === 'save') {
        await page.click('#cmdSavePlan');
        await page.fill('#txtPlanName', rest);
        await page.click('#dlgPlanOk');
        const fault = await page.textContent('#lblPlanNameFault');
        if (fault !== '') {
            await page.click('#dlgPlanCancel');
            return { error: fault };
        }
        // A plan of the same name is replaced once the user says so, as the driver replaces it.
        if (await page.evaluate(() => document.getElementById('dlgPlan').open)) await page.click('#dlgPlanOk');
        await page.waitForFunction(() => !document.getElementById('dlgPlan').open);
        return { saved: rest };
    } else if (verb === 'plans') {
        return { plans: await plansListed(page, core) };
    } else if (verb === 'load' || verb === 'delete' || verb === 'rename') {
        const [name, newName] = verb === 'rename' ? rest.split('=>').map((part) => part.trim()) : [rest];
        await openPlans(page);
        const entry = await planEntry(page, name);
        // The page lists no such plan; the driver says so in the core's words.
        if (!entry) return { error: `There is no plan named "${name}".` };
        await page.click(`#lstPlans [data-plan="${cssString(entry)}"] [data-action="${verb === 'load' ? 'open' : verb}"]`);
        if (verb === 'load') {
            const lowered = loweredLinesIn(await page.textContent('#msgAlert'));
            return { loaded: entry, class: await currentClass(page), lowered: lowered ?? [] };
        }
        if (verb === 'rename') await page.fill('#txtPlanName', newName);
        await page.click('#dlgPlanOk');
        const fault = await page.textContent('#lblPlanNameFault');
        if (fault !== '') {
            await page.click('#dlgPlanCancel');
            return { error: fault };
        }
        await page.waitForFunction(() => !document.getElementById('dlgPlan').open);
        return verb === 'rename' ? { renamed: newName } : { deleted: entry };
    } else if (verb === 'open') {
        await page.selectOption('#cboRealm', realmOf(core, args[0]));
        await page.click(`#lstClasses [data-class="${args[0]}"]`);
    } else if (verb === 'level') {
        await page.selectOption('#cboLevel', args[0]);
    } else if (verb === 'slide') {
        await page.evaluate(([stem, value]) => {
            const slider = document.querySelector(`[data-stem="${CSS.escape(stem)}"][data-part="slider"]`);
            slider.value = value;
            slider.dispatchEvent(new Event('change', { bubbles: true }));
        }, args);
    } else if (verb === 'click') {
        await page.evaluate((stem) => {
            document.querySelector(`[data-stem="${CSS.escape(stem)}"][data-part="abilities"]`).click();
        }, args[0]);
        const open = await page.evaluate(() => document.getElementById('dlgExplanation').open);
        if (!open) return { message: null };
        const message = {
            title: await page.textContent('#dlgExplanationTitle'),
            text: await page.textContent('#dlgExplanationText'),
        };
        await page.click('#dlgExplanationOk');
        return { message };
    } else if (verb === 'show') {
        return showOf(page);
    } else if (verb === 'priority') {
        await reorderPriority(page, args);
    } else if (verb === 'path') {
        const { class: listName } = await showOf(page);
        return pathAsDriverPrints(await readTrainingPath(page), linesOf(core, listName));
    }
    return undefined;
}

function cssString(text) {
    return text.replaceAll('\\', '\\\\').replaceAll('"', '\\"');
}

async function currentClass(page) {
    return page.evaluate(() => document.querySelector('#lstClasses [aria-current="true"]')?.dataset.class ?? null);
}

// The lines a plan's trimming names, as the driver lists them; null where the text names none.
function loweredLinesIn(text) {
    const [lead, ...lines] = text.split('\n');
    if (!lead.startsWith('The plan did not fit')) return null;
    return lines.map((line) => {
        const [, caption, requested, applied] = line.match(/^(.*): (\d+) lowered to (\d+)$/);
        return { caption, requested: Number(requested), applied: Number(applied) };
    });
}

// The listed plan a user means by `name`: its case aside, as the core finds it.
async function planEntry(page, name) {
    const names = await page.$$eval('#lstPlans [data-plan]', (entries) => entries.map((entry) => entry.dataset.plan));
    return names.find((listed) => listed.toLowerCase() === name.toLowerCase()) ?? null;
}

export async function openPlans(page) {
    if (!(await page.locator('#frmPlans').evaluate((section) => section.open))) await page.click('#frmPlans summary');
}

// The Plans list in the driver's `plans` form: class and level as the list shows them.
export async function plansListed(page, core) {
    return page.$$eval('#lstPlans [data-plan]', (entries, unknownClass) => entries.map((entry) => {
        const shown = (part) => entry.querySelector(`[data-part="${part}"]`)?.textContent ?? null;
        const usable = !entry.querySelector('[data-action="open"]').disabled;
        const level = shown('level');
        return { name: entry.dataset.plan, class: shown('class') === unknownClass ? null : shown('class'),
            level: level === null ? null : Number(level), code: entry.dataset.code, usable,
            ...(usable ? {} : { reason: shown('fault') }),
            note: entry.querySelector('[data-part="note"]')?.getAttribute('title') ?? null };
    }), core.texts().unknownClass);
}

export async function openTrainingPath(page) {
    if (!(await page.locator('#frmTrainingPath').evaluate((section) => section.open))) {
        await page.click('#frmTrainingPath summary');
    }
    await page.waitForSelector('#tblTrainingPath tbody tr');
}

export async function priorityOf(page) {
    return page.$$eval('#lstPriority button[data-move="1"]', (buttons) => buttons.map((button) => button.dataset.line));
}

// Walks each line into its place with its "Move … up" button, pressed from the
// keyboard: focus must stay with the line from one press to the next.
async function reorderPriority(page, stems) {
    await openTrainingPath(page);
    for (let place = 0; place < stems.length; ++place) {
        const from = (await priorityOf(page)).indexOf(stems[place]);
        if (from < place) throw new Error(`${stems[place]} is not below place ${place + 1} of the priority`);
        if (from === place) continue;
        const button = `#lstPriority button[data-line="${stems[place]}"][data-move="-1"]`;
        await page.focus(button);
        for (let press = from; press > place; --press) {
            const focused = await page.$eval(button, (node) => node === document.activeElement);
            if (!focused) throw new Error(`focus left ${button}`);
            await page.keyboard.press('Enter');
        }
    }
}

// The table's headings, then row by row each line's level and whether its cell
// is marked as risen, by "▲" and in bold, the points left and the new abilities.
export async function readTrainingPath(page) {
    await openTrainingPath(page);
    return page.$eval('#tblTrainingPath', (table) => {
        const lineCount = table.tHead.rows[0].cells.length - 3;
        const rows = [...table.tBodies[0].rows].map((row) => {
            const lines = [...row.cells].slice(1, 1 + lineCount);
            return {
                level: Number(row.cells[0].textContent),
                lines: lines.map((cell) => Number(cell.textContent.replace('\u25B2', ''))),
                marked: lines.map((cell) => cell.textContent.startsWith('\u25B2 ')
                    && Number(getComputedStyle(cell).fontWeight) >= 600),
                left: row.cells[1 + lineCount].textContent,
                abilities: [...row.cells[2 + lineCount].children].map((entry) => entry.textContent),
            };
        });
        return { headings: [...table.tHead.rows[0].cells].map((cell) => cell.textContent), rows };
    });
}

// The table as the scenario driver's `path` prints it; a new ability reads "Caption: text".
function pathAsDriverPrints({ headings, rows }, lines) {
    const expected = ['Level', ...lines.map((line) => line.caption), 'Points Left', 'New Abilities'];
    if (headings.join('|') !== expected.join('|')) throw new Error(`the table's headings are ${headings}`);
    const changed = (text) => {
        const line = lines.find(({ caption }) => text.startsWith(`${caption}: `));
        return line ? { stem: line.stem, abilities: text.slice(line.caption.length + 2) } : { text };
    };
    // The driver prints the desktop's plain decimal text as a JSON number.
    const left = (text) => (String(Number(text)) === text ? Number(text) : text);
    return { path: rows.map((row) => ({ level: row.level, lines: row.lines, left: left(row.left),
        changed: row.abilities.map(changed) })) };
}

// The native driver's lines in the form the page is read in: an explanation's
// body lines joined by "\n", as the dialog shows them.
export function nativeLines(script) {
    const run = runNative(script);
    if (run.status !== 0) throw new Error(`vantrell-scenario failed: ${run.err}`);
    return run.out.trim().split('\n').map((line) => {
        const parsed = JSON.parse(line);
        if (parsed.message) parsed.message.text = parsed.message.text.replaceAll('\r\n', '\n');
        return parsed;
    });
}

const contentTypes = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
    '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.svg': 'image/svg+xml',
    '.wasm': 'application/wasm',
};

// A static host on 127.0.0.1 (a secure context, as installing needs) serving
// `folder` under the path `base`. `folder` can be changed to publish
// another build at the same address; `requests` lists the paths asked for.
export async function serveSite(folder, base = '/') {
    const site = { folder, requests: [] };
    const server = createServer((request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
        site.requests.push(path);
        const relative = path.endsWith('/') ? `${path}index.html` : path;
        const file = relative.startsWith(base) ? normalize(join(site.folder, relative.slice(base.length))) : null;
        if (!file?.startsWith(site.folder) || !existsSync(file) || !statSync(file).isFile()) {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, { 'Content-Type': contentTypes[extname(file)] ?? 'application/octet-stream' });
        response.end(readFileSync(file));
    });
    await new Promise((ready) => server.listen(0, '127.0.0.1', ready));
    site.url = `http://127.0.0.1:${server.address().port}${base}`;
    site.close = () => new Promise((closed) => server.close(closed));
    return site;
}
