'use strict';
// node bench/web-transfer.js SITE: what a first visit fetches, file by file, as the server saw it:
// the page's own requests and its service worker's (which revalidates what the page already has:
// a 304 sends no body). Each body's size as sent uncompressed and gzipped.
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const { serve, launch, open, run } = require('../tests/web/harness');

const [site] = process.argv.slice(2);
const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;

run(async (check, resources) => {
  const requests = [];
  const server = await serve(site, requests);
  resources.push(server.stop);
  const browser = await launch(1280, 800); // a fresh profile: nothing cached
  resources.push(() => browser.close());
  const page = await open(browser, server.url);
  // The worker has fetched and kept the whole build once it controls the page.
  await page.waitForFunction(() => navigator.serviceWorker.controller);
  await browser.close();

  let raw = 0, gzipped = 0;
  console.log(`${'file'.padEnd(22)} status  uncompressed  gzipped`);
  for (const [file, status] of requests) {
    const body = status === 200 ? fs.readFileSync(path.join(site, file)) : Buffer.alloc(0);
    const packed = body.length ? zlib.gzipSync(body).length : 0;
    raw += body.length;
    gzipped += packed;
    console.log(`${file.padEnd(22)} ${status}  ${String(body.length).padStart(12)}  ${String(packed).padStart(7)}`);
  }
  console.log(`first visit, ${requests.length} requests: ${kib(raw)} uncompressed, ${kib(gzipped)} gzipped`);
  check(requests.every(([, status]) => status === 200 || status === 304), 'a request failed');
});
