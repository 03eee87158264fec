// The WebAssembly build of the core against the native one: the golden
// scripts, and seeded scripts for every class through both drivers.
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';

import { classNames, generateScript, loadCore, root, runNative } from './support.mjs';

const core = await loadCore();
const goldenDir = join(root, 'tests/tools/scenario/golden');

for (const name of readdirSync(goldenDir).filter((file) => file.endsWith('.scenario'))) {
    test(`golden script ${name} prints the expected lines`, () => {
        const script = readFileSync(join(goldenDir, name), 'utf8');
        const expected = readFileSync(join(goldenDir, name.replace(/\.scenario$/, '.expected')), 'utf8');
        const run = core.runScenario(script);
        assert.equal(run.err, '');
        assert.equal(run.status, 0);
        assert.equal(run.out, expected);
    });
}

test('seeded scripts for every class print what the native driver prints', () => {
    classNames(core).forEach((listName, index) => {
        const script = generateScript(core, listName, 1000 + index, 60);
        const web = core.runScenario(script);
        const native = runNative(script);
        assert.deepEqual(web, native, `${listName}, script:\n${script}`);
    });
});

test('bad input ends with the same error line in both drivers', () => {
    for (const script of ['show\n', 'open Nobody\n', 'open Healer\nslide Mending x\n', 'open Healer\nlevel 51\n',
        'open Healer\nslide Mending 99999999999999999999\n', 'bogus\n']) {
        assert.deepEqual(core.runScenario(script), runNative(script), script);
    }
});

// The page's texts are made in one table of the binding and typed once; the two must name the same texts,
// and the page must show each of them.
test('the texts the core gives the page are the texts its type declares and the page uses', () => {
    const pageDir = join(root, 'web/page');
    const types = readFileSync(join(pageDir, 'texts-types.js'), 'utf8');
    const typedef = types.slice(types.indexOf('@typedef {object} Texts'));
    const declared = [...typedef.slice(0, typedef.indexOf('*/')).matchAll(/@property \{[^}]+\} (\w+)/g)]
        .map(([, name]) => name);
    const given = Object.keys(core.texts());
    assert.deepEqual([...given].sort(), [...declared].sort());
    assert.equal(new Set(declared).size, declared.length, 'a text declared twice');
    // The page's description is written in when the page is built.
    const scripts = readdirSync(pageDir).filter((file) => file.endsWith('.js') && file !== 'texts-types.js')
        .map((file) => join(pageDir, file)).concat(join(root, 'web/tools/build-page.mjs'))
        .map((path) => readFileSync(path, 'utf8')).join('\n');
    const unused = declared.filter((name) => !new RegExp(`\\b${name}\\b`).test(scripts));
    assert.deepEqual(unused, [], 'texts the page never shows');
});

test('the page\'s module has the session and texts of the tests\' one, without the scenario driver', async () => {
    const pageCore = await loadCore('vantrell_core');
    assert.equal(typeof core.runScenario, 'function');
    assert.equal(pageCore.runScenario, undefined);
    assert.deepEqual(pageCore.texts(), core.texts());
    assert.deepEqual(classNames(pageCore), classNames(core));
    const session = new pageCore.Session();
    assert.equal(session.applyFragment('VT1:Healer:20:12.5.1').ok, true);
    assert.equal(session.planCode(), 'VT1:Healer:20:12.5.1');
    session.delete();
});
