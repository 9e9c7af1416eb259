'use strict';
// A new version published over the one a user has: this build (v1), then this clone built as its
// next version (v2: another caption, page.js and engine), served from a folder as a plain host
// serves it (Last-Modified, no Cache-Control), v1's files a year old. At every step the page runs
// one build whole, and the service worker keeps one build whole, even from a half-finished upload.
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { serve, launch, run } = require('./harness');

const [v1Site, , v1, v2Site, v2] = process.argv.slice(2);
const sites = { [v1]: v1Site, [v2]: v2Site };
const kYear = 365 * 24 * 60 * 60; // seconds

const published = fs.mkdtempSync(path.join(os.tmpdir(), 'velmo-update-'));
const publish = (site, except = []) => {
  for (const name of fs.readdirSync(site).filter((name) => !except.includes(name)))
    fs.copyFileSync(path.join(site, name), path.join(published, name));
};
const ready = (page) => page.waitForFunction(() => document.body.dataset.ready === 'true', { timeout: 30000 });

// The build of each part of the running page: its caption, its script and its engine (loaded
// again through the same worker and server).
const running = (page) => page.evaluate(async () => ({
  caption: document.querySelector('#Form1 .caption').textContent.split(' V').pop(),
  script: kVersion, // page.js's own, a global of its script
  engine: await VelmoEngine().then((engine) => engine.version()),
}));

// Which builds each kept cache is of: the builds whose files equal every file it holds.
async function kept(page) {
  const caches = await page.evaluate(async () => {
    const all = [];
    for (const name of await caches.keys()) {
      const cache = await caches.open(name);
      const files = [];
      for (const request of await cache.keys()) {
        const bytes = new Uint8Array(await (await cache.match(request)).arrayBuffer());
        files.push([new URL(request.url).pathname.slice(1) || 'index.html', btoa(String.fromCharCode(...bytes))]);
      }
      all.push(files);
    }
    return all;
  });
  return caches.map((files) => Object.keys(sites).filter((build) => files.every(([name, base64]) =>
    fs.existsSync(path.join(sites[build], name))
    && Buffer.from(base64, 'base64').equals(fs.readFileSync(path.join(sites[build], name))))).join('+') || 'a mix');
}

// Waits until the worker the page has is activated (a new one takes over before it clears away
// the other builds), then lets it look for a newer build and waits until that attempt has ended.
const settle = (page) => page.evaluate(async () => {
  const settled = async (worker) => {
    while (worker && !['activated', 'redundant'].includes(worker.state))
      await new Promise((changed) => worker.addEventListener('statechange', changed, { once: true }));
  };
  await settled(navigator.serviceWorker.controller);
  const registration = await navigator.serviceWorker.getRegistration();
  await registration.update().catch(() => {}); // offline
  await settled(registration.installing);
});

// A newcomer, in a profile of its own with no worker yet: the build the page runs, or its refusal
// to run a mix.
async function newcomer(browser, url) {
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    const refused = new Promise((resolve) => page.on('pageerror', (error) => resolve(error.message)));
    await page.goto(url);
    const outcome = await Promise.race([refused, ready(page)]);
    if (typeof outcome === 'string')
      return outcome.includes('different builds') ? 'refused' : outcome;
    const parts = await running(page);
    return oneBuild(parts) ? parts.script : `a mix: ${Object.values(parts)}`;
  } finally {
    await context.close();
  }
}

const oneBuild = (parts) => new Set(Object.values(parts)).size === 1;

run(async (check, resources) => {
  resources.push(() => fs.rmSync(published, { recursive: true }));
  publish(v1Site);
  for (const name of fs.readdirSync(published))
    fs.utimesSync(path.join(published, name), Date.now() / 1000 - kYear, Date.now() / 1000 - kYear);
  const server = await serve(published);
  resources.push(server.stop);
  const browser = await launch(1280, 800);
  resources.push(() => browser.close());
  const page = await browser.newPage();
  // Back after the upload: a reload, and if that still runs v1 (the worker keeping v2 meanwhile),
  // the page's offer, clicked once it shows: v2 within two loads, each of one build whole.
  const comeBack = async () => {
    await page.reload();
    await ready(page);
    const first = await running(page);
    check(oneBuild(first), `upload complete, the first reload: ran ${JSON.stringify(first)}`);
    if (first.script === v1) {
      await page.waitForSelector('#update:not([hidden])');
      await Promise.all([page.waitForNavigation(), page.click('#update')]);
    }
  };

  // Each step: what is published (or the server stopped), how the user comes back to the page,
  // which build then runs, which builds are kept, and what a newcomer gets then.
  const steps = [
    ['first visit', () => {}, () => page.goto(server.url), v1, [v1], v1],
    ['half-finished upload: v2 but its engine', () => publish(v2Site, ['velmo.wasm']), () => page.reload(), v1, [v1],
      'refused'],
    ['upload complete', () => publish(v2Site), comeBack, v2, [v2], v2],
    ['offline', () => server.stop(), () => page.reload(), v2, [v2]],
  ];
  for (const [step, change, visit, build, builds, newcomerGets] of steps) {
    await change();
    if (newcomerGets) {
      const got = await newcomer(browser, server.url);
      check(got === newcomerGets, `${step}: a newcomer got ${got}, not ${newcomerGets}`);
    }
    await visit();
    await ready(page);
    const parts = await running(page);
    check(Object.values(parts).every((part) => part === build), `${step}: ran ${JSON.stringify(parts)}, not ${build}`);
    await page.waitForFunction(() => navigator.serviceWorker.controller);
    await settle(page);
    check(String(await kept(page)) === String(builds), `${step}: kept ${await kept(page)}, not ${builds}`);
  }
});
