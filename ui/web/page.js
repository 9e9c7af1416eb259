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

// It runs as soon as the page is parsed, before the first paint: the window takes input and is
// scaled at once; then it loads the engine its script element names (velmo.js and its .wasm).
// It is written for the browsers the README names: nothing newer than their JavaScript.
(() => {
  const engineScript = document.currentScript.dataset.engine;
  const byId = (id) => document.getElementById(id);
  const form1 = byId('Form1');
  const form2 = byId('Form2');
  const dialog = byId('message');
  const reading = byId('reading');
  const bubble = byId('bubble');
  const loading = byId('loading');
  const cannotRun = byId('cannot-run');
  const fields = [...document.querySelectorAll('[data-field]')].sort((a, b) => a.dataset.field - b.dataset.field);
  const results = fields.filter((field) => field.readOnly);
  const firstField = document.querySelector('[autofocus]');
  const kMoment = 400; // ms a wait may take before the window says it is loading

  // The engine, once loaded; what was chosen before, carried out then, in order.
  let engine = null;
  let calculator = null;
  let fieldSet = null;
  let broken = false;
  let saidLoading = 0;
  const waiting = [];
  const withEngine = (action) => {
    if (calculator)
      return action();
    if (broken)
      return undefined;
    waiting.push(action);
    saidLoading = saidLoading || setTimeout(() => { loading.hidden = false; }, kMoment);
    return undefined;
  };

  // Where the browser cannot run the calculator the window says so, and takes no input.
  const cannot = () => {
    broken = true;
    waiting.length = 0;
    clearTimeout(saidLoading);
    loading.hidden = true;
    cannotRun.hidden = false;
    cannotRun.classList.add('now');
    for (const control of form1.querySelectorAll('.picture input, .picture button'))
      control.disabled = true;
  };

  // The whole text when the field cuts it, then for a result field the explanation.
  const measure = document.createElement('canvas').getContext('2d');
  const showTooltip = (field) => {
    if (!calculator)
      return;
    measure.font = getComputedStyle(field).font;
    const cut = engine.Calculator.IsCut(Math.ceil(measure.measureText(field.value).width), field.offsetWidth);
    field.title = calculator.fieldTooltip(fields.indexOf(field), field.value, cut);
  };
  const showResult = () => {
    fields.forEach(showTooltip);
    reading.textContent = calculator.reading();
  };

  const commands = {
    evaluate: () => withEngine(() => {
      calculator.evaluate(fieldSet);
      showResult();
    }),
    new: () => withEngine(() => {
      calculator.clear(fieldSet);
      showResult();
      firstField.focus();
    }),
    exit: () => window.close(),
    about: () => showAbout(),
  };

  // Digits alone come from the keyboard. Backspace and the Ctrl+letter keys (cut, paste, undo)
  // are dropped as on the desktop, except that on a touch keyboard, which has no Delete key,
  // deleting works. A key dropped changes nothing, the selection included. Pasted text is
  // judged by "＝".
  let touchTyping = false;
  document.addEventListener('pointerdown', (event) => { touchTyping = event.pointerType === 'touch'; }, true);
  const onlyDigits = (text) => text.replace(/[^0-9]/g, '');
  // The browser's undo reaches back into the fields from anywhere on the page, a button too.
  document.addEventListener('keydown', (event) => {
    if ((event.ctrlKey || event.metaKey) && 'zy'.includes(event.key.toLowerCase()))
      event.preventDefault();
  });
  for (const field of fields) {
    field.addEventListener('keydown', (event) => {
      if ((event.key === 'Backspace' && !touchTyping) || ((event.ctrlKey || event.metaKey) && event.key.length === 1))
        event.preventDefault();
    });
    field.addEventListener('beforeinput', (event) => {
      const typed = event.data || '';
      if (!event.cancelable || !event.inputType.startsWith('insert') || event.inputType === 'insertFromPaste'
        || onlyDigits(typed) === typed)
        return;
      event.preventDefault();
      if (onlyDigits(typed) && !field.readOnly)
        field.setRangeText(onlyDigits(typed), field.selectionStart, field.selectionEnd, 'end');
    });
    // Text composed by an input method cannot be refused as it comes: what it commits is
    // cut down to its digits. Composing began by replacing the selection, which comes back
    // selected where no digit is left.
    let replaced = '';
    field.addEventListener('compositionstart', () => {
      replaced = field.value.slice(field.selectionStart, field.selectionEnd);
    });
    field.addEventListener('compositionend', (event) => {
      const end = field.selectionStart, start = end - event.data.length, digits = onlyDigits(event.data);
      if (start >= 0 && field.value.slice(start, end) === event.data && digits !== event.data)
        field.setRangeText(digits || replaced, start, end, digits ? 'end' : 'select');
    });
    field.addEventListener('input', () => showTooltip(field));
  }

  // A result field's tooltip, which touch screens and the keyboard never show, in a bubble beside
  // it while it has the focus or was tapped: at the window's scale, as far as the screen allows.
  const showBubble = (field) => {
    bubble.textContent = field.title;
    bubble.hidden = !field.title;
    const screenWidth = document.documentElement.clientWidth;
    bubble.style.zoom = 1;
    const zoom = Math.min(Number(form1.style.zoom), screenWidth / bubble.offsetWidth);
    bubble.style.zoom = zoom;
    const box = field.getBoundingClientRect();
    const { width, height } = bubble.getBoundingClientRect();
    const below = box.bottom + height <= innerHeight || box.top < height;
    bubble.style.left = `${(Math.max(0, Math.min(box.left, screenWidth - width)) + scrollX) / zoom}px`; // zoomed too
    bubble.style.top = `${((below ? box.bottom : box.top - height) + scrollY) / zoom}px`;
  };
  const hideBubble = () => { bubble.hidden = true; };
  for (const field of results) {
    field.addEventListener('focus', () => showBubble(field));
    field.addEventListener('click', () => showBubble(field));
    field.addEventListener('blur', hideBubble);
  }

  for (const button of document.querySelectorAll('[data-operation]'))
    button.addEventListener('click', () => withEngine(() => calculator.chooseOperation(Number(button.dataset.operation))));
  const menuButtons = [...document.querySelectorAll('.menu > button')];
  const closeMenus = () => {
    for (const top of menuButtons) {
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
  for (const top of menuButtons) {
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
    if (event.key !== 'Escape')
      return;
    const openMenu = document.activeElement.closest('.items');
    closeMenus();
    if (openMenu)
      openMenu.previousElementSibling.focus();
    hideBubble();
    if (!form2.hidden)
      hideAbout();
  });
  // While a message is open, Enter answers it, wherever in it the focus went.
  dialog.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      dialog.close();
    }
  });
  // A page may close only a window the user installed it into.
  const exit = document.querySelector('[data-command="exit"]');
  if (exit && !matchMedia('(display-mode: standalone)').matches) {
    if (exit.previousElementSibling && exit.previousElementSibling.matches('[role=separator]'))
      exit.previousElementSibling.remove();
    exit.remove();
  }

  // The window scales to fit the screen, in the described proportions: whole, as large as the
  // screen allows, wherever it fits at 100% or more; else at the screen's full width, scrolling.
  // Browser zoom since the page opened enlarges it beyond that. Text lines round at each scale,
  // so the scale is found again.
  const openedRatio = devicePixelRatio;
  const fit = () => {
    const enlarged = devicePixelRatio / openedRatio;
    form1.style.zoom = 1;
    for (let pass = 0; pass < 3; ++pass) {
      const zoom = Number(form1.style.zoom);
      const { width, height } = form1.getBoundingClientRect();
      const across = (document.documentElement.clientWidth * enlarged * zoom) / width;
      const whole = Math.min(across, (innerHeight * enlarged * zoom) / height);
      form1.style.zoom = whole >= 1 ? whole : across;
    }
  };
  const onPage = (element) => {
    const box = element.getBoundingClientRect();
    return { left: Math.round(box.left + scrollX), top: Math.round(box.top + scrollY),
      width: Math.round(box.width), height: Math.round(box.height) };
  };
  // The About window at the main window's scale, as far as the screen's width allows; beside
  // the main window where the screen has room, else below it, where it covers nothing. It takes
  // the focus, and gives it back where it was when it hides.
  let focusBefore = firstField;
  document.addEventListener('focusin', (event) => {
    if (!event.target.closest('.menubar, #Form2, dialog'))
      focusBefore = event.target;
  });
  function placeAbout() {
    form2.style.zoom = 1;
    const zoom = Math.min(Number(form1.style.zoom), innerWidth / form2.offsetWidth);
    form2.style.zoom = zoom;
    const main = onPage(form1), about = onPage(form2);
    const shown = fields.filter((field) => field.tabIndex >= 0).map(onPage); // t(0) never shows
    const left = Math.min(...shown.map((box) => box.left)), top = Math.min(...shown.map((box) => box.top));
    const fieldsBox = { left, top, width: Math.max(...shown.map((box) => box.left + box.width)) - left,
      height: Math.max(...shown.map((box) => box.top + box.height)) - top };
    const screen = { left: 0, top: 0, width: innerWidth, height: Math.max(innerHeight, main.top + main.height + about.height) };
    const place = engine ? engine.placeBeside(main, fieldsBox, about.width, about.height, screen)
      : { left: main.left, top: main.top + main.height }; // below, until the engine can say where
    form2.style.left = `${place.left / zoom}px`; // the About window's own lengths are zoomed
    form2.style.top = `${place.top / zoom}px`;
  }
  function showAbout() {
    form2.hidden = false;
    placeAbout();
    form2.focus();
  }
  function hideAbout() {
    form2.hidden = true;
    focusBefore.focus();
  }
  // A click on the caption bar is no click on the window, as on the desktop.
  form2.addEventListener('click', (event) => {
    if (!event.target.closest('[data-keeps-open], .caption'))
      hideAbout();
  });

  // A touch keyboard opening leaves the window as it is; the focused field is scrolled into view.
  let screenWidth = innerWidth, screenHeight = innerHeight;
  addEventListener('resize', () => {
    const keyboard = touchTyping && innerWidth === screenWidth && innerHeight < screenHeight
      && document.activeElement.matches('input');
    screenWidth = innerWidth;
    if (keyboard)
      return; // the visual viewport's handler shows the field
    screenHeight = innerHeight;
    fit();
    if (!form2.hidden)
      placeAbout();
  });
  if (window.visualViewport)
    visualViewport.addEventListener('resize', () => document.activeElement.matches('input')
      && document.activeElement.scrollIntoView({ block: 'nearest' }));
  fit();
  firstField.focus();
  cannotRun.hidden = true;
  performance.mark('usable');

  const start = (loaded) => {
    // Never the script of one build with the page or engine of another (a half-finished upload).
    // Served by the worker, which keeps builds whole, the page mixes them only when a new build
    // took over while it loaded: that one is loaded whole.
    const builds = [document.documentElement.dataset.version, kVersion, loaded.version()];
    if (new Set(builds).size !== 1) {
      if (navigator.serviceWorker && navigator.serviceWorker.controller)
        location.reload();
      throw new Error(`page, script and engine of different builds: ${builds}`);
    }
    engine = loaded;
    calculator = new engine.Calculator();
    fieldSet = engine.FieldSet.implement({
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
    performance.mark('engine-ready');
    clearTimeout(saidLoading);
    loading.hidden = true;
    fields.forEach(showTooltip);
    if (!form2.hidden)
      placeAbout();
    waiting.splice(0).forEach((action) => action());
    keepUpToDate(); // after the page's own fetches, which the worker's then find in the browser's cache
    document.body.dataset.ready = 'true';
  };
  if (typeof WebAssembly !== 'object' || typeof dialog.showModal !== 'function' || !engineScript)
    return cannot();
  const script = Object.assign(document.createElement('script'), { src: engineScript });
  script.addEventListener('load', () => (typeof VelmoEngine === 'function'
    ? VelmoEngine({ onAbort: cannot }).then(start, cannot) : cannot()));
  script.addEventListener('error', cannot);
  const wasm = Object.assign(document.createElement('link'), // fetched beside the script
    { rel: 'preload', as: 'fetch', crossOrigin: 'anonymous', href: engineScript.replace(/\.js$/, '.wasm') });
  document.head.append(wasm, script);
  return undefined;
})();
