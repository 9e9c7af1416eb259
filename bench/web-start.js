'use strict';
// node bench/web-start.js SITE FLOOR: the browser version's weight and speed, in headless Chromium.
// - the site's transfer, every file gzipped, as a compressing server sends it;
// - the start, cold (a fresh profile each visit), against the floor: the same page and page.js,
//   binding and scaling the same window, without the engine. Rounds interleave the page and the
//   floor under each condition: no throttling, the CPU 4 times slower (a low-end Chromebook or
//   phone), a slow network (150 ms, 1.6 Mbit/s). Medians of: `usable` (the window takes input),
//   the first paint, the font arrived, and on the page `engine-ready`; then the warm start, a
//   second visit served by the service worker;
// - one "＝", from the click to the fields written, on the real button;
// - Lighthouse's mobile scores and its cumulative layout shift, on Debian's chromium.
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');
const { execFileSync } = require('node:child_process');
const { serve, launch, open, run } = require('../tests/web/harness');

const [site, floor] = process.argv.slice(2);
const kRounds = 11;
const kLighthouseRuns = 3;
const kSlowNetwork = { offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 0.75e6 / 8 };
const kConditions = [
  ['no throttling', {}],
  ['4x CPU', { cpu: 4 }],
  ['slow network', { network: kSlowNetwork }],
];
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${Math.round(value)} ms`;

// Times in ms from navigation: the window usable, first painted, its font arrived, the engine ready.
async function timed(page, url, engine) {
  await page.goto(url, { waitUntil: 'domcontentloaded' });
  await page.waitForFunction((mark) => performance.getEntriesByName(mark).length > 0, {},
    engine ? 'engine-ready' : 'usable');
  await page.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length > 0);
  await page.evaluate(() => document.fonts.ready);
  return page.evaluate(() => {
    const at = (name) => performance.getEntriesByName(name)[0];
    return { usable: at('usable').startTime, engine: at('engine-ready')?.startTime,
      paint: at('first-contentful-paint').startTime, font: at(new URL('serif.woff2', location).href).responseEnd,
      served: navigator.serviceWorker?.controller ? 'service worker' : 'network' };
  });
}

// A cold visit in a fresh profile under `condition`; on the page, then a warm one.
async function visit(url, engine, { cpu, network }) {
  const browser = await launch(1280, 800);
  try {
    const page = await browser.newPage();
    const cdp = await page.createCDPSession();
    if (cpu)
      await cdp.send('Emulation.setCPUThrottlingRate', { rate: cpu });
    if (network) {
      await cdp.send('Network.enable');
      await cdp.send('Network.emulateNetworkConditions', network);
    }
    const cold = await timed(page, url, engine);
    if (!engine)
      return { cold };
    await page.evaluate(() => navigator.serviceWorker.ready);
    return { cold, warm: await timed(page, url, engine) };
  } finally {
    await browser.close();
  }
}

function lighthouse(url) {
  const cli = path.join(process.env.NODE_PATH.split(path.delimiter)[0], 'lighthouse', 'cli', 'index.js');
  const report = JSON.parse(execFileSync('node', [cli, url, '--output=json', '--output-path=stdout', '--quiet',
    '--chrome-flags=--headless=new --no-sandbox'], { encoding: 'utf8', maxBuffer: 1 << 28,
    env: { ...process.env, CHROME_PATH: '/usr/bin/chromium' } }));
  const scores = Object.fromEntries(Object.entries(report.categories).map(([name, { score }]) => [name, score * 100]));
  const failed = Object.values(report.audits).filter((audit) => audit.score !== null && audit.score < 1
    && audit.scoreDisplayMode === 'binary').map((audit) => audit.id);
  return { ...scores, shift: report.audits['cumulative-layout-shift'].numericValue, failed, version: report.lighthouseVersion };
}

run(async (check, resources) => {
  let total = 0;
  for (const name of fs.readdirSync(site)) {
    const size = zlib.gzipSync(fs.readFileSync(path.join(site, name)), { level: 9 }).length;
    total += size;
    console.log(`${name.padEnd(22)} ${String(size).padStart(7)} bytes gzipped`);
  }
  console.log(`site, gzipped: ${(total / 1024).toFixed(1)} KiB`);

  // The floor beside the site, so that it fetches the same styles, pictures, font and page.js.
  const served = fs.mkdtempSync(path.join(os.tmpdir(), 'velmo-bench-'));
  resources.push(() => fs.rmSync(served, { recursive: true }));
  fs.cpSync(site, served, { recursive: true });
  fs.copyFileSync(floor, path.join(served, 'floor.html'));
  const server = await serve(served);
  resources.push(server.stop);

  const seen = new Map(kConditions.map(([what]) => [what, { page: [], floor: [] }]));
  for (let round = 0; round < kRounds; ++round) {
    for (const [what, condition] of kConditions) {
      const order = round % 2 ? ['page', 'floor'] : ['floor', 'page'];
      for (const which of order)
        seen.get(what)[which].push(await visit(server.url + (which === 'floor' ? 'floor.html' : ''), which === 'page', condition));
    }
  }
  console.log(`\nstart, median of ${kRounds} interleaved rounds, each visit in a fresh profile (1280x800):`);
  console.log('| condition | usable: page / floor (ratio) | first paint: page / floor | font arrived: page / floor | engine-ready | warm: usable / engine-ready |');
  console.log('|---|---|---|---|---|---|');
  for (const [what] of kConditions) {
    const { page, floor: bare } = seen.get(what);
    const of = (visits, key, when = 'cold') => median(visits.map((v) => v[when][key]));
    const usable = of(page, 'usable'), floorUsable = of(bare, 'usable');
    check(page.every((v) => v.warm.served === 'service worker'), `${what}: the second visit not served by the service worker`);
    console.log(`| ${what} | ${ms(usable)} / ${ms(floorUsable)} (${(usable / floorUsable).toFixed(2)}) | ${ms(of(page, 'paint'))} / ${ms(of(bare, 'paint'))}`
      + ` | ${ms(of(page, 'font'))} / ${ms(of(bare, 'font'))} | ${ms(of(page, 'engine'))}`
      + ` | ${ms(of(page, 'usable', 'warm'))} / ${ms(of(page, 'engine', 'warm'))} |`);
  }

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
  console.log(`\none "＝", click to written fields: ${(median(equals) * 1000).toFixed(0)} µs (median of ${equals.length})`);

  const reports = [];
  for (let i = 0; i < kLighthouseRuns; ++i)
    reports.push(lighthouse(server.url));
  const score = (key) => median(reports.map((report) => report[key]));
  console.log(`\nLighthouse ${reports[0].version}, mobile, median of ${kLighthouseRuns}: performance ${score('performance')},`
    + ` accessibility ${score('accessibility')}, best practices ${score('best-practices')}, SEO ${score('seo')};`
    + ` cumulative layout shift ${score('shift').toFixed(3)}; audits failed: ${[...new Set(reports.flatMap((r) => r.failed))].join(', ') || 'none'}`);
});
