'use strict';
// After one visit the calculator works with no network: the server stopped, a reload is served
// by the service worker and works 1/2 × 2/3. The worker keeps exactly what the page uses, not
// what else lies in the folder, nor the icons the browser fetches as it installs the page.
// Chromium finds the page installable, and each icon is the size the manifest says.
const { start, run, fieldTexts } = require('./harness');

run(async (check, resources) => {
  const { server, page, cdp } = await start(resources);
  const manifest = await cdp.send('Page.getAppManifest');
  check(manifest.errors.length === 0 && manifest.data, `manifest: ${JSON.stringify(manifest.errors)}`);
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  check(installabilityErrors.length === 0, `not installable: ${JSON.stringify(installabilityErrors)}`);
  // What the page uses: what it fetched, About's picture once About is open, its icon, manifest.
  await page.click('.menu:last-child > button');
  await page.click('[data-command=about]');
  await page.waitForFunction(() => document.querySelector('#Form2 img').naturalWidth > 0);
  await page.keyboard.press('Escape');
  const used = await page.evaluate(() => [location.href, ...performance.getEntriesByType('resource').map((entry) => entry.name),
    ...[...document.querySelectorAll('link[rel=icon], link[rel=manifest]')].map((link) => link.href)]);
  await page.evaluate(() => navigator.serviceWorker.ready);
  const kept = await page.evaluate(async () => {
    const cache = await caches.open((await caches.keys())[0]);
    return (await cache.keys()).map((request) => request.url);
  });
  // The icons the browser fetches for installing, when it likes, are its own: never the page's.
  const installIcons = manifest.data && JSON.parse(manifest.data).icons.map((icon) => new URL(icon.src, server.url).href);
  const names = (urls) => [...new Set(urls.filter((url) => url.startsWith(server.url) && !installIcons.includes(url)))]
    .sort().join(' ');
  check(names(kept) === names(used), `the worker keeps ${names(kept)}; the page uses ${names(used)}`);
  const icons = await page.evaluate(async (text) => Promise.all(JSON.parse(text).icons.map(async (icon) => {
    const picture = await createImageBitmap(await (await fetch(icon.src)).blob());
    return [icon.src, icon.sizes, `${picture.width}x${picture.height}`, icon.purpose ?? 'any'];
  })), manifest.data);
  for (const [src, claimed, size] of icons)
    check(claimed === size, `${src} is ${size}, not ${claimed}`);
  const offered = icons.map(([, claimed, , purpose]) => `${claimed} ${purpose}`);
  check(['192x192 any', '512x512 any', '512x512 maskable'].every((icon) => offered.includes(icon)),
    `icons for a phone's home screen: ${offered}`);

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
