'use strict';
// After one visit the calculator works with no network: the server stopped, a reload is served
// by the service worker and works 1/2 × 2/3. Chromium finds the page installable.
const { start, run, fieldTexts } = require('./harness');

run(async (check, resources) => {
  const { server, page, cdp } = await start(resources);
  const manifest = await cdp.send('Page.getAppManifest');
  check(manifest.errors.length === 0 && manifest.data, `manifest: ${JSON.stringify(manifest.errors)}`);
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  check(installabilityErrors.length === 0, `not installable: ${JSON.stringify(installabilityErrors)}`);
  await page.evaluate(() => navigator.serviceWorker.ready);

  await server.stop();
  await page.reload();
  await page.waitForFunction(() => document.body.dataset.ready === 'true', { timeout: 30000 });
  for (const [field, text] of [['t2', '2'], ['t3', '1'], ['t5', '3'], ['t6', '2']]) {
    await page.$eval(`#${field}`, (element) => element.focus());
    await page.keyboard.type(text);
  }
  await page.click('#js3');
  await page.click('#dy');
  const fields = await fieldTexts(page);
  check(fields.join() === '0,2,1,0,3,2,0,3,1,0.333333333333333', `offline, 1/2 × 2/3 gives ${fields}`);
  const fonts = await page.evaluate(() => document.fonts.ready.then((set) => [...set].map((face) => face.status)));
  check(fonts.length > 0 && fonts.every((status) => status !== 'error'), `offline fonts: ${fonts}`);
});
