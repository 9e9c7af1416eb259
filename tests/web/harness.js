'use strict';
// What every browser test shares: the site served on a port of its own, and Debian's chromium,
// headless, resolving no host but this one, so that anything fetched from outside fails.
const { spawn, execFileSync } = require('node:child_process');
const fs = require('node:fs');

const kSkip = 77;
const [site, tables] = process.argv.slice(2);
const chromium = '/usr/bin/chromium';

let puppeteer;
try {
  puppeteer = require('puppeteer-core');
} catch {
  console.log('SKIP: puppeteer-core is not installed (make test-web installs it)');
  process.exit(kSkip);
}
if (!fs.existsSync(chromium)) {
  console.log('SKIP: no chromium here (make test-web installs it)');
  process.exit(kSkip);
}

const table = (...args) => JSON.parse(execFileSync(tables, args, { encoding: 'utf8', maxBuffer: 1 << 26 }));

// Serves `directory` until stop(), which ends the server by its id and waits until it has gone;
// each request the server logs, its file and status, goes to `requests` if given.
function serve(directory = site, requests = null) {
  return new Promise((resolve, reject) => {
    const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', directory],
      { stdio: ['ignore', 'pipe', requests ? 'pipe' : 'ignore'] });
    server.on('error', reject);
    server.stderr?.on('data', (data) => {
      for (const [, file, status] of String(data).matchAll(/"GET \/(\S*) HTTP\/[\d.]+" (\d+)/g))
        requests.push([file || 'index.html', Number(status)]);
    });
    server.stdout.on('data', (data) => {
      const port = /port (\d+)/.exec(String(data));
      if (port) {
        resolve({
          url: `http://127.0.0.1:${port[1]}/`,
          stop: () => new Promise((done) => {
            if (server.exitCode !== null || server.signalCode !== null)
              return done();
            server.once('exit', done);
            server.kill();
          }),
        });
      }
    });
  });
}

async function launch(width, height, options = {}) {
  return puppeteer.launch({
    executablePath: chromium,
    headless: true,
    defaultViewport: { width, height, ...options },
    args: ['--no-sandbox', '--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1', '--lang=zh-CN'],
  });
}

// Opens the page and waits until its engine is loaded and its handlers bound.
async function open(browser, url) {
  const page = await browser.newPage();
  await page.goto(url);
  await page.waitForFunction(() => document.body.dataset.ready === 'true', { timeout: 30000 });
  return page;
}

// t(1)..t(10), in the engine's order (the page writes them in tab order).
const fieldTexts = (page) => page.$$eval('[data-field]', (all) => all.sort((a, b) => a.dataset.field - b.dataset.field)
  .slice(1).map((field) => field.value));

// Runs `body(check)`; each failed check is printed and makes the test fail; the server and
// the browser end either way.
// The site served, a browser of a desktop's size and the page open in it, each ended with the test.
async function start(resources) {
  const server = await serve();
  resources.push(server.stop);
  const browser = await launch(1280, 800);
  resources.push(() => browser.close());
  const page = await open(browser, server.url);
  return { server, browser, page, cdp: await page.createCDPSession() };
}

async function run(body) {
  // Node ends quietly when nothing is left to wait on: that must not look like a pass.
  process.on('exit', (code) => { if (code === 0 && !finished) process.exitCode = 1; });
  let finished = false;
  const failures = [];
  const check = (ok, what) => { if (!ok) failures.push(what); return ok; };
  const resources = [];
  try {
    await body(check, resources);
  } catch (error) {
    failures.push(`stopped: ${error.stack}`);
  } finally {
    for (const resource of resources.reverse())
      await resource();
  }
  for (const failure of failures)
    console.log(`FAIL: ${failure}`);
  console.log(failures.length ? `${failures.length} failed` : 'passed');
  finished = true;
  process.exit(failures.length ? 1 : 0);
}

module.exports = { table, serve, launch, open, start, run, fieldTexts };
