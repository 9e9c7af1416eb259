'use strict';
// The user stories the Qt and Windows drivers replay (tests/support/UserStories.h), replayed in
// headless Chromium with real keys, clicks and pastes; keys that must change nothing; then what
// differs on a touch screen, the working in a bubble among it.
const { table, serve, launch, open, run, fieldTexts } = require('./harness');
const act = require('./act');

const stories = table('stories');
const layout = table('layout');
// A script's steps acted on in turn; the messages they brought up.
async function perform(page, cdp, steps) {
  const messages = [];
  for (const step of steps)
    messages.push(...await act.perform(page, cdp, step, layout));
  return messages;
}

run(async (check, resources) => {
  const server = await serve();
  resources.push(server.stop);
  const browser = await launch(1280, 800, { hasTouch: true });
  resources.push(() => browser.close());
  await browser.defaultBrowserContext().overridePermissions(server.url.slice(0, -1),
    ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  const page = await open(browser, server.url);
  // Each story is replayed on a fresh page, where anything its content policy refuses is noted.
  await page.evaluateOnNewDocument(() => {
    window.refused = [];
    document.addEventListener('securitypolicyviolation', (event) => refused.push(event.violatedDirective));
  });
  const cdp = await page.createCDPSession();
  const fresh = () => page.reload().then(() => page.waitForFunction(() => document.body.dataset.ready === 'true'));

  for (const story of stories) {
    await fresh();
    const messages = await perform(page, cdp, story.steps);
    const seen = await page.evaluate(() => {
      const results = [...document.querySelectorAll('[data-field][readonly]')].slice(1);
      return {
        focus: document.activeElement.id,
        tooltips: results.map((field) => field.title),
        carets: results.map((field) => field.selectionStart),
        scrolled: results.map((field) => field.scrollLeft),
        readings: results.map((field) => document.getElementById(field.getAttribute('aria-describedby')).textContent),
      };
    });
    const is = (what, actual, expected) =>
      check(actual === expected, `${story.name}: ${what} ${JSON.stringify(actual)}, not ${JSON.stringify(expected)}`);
    is('messages', messages.join('|'), story.messages);
    is('fields', (await fieldTexts(page)).join(), story.fields);
    is('focus', seen.focus, story.focus);
    is('content policy refusals', (await page.evaluate(() => refused)).join(), '');
    is('t10 tooltip', seen.tooltips.at(-1), story.tooltip);
    for (const [i, tooltip] of seen.tooltips.entries()) {
      check(story.tooltip ? tooltip.endsWith(story.tooltip) : tooltip === '', `${story.name}: tooltip ${i} ${tooltip}`);
      is(`result ${i} caret`, seen.carets[i], 0);
      is(`result ${i} scrolled by`, seen.scrolled[i], 0); // its leading digits show
      is(`result ${i} reading`, seen.readings[i].split('；')[0], story.reading);
    }
  }

  // A key the filter drops over a selection is the walk's (walk.test.js). While a message is
  // open, Enter answers it wherever in it was clicked.
  await fresh();
  await page.click('#dy');
  await page.click('#message-text');
  await page.keyboard.press('Enter');
  check(await page.evaluate(() => !document.getElementById('message').open), 'Enter after a click on the message\'s text');

  // A number too wide for its field shows whole in its tooltip as it is typed.
  await fresh();
  await page.keyboard.type('9'.repeat(30));
  check(await page.$eval('#t1', (field) => field.title === field.value), 't(1)\'s tooltip is not its whole number');

  // A touch keyboard deletes; every character it inserts still passes only if it is a digit.
  // A tap's click comes when the browser has recognised the gesture: each is waited for.
  await fresh();
  const tap = async (id, done) => {
    await page.touchscreen.tap(...await centre(page, `#${id}`));
    await page.waitForFunction(done, {}, id);
  };
  const focused = (id) => document.activeElement.id === id;
  await tap('t2', focused);
  await page.keyboard.type('45');
  await page.keyboard.press('Backspace');
  await page.keyboard.sendCharacter('-');
  await tap('t3', focused);
  await page.keyboard.type('3');
  await page.touchscreen.tap(...await centre(page, '#js1')); // shows nothing: the next tap's click comes after it
  await tap('dy', () => document.getElementById('message').open);
  check((await fieldTexts(page)).join() === '0,4,3,0,,,,,,', `touch: deleting and typing ${await fieldTexts(page)}`);
  check((await act.answer(page, layout)).join() === '请正确输入', 'touch: "＝" by a tap');

  // The working, which a touch screen shows no tooltip for, in a bubble beside a result field
  // when it is tapped or focused, inside the screen; a tap elsewhere or Escape hides it.
  await fresh();
  await perform(page, cdp, stories.find((story) => story.tooltip && !story.messages).steps); // a result shown
  const bubble = () => page.evaluate(() => {
    const shown = document.getElementById('bubble');
    const field = document.activeElement;
    const near = (a, b) => Math.abs(a - b) <= 1;
    const box = shown.getBoundingClientRect(), beside = field.getBoundingClientRect();
    return !shown.hidden && field.title !== '' && shown.textContent === field.title && box.left >= 0
      && box.right <= innerWidth && (near(box.top, beside.bottom) || near(box.bottom, beside.top)) && field.id;
  });
  const hidden = () => page.$eval('#bubble', (element) => element.hidden);
  await tap('t7', focused);
  check(await bubble() === 't7', 'a tap on t(7) shows no bubble with its working');
  await page.touchscreen.tap(...await centre(page, '#Form1 .caption'));
  await page.waitForFunction(() => document.activeElement === document.body);
  check(await hidden(), 'a tap elsewhere leaves the bubble');
  await page.$eval('#t9', (field) => field.focus());
  await page.keyboard.press('Tab');
  check(await bubble() === 't10', 'Tab to t(10) shows no bubble');
  await page.keyboard.press('Escape');
  check(await hidden(), 'Escape leaves the bubble');
  const clicked = page.$eval('#t10', (field) => new Promise((done) => field.addEventListener('click', done, { once: true })));
  await page.touchscreen.tap(...await centre(page, '#t10'));
  await clicked;
  check(await bubble() === 't10', 'a tap on the focused t(10) shows no bubble');
  // On a screen too small for the whole window, scrolled down to t(10), the bubble is by it.
  await page.setViewport({ width: 390, height: 300, hasTouch: true });
  await page.waitForFunction(() => innerHeight === 300);
  await page.$eval('#t7', (field) => field.focus());
  await page.$eval('#t10', (field) => field.scrollIntoView());
  await tap('t10', focused);
  check(await bubble() === 't10' && await page.evaluate(() => scrollY) > 0, 'scrolled, the bubble is not by t(10)');
});

async function centre(page, selector) {
  const box = await (await page.$(selector)).boundingBox();
  return [box.x + box.width / 2, box.y + box.height / 2];
}
