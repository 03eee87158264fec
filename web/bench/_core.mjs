import { readFileSync } from 'node:fs';
import playwright from 'playwright-core';
import { launch } from '../tests/support.mjs';
const dirs = process.argv[2].split(','); const rounds = Number(process.argv[3] ?? 5); const distinct = process.argv[4] === 'distinct';
const browser = process.env.FLAGS ? await playwright.chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--js-flags=' + process.env.FLAGS] }) : await launch(playwright);
const res = [];
for (let r = 0; r < rounds * dirs.length; r++) {
  const dir = dirs[r % dirs.length];
  const page = await browser.newPage(); page.on("console", (m) => console.log(m.text())); 
  await page.addScriptTag({ path: dir + '/vantrell_core.js' });
  const wasm = readFileSync(dir + '/vantrell_core.wasm').toString('base64');
  res.push(await page.evaluate(async ([encoded, distinct]) => {
    const core = await globalThis.createVantrellCore({ wasmBinary: Uint8Array.from(atob(encoded), (c) => c.charCodeAt(0)) });
    const plans = Array.from({ length: 100000 }, (_, i) => ({ name: distinct ? `Plan ${i}` : 'Same plan', code: 'VT1:Healer:50:1.1.1', priority: ['Mending', 'Augmentation', 'Pacification'] }));
    const bytes = new TextEncoder().encode(JSON.stringify({ format: 'vantrell-plans', version: 1, plans }));
    const session = new core.Session();
    let s = performance.now(); const out = {};
    session.importLibrary(bytes); out.imp = performance.now() - s; s = performance.now();
    session.writeLibrary(); out.write = performance.now() - s; s = performance.now();
    session.plans(); out.plans = performance.now() - s;
    return out;
  }, [wasm, distinct]));
  res[res.length - 1].dir = dir;
  await page.close();
}
await browser.close();
for (const dir of dirs) { const mine = res.filter((x) => x.dir === dir);
const med = (k) => mine.map((x) => x[k]).sort((a, b) => a - b)[Math.floor(mine.length / 2)].toFixed(0);
console.log(`import ${med('imp')}  write ${med('write')}  plans ${med('plans')}   ${dir} all imports: ${mine.map((x) => x.imp.toFixed(0)).join(' ')}`); }
