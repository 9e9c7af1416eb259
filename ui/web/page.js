'use strict';
// The browser's front end: the page velmo-web-page wrote from the description, bound to
// ui::Calculator in WebAssembly. Control event -> here -> Calculator -> fields written back.
const kVersion = '@PROJECT_VERSION@'; // this build's, written in by the build
const kUpdateCheck = 60 * 60 * 1000; // milliseconds between an open window's looks for a new build

// The service worker keeps the site for use offline. Once it has kept a newer build whole and
// taken over from the one that served this page, the page offers it; a window left open, an
// installed one, looks for one hourly.
const servedBy = navigator.serviceWorker?.controller;
function keepUpToDate() {
  if (!navigator.serviceWorker)
    return;
  const offer = document.getElementById('update');
  const offerNewer = () => { offer.hidden = !servedBy || navigator.serviceWorker.controller === servedBy; };
  navigator.serviceWorker.addEventListener('controllerchange', offerNewer);
  offerNewer();
  offer.addEventListener('click', () => location.reload());
  navigator.serviceWorker.register('sw.js')
    .then((registration) => setInterval(() => registration.update().catch(() => {}), kUpdateCheck)); // offline: next time
}

VelmoEngine().then((engine) => {
  // Never the script of one build with the page or engine of another (a half-finished upload).
  // Served by the worker, which keeps builds whole, the page mixes them only when a new build
  // took over while it loaded: that one is loaded whole.
  const builds = [document.documentElement.dataset.version, kVersion, engine.version()];
  if (new Set(builds).size !== 1) {
    if (navigator.serviceWorker?.controller)
      location.reload();
    throw new Error(`page, script and engine of different builds: ${builds}`);
  }
  const byId = (id) => document.getElementById(id);
  const form1 = byId('Form1');
  const form2 = byId('Form2');
  const dialog = byId('message');
  const reading = byId('reading');
  const fields = [...document.querySelectorAll('[data-field]')];
  const firstField = document.querySelector('[autofocus]');
  const calculator = new engine.Calculator();
  const measure = document.createElement('canvas').getContext('2d');

  // The whole text when the field cuts it, then for a result field the explanation.
  const fonts = new Map(fields.map((field) => [field, getComputedStyle(field).font]));
  const showTooltip = (field) => {
    measure.font = fonts.get(field);
    const cut = engine.Calculator.IsCut(Math.ceil(measure.measureText(field.value).width), field.offsetWidth);
    field.title = calculator.fieldTooltip(fields.indexOf(field), field.value, cut);
  };
  const showResult = () => {
    fields.forEach(showTooltip);
    reading.textContent = calculator.reading();
  };

  const fieldSet = engine.FieldSet.implement({
    read: (index) => fields[index].value,
    write: (index, text) => {
      const field = fields[index];
      field.value = text;
      field.setSelectionRange(0, 0); // the leading digits show
      field.scrollLeft = 0;
    },
    message: (text) => {
      byId('message-text').textContent = text;
      dialog.showModal();
    },
  });

  const commands = {
    evaluate: () => {
      calculator.evaluate(fieldSet);
      showResult();
    },
    new: () => {
      calculator.clear(fieldSet);
      showResult();
      firstField.focus();
    },
    exit: () => window.close(),
    about: () => showAbout(),
  };

  // Digits alone come from the keyboard. Backspace and the Ctrl+letter keys (cut, paste, undo)
  // are dropped as on the desktop, except that on a touch keyboard, which has no Delete key,
  // deleting works. Pasted text is judged by "＝".
  let touchTyping = false;
  document.addEventListener('pointerdown', (event) => { touchTyping = event.pointerType === 'touch'; }, true);
  const onlyDigits = (text) => text.replace(/[^0-9]/g, '');
  for (const field of fields) {
    field.addEventListener('keydown', (event) => {
      if ((event.key === 'Backspace' && !touchTyping) || ((event.ctrlKey || event.metaKey) && event.key.length === 1))
        event.preventDefault();
    });
    field.addEventListener('beforeinput', (event) => {
      const typed = event.data ?? '';
      if (!event.cancelable || !event.inputType.startsWith('insert') || event.inputType === 'insertFromPaste'
        || onlyDigits(typed) === typed)
        return;
      event.preventDefault();
      field.setRangeText(onlyDigits(typed), field.selectionStart, field.selectionEnd, 'end');
    });
    // Text composed by an input method cannot be refused as it comes: what it commits is
    // cut down to its digits.
    field.addEventListener('compositionend', (event) => {
      const end = field.selectionStart, start = end - event.data.length;
      if (start >= 0 && field.value.slice(start, end) === event.data && onlyDigits(event.data) !== event.data)
        field.setRangeText(onlyDigits(event.data), start, end, 'end');
    });
    field.addEventListener('input', () => showTooltip(field));
  }

  for (const button of document.querySelectorAll('[data-operation]'))
    button.addEventListener('click', () => calculator.chooseOperation(Number(button.dataset.operation)));
  const closeMenus = () => {
    for (const top of document.querySelectorAll('[aria-haspopup]')) {
      top.setAttribute('aria-expanded', 'false');
      top.nextElementSibling.hidden = true;
    }
  };
  for (const control of document.querySelectorAll('[data-command]')) {
    control.addEventListener('click', () => {
      closeMenus();
      commands[control.dataset.command]();
    });
  }
  for (const top of document.querySelectorAll('[aria-haspopup]')) {
    top.addEventListener('click', () => {
      const opening = top.nextElementSibling.hidden;
      closeMenus();
      top.setAttribute('aria-expanded', String(opening));
      top.nextElementSibling.hidden = !opening;
    });
  }
  document.addEventListener('click', (event) => event.target.closest('.menu') || closeMenus());
  document.addEventListener('keydown', (event) => {
    const item = event.ctrlKey && document.querySelector(`[data-shortcut="${event.key.toUpperCase()}"]`);
    if (item && !dialog.open) {
      event.preventDefault();
      item.click();
    }
    if (event.key === 'Escape')
      closeMenus();
  });
  // A page may close only a window the user installed it into.
  const exit = document.querySelector('[data-command="exit"]');
  if (exit && !matchMedia('(display-mode: standalone)').matches) {
    if (exit.previousElementSibling?.role === 'separator')
      exit.previousElementSibling.remove();
    exit.remove();
  }

  // The window scales to fit the screen, in the described proportions. A screen in portrait shows the window at its full width, scrolling if need be; else the
  // whole window fits. Text lines round at each scale, so the scale is found again.
  const portrait = matchMedia('(orientation: portrait)');
  const fit = () => {
    form1.style.zoom = 1;
    for (let pass = 0; pass < 3; ++pass) {
      const { width, height } = form1.getBoundingClientRect();
      const across = innerWidth / width;
      form1.style.zoom = Number(form1.style.zoom) * (portrait.matches ? across : Math.min(across, innerHeight / height));
    }
  };
  const onPage = (element) => {
    const box = element.getBoundingClientRect();
    return { left: Math.round(box.left + scrollX), top: Math.round(box.top + scrollY),
      width: Math.round(box.width), height: Math.round(box.height) };
  };
  // The About window at the main window's scale, as far as the screen's width allows; beside
  // the main window where the screen has room, else below it, where it covers nothing.
  function showAbout() {
    form2.hidden = false;
    form2.style.zoom = 1;
    const zoom = Math.min(Number(form1.style.zoom), innerWidth / form2.offsetWidth);
    form2.style.zoom = zoom;
    const main = onPage(form1), about = onPage(form2);
    const shown = fields.filter((field) => field.tabIndex >= 0).map(onPage); // t(0) never shows
    const left = Math.min(...shown.map((box) => box.left)), top = Math.min(...shown.map((box) => box.top));
    const fieldsBox = { left, top, width: Math.max(...shown.map((box) => box.left + box.width)) - left,
      height: Math.max(...shown.map((box) => box.top + box.height)) - top };
    const screen = { left: 0, top: 0, width: innerWidth, height: Math.max(innerHeight, main.top + main.height + about.height) };
    const place = engine.placeBeside(main, fieldsBox, about.width, about.height, screen);
    form2.style.left = `${place.left / zoom}px`; // the About window's own lengths are zoomed
    form2.style.top = `${place.top / zoom}px`;
  }
  form2.addEventListener('click', (event) => { form2.hidden = !event.target.closest('[data-keeps-open]'); });

  addEventListener('resize', () => {
    fit();
    if (!form2.hidden)
      showAbout();
  });
  fit();
  firstField.focus();
  keepUpToDate(); // after the page's own fetches, which the worker's then find in the browser's cache
  performance.mark('usable');
  document.body.dataset.ready = 'true';
});
