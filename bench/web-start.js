'use strict';
// node bench/web-start.js SITE FLOOR: the browser version's weight and speed, in headless Chromium.
// - the site's transfer, every file gzipped, as a compressing server sends it;
// - navigation to the first usable window (the engine loaded, its handlers bound), against the
//   floor: the same page of plain fields, with its styles, pictures and font, and no engine;
// - one "＝", from the click to the fields written, on the real button.
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');
const { serve, launch, open, run } = require('../tests/web/harness');

const [site, floor] = process.argv.slice(2);
const kRounds = 7;
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

run(async (check, resources) => {
  let total = 0;
  for (const name of fs.readdirSync(site)) {
    const size = zlib.gzipSync(fs.readFileSync(path.join(site, name)), { level: 9 }).length;
    total += size;
    console.log(`${name.padEnd(22)} ${String(size).padStart(7)} bytes gzipped`);
  }
  console.log(`site, gzipped: ${(total / 1024).toFixed(1)} KiB`);

  // The floor beside the site, so that it fetches the same styles, pictures and font.
  const served = fs.mkdtempSync(path.join(os.tmpdir(), 'velmo-bench-'));
  resources.push(() => fs.rmSync(served, { recursive: true }));
  fs.cpSync(site, served, { recursive: true });
  fs.copyFileSync(floor, path.join(served, 'floor.html'));
  process.argv[2] = served;
  const server = await serve();
  resources.push(server.stop);

  // From navigation to the window drawn in its font and, on the real page, the engine ready.
  const start = async (page, url, ready) => {
    await page.goto(url, { waitUntil: 'load' });
    await page.waitForFunction(ready);
    return page.evaluate(async () => {
      await document.fonts.ready;
      const usable = performance.getEntriesByName('usable')[0]?.startTime ?? 0;
      return Math.max(usable, performance.getEntriesByType('navigation')[0].loadEventEnd);
    });
  };
  const times = { page: [], floor: [] };
  for (let round = 0; round < kRounds; ++round) {
    for (const [what, file, ready] of [['page', '', () => document.body.dataset.ready === 'true'],
      ['floor', 'floor.html', () => true]]) {
      const browser = await launch(1280, 800); // a fresh profile each time: nothing cached
      times[what].push(await start(await browser.newPage(), server.url + file, ready));
      await browser.close();
    }
  }
  const [page, floorTime] = [median(times.page), median(times.floor)];
  console.log(`first usable window: ${page.toFixed(1)} ms, floor ${floorTime.toFixed(1)} ms, ratio ${(page / floorTime).toFixed(2)}`
    + ` (median of ${kRounds}; all: ${times.page.map(Math.round)} / ${times.floor.map(Math.round)})`);

  const browser = await launch(1280, 800);
  resources.push(() => browser.close());
  const tab = await open(browser, server.url);
  for (const [field, text] of [['t1', '3'], ['t2', '4'], ['t3', '1'], ['t4', '1'], ['t5', '2'], ['t6', '1']]) {
    await tab.$eval(`#${field}`, (element) => element.focus());
    await tab.keyboard.type(text);
  }
  await tab.evaluate(() => {
    const button = document.getElementById('dy');
    window.equals = [];
    button.addEventListener('click', () => equals.push(-performance.now()), { capture: true });
    button.addEventListener('click', () => equals.push(equals.pop() + performance.now()));
  });
  for (let round = 0; round < 21; ++round) {
    await tab.click('#js2');
    await tab.click('#dy');
  }
  const equals = await tab.evaluate(() => equals);
  check(await tab.$eval('#t10', (field) => field.value) === '1.75', 'the evaluation went wrong');
  console.log(`one "＝", click to written fields: ${(median(equals) * 1000).toFixed(0)} µs (median of ${equals.length})`);
});
