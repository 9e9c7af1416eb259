'use strict';
// The user stories the Qt and Windows drivers replay (tests/support/UserStories.h), replayed in
// headless Chromium with real keys, clicks and pastes; then what differs on a touch screen.
const { table, serve, launch, open, run } = require('./harness');

const stories = table('stories');
const layout = table('layout');
const kKeys = { Ctrl: 'Control', Return: 'Enter', Enter: 'NumpadEnter', Left: 'ArrowLeft', Right: 'ArrowRight' };

const fieldTexts = (page) => page.$$eval('[data-field]', (fields) => fields.slice(1).map((field) => field.value));

// Answers an open message box with its one button; returns its text, or nothing.
async function answer(page, check) {
  const box = await page.evaluate(() => {
    const dialog = document.getElementById('message');
    return dialog.open && { text: document.getElementById('message-text').textContent,
      title: dialog.querySelector('.caption').textContent,
      buttons: [...dialog.querySelectorAll('button')].map((button) => button.textContent) };
  });
  if (!box)
    return [];
  check(box.title === layout.title && box.buttons.join() === layout.button, `message box ${JSON.stringify(box)}`);
  await page.click('#message button');
  await page.waitForFunction(() => !document.getElementById('message').open);
  return [box.text];
}

async function press(page, key) {
  const keys = key.split('+').map((name) => kKeys[name] ?? (name.length === 1 ? name.toLowerCase() : name));
  for (const name of keys)
    await page.keyboard.down(name);
  for (const name of keys.reverse())
    await page.keyboard.up(name);
}

// "N:text" types into t(N), given the focus as Qt's setFocus gives it, the caret kept;
// "ime:N:text" commits it from an input method; "paste:N:text" pastes ("9*5" is 99999);
// "key:Ctrl+N" presses keys; else a click on that button.
async function perform(page, cdp, script, check) {
  const messages = [];
  for (const step of script.split(';').filter(Boolean)) {
    const [head, ...rest] = step.split(':');
    if (/^\d+$/.test(head) || head === 'paste' || head === 'ime') {
      const index = /^\d+$/.test(head) ? head : rest.shift();
      const text = rest.join(':').replace(/^(.)\*(\d+)$/, (whole, c, n) => c.repeat(Number(n)));
      const focus = await page.evaluate(() => document.activeElement.id);
      await page.$eval(`#t${index}`, (field) => document.activeElement === field || field.focus());
      if (head === 'paste') { // into t(N), wherever the focus is, as the desktop drivers paste
        await page.evaluate((t) => navigator.clipboard.writeText(t), text);
        await cdp.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', commands: ['paste'] });
        await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp' });
        await page.evaluate((id) => document.getElementById(id)?.focus(), focus);
      } else if (head === 'ime') { // composed, then committed whole
        await cdp.send('Input.imeSetComposition', { text, selectionStart: text.length, selectionEnd: text.length });
        await cdp.send('Input.insertText', { text });
      } else if (/^[\x20-\xff]*$/.test(text)) {
        await page.keyboard.type(text);
      } else {
        await page.keyboard.sendCharacter(text); // text beyond Latin-1 comes from an input method
      }
      continue;
    }
    if (head === 'key')
      await press(page, rest.join(':'));
    else
      await page.click(`#${head}`);
    messages.push(...await answer(page, check));
  }
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
    const messages = await perform(page, cdp, story.script, check);
    const seen = await page.evaluate(() => {
      const results = [...document.querySelectorAll('[data-field][readonly]')].slice(1);
      return {
        focus: document.activeElement.id,
        tooltips: results.map((field) => field.title),
        carets: results.map((field) => field.selectionStart),
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
      is(`result ${i} reading`, seen.readings[i].split('；')[0], story.reading);
    }
  }

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
  check((await answer(page, check)).join() === '请正确输入', 'touch: "＝" by a tap');

  // An input method composing, then committing: its digits alone stay.
  await page.$eval('#t6', (field) => field.focus());
  await page.keyboard.type('1');
  await cdp.send('Input.imeSetComposition', { text: 'san', selectionStart: 3, selectionEnd: 3 });
  await cdp.send('Input.insertText', { text: '三3' });
  check(await page.$eval('#t6', (field) => field.value) === '13', 'an input method\'s commit kept what is not a digit');
});

async function centre(page, selector) {
  const box = await (await page.$(selector)).boundingBox();
  return [box.x + box.width / 2, box.y + box.height / 2];
}
