'use strict';
// What a screen reader gets: every field, button and menu by its Chinese name from the
// description, in the order Tab walks, t(0) out of it; the menus as buttons that say whether
// they are open; the About window, opened from the keyboard, focused and named "关于", Escape
// giving the focus back; after "＝" the reading announced by the live region and given as the
// result fields' description; a message as a modal dialog named by the program, the page behind
// it inert. Then high contrast: the window colour in place of the picture, the bars in the text
// colour.
const { table, start, run } = require('./harness');

const layout = table('layout');

// The accessibility tree as Chromium gives it to a screen reader: each node's role, name,
// description and live setting, by the DOM id of the element it stands for.
async function tree(cdp) {
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  const ids = new Map();
  const walk = (node) => {
    const attributes = node.attributes ?? [];
    const at = attributes.indexOf('id');
    if (at >= 0)
      ids.set(node.backendNodeId, attributes[at + 1]);
    for (const child of [...(node.children ?? []), ...(node.contentDocument ? [node.contentDocument] : [])])
      walk(child);
  };
  walk((await cdp.send('DOM.getDocument', { depth: -1 })).root);
  const byId = {};
  for (const node of nodes.filter((n) => ids.has(n.backendDOMNodeId) && !n.ignored))
    byId[ids.get(node.backendDOMNodeId)] = node;
  return { nodes, byId };
}
const value = (node, key) => node?.[key]?.value ?? node?.properties?.find((p) => p.name === key)?.value.value;

run(async (check, resources) => {
  const { page, cdp } = await start(resources);
  await cdp.send('Accessibility.enable');

  let { nodes, byId } = await tree(cdp);
  const stops = layout.controls.filter((c) => c.tabStop).sort((a, b) => a.tabIndex - b.tabIndex);
  for (const control of stops) {
    const node = byId[control.name];
    check(value(node, 'name') === control.accessibleName, `${control.name} named ${value(node, 'name')}`);
  }
  const read = nodes.map((node) => Object.keys(byId).find((id) => byId[id] === node)).filter(Boolean);
  const order = read.filter((id) => layout.controls.some((c) => c.name === id));
  check(order.join() === stops.map((c) => c.name).join(), `a screen reader meets ${order}, not the tab order`);
  for (const control of layout.controls.filter((c) => !c.tabStop))
    check(!byId[control.name], `${control.name} is in the accessibility tree`);
  const checkMenusClosed = (when) => {
    for (const menu of layout.menus)
      check(Object.values(byId).some((node) => value(node, 'name') === menu.caption && value(node, 'role') === 'button'
        && value(node, 'expanded') === false), `${when}, the menu ${menu.caption} is no closed button`);
  };
  checkMenusClosed('at the start');
  check(!nodes.some((node) => /^menu/.test(value(node, 'role'))), 'menu roles without their arrow keys');

  // About from the keyboard: focused, announced by its caption; Escape gives the focus back.
  await page.$eval('#t5', (element) => element.focus());
  await page.$eval('.menu:last-child > button', (element) => element.focus());
  for (const key of ['Enter', 'Tab', 'Enter'])
    await page.keyboard.press(key);
  const focused = (await cdp.send('Accessibility.queryAXTree', {
    backendNodeId: (await cdp.send('DOM.describeNode', { objectId: (await cdp.send('Runtime.evaluate',
      { expression: 'document.activeElement' })).result.objectId })).node.backendNodeId })).nodes[0];
  check(value(focused, 'role') === 'dialog' && value(focused, 'name') === layout.about.caption,
    `About from the keyboard: the focus on ${value(focused, 'role')} ${value(focused, 'name')}`);
  await page.keyboard.press('Escape');
  check(await page.evaluate(() => document.getElementById('Form2').hidden && document.activeElement.id) === 't5',
    'Escape leaves About open, or the focus elsewhere');

  // 1 1/2 × 2/3: the reading announced and described
  for (const [field, text] of [['t1', '1'], ['t2', '2'], ['t3', '1'], ['t5', '3'], ['t6', '2']]) {
    await page.$eval(`#${field}`, (element) => element.focus());
    await page.keyboard.type(text);
  }
  await page.click('#js3');
  await page.click('#dy');
  ({ byId } = await tree(cdp));
  checkMenusClosed('after About was chosen');
  const live = byId.reading;
  const reading = await page.$eval('#reading', (element) => element.textContent);
  check(reading.startsWith('1；') && value(live, 'live') === 'polite', `live region ${JSON.stringify(live)}`);
  for (const field of ['t7', 't8', 't9', 't10'])
    check(value(byId[field], 'description') === reading, `${field} described as ${value(byId[field], 'description')}`);

  // A message: the dialog named by the program, modal, the window behind it out of the tree.
  await page.click('#dy');
  ({ nodes } = await tree(cdp));
  const dialog = nodes.find((node) => value(node, 'role') === 'dialog' && !node.ignored);
  check(dialog && value(dialog, 'name') === layout.title && value(dialog, 'modal') === true,
    `message dialog ${JSON.stringify(dialog)}`);
  check(!nodes.some((node) => !node.ignored && value(node, 'name') === layout.controls[1].accessibleName),
    'the window behind the message stays in reach');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => !document.getElementById('message').open);
  check(await page.evaluate(() => document.activeElement.id) === 'dy', 'the focus not back on "＝"');

  // High contrast, forced or asked for: no picture behind the bars, drawn in the text colour.
  for (const feature of ['forced-colors', 'prefers-contrast']) {
    await cdp.send('Emulation.setEmulatedMedia',
      { features: [{ name: feature, value: feature === 'forced-colors' ? 'active' : 'more' }] });
    const drawn = await page.evaluate(() => {
      const probe = document.body.appendChild(document.createElement('span'));
      probe.style.color = 'CanvasText';
      const text = getComputedStyle(probe).color;
      probe.remove();
      const bars = [...document.querySelectorAll('.bar')].map((bar) => getComputedStyle(bar).borderTopColor);
      return { picture: getComputedStyle(document.getElementById('Picture1')).backgroundImage, text, bars };
    });
    check(drawn.picture === 'none' && drawn.bars.every((colour) => colour === drawn.text),
      `${feature}: ${JSON.stringify(drawn)}`);
  }
});
