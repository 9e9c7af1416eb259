'use strict';
// What a screen reader gets: every field, button and menu by its Chinese name from the
// description; after "＝" the reading announced by the live region and given as the result
// fields' description; a message as a modal dialog named by the program, the page behind it inert.
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

  let { byId } = await tree(cdp);
  for (const control of layout.controls.filter((c) => c.name !== 't0')) {
    const node = byId[control.name];
    check(value(node, 'name') === control.accessibleName, `${control.name} named ${value(node, 'name')}`);
  }
  for (const menu of layout.menus)
    check(Object.values(byId).some((node) => value(node, 'name') === menu.caption && value(node, 'role') === 'menuitem'),
      `the menu ${menu.caption} has no name`);

  // 1 1/2 × 2/3: the reading announced and described
  for (const [field, text] of [['t1', '1'], ['t2', '2'], ['t3', '1'], ['t5', '3'], ['t6', '2']]) {
    await page.$eval(`#${field}`, (element) => element.focus());
    await page.keyboard.type(text);
  }
  await page.click('#js3');
  await page.click('#dy');
  ({ byId } = await tree(cdp));
  const live = byId.reading;
  const reading = await page.$eval('#reading', (element) => element.textContent);
  check(reading.startsWith('1；') && value(live, 'live') === 'polite', `live region ${JSON.stringify(live)}`);
  for (const field of ['t7', 't8', 't9', 't10'])
    check(value(byId[field], 'description') === reading, `${field} described as ${value(byId[field], 'description')}`);

  // A message: the dialog named by the program, modal, the window behind it out of the tree.
  await page.click('#dy');
  const { nodes } = await tree(cdp);
  const dialog = nodes.find((node) => value(node, 'role') === 'dialog' && !node.ignored);
  check(dialog && value(dialog, 'name') === layout.title && value(dialog, 'modal') === true,
    `message dialog ${JSON.stringify(dialog)}`);
  check(!nodes.some((node) => !node.ignored && value(node, 'name') === layout.controls[1].accessibleName),
    'the window behind the message stays in reach');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => !document.getElementById('message').open);
  check(await page.evaluate(() => document.activeElement.id) === 'dy', 'the focus not back on "＝"');
});
