// The published site served from a subfolder of a local static host: Chromium
// can install it, it works offline after one visit, links with a plan included,
// and a new version takes the offline copy's place at the next visit.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import playwright from 'playwright-core';

import { buildSiteTool, launchWithProfile, pagePath, scratchDir, serveSite, siteDir, webBuild } from './support.mjs';

const version = readFileSync(join(siteDir, 'sw.js'), 'utf8').match(/const version = "([^"]+)";/)[1];
const planCode = 'VT1:Healer:20:12.5.1';
let site;
before(async () => { site = await serveSite(siteDir, '/some/folder/'); });
after(async () => { await site?.close(); });

async function visit(page, url) {
    await page.goto(url);
    await page.waitForSelector('html[data-ready="true"]');
}

// Once the worker has taken the page over, its cache is complete: it installs before it activates.
const waitForWorker = (page) => page.waitForFunction(() => navigator.serviceWorker.controller !== null);

// The caches once they are the ones expected, or as they are after ten seconds.
const cachesSettled = (page, expected) => page.evaluate(async (names) => {
    const deadline = Date.now() + 10000;
    let held = await caches.keys();
    while (held.join() !== names.join() && Date.now() < deadline) {
        await new Promise((wait) => setTimeout(wait, 50));
        held = await caches.keys();
    }
    return held;
}, expected);
const siteVersion = (page) => page.evaluate(() => document.querySelector('meta[name="vantrell-version"]')?.content);

describe('the published site', () => {
    test('is the single page with relative addresses, installable, and works offline after one visit', async () => {
        const single = readFileSync(pagePath, 'utf8');
        const index = readFileSync(join(siteDir, 'index.html'), 'utf8');
        // The single file's text, with only the site's head lines added and its module as a file of its own.
        const [indexLines, singleLines] = [index.split('\n'), single.split('\n')];
        const added = indexLines.filter((line) => !singleLines.includes(line));
        const moduleLine = /^<script type="application\/octet-stream" id="vantrellWasm" data-src="(vantrell_core\.[0-9a-f]+\.wasm)"><\/script>$/;
        assert.ok(added.length > 0 && added.every((line) => /^<(link|meta) /.test(line) || moduleLine.test(line)),
            added.join('\n').slice(0, 2000));
        assert.deepEqual(singleLines.filter((line) => !indexLines.includes(line)).map((line) => line.slice(0, 60)),
            ['<script type="application/octet-stream" id="vantrellWasm" da']);
        const moduleFile = added.map((line) => moduleLine.exec(line)?.[1]).find(Boolean);
        assert.deepEqual(readFileSync(join(siteDir, moduleFile)), readFileSync(join(webBuild, 'vantrell_core.wasm')));
        assert.doesNotMatch(index.slice(0, 2000), /(href|src)="\//);

        const context = await launchWithProfile(playwright);
        const page = await context.newPage();
        const errors = [];
        page.on('pageerror', (error) => errors.push(error.message));
        await visit(page, site.url);
        await waitForWorker(page);

        const cdp = await context.newCDPSession(page);
        const manifest = await cdp.send('Page.getAppManifest');
        assert.deepEqual(manifest.errors, []);
        assert.equal(manifest.url, `${site.url}manifest.webmanifest`);
        assert.equal(JSON.parse(manifest.data).name, 'Vantrell');
        assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
        const cache = [`vantrell ${version} ${site.url}`];
        assert.deepEqual(await cachesSettled(page, cache), cache);

        await context.setOffline(true);
        const asked = site.requests.length;
        await page.reload();
        await page.waitForSelector('html[data-ready="true"]');
        assert.ok(await page.locator('#cboRealm option').count() > 0);
        await visit(page, `${site.url}index.html#${planCode}`);
        await page.waitForSelector('#lblClassTitle');
        assert.equal(await page.textContent('#lblClassTitle'), 'Healer');
        assert.equal(site.requests.length, asked, `offline, yet asked for ${site.requests.slice(asked)}`);

        // Online again, an address under a folder the site lacks is the page the worker serves, and says nothing of offline use.
        await context.setOffline(false);
        const warnings = [];
        page.on('console', (message) => { if (message.type() === 'warning') warnings.push(message.text()); });
        await visit(page, `${site.url}no-such-folder/`);
        await page.waitForSelector('html[data-ready="true"]');
        await page.evaluate(() => navigator.serviceWorker.ready);
        await page.waitForTimeout(500);
        assert.deepEqual(warnings.filter((text) => text.includes('offline')), []);
        assert.deepEqual(errors, []);
        await context.close();
    });

    test('a new version replaces the offline copy at the next visit', async () => {
        const newVersion = '9.9.9';
        const newSite = scratchDir();
        execFileSync(process.execPath, [buildSiteTool, pagePath, join(webBuild, 'vantrell_core'), newVersion, newSite]);

        const context = await launchWithProfile(playwright);
        const page = await context.newPage();
        site.folder = siteDir;
        await visit(page, site.url);
        await waitForWorker(page);
        assert.equal(await siteVersion(page), version);

        site.folder = newSite;
        await visit(page, site.url);
        assert.equal(await siteVersion(page), newVersion);
        const newCache = [`vantrell ${newVersion} ${site.url}`];
        assert.deepEqual(await cachesSettled(page, newCache), newCache);

        // The new copy is the one kept: offline, the new page comes back.
        await context.setOffline(true);
        await visit(page, site.url);
        assert.equal(await siteVersion(page), newVersion);
        await context.close();
        site.folder = siteDir;
    });
});
