// SPDX-License-Identifier: MIT
// The page's side of the form, as GameForm is the window's: it finds the form's
// controls in the page's markup, listens to their events, tells what each is in the
// pick rule's terms and calls the handler for it in the game's WebAssembly
// (web/gamepage.cpp); and it carries out on the page each write the handlers make.
// The build puts the WebAssembly in as base64, so that the page is one classic script
// that also runs from disk, where a browser fetches nothing. The browser fetches it
// while it reads the page and runs it once it has read it.

(() => {
  'use strict';

  const byId = (id) => document.getElementById(id);
  const list = byId('List1');
  const label1 = [0, 1, 2].map((index) => byId(`Label1_${index}`));
  const text2 = [0, 1, 2].map((index) => byId(`Text2_${index}`));
  const text1 = byId('Text1_0');
  const command1 = [0, 1].map((index) => byId(`Command1_${index}`));
  const announcement = byId('announcement');

  let game; // the WebAssembly's exports
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  const text = (at, length) => decoder.decode(new Uint8Array(game.memory.buffer, at, length));
  // Writes a text where the module receives it (gamepage.cpp, receive()).
  const send = (value) => {
    const bytes = encoder.encode(value);
    new Uint8Array(game.memory.buffer, game.receive(bytes.length), bytes.length).set(bytes);
  };

  const showFromTheTop = (area, value) => {
    area.value = value;
    // Setting a text area's text puts its caret at the end, and the browser scrolls to
    // the caret when the area takes the focus; the text is read from its first line.
    area.setSelectionRange(0, 0);
    area.scrollTop = 0;
  };

  const page = {
    setCaption: (at, length) => { document.title = text(at, length); },
    setLabel1Caption: (index, at, length) => { label1[index].textContent = text(at, length); },
    setText2: (index, at, length) => { text2[index].value = text(at, length); },
    setText2Locked: (locked) => { text2[2].readOnly = locked !== 0; },
    setText1: (at, length) => showFromTheTop(text1, text(at, length)),
    setList1Items: (at, length) => {
      const items = text(at, length).split('\n').slice(0, -1);
      list.selectedIndex = -1;
      // A list that already shows the items (the markup's first list, when the form
      // is loaded) is left as it is.
      if (items.length === list.length && items.every((item, row) => item === list.options[row].text)) return;
      list.replaceChildren(...items.map((item) => new Option(item)));
    },
    list1ListIndex: () => list.selectedIndex,
    setList1ListIndex: (index) => {
      list.selectedIndex = index;
      // A list box keeps its scroll position when the selection is set from a script;
      // the selected item is brought into view as a picked item is in the window.
      list.options[index]?.scrollIntoView({ block: 'nearest' });
    },
    announce: (at, length) => {
      // Each phrase comes in a paragraph of its own, which replaces the one before: a
      // live region announces the elements added to it, even with the text it had,
      // whereas the same text set again ("Остатък 0" after "Остатък 0", "Нова игра"
      // after "Нова игра") is no change to Chromium, and Orca says nothing.
      const paragraph = document.createElement('p');
      paragraph.textContent = text(at, length);
      announcement.replaceChildren(paragraph);
    },
    reportRunTimeError: (at, length) => window.alert(text(at, length)),
    logProgrammingError: (at, length) => console.error(`rovalin: programming error: ${text(at, length)}`),
    setControlTexts: (name, nameLength, caption, captionLength, label, labelLength, description, descriptionLength) => {
      const control = byId(text(name, nameLength));
      const shown = text(caption, captionLength);
      if (control.tagName === 'TEXTAREA') showFromTheTop(control, shown);
      else if (captionLength > 0) control.textContent = shown;
      if (labelLength > 0) control.setAttribute('aria-label', text(label, labelLength));
      if (descriptionLength > 0) control.setAttribute('aria-description', text(description, descriptionLength));
    },
  };
  // What the C library of the module asks of its system: the clock, which seeds the
  // game's draws to the part of a second, and the end, which only a programming error
  // reaches.
  const clock = {
    timespec_get: (at, base) => {
      const nanoseconds = BigInt(Math.round((performance.timeOrigin + performance.now()) * 1e6));
      const memory = new DataView(game.memory.buffer);
      memory.setBigInt64(at, nanoseconds / 1000000000n, true);
      memory.setInt32(at + 8, Number(nanoseconds % 1000000000n), true);
      return base;
    },
  };
  const system = {
    proc_exit: (code) => { throw new Error(`rovalin: programming error: the game stopped (${code})`); },
  };

  const listen = () => {
    // Only the player's presses, taps and keys can pick; the list's change events, which
    // the browser raises by rules of its own, are not listened to.
    const row = (target) => (target.tagName === 'OPTION' ? target.index : -1);
    const press = (target, button, clickCount) => {
      // A press gives the list the focus, as the browser's list box would.
      list.focus();
      game.list1MouseDown(button, clickCount, row(target));
    };

    list.addEventListener('mousedown', (event) => {
      // On the scroll bar, at the list's end edge (its left in a language written
      // right to left), the browser scrolls the list.
      if (event.target === list && (event.offsetX < 0 || event.offsetX >= list.clientWidth)) return;
      // The browser's own list box would select on the press and again while dragging;
      // the handlers decide instead.
      event.preventDefault();
      press(event.target, event.button, Math.max(event.detail, 1));
    });

    // A tap on the list box brings no mouse events: the browser selects on it by itself,
    // so the end of the touch is where the page tells a tap from a swipe. A second tap
    // this soon after the first and this close to it (in CSS pixels) completes a double
    // tap, as a second click does a double click.
    const doubleTapMilliseconds = 500;
    const doubleTapDistance = 24;
    let lastTap = { time: -Infinity, x: 0, y: 0, count: 0 };
    list.addEventListener('touchend', (event) => {
      // Once a finger moves beyond a tap, the browser scrolls (or zooms) with it and makes
      // the touch's end uncancelable; another finger still down makes it no tap either.
      if (!event.cancelable || event.touches.length > 0 || event.target.tagName !== 'OPTION') return;
      event.preventDefault();
      const { clientX: x, clientY: y } = event.changedTouches[0];
      const again = event.timeStamp - lastTap.time <= doubleTapMilliseconds
        && Math.hypot(x - lastTap.x, y - lastTap.y) <= doubleTapDistance;
      lastTap = { time: event.timeStamp, x, y, count: again ? lastTap.count + 1 : 1 };
      press(event.target, 0, lastTap.count);
    });

    list.addEventListener('keydown', (event) => {
      send(event.key);
      const rowHeight = list.options[0]?.offsetHeight ?? 0;
      const system = event.altKey || event.metaKey;
      if (game.list1KeyDown(event.ctrlKey || system, system, list.clientHeight, rowHeight)) {
        event.preventDefault();
      } else if (system) {
        // A key held with Alt or Meta goes on to the browser, whose shortcut it may be
        // (Alt+Left is Back); its own list box then moves the selection on some of them
        // (Alt+End), as it tells at once by an input event: the selection the game
        // shows is put back before it is drawn.
        const shown = list.selectedIndex;
        const putBack = () => { list.selectedIndex = shown; };
        list.addEventListener('input', putBack, { once: true });
        setTimeout(() => list.removeEventListener('input', putBack));
      }
    });

    command1.forEach((button, index) => button.addEventListener('click', () => game.command1Click(index)));
  };

  // The module, compiled as the script runs: a module this small compiles in a few
  // milliseconds on the page's own thread, where compiling it beside would put the
  // hops between threads, and the other work of a busy device, before the first answer.
  // Browsers that refuse modules of more than 4 KB on the page's thread (Chromium did
  // for years) compile it beside instead.
  const bytes = atob('@WASM_BASE64@');
  const code = new Uint8Array(bytes.length);
  for (let at = 0; at < bytes.length; ++at) code[at] = bytes.charCodeAt(at);
  const imports = { page, env: clock, wasi_snapshot_preview1: system };
  let module;
  try {
    module = new WebAssembly.Instance(new WebAssembly.Module(code), imports);
  } catch (refused) {
    if (!(refused instanceof RangeError)) throw refused;
    module = WebAssembly.instantiate(code, imports).then(({ instance }) => instance);
  }
  // The module, the page's language and its texts, then the form is loaded and takes
  // the player's input.
  Promise.all([module, window.rovalinStart.texts]).then(([instance, { language, texts, inMarkup }]) => {
    // The number the pupil picked before now, which the browser's list box selected.
    const pickedEarly = window.rovalinStart.touchedEarly() ? list.selectedIndex : -1;
    game = instance.exports;
    game._initialize();
    // The fractions a script put in the global rovalinTestFractions before the page
    // loaded, if any: the page's tests draw the hidden numbers they want with them.
    for (const fraction of window.rovalinTestFractions ?? []) game.useTestFraction(fraction);
    send([language.code, ...Object.entries(texts).flat()].map((field) => `${field}\0`).join(''));
    game.formLoad(inMarkup, language.dir === 'rtl');
    listen();
    // Answered now, once, as a press on it would be.
    if (pickedEarly >= 0) game.list1MouseDown(0, 1, pickedEarly);
    document.documentElement.removeAttribute('data-translating');
    // The statement box takes the focus as the window's does, unless the player has
    // put it elsewhere meanwhile.
    if (document.activeElement === document.body) text1.focus();
    // Read by the page's tests.
    window.rovalinGame = { pickCount: () => game.pickCount() };
  });
})();
