'use strict';
// The model's random walk (tests/support/Walk.h) replayed on the page with real input: the model
// stays native, in velmo-web-tables, which writes each step, hears what the page then shows and
// compares. The pending operation is not compared: the page keeps it out of sight.
const { spawn } = require('node:child_process');
const readline = require('node:readline');
const { table, start, run } = require('./harness');
const { perform, observe } = require('./act');

const [, , , tables, steps, seed] = process.argv;
const layout = table('layout');

run(async (check, resources) => {
  const { server, browser, page, cdp } = await start(resources);
  await browser.defaultBrowserContext().overridePermissions(server.url.slice(0, -1),
    ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  const model = spawn(tables, ['walk', steps, seed], { stdio: ['pipe', 'pipe', 'inherit'] });
  resources.push(() => model.exitCode === null && model.kill());
  const said = readline.createInterface({ input: model.stdout })[Symbol.asyncIterator]();
  let aboutMade = 0;
  for (;;) {
    const line = JSON.parse((await said.next()).value);
    if ('report' in line)
      return check(line.report === '', line.report);
    const shown = await observe(page, await perform(page, cdp, line, layout), aboutMade);
    aboutMade = Number(shown.split('\t')[2]);
    model.stdin.write(`${shown}\n`);
  }
});
