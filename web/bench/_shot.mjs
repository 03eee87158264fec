import playwright from 'playwright-core';
import { launch, pageUrl } from '../tests/support.mjs';
const browser = await launch(playwright);
for (const width of [1280, 360]) {
  const page = await browser.newPage({ viewport: { width, height: 900 } });
  await page.goto(pageUrl + '#VT1:Healer:40:12.5.1');
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
  await page.click('#cmdSavePlan');
  await page.fill('#txtPlanName', 'Group healer');
  await page.fill('#txtPlanNote', 'For group play, swap Blades for Blunts at 40.\nשלום — ÄRMSMAN 🙂');
  await page.screenshot({ path: `/tmp/save-${width}.png` });
  await page.click('#dlgPlanOk');
  await page.click('#frmPlans summary');
  await page.screenshot({ path: `/tmp/plans-${width}.png`, fullPage: true });
  await page.click('#lstPlans [data-plan="Group healer"] [data-action="note"]');
  await page.screenshot({ path: `/tmp/note-${width}.png` });
  await page.keyboard.press('Escape');
  if (width === 1280) {
    await page.click('#frmTrainingPath summary');
    await page.pdf({ path: '/tmp/print.pdf', format: 'A4' });
  }
  await page.close();
}
await browser.close();
