// Copy Link from the three places a page can be opened: a web server, a file
// of a build that names its published home, and a file of one that does not.
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';
import playwright from 'playwright-core';

import { launch, loadCore, pagePath, scratchDir, writtenAddress } from './support.mjs';

const texts = (await loadCore('vantrell_core')).texts();
const code = 'VT1:Healer:20:12.5.1';
const home = 'https://example.org/vantrell/';
const built = readFileSync(pagePath, 'utf8');
const withoutHome = built.replace(/<meta name="vantrell-home"[^>]*>\n?/, '');

// The page as a build that names `home` writes it, without a second build.
const withHome = withoutHome.replace('</head>', `<meta name="vantrell-home" content="${home}">\n</head>`);

function writtenPage(html) {
    const path = join(scratchDir(), 'vantrell.html');
    writeFileSync(path, html);
    return pathToFileURL(path).href;
}

let browser;
let server;
before(async () => {
    browser = await launch(playwright);
    server = createServer((request, response) => {
        response.writeHead(200, { 'content-type': 'text/html; charset=utf-8' });
        response.end(withHome);
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
});
after(async () => {
    await browser?.close();
    server?.close();
});

// Opens `address` with the plan, presses `button` and returns the clipboard and the alert.
async function copyFrom(address, button) {
    const context = await browser.newContext();
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    await page.goto(`${address}#${code}`);
    await page.waitForSelector('#lblClassTitle');
    await page.evaluate(() => navigator.clipboard.writeText(''));
    await page.click(button);
    await page.waitForFunction(async () => (await navigator.clipboard.readText()) !== '');
    const copied = {
        clipboard: await page.evaluate(() => navigator.clipboard.readText()),
        alert: await page.textContent('#msgAlert'),
        status: await page.textContent('#msgStatus'),
        url: await writtenAddress(page),
    };
    assert.deepEqual(errors, []);
    await context.close();
    return copied;
}

test('from a file of a build without a home, the link is the file\'s and the page says it opens only here', async () => {
    const fileUrl = writtenPage(withoutHome);
    const link = await copyFrom(fileUrl, '#cmdCopyLink');
    assert.equal(link.clipboard, `${fileUrl}#${code}`);
    assert.match(link.alert, /only on this computer/);
    assert.ok(link.alert.includes(texts.copyPlanCode), link.alert);

    const copiedCode = await copyFrom(fileUrl, '#cmdCopyCode');
    assert.equal(copiedCode.clipboard, code);
    assert.equal(copiedCode.alert, '');
    assert.equal(copiedCode.status, texts.copied);
});

test('from a file of a build with a home, the link is the home\'s and needs no warning', async () => {
    const link = await copyFrom(writtenPage(withHome), '#cmdCopyLink');
    assert.equal(link.clipboard, `${home}#${code}`);
    assert.equal(link.alert, '');
    assert.equal(link.status, texts.copied);
});

test('from a web server, the link is the page\'s own address, whatever home the build names', async () => {
    const { port } = server.address();
    const link = await copyFrom(`http://127.0.0.1:${port}/plans/vantrell.html?from=mail`, '#cmdCopyLink');
    assert.equal(link.clipboard, `http://127.0.0.1:${port}/plans/vantrell.html?from=mail#${code}`);
    assert.equal(link.alert, '');
});
