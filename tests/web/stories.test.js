'use strict';
// The user stories the Qt and Windows drivers replay (tests/support/UserStories.h), replayed in
// headless Chromium with real keys, clicks and pastes; keys that must change nothing; then what
// differs on a touch screen, the working in a bubble among it.
const { table, serve, launch, open, run, fieldTexts } = require('./harness');

const stories = table('stories');
const layout = table('layout');
const kKeys = { Ctrl: 'Control', Return: 'Enter', Enter: 'NumpadEnter', Left: 'ArrowLeft', Right: 'ArrowRight' };

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

  // A key the filter drops changes nothing, the selection and a read-only field included; while
  // a message is open, Enter answers it wherever in it was clicked.
  const worked = '1:3;3:1;2:4;4:1;6:1;5:2;js2;dy'; // 3 1/4 − 1 1/2
  for (const [what, script, act, holds] of [
    ['x over t(10) chosen by a double-click', worked,
      async () => { await page.click('#t10', { clickCount: 2 }); await page.keyboard.press('x'); }],
    ['x over t(5) chosen by Shift+End', '5:53',
      async () => { for (const key of ['Home', 'Shift+End', 'x']) await press(page, key); }],
    ['Enter after a click on the message\'s text', '',
      async () => { await page.click('#dy'); await page.click('#message-text'); await page.keyboard.press('Enter'); },
      () => !document.getElementById('message').open],
  ]) {
    await fresh();
    await perform(page, cdp, script, check);
    const before = (await fieldTexts(page)).join();
    await act();
    const after = (await fieldTexts(page)).join();
    check(holds ? await page.evaluate(holds) : after === before, `${what}: ${holds ? 'not so' : `fields ${before} became ${after}`}`);
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

  // The working, which a touch screen shows no tooltip for, in a bubble beside a result field
  // when it is tapped or focused, inside the screen; a tap elsewhere or Escape hides it.
  await fresh();
  await perform(page, cdp, worked, check);
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

  // An input method composing, then committing: its digits alone stay.
  await fresh();
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
