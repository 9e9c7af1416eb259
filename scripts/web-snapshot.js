'use strict';
// node scripts/web-snapshot.js SITE TABLES OUT.png: the page on a phone-sized screen after
// 3 1/4 − 1 1/2 is worked by taps and keys (docs/web-phone.png).
const { serve, launch, open, run } = require('../tests/web/harness');

const out = process.argv[4];
run(async (check, resources) => {
  const server = await serve();
  resources.push(server.stop);
  const browser = await launch(390, 844, { isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
  resources.push(() => browser.close());
  const page = await open(browser, server.url);
  for (const [field, text] of [['t1', '3'], ['t2', '4'], ['t3', '1'], ['t4', '1'], ['t5', '2'], ['t6', '1']]) {
    await page.$eval(`#${field}`, (element) => element.focus());
    await page.keyboard.type(text);
  }
  await page.click('#js2');
  await page.click('#dy');
  await page.evaluate(() => document.fonts.ready);
  await page.screenshot({ path: out });
});
