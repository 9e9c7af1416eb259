'use strict';
// Where each control sits, on every screen from a phone to a desktop: the window scaled before
// the first paint to fit the screen whole, browser zoom enlarging it; every rectangle, font size
// and caption as described; the font shipped with the page drawing "×" and "÷" as large as "＋";
// the menus; the About window placed beside the main window, or below it on a phone, a click on
// its caption bar keeping it open (the walk clicks its other parts).
const { table, serve, launch, open, run } = require('./harness');

const layout = table('layout');
const pixels = (twips) => Math.floor((twips * 96 + 720) / 1440); // 15 twips to a pixel at 96 DPI
const near = (a, b) => Math.abs(a - b) <= 1;

async function box(page, selector) {
  return page.$eval(selector, (element) => {
    const { x, y, width, height } = element.getBoundingClientRect();
    return { x: x + scrollX, y: y + scrollY, width, height };
  });
}

// Each rectangle, in twips within `origin`'s box, where the description puts it at the scale shown.
async function checkRects(page, check, origin, described, rects, what) {
  const frame = await box(page, origin);
  const scale = frame.width / pixels(described[2]);
  check(near(frame.height, pixels(described[3]) * scale), `${what}: ${origin} keeps the described proportions`);
  for (const [selector, [left, top, width, height]] of rects) {
    const seen = await box(page, selector);
    const want = { x: frame.x + pixels(left) * scale, y: frame.y + pixels(top) * scale,
      width: pixels(width) * scale, height: pixels(height) * scale };
    check(near(seen.x, want.x) && near(seen.y, want.y) && near(seen.width, want.width)
      && (height === 0 || near(seen.height, want.height)),
    `${what}: ${selector} at ${JSON.stringify(seen)}, not ${JSON.stringify(want)}`);
  }
  return { frame, scale };
}

async function checkWindow(page, check, what) {
  const shown = layout.controls.filter((control) => control.name !== 't0'); // t(0) lies below the picture
  const { frame } = await checkRects(page, check, '#Picture1', layout.picture,
    [...shown.map((control) => [`#${control.name}`, control.rect]),
      ...layout.bars.map((bar, i) => [`.bar:nth-of-type(${i + 1})`, bar])], what);
  const hidden = await box(page, '#t0');
  check(hidden.y >= frame.y + frame.height, `${what}: t0 shows`);
  for (const control of layout.controls) {
    const style = await page.$eval(`#${control.name}`, (element) => {
      const computed = getComputedStyle(element);
      return { size: parseFloat(computed.fontSize), weight: computed.fontWeight, caption: element.textContent };
    });
    check(near(style.size, control.points * 4 / 3) && style.weight === (control.bold ? '700' : '400')
      && style.caption === control.caption, `${what}: ${control.name}'s font and caption ${JSON.stringify(style)}`);
  }
}

// The shipped font loaded and drawing every operator as wide as "＋", at least.
async function checkFont(page, check) {
  const widths = await page.evaluate(async () => {
    await document.fonts.ready;
    const button = document.querySelector('[data-operation]');
    const context = document.createElement('canvas').getContext('2d');
    context.font = getComputedStyle(button).font;
    return [...document.querySelectorAll('[data-operation]')].map((operator) => {
      const ink = context.measureText(operator.textContent);
      return { operator: operator.textContent, width: ink.actualBoundingBoxLeft + ink.actualBoundingBoxRight,
        shipped: document.fonts.check(context.font, operator.textContent) };
    });
  });
  const plus = widths[0].width;
  for (const { operator, width, shipped } of widths)
    check(shipped && width >= 0.8 * plus, `"${operator}" drawn ${width} wide against "＋" ${plus}`);
}

async function checkMenus(page, check) {
  for (const [i, menu] of layout.menus.entries()) {
    await page.click(`.menu:nth-child(${i + 1}) > button`);
    const seen = await page.$$eval(`.menu:nth-child(${i + 1}) [aria-expanded] + .items > *`,
      (items) => items.map((item) => (item.role === 'separator' ? '-' : item.firstChild.textContent)));
    // "退出" and the separator before it: a page may close only an installed app's window
    const shown = menu.items.filter((item, k) => !item.exit && !menu.items[k + 1]?.exit).map((item) => item.caption);
    check(seen.join() === shown.join(), `menu ${menu.caption}: ${seen}, not ${shown}`);
    await page.keyboard.press('Escape');
  }
}

async function openAbout(page) {
  await page.click('.menu:last-child > button');
  await page.click('[data-command=about]');
}

async function checkAbout(page, check, what, besideOnRight) {
  await openAbout(page);
  const main = await box(page, '#Form1'), about = await box(page, '#Form2');
  const beside = near(about.x, main.x + main.width) && near(about.y, main.y);
  const below = near(about.y, main.y + main.height);
  check(besideOnRight ? beside : below, `${what}: About at ${JSON.stringify(about)} by ${JSON.stringify(main)}`);
  await checkRects(page, check, '#Form2 .client', layout.about.client,
    layout.about.labels.map((label) => [`#${label.name}`, label.rect]), what);
  await page.click('#Form2 .caption'); // no click on the window, as on the desktop
  check(await page.$eval('#Form2', (element) => !element.hidden), `${what}: a click on About's caption bar hides it`);
  await page.keyboard.press('Escape');
}

// A touch keyboard taking the lower half of the screen leaves the window as it is, the field
// typed into scrolled into view.
async function checkTouchKeyboard(page, check, what, options) {
  const { width, height } = page.viewport();
  const before = await windowBox(page);
  const field = await (await page.$('#t5')).boundingBox();
  await page.touchscreen.tap(field.x + field.width / 2, field.y + field.height / 2);
  await page.setViewport({ ...options, width, height: height / 2 });
  await page.waitForFunction((shown) => innerHeight === shown, {}, height / 2);
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve))); // after the resize steps
  const after = await windowBox(page);
  const typed = await (await page.$('#t5')).boundingBox();
  check(near(after.width, before.width) && typed.y >= 0 && typed.y + typed.height <= height / 2 + 1,
    `${what}: with a touch keyboard the window ${JSON.stringify(after)}, t(5) at ${JSON.stringify(typed)}`);
  await page.setViewport({ ...options, width, height });
  await page.waitForFunction((shown) => innerHeight === shown, {}, height);
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
}

// The window at its own size, at the scale shown: the described picture against the one drawn.
async function windowBox(page) {
  const form = await box(page, '#Form1'), picture = await box(page, '#Picture1');
  return { ...form, scale: picture.width / pixels(layout.picture[2]) };
}

// The scale the window should have: as large as fits whole, where that is 100% or more; else
// the screen's full width.
function fitting(form, width, height) {
  const across = width / (form.width / form.scale);
  const whole = Math.min(across, height / (form.height / form.scale));
  return whole >= 1 ? whole : across;
}

const kScreens = [ // what, width, height, touch, About beside the main window
  ['phone', 390, 844, true, false],
  ['tablet, portrait', 820, 1180, true, false],
  ['tablet, landscape', 1180, 820, true, true],
  ['half a laptop', 512, 800, false, false],
  ['desktop', 1280, 800, false, true],
];

run(async (check, resources) => {
  const server = await serve();
  resources.push(server.stop);
  for (const [what, width, height, touch, beside] of kScreens) {
    const options = touch ? { isMobile: true, hasTouch: true, deviceScaleFactor: 2 } : {};
    const browser = await launch(width, height, options);
    resources.push(() => browser.close());
    const page = await open(browser, server.url);
    const form = await windowBox(page);
    const want = fitting(form, width, height);
    check(Math.abs(form.scale / want - 1) < 0.01 && form.x + form.width <= width + 1
      && (want * form.height / form.scale <= height + 1 ? form.y + form.height <= height + 1 : near(form.width, width)),
    `${what}: the window ${JSON.stringify(form)} is not at ${want.toFixed(3)}`);
    const shifted = await page.evaluate(() => new Promise((resolve) => {
      new PerformanceObserver((list) => resolve(list.getEntries().reduce((sum, shift) => sum + shift.value, 0)))
        .observe({ type: 'layout-shift', buffered: true });
      requestAnimationFrame(() => requestAnimationFrame(() => resolve(0))); // buffered entries come first
    }));
    check(shifted === 0, `${what}: the window moved after its first paint (layout shift ${shifted})`);
    await checkWindow(page, check, what);
    if (touch)
      await checkTouchKeyboard(page, check, what, options);
    await checkAbout(page, check, what, beside);
    if (what === 'desktop') {
      // Browser zoom at 200%: the same screen, twice the device pixels to a CSS pixel; the
      // window keeps its scale in CSS pixels, twice as large on the screen, and scrolls.
      await page.setViewport({ width: width / 2, height: height / 2, deviceScaleFactor: 2 });
      // a frame's resize steps come before its animation frame callbacks
      await page.waitForFunction((across) => innerWidth === across, {}, width / 2);
      await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
      const zoomed = await windowBox(page);
      check(Math.abs(zoomed.scale / want - 1) < 0.01 && zoomed.y + zoomed.height > height / 2,
        `${what} at 200%: the window ${JSON.stringify(zoomed)} is not at ${want.toFixed(3)}`);
      await page.setViewport({ width, height });
      await checkFont(page, check);
      await checkMenus(page, check);
      // Made lower with the focus in a field, the window fits again: only a touch keyboard is let be.
      await page.focus('#t1');
      await page.setViewport({ width, height: height - 200 });
      await page.waitForFunction((shown) => innerHeight === shown, {}, height - 200);
      await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
      const lower = await windowBox(page), wantLower = fitting(form, width, height - 200);
      check(Math.abs(lower.scale / wantLower - 1) < 0.01,
        `${what} made lower: the window ${JSON.stringify(lower)} is not at ${wantLower.toFixed(3)}`);
    }
  }
});
