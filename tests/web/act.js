'use strict';
// A step of the stories' script or the walk, as velmo-web-tables parses it (tests/support/Step.h),
// acted on the page with real keys, clicks and pastes as a user would, and what the page then shows.
const kKeys = { Ctrl: 'Control', Return: 'Enter', Enter: 'NumpadEnter', Left: 'ArrowLeft', Right: 'ArrowRight' };

// Answers an open message box with its one button; returns its text, or a description of the box
// where it is not plain (title, one button "确定"), so that it differs from every expected text.
async function answer(page, layout) {
  const box = await page.evaluate(() => {
    const dialog = document.getElementById('message');
    return dialog.open && { text: document.getElementById('message-text').textContent,
      title: dialog.querySelector('.caption').textContent,
      buttons: [...dialog.querySelectorAll('button')].map((button) => button.textContent) };
  });
  if (!box)
    return [];
  await page.click('#message button');
  await page.waitForFunction(() => !document.getElementById('message').open);
  return [box.title === layout.title && box.buttons.join() === layout.button ? box.text : JSON.stringify(box)];
}

async function press(page, key) {
  const keys = key.split('+').map((name) => kKeys[name] ?? (name.length === 1 ? name.toLowerCase() : name));
  for (const name of keys)
    await page.keyboard.down(name);
  for (const name of keys.reverse())
    await page.keyboard.up(name);
}

// A click `x` pixels from the left of the element's box (from the right where negative), halfway down.
async function clickIn(page, selector, x, count = 1) {
  const box = await (await page.$(selector)).boundingBox();
  await page.mouse.click(x < 0 ? box.x + box.width + x : box.x + x, box.y + box.height / 2, { count });
}

// Types into t(N), given the focus by a click at its right end unless it has it, as the desktop
// drivers do; pastes into t(N) wherever the focus is; commits from an input method; presses
// keys; chooses a menu item; clicks the About window's background or a part of it; double-clicks
// a field's first character, selecting the word there; else clicks a button. Returns the messages.
async function perform(page, cdp, step, layout) {
  const field = `#t${step.field}`;
  const typing = step.kind === 'type' || step.kind === 'paste';
  if (step.kind === 'type' && !await page.$eval(field, (input) => document.activeElement === input))
    await clickIn(page, field, -3);
  if (step.kind === 'paste') {
    const focus = await page.evaluate(() => document.activeElement.id);
    await page.$eval(field, (input) => document.activeElement === input || input.focus());
    await page.evaluate((text) => navigator.clipboard.writeText(text), step.text);
    await cdp.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', commands: ['paste'] });
    await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp' });
    await page.evaluate((id) => document.getElementById(id)?.focus(), focus);
  } else if (step.kind === 'type' && step.inputMethod) { // composed, then committed whole
    const text = step.text;
    if (!text) // an empty composition is Chromium's way to delete, not an input method committing nothing
      return [];
    await cdp.send('Input.imeSetComposition', { text, selectionStart: text.length, selectionEnd: text.length });
    await cdp.send('Input.insertText', { text });
  } else if (step.kind === 'type') {
    // text beyond Latin-1 comes from an input method
    await (/^[\x20-\xff]*$/.test(step.text) ? page.keyboard.type(step.text) : page.keyboard.sendCharacter(step.text));
  } else if (step.kind === 'key') {
    await press(page, step.text);
  } else if (step.kind === 'menu') {
    await page.$eval(`#${step.text}`, (item) => item.closest('.menu').querySelector('button').click());
    await page.click(`#${step.text}`);
  } else if (step.kind === 'about' && step.text === 'Form2') { // below its caption, where no part lies
    const caption = await (await page.$('#Form2 .caption')).boundingBox();
    await page.mouse.click(caption.x + 4, caption.y + caption.height + 4);
  } else if (step.kind === 'about') {
    await page.click(`#Form2 #${step.text}`);
  } else if (step.kind === 'select') {
    await clickIn(page, field, await page.$eval(field, (input) => {
      const style = getComputedStyle(input);
      const scale = input.getBoundingClientRect().width / input.offsetWidth; // the window's zoom
      return (parseFloat(style.borderLeftWidth) + parseFloat(style.paddingLeft) + 2) * scale;
    }), 2);
  } else {
    await page.click(`#${step.text}`);
  }
  return typing ? [] : answer(page, layout);
}

// What the walk compares, tab-separated: the messages, the focus, the About windows made (the
// page holds one from the start: made once it has shown), whether it shows, t(0)..t(10).
async function observe(page, messages, aboutMade) {
  return page.evaluate((said, made) => {
    const about = !document.getElementById('Form2').hidden;
    const texts = [...document.querySelectorAll('[data-field]')].sort((a, b) => a.dataset.field - b.dataset.field)
      .map((input) => input.value);
    const focus = document.activeElement.closest('#Form2')?.id ?? document.activeElement.id;
    return [said.join('|'), focus, made || about ? 1 : 0, about ? 1 : 0, ...texts].join('\t');
  }, messages, aboutMade);
}

module.exports = { answer, press, perform, observe };
