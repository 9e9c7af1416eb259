'use strict';
// The start: the window takes input before the engine has arrived, its keys already filtered;
// "－" and "＝" chosen meanwhile are carried out when it has, the window saying it is loading
// while it waits. Then each way a browser may fail to run it: the window says so in Chinese,
// over the fields, which take no input. And the site's scripts written in no JavaScript newer
// than the oldest browsers the README names understand (ES2020).
const fs = require('node:fs');
const path = require('node:path');
const { table, serve, launch, run, fieldTexts } = require('./harness');

const layout = table('layout');
const site = process.argv[2];

// A page in a context of its own (nothing cached, no service worker), the requests for `file`
// answered by `answer`, `before` run before the page's scripts.
async function openWith(browser, url, { file, answer, before }) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  if (before)
    await page.evaluateOnNewDocument(before);
  await page.setRequestInterception(true);
  page.on('request', (request) => (file && request.url().endsWith(`/${file}`) ? answer(request) : request.continue()));
  await page.goto(url, { waitUntil: 'domcontentloaded' });
  return { page, close: () => context.close() };
}

const notFound = (request) => request.respond({ status: 404, body: '' });
// A promise and what settles it: a response held back until the test lets it go.
function held() {
  let release;
  const until = new Promise((resolve) => { release = resolve; });
  return { until, release };
}
const equalsPressed = held();
const kFailures = [ // what, how; whether page.js runs to refuse the keys; whether "＝" is pressed while it loads
  ['no WebAssembly', { before: () => { delete window.WebAssembly; } }, true],
  ['velmo.wasm not found', { file: 'velmo.wasm', answer: (request) => equalsPressed.until.then(() => notFound(request)) },
    true, true],
  ['velmo.js not found', { file: 'velmo.js', answer: notFound }, true],
  ['no HTMLDialogElement.showModal', { before: () => { delete HTMLDialogElement.prototype.showModal; } }, true],
  ['page.js in a syntax newer than the browser\'s', { file: 'page.js',
    answer: (request) => request.respond({ contentType: 'text/javascript', body: 'class { #field; }' }) }, false],
];

run(async (check, resources) => {
  const acorn = require('/usr/share/nodejs/acorn'); // Debian's, which emscripten uses
  for (const script of ['page.js', 'velmo.js']) {
    try {
      acorn.parse(fs.readFileSync(path.join(site, script), 'utf8'), { ecmaVersion: 2020 });
    } catch (error) {
      check(false, `${script} is newer than ES2020: ${error.message}`);
    }
  }

  const server = await serve();
  resources.push(server.stop);
  const browser = await launch(820, 1180, { isMobile: true, hasTouch: true });
  resources.push(() => browser.close());

  // velmo.wasm held back until the window has been used.
  const wasmHeld = held();
  const wasm = fs.readFileSync(path.join(site, 'velmo.wasm'));
  const { page, close } = await openWith(browser, server.url, { file: 'velmo.wasm',
    answer: (request) => wasmHeld.until.then(() => request.respond({ contentType: 'application/wasm', body: wasm })),
    before: () => { // the periods of the page's repeating timers
      const repeat = window.setInterval;
      window.periods = [];
      window.setInterval = (run, period) => periods.push(period) && repeat(run, period);
    } });
  resources.push(close);
  const marks = () => page.evaluate(() => ['usable', 'engine-ready'].map((name) => performance.getEntriesByName(name).length).join());
  check(await marks() === '1,0', `before the engine, the marks usable and engine-ready: ${await marks()}`);
  for (const [field, text] of [['t1', '3x'], ['t3', '1'], ['t2', '4'], ['t4', '1'], ['t6', '1'], ['t5', '2']]) {
    await page.$eval(`#${field}`, (element) => element.focus());
    await page.keyboard.type(text);
  }
  const now = (on) => on.evaluate(() => performance.now());
  const asked = await now(page);
  await page.click('#js2');
  await page.click('#dy');
  await page.waitForFunction(() => !document.getElementById('loading').hidden);
  const saysLoadingAfter = await now(page) - asked; // how long a wait lasts before the window says so, here
  check(await page.$eval('#loading', (element) => element.textContent) === layout.loading, 'the loading note');
  wasmHeld.release();
  await page.waitForFunction(() => document.body.dataset.ready === 'true');
  // 3 1/4 − 1 1/2 = 2 − 1/4: the sign kept on the denominator
  const fields = (await fieldTexts(page)).join();
  check(fields === '3,4,1,1,2,1,2,-4,1,1.75', `"－" and "＝" before the engine: ${fields}`);
  check(await page.$eval('#loading', (element) => element.hidden) && await marks() === '1,1',
    'the loading note stays, or a mark is missing');
  // An open window looks for a new build of the site hourly, no more often.
  await page.waitForFunction(() => periods.length > 0);
  const periods = await page.evaluate(() => periods);
  check(Math.min(...periods) >= 60 * 60 * 1000, `timers repeating every ${periods} ms`);

  // An engine that comes before the window would say it is loading leaves that unsaid.
  const choosing = held();
  const quick = await openWith(browser, server.url, { file: 'velmo.wasm',
    answer: (request) => choosing.until.then(() => request.respond({ contentType: 'application/wasm', body: wasm })) });
  resources.push(quick.close);
  const chosenAt = await now(quick.page);
  await quick.page.click('#js1');
  choosing.release();
  await quick.page.waitForFunction((since, wait) => document.body.dataset.ready === 'true'
    && performance.now() - since > wait, {}, chosenAt, 2 * saysLoadingAfter);
  check(await quick.page.$eval('#loading', (element) => element.hidden), 'ready, the window says it is loading');

  for (const [what, how, refuses, pressesFirst] of kFailures) {
    const failed = await openWith(browser, server.url, how);
    resources.push(failed.close);
    if (pressesFirst) {
      await failed.page.click('#dy');
      equalsPressed.release();
    }
    await failed.page.waitForFunction(() => {
      const note = document.getElementById('cannot-run');
      return !note.hidden && getComputedStyle(note).visibility === 'visible';
    });
    const seen = await failed.page.evaluate(() => {
      const note = document.getElementById('cannot-run');
      const field = document.getElementById('t1').getBoundingClientRect();
      return { text: note.textContent,
        covers: note.contains(document.elementFromPoint(field.x + field.width / 2, field.y + field.height / 2)) };
    });
    check(seen.text.startsWith(layout.cannotRun) && seen.covers, `${what}: ${JSON.stringify(seen)}`);
    if (refuses) {
      await failed.page.$eval('#t1', (element) => element.focus());
      await failed.page.keyboard.type('5');
      check((await fieldTexts(failed.page))[0] === '', `${what}: t(1) takes input`);
      // Nothing chosen before or after the failure has the window say it is loading.
      await failed.page.click('.menu:first-child > button');
      await failed.page.click('.menu [data-command=new]');
      await failed.page.waitForFunction((since, wait) => performance.now() - since > wait, {}, await now(failed.page),
        2 * saysLoadingAfter);
      check(await failed.page.$eval('#loading', (element) => element.hidden), `${what}: the window says it is loading`);
    }
  }
});
