// SPDX-License-Identifier: MIT
// The page's cold first visit against its floor: the same form written as plain HTML,
// with no script at all.
//
// Every load starts Debian's Chromium with a fresh profile (no HTTP cache, no service
// worker, no compiled code kept), opens the page or its floor, over http from a loopback
// server and from disk, and records inside the page, from navigation start, when the
// form is shown and when a first pick is possible; and, as a pupil would find it, when
// the first answer is shown: a real click on the list's first number is sent as soon as
// the number exists, and again until one is answered, and the first frame that shows a
// remainder is the page's first answer, set against the floor's form shown. Page and floor alternate, in turns,
// so a busy spell of a shared machine falls on both. The floor is generated at every
// run from the page folder given, so the benchmark follows the page whatever it becomes.
// Prints figures and ratios; judges nothing.
//
// usage: node bench/page-coldstart.mjs [--web-font] [paired loads, default 9] [page folder, default build/web/page]
//   --web-font  the browser sees no local font but DejaVu, as on a tablet that has neither
//               Times New Roman nor Liberation Serif, so the page loads its own font

import { cp, mkdtemp, readFile, rm, stat, writeFile } from 'node:fs/promises';
import { existsSync, readFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { launchBrowser, repositoryRoot } from '../web/tests/support/browser.mjs';
import { startStaticServer } from '../web/tests/support/staticserver.mjs';

const listSize = 30;
const firstListNumber = 20;
// Past this a load counts as broken rather than slow.
const loadTimeoutMs = 60_000;
// The service worker's copy is taken once no request has been open for this long.
const quietMs = 500;
// What the probe in the page writes on the console once the first pick is possible.
const readySignal = 'rovalin-coldstart: first pick possible';
// What it writes once the list's first number exists, and once a click has been answered.
const numberSignal = 'rovalin-coldstart: first number exists';
const answerSignal = 'rovalin-coldstart: answered';
// How long the clicks on the first number wait for an answer before the next.
const clickEveryMs = 25;
const usage = 'usage: node bench/page-coldstart.mjs [--web-font] [paired loads, default 9] [page folder, default build/web/page]';

// What every browser of the run is launched with, beyond web/tests/support/browser.mjs.
const browserOptions = {};

// A fontconfig setup that offers DejaVu alone (with the system's cache of it), so that
// neither of the fonts the form names before its own is installed.
async function withoutLocalSerif(folder) {
  const file = path.join(folder, 'fonts.conf');
  await writeFile(file, `<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir>${path.join(folder, 'fontconfig-cache')}</cachedir>
</fontconfig>
`);
  return { ...process.env, FONTCONFIG_FILE: file };
}

// ---------------------------------------------------------------------------------
// In the page: the probe, added before any of the page's own scripts runs.
//
// "Form shown" is the end of the first frame rendered once #rovalin is not hidden, its
// list holds its 30 numbers and no font is still loading (text in a font being loaded is
// drawn invisible). The same rule holds for page and floor, which is what makes them
// comparable: on the floor the parser creates the list, on the page the script does,
// and either way the moment counts only after the browser has laid out and painted a
// frame with it, so the floor's figure includes waiting for its stylesheet just as the
// page's does. The frame's end is taken as the first task after the animation frame in
// which the condition held: the browser lays out and paints in that same task. The
// paint timing entries (first contentful paint) are printed beside it but not used:
// they come from the compositor a little later, and on the page they would count the
// language links alone, or a form whose list is not filled yet.
//
// "First pick possible" is when a click on a number would be handled: the form is
// shown; a listener for a press, click, tap or key is attached to the list or to an
// element that holds it (or the document, or the window), and the task that attached
// it has ended; and the page's script has finished starting: every script element has
// run, every fetch it started has been read, every WebAssembly it compiles is
// instantiated. On the floor, which has no script, it is the moment the form is shown.
function coldStartProbe({ listSize: wanted, readySignal, numberSignal, answerSignal, clicked }) {
  const now = () => performance.now();
  const addListener = EventTarget.prototype.addEventListener;
  const channel = new MessageChannel();
  const afterTask = [];
  channel.port1.onmessage = () => {
    const time = now();
    for (const callback of afterTask.splice(0)) callback(time);
  };
  // Runs callback(time) in a task of its own, after the present one.
  const nextTask = (callback) => {
    afterTask.push(callback);
    if (afterTask.length === 1) channel.port2.postMessage(null);
  };

  const probe = { marks: {}, loaded: [], wasm: [], fetches: [] };
  window.rovalinColdStart = probe;
  // Ready once the first pick is possible and, where the list is clicked on a page with
  // a script, a click has been answered.
  const finish = () => {
    if (!('first pick possible' in probe.marks)) return;
    if (!clicked || !hasScript() || 'first answer' in probe.marks) console.debug(readySignal);
  };
  const mark = (name, time = now()) => {
    if (!(name in probe.marks)) probe.marks[name] = time;
  };

  // Listeners the page attaches for what a pick is made with.
  const pickEvents = new Set(['mousedown', 'mouseup', 'click', 'pointerdown', 'pointerup',
    'touchstart', 'touchend', 'keydown', 'change', 'input']);
  const attached = [];
  const noteListener = (target, type) => {
    if (!pickEvents.has(type)) return;
    const entry = { target, taskEnded: undefined };
    attached.push(entry);
    nextTask((time) => { entry.taskEnded = time; check(); });
  };
  EventTarget.prototype.addEventListener = function addEventListener(type, ...rest) {
    noteListener(this, type);
    return addListener.call(this, type, ...rest);
  };
  for (const prototype of [HTMLElement.prototype, Document.prototype]) {
    for (const type of pickEvents) {
      const property = Object.getOwnPropertyDescriptor(prototype, `on${type}`);
      if (!property?.set) continue;
      Object.defineProperty(prototype, `on${type}`, {
        ...property,
        set(handler) {
          noteListener(this, type);
          property.set.call(this, handler);
        },
      });
    }
  }

  // The WebAssembly's compiling and instantiating.
  for (const name of ['instantiate', 'instantiateStreaming', 'compile', 'compileStreaming']) {
    const original = WebAssembly[name];
    if (typeof original !== 'function') continue;
    WebAssembly[name] = function timed(...rest) {
      const entry = { name, start: now(), end: undefined };
      probe.wasm.push(entry);
      const settle = () => { entry.end = now(); check(); };
      const result = original.apply(this, rest);
      result.then(settle, settle);
      return result;
    };
  }
  // Fetches, until their bodies are read: the runtime fetches its WebAssembly from a
  // data: address inside its script. A check follows a task later, once the page has
  // had the body and could start compiling it.
  const fetchOriginal = window.fetch;
  const fetched = new WeakMap();
  const fetchEnded = (entry) => {
    entry.end = now();
    nextTask(check);
  };
  window.fetch = function timedFetch(input, ...rest) {
    const url = String(input?.url ?? input);
    const entry = { url: url.startsWith('data:') ? `data: address of ${url.length} characters` : url,
      start: now(), end: undefined };
    probe.fetches.push(entry);
    const result = fetchOriginal.call(this, input, ...rest);
    result.then((response) => fetched.set(response, entry), () => fetchEnded(entry));
    return result;
  };
  for (const reader of ['arrayBuffer', 'blob', 'bytes', 'formData', 'json', 'text']) {
    const original = Response.prototype[reader];
    if (typeof original !== 'function') continue;
    Response.prototype[reader] = function timedRead(...rest) {
      const result = original.apply(this, rest);
      const entry = fetched.get(this);
      if (entry) result.then(() => fetchEnded(entry), () => fetchEnded(entry));
      return result;
    };
  }

  // Scripts and stylesheets as each has been fetched and run.
  const finishedScripts = new WeakSet();
  const elementLoaded = (event) => {
    const element = event.target;
    if (element instanceof HTMLScriptElement || element instanceof HTMLLinkElement) {
      finishedScripts.add(element);
      probe.loaded.push({ src: element.src || element.href, kind: element.localName, at: now(), failed: event.type === 'error' });
      check();
    }
  };
  addListener.call(document, 'load', elementLoaded, true);
  addListener.call(document, 'error', elementLoaded, true);
  addListener.call(document, 'DOMContentLoaded', () => check());
  addListener.call(window, 'load', () => check());
  addListener.call(document.fonts, 'loading', () => mark('fonts start loading'));

  // The clicks sent on the first number, and the first frame that shows a remainder:
  // the form's first text box, empty until a first number is picked, then holds it.
  probe.clicks = 0;
  const answerShown = () => Boolean(document.querySelector('#rovalin input')?.value);
  const watchAnswer = () => requestAnimationFrame(() => {
    const answered = answerShown();
    nextTask((time) => {
      if (!answered) {
        watchAnswer();
        return;
      }
      mark('first answer', time);
      console.debug(answerSignal);
      finish();
    });
  });
  addListener.call(window, 'mousedown', () => {
    probe.clicks += 1;
    if (probe.clicks > 1) return;
    mark('first click arrives');
    watchAnswer();
  }, true);
  addListener.call(document.fonts, 'loadingdone', () => { mark('fonts loaded'); check(); });

  const theList = () => document.getElementById('rovalin')?.querySelector('select, [role="listbox"]');
  // The list holds the first numbers, or a click has already been answered (a warm
  // page may answer before a frame with the first list was seen): the form is there.
  const listFilled = () => {
    const form = document.getElementById('rovalin');
    const list = theList();
    return Boolean(form && !form.hidden && list
      && (list.querySelectorAll('option, [role="option"]').length === wanted || answerShown()));
  };
  const handlersAttached = () => {
    const list = theList();
    const ready = attached.filter((entry) => list && entry.taskEnded !== undefined
      && (entry.target === window || (entry.target instanceof Node && entry.target.contains(list))));
    return ready.length ? Math.min(...ready.map((entry) => entry.taskEnded)) : undefined;
  };
  const scriptStarted = () => [...document.scripts].every((script) => !script.src || finishedScripts.has(script))
    && probe.fetches.every((entry) => entry.end !== undefined)
    && probe.wasm.every((entry) => entry.end !== undefined);
  const hasScript = () => document.scripts.length > 0 || attached.length > 0 || probe.wasm.length > 0;

  let watchingFrames = false;
  // Waits for a rendered frame in which the form is visible and filled; after it, if a
  // font began loading for it, for the font and another frame.
  const watchFrames = () => {
    if (watchingFrames || 'form shown' in probe.marks) return;
    watchingFrames = true;
    requestAnimationFrame(() => {
      const form = document.getElementById('rovalin');
      const visible = listFilled() && form.checkVisibility({ visibilityProperty: true, opacityProperty: true });
      nextTask((time) => {
        watchingFrames = false;
        if (!visible) {
          if (listFilled()) watchFrames();
          return;
        }
        if (document.fonts.status === 'loading') {
          document.fonts.ready.then(watchFrames);
          return;
        }
        mark('form shown', time);
        check();
      });
    });
  };

  function check() {
    if (!('first number exists' in probe.marks) && theList()?.querySelector('option, [role="option"]')) {
      mark('first number exists');
      console.debug(numberSignal);
    }
    if ('first pick possible' in probe.marks) return;
    if (listFilled()) {
      mark('form filled');
      watchFrames();
    }
    const handlers = handlersAttached();
    if (handlers !== undefined) mark('handlers attached', handlers);
    if (!('form shown' in probe.marks) || document.readyState === 'loading') return;
    const shown = probe.marks['form shown'];
    if (!hasScript()) {
      mark('first pick possible', shown);
    } else if (handlers !== undefined && scriptStarted()) {
      mark('first pick possible', Math.max(shown, handlers, ...probe.wasm.map((entry) => entry.end)));
    } else {
      return;
    }
    finish();
  }
  new MutationObserver(check).observe(document, {
    subtree: true, childList: true, attributes: true, attributeFilter: ['hidden', 'style', 'class'],
  });
}

// In the page, once it is ready: everything recorded, as plain data.
function collectProbe() {
  const probe = window.rovalinColdStart;
  const navigation = performance.getEntriesByType('navigation')[0];
  const marks = { ...probe.marks };
  if (navigation) {
    marks['document received'] = navigation.responseEnd;
    marks['DOMContentLoaded'] = navigation.domContentLoadedEventStart;
    if (navigation.loadEventStart > 0) marks['load event'] = navigation.loadEventStart;
  }
  for (const entry of performance.getEntriesByType('paint')) marks[entry.name] = entry.startTime;
  const nameOf = (url) => (url.startsWith('data:') ? url : decodeURIComponent(new URL(url).pathname.split('/').pop()));
  for (const { src, kind, at, failed } of probe.loaded) {
    marks[`${failed ? 'failed' : kind === 'script' ? 'script run' : 'loaded'}: ${nameOf(src)}`] = at;
  }
  const numbered = (list, index) => (list.length > 1 ? ` ${index + 1}` : '');
  probe.fetches.forEach((entry, index) => {
    marks[`fetch${numbered(probe.fetches, index)} started: ${nameOf(entry.url)}`] = entry.start;
    if (entry.end !== undefined) marks[`fetch${numbered(probe.fetches, index)} read: ${nameOf(entry.url)}`] = entry.end;
  });
  probe.wasm.forEach((entry, index) => {
    marks[`WebAssembly.${entry.name}${numbered(probe.wasm, index)} called`] = entry.start;
    if (entry.end !== undefined) marks[`WebAssembly.${entry.name}${numbered(probe.wasm, index)} settled`] = entry.end;
  });
  const wasmMs = probe.wasm.filter((entry) => entry.end !== undefined).reduce((sum, entry) => sum + entry.end - entry.start, 0);
  return { marks, wasmMs, clicks: probe.clicks };
}

// ---------------------------------------------------------------------------------
// In the real page, once it is ready: the form's first contents as static HTML. Live
// state a script sets as properties (the boxes' values, the selection, the focus) is
// written into attributes, and every style attribute is moved into rules: the page's
// Content-Security-Policy, kept unchanged on the floor, refuses style attributes in
// markup. The rules are !important, which gives them the last word over the page's
// stylesheet, as an inline style has.
function serialiseForm({ headHtml }) {
  const rules = [];
  let styled = 0;
  const moveStyle = (live, copy, selector) => {
    if (!live.style || live.style.length === 0) return;
    const declarations = [];
    for (let index = 0; index < live.style.length; ++index) {
      const property = live.style[index];
      declarations.push(`${property}: ${live.style.getPropertyValue(property)} !important;`);
    }
    let target = selector;
    if (!target) {
      styled += 1;
      copy.setAttribute('data-floor-style', String(styled));
      target = `[data-floor-style="${styled}"]`;
    }
    rules.push(`${target} { ${declarations.join(' ')} }`);
    copy.removeAttribute('style');
  };
  const writeState = (live, copy) => {
    for (const attribute of [...copy.attributes]) {
      if (attribute.name.startsWith('on')) copy.removeAttribute(attribute.name);
    }
    if (live instanceof HTMLInputElement) {
      if (live.type === 'checkbox' || live.type === 'radio') copy.toggleAttribute('checked', live.checked);
      else copy.setAttribute('value', live.value);
    } else if (live instanceof HTMLTextAreaElement) {
      copy.textContent = live.value;
    } else if (live instanceof HTMLOptionElement) {
      copy.toggleAttribute('selected', live.selected);
    }
    if (live === document.activeElement && live !== document.body) copy.setAttribute('autofocus', '');
  };

  const body = document.body.cloneNode(true);
  const liveElements = [document.body, ...document.body.querySelectorAll('*')];
  const copies = [body, ...body.querySelectorAll('*')];
  liveElements.forEach((live, index) => {
    writeState(live, copies[index]);
    moveStyle(live, copies[index], live === document.body ? 'body' : undefined);
  });
  for (const script of body.querySelectorAll('script')) script.remove();
  // Rules a script gave the page through constructed stylesheets.
  for (const sheet of document.adoptedStyleSheets) {
    for (const rule of sheet.cssRules) rules.push(rule.cssText);
  }

  const html = document.createElement('html');
  for (const attribute of document.documentElement.attributes) {
    if (attribute.name !== 'style') html.setAttribute(attribute.name, attribute.value);
  }
  moveStyle(document.documentElement, html, 'html');
  // The head as the file has it (not as the script left it), without its scripts and
  // what is preloaded for them; a font or a stylesheet preloaded stays.
  const head = new DOMParser().parseFromString(`<!DOCTYPE html><html>${headHtml}</html>`, 'text/html').head;
  const forScripts = 'script, link[rel~="modulepreload"], link[rel~="preload"]:is([as="script"], [as="fetch"], [as="worker"])';
  for (const element of head.querySelectorAll(forScripts)) {
    element.remove();
  }
  const stylesheets = [...head.querySelectorAll('link[rel~="stylesheet"]')].map((link) => link.getAttribute('href'));
  const openTag = html.outerHTML.replace(/<\/html>$/, '');
  return {
    before: `<!DOCTYPE html>\n${openTag}\n`,
    head: head.outerHTML,
    body: body.outerHTML,
    css: rules.join('\n'),
    stylesheets,
  };
}

// In the page or the floor: what the form shows, to compare the two; and whether the
// document holds a script.
function shownForm() {
  const list = document.querySelector('#rovalin select, #rovalin [role="listbox"]');
  return {
    scripts: document.scripts.length,
    numbers: list ? [...list.querySelectorAll('option, [role="option"]')].map((option) => option.textContent.trim()) : [],
    layout: [...document.querySelectorAll('#rovalin, #rovalin *')].map((element) => {
      const box = element.getBoundingClientRect();
      return { tag: element.localName, box: [box.left, box.top, box.width, box.height],
        font: getComputedStyle(element).fontFamily };
    }),
  };
}

// ---------------------------------------------------------------------------------
// In Node.

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

function formatMs(value) {
  return value === undefined ? '–' : value.toFixed(1);
}

// The requests of one browser, as they start and end, and how many are still open.
function watchRequests(context) {
  const requests = [];
  let open = 0;
  let lastChange = Date.now();
  const ended = (request) => {
    const entry = requests.find((item) => item.request === request);
    if (entry && !entry.ended) {
      entry.ended = true;
      open -= 1;
      lastChange = Date.now();
    }
  };
  context.on('request', (request) => {
    requests.push({ request, url: request.url(), serviceWorker: Boolean(request.serviceWorker()), ended: false, failed: false });
    open += 1;
    lastChange = Date.now();
  });
  context.on('requestfinished', ended);
  context.on('requestfailed', (request) => {
    const entry = requests.find((item) => item.request === request);
    if (entry) entry.failed = true;
    ended(request);
  });
  context.on('response', (response) => {
    const entry = requests.find((item) => item.request === response.request());
    if (entry) {
      entry.status = response.status();
      entry.fromServiceWorker = response.fromServiceWorker();
    }
  });
  return {
    requests,
    // Resolves once no request has been open for quietMs.
    quiet: async () => {
      const deadline = Date.now() + loadTimeoutMs;
      while (open > 0 || Date.now() - lastChange < quietMs) {
        if (Date.now() > deadline) throw new Error('requests still open after a minute');
        await new Promise((resolve) => setTimeout(resolve, 50));
      }
    },
  };
}

async function withTimeout(promise, what) {
  let timer;
  const timeout = new Promise((resolve, reject) => {
    timer = setTimeout(() => reject(new Error(`${what}: not ready after ${loadTimeoutMs / 1000} s`)), loadTimeoutMs);
  });
  try {
    return await Promise.race([promise, timeout]);
  } finally {
    clearTimeout(timer);
  }
}

// Opens url in a new tab of context and waits until the first pick is possible and,
// with clickAt (the centre of the list's first number, where the page lays it out), a
// click there has been answered: clicks are sent from the moment the number exists,
// one every clickEveryMs until one is answered (or, on the floor, until it is ready).
// The probe says each on the console, so that nothing is evaluated in the page while it
// loads.
async function timedLoad(context, url, what, clickAt) {
  const page = await context.newPage();
  const errors = [];
  let ready;
  const readyOrBroken = new Promise((resolve, reject) => {
    ready = resolve;
    page.on('pageerror', (error) => {
      errors.push(`page error: ${error.message}`);
      reject(new Error(`${what}: ${errors.join('; ')}`));
    });
  });
  let clicking = false;
  let answered = false;
  let isReady = false;
  const clickUntilAnswered = async () => {
    clicking = true;
    while (!answered && !isReady) {
      await page.mouse.click(clickAt.x, clickAt.y);
      await new Promise((resolve) => setTimeout(resolve, clickEveryMs));
    }
  };
  page.on('console', (message) => {
    const text = message.text();
    if (text === readySignal) {
      isReady = true;
      ready();
    } else if (text === answerSignal) {
      answered = true;
    } else if (text === numberSignal && clickAt && !clicking) {
      clickUntilAnswered().catch(() => {});
    }
  });
  await page.addInitScript(coldStartProbe, { listSize, readySignal, numberSignal, answerSignal, clicked: Boolean(clickAt) });
  await page.goto(url, { waitUntil: 'commit' });
  await withTimeout(readyOrBroken, what);
  isReady = true;
  // Collected once the requests have calmed down: the paint entries come late.
  const collect = async () => {
    if (errors.length) throw new Error(`${what}: ${errors.join('; ')}`);
    return page.evaluate(collectProbe);
  };
  return { page, collect };
}

// Waits until the page's service worker, if it registered one, has taken its copy.
async function serviceWorkerSettled(page, watcher) {
  for (let round = 0; round < 10; ++round) {
    await watcher.quiet();
    const busy = await page.evaluate(async () => {
      let registration;
      try {
        registration = await navigator.serviceWorker?.getRegistration();
      } catch {
        return false; // no service workers here (a page opened from disk)
      }
      const pending = registration?.installing ?? registration?.waiting;
      if (!pending) return false;
      await new Promise((resolve) => {
        const settled = () => ['activated', 'redundant'].includes(pending.state);
        if (settled()) resolve();
        pending.addEventListener('statechange', () => { if (settled()) resolve(); });
      });
      return true;
    });
    if (!busy) return;
  }
}

// One cold visit in a browser of its own; for the page over http also a warm one, a
// second visit in the same profile.
async function coldVisit(target, origin, clickAt, { warm = false } = {}) {
  const url = target.urls[origin];
  const what = `${target.name} over ${origin}`;
  const browser = await launchBrowser(browserOptions);
  try {
    const watcher = watchRequests(browser.context);
    const sentBefore = target.server.served.length;
    const cold = await timedLoad(browser.context, url, what, clickAt);
    await serviceWorkerSettled(cold.page, watcher);
    // What the server sent, over http: a request the browser answered from its own
    // cache, such as the service worker's copy of a file the page has just loaded,
    // sends nothing.
    const sent = origin === 'http' ? target.server.served.slice(sentBefore) : [];
    const visit = { ...await cold.collect(), requests: watcher.requests.splice(0), sent };
    if (warm) {
      await cold.page.close();
      const second = await timedLoad(browser.context, url, `${what}, second visit`, clickAt);
      await watcher.quiet();
      visit.warm = { ...await second.collect(), requests: watcher.requests.splice(0) };
    }
    return visit;
  } finally {
    await browser.close();
  }
}

// The file of folder an address names; undefined for one that names none (data:).
function fileOf(url, origin, target) {
  const address = new URL(url);
  if (origin === 'file') {
    if (address.protocol !== 'file:') return undefined;
    return path.relative(target.folder, decodeURIComponent(address.pathname)) || 'index.html';
  }
  if (!address.href.startsWith(target.urls.http)) return undefined;
  const name = decodeURIComponent(address.pathname).slice(1);
  return name === '' || name.endsWith('/') ? `${name}index.html` : name;
}

// The bytes one visit loaded: each request of a file of the folder counts the file's
// size (what the static server sends, or what the browser reads from disk); requests
// the service worker made count apart, and so do answers it gave from its copy.
async function visitBytes(requests, origin, target) {
  const files = new Map();
  const totals = { page: 0, serviceWorker: 0, fromCopy: 0, pageRequests: 0, serviceWorkerRequests: 0 };
  for (const entry of requests) {
    const name = fileOf(entry.url, origin, target);
    if (name === undefined) continue;
    const key = `${entry.serviceWorker ? 'sw' : 'page'} ${name}`;
    if (!files.has(key)) {
      let size;
      try {
        size = (await stat(path.join(target.folder, name))).size;
      } catch {
        size = undefined;
      }
      files.set(key, { name, serviceWorker: entry.serviceWorker, size, requests: 0, failed: 0 });
    }
    const file = files.get(key);
    file.requests += 1;
    const failed = entry.failed || (entry.status ?? 200) >= 400;
    if (failed) file.failed += 1;
    const bytes = failed ? 0 : file.size ?? 0;
    if (entry.serviceWorker) {
      totals.serviceWorker += bytes;
      totals.serviceWorkerRequests += 1;
    } else {
      totals.page += bytes;
      totals.pageRequests += 1;
      if (entry.fromServiceWorker) totals.fromCopy += bytes;
    }
  }
  return { files: [...files.values()], ...totals };
}

// The head of the page's index.html, as written in the file.
function headOf(html) {
  const match = /<head[\s>][\s\S]*?<\/head>/i.exec(html);
  if (!match) throw new Error('index.html has no <head>');
  return match[0];
}

// The floor: a copy of the page folder whose index.html holds the form the page builds
// as plain HTML, under the page's own head, with no script; the form's geometry goes at
// the end of the copy of the page's first stylesheet, so the head stays the same.
async function makeFloor(page, serverUrl, folder) {
  const browser = await launchBrowser(browserOptions);
  let form;
  let shown;
  let browserName;
  try {
    const headHtml = headOf(await readFile(path.join(page.folder, 'index.html'), 'utf8'));
    const probe = await timedLoad(browser.context, serverUrl, 'the page, read for its floor');
    form = await probe.page.evaluate(serialiseForm, { headHtml });
    shown = await probe.page.evaluate(shownForm);
    browserName = await probe.page.evaluate(() => navigator.userAgent);
    await checkFirstPick(probe.page);
  } finally {
    await browser.close();
  }
  const expected = Array.from({ length: listSize }, (_, index) => String(firstListNumber + index));
  if (shown.numbers.join(' ') !== expected.join(' ')) {
    throw new Error(`the page's list holds ${shown.numbers.join(' ')}, not ${firstListNumber} to ${firstListNumber + listSize - 1}`);
  }
  await cp(page.folder, folder, { recursive: true });
  let head = form.head;
  const sheet = form.stylesheets.find((href) => href && !/^[a-z]+:|^\/\//i.test(href));
  const geometry = `\n/* The form's geometry, as the page's script set it. */\n${form.css}\n`;
  if (sheet) {
    const sheetFile = path.join(folder, decodeURIComponent(sheet.split(/[?#]/)[0]));
    await writeFile(sheetFile, (await readFile(sheetFile, 'utf8')) + geometry);
  } else {
    await writeFile(path.join(folder, 'floor.css'), geometry);
    head = head.replace(/<\/head>$/, '<link rel="stylesheet" href="floor.css"></head>');
  }
  await writeFile(path.join(folder, 'index.html'), `${form.before}${head}\n${form.body}\n</html>\n`);
  const [left, top, width, height] = shown.layout.find((element) => element.tag === 'option').box;
  return { pageLayout: shown.layout, rules: form.css ? form.css.split('\n').length : 0, browserName,
    clickAt: { x: left + width / 2, y: top + height / 2 } };
}

// What "first pick possible" stands for: a click on the list's first number, once the
// page is ready, picks it, and the list changes.
async function checkFirstPick(page) {
  const numbers = () => page.evaluate(() => [...document.querySelectorAll('#rovalin option, #rovalin [role="option"]')]
    .map((option) => option.textContent.trim()).join(' '));
  const before = await numbers();
  const box = await page.locator('#rovalin option, #rovalin [role="option"]').first().boundingBox();
  if (!box) throw new Error('the list\'s first number is not on screen');
  await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
  const deadline = Date.now() + 5000;
  while (await numbers() === before) {
    if (Date.now() > deadline) throw new Error('a click on the list\'s first number picked nothing');
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// The floor shows what the page shows: the same elements in the same places, in the
// same font, with no script.
async function checkFloor(floor, pageLayout) {
  const browser = await launchBrowser(browserOptions);
  try {
    const page = await browser.context.newPage();
    const refused = [];
    page.on('console', (message) => {
      if (message.type() === 'error') refused.push(message.text());
    });
    await page.goto(floor.urls.http);
    const shown = await page.evaluate(shownForm);
    if (shown.scripts !== 0) throw new Error('the floor page holds a script');
    if (shown.numbers.length !== listSize) throw new Error(`the floor's list holds ${shown.numbers.length} numbers`);
    if (shown.layout.length !== pageLayout.length) {
      throw new Error(`the floor's form has ${shown.layout.length} elements, the page's ${pageLayout.length}`);
    }
    let worst = 0;
    shown.layout.forEach((element, index) => {
      const other = pageLayout[index];
      if (element.tag !== other.tag || element.font !== other.font) {
        throw new Error(`the floor's ${element.tag} (${element.font}) differs from the page's ${other.tag} (${other.font})`);
      }
      element.box.forEach((value, at) => { worst = Math.max(worst, Math.abs(value - other.box[at])); });
    });
    if (worst > 1) throw new Error(`the floor's form lies up to ${worst.toFixed(1)} px from the page's`);
    if (refused.length) throw new Error(`the floor page: ${refused.join('; ')}`);
    return worst;
  } finally {
    await browser.close();
  }
}

function printBytes(label, bytes) {
  const worker = bytes.serviceWorkerRequests
    ? `; the service worker (its script and its offline copy) ${bytes.serviceWorker} bytes in ${bytes.serviceWorkerRequests} requests; `
      + `${bytes.page + bytes.serviceWorker} bytes in all`
    : '';
  console.log(`  ${label}: ${bytes.page} bytes in ${bytes.pageRequests} requests${worker}`);
  const sorted = [...bytes.files].sort((a, b) => a.serviceWorker - b.serviceWorker || (b.size ?? 0) - (a.size ?? 0));
  for (const file of sorted) {
    const times = file.requests > 1 ? ` × ${file.requests}` : '';
    const failed = file.failed ? ` (${file.failed} failed)` : '';
    const size = file.size === undefined ? 'not in the folder' : `${file.size} bytes`;
    console.log(`    ${file.serviceWorker ? 'service worker: ' : ''}${file.name}: ${size}${times}${failed}`);
  }
}

// The medians and ratios, where the time goes, and the bytes of one visit.
async function printReport(results, loads, page, floor) {
  const origins = Object.keys(results);
  // The first answer has no counterpart on the floor, whose list answers nothing: it is
  // set against the floor's form shown, the plain HTML's best.
  const figures = [['form shown', 'form shown'], ['first pick possible', 'first pick possible'], ['first answer', 'form shown']];
  console.log('');
  console.log(`cold first visit, median of ${loads} loads (ratio of the medians; median of the per-pair ratios, range in brackets):`);
  for (const origin of origins) {
    for (const [figure, floorFigure] of figures) {
      const pageTimes = results[origin].page.map((visit) => visit.marks[figure]);
      const floorTimes = results[origin].floor.map((visit) => visit.marks[floorFigure]);
      const ratios = pageTimes.map((time, index) => time / floorTimes[index]);
      console.log(`  ${origin.padEnd(4)} ${figure.padEnd(20)} page ${formatMs(median(pageTimes)).padStart(7)} ms  `
        + `floor${floorFigure === figure ? '' : `'s ${floorFigure}`} ${formatMs(median(floorTimes)).padStart(7)} ms  `
        + `page/floor ${(median(pageTimes) / median(floorTimes)).toFixed(2)}×; `
        + `${median(ratios).toFixed(2)}× [${Math.min(...ratios).toFixed(2)}–${Math.max(...ratios).toFixed(2)}]`);
    }
  }
  const warm = results.http.warm;
  console.log(`warm, second visit in the same profile, page over http: form shown ${formatMs(median(warm.map((visit) => visit.marks['form shown'])))} ms, `
    + `first pick possible ${formatMs(median(warm.map((visit) => visit.marks['first pick possible'])))} ms, `
    + `first answer ${formatMs(median(warm.map((visit) => visit.marks['first answer'])))} ms (median of ${warm.length})`);
  for (const origin of origins) {
    const clicks = results[origin].page.map((visit) => visit.clicks);
    console.log(`clicks on the first number until one was answered, page over ${origin}: ${clicks.join(' ')}`);
  }

  console.log('');
  console.log('where the time goes, median of each moment, ms from navigation start:');
  for (const origin of origins) {
    for (const name of ['page', 'floor']) {
      const visits = results[origin][name];
      const moments = new Set(visits.flatMap((visit) => Object.keys(visit.marks)));
      const rows = [...moments].map((moment) => {
        const times = visits.map((visit) => visit.marks[moment]).filter((time) => time !== undefined);
        return [moment, median(times), times.length];
      }).sort((a, b) => a[1] - b[1]);
      console.log(`  ${name} over ${origin}:`);
      for (const [moment, time, count] of rows) {
        console.log(`    ${formatMs(time).padStart(7)}  ${moment}${count < visits.length ? ` (in ${count} of ${visits.length} loads)` : ''}`);
      }
      if (visits.some((visit) => visit.wasmMs > 0)) {
        console.log(`    WebAssembly compiled and instantiated in ${formatMs(median(visits.map((visit) => visit.wasmMs)))} ms`);
      }
    }
  }

  console.log('');
  console.log('bytes one cold visit loads (the first pair), each file with its size:');
  for (const origin of origins) {
    for (const target of [page, floor]) {
      printBytes(`${target.name} over ${origin}`, await visitBytes(results[origin][target.name][0].requests, origin, target));
    }
  }
  for (const target of [page, floor]) {
    const sent = results.http[target.name][0].sent;
    let bytes = 0;
    for (const name of sent) bytes += (await stat(path.join(target.folder, name.endsWith('/') ? `${name}index.html` : name))).size;
    console.log(`  ${target.name} over http, what the server sent (the rest came from the browser's cache): `
      + `${bytes} bytes in ${sent.length} responses`);
  }
  const warmBytes = await visitBytes(warm[0].requests, 'http', page);
  console.log(`  page over http, second visit in the same profile: ${warmBytes.page} bytes in ${warmBytes.pageRequests} requests, `
    + `${warmBytes.fromCopy} bytes of them from the service worker's copy, ${warmBytes.page - warmBytes.fromCopy} bytes over the network`
    + `${warmBytes.serviceWorkerRequests ? `, and the service worker fetched ${warmBytes.serviceWorker} bytes` : ''}`);
}

async function main() {
  const given = process.argv.slice(2);
  const webFont = given.includes('--web-font');
  const [loadsArgument, folderArgument, ...rest] = given.filter((argument) => argument !== '--web-font');
  const loads = loadsArgument === undefined ? 9 : Number(loadsArgument);
  if (!Number.isInteger(loads) || loads < 1 || rest.length || given.some((argument) => argument.startsWith('--') && argument !== '--web-font')) {
    console.error(usage);
    return 2;
  }
  const folder = path.resolve(folderArgument ?? path.join(repositoryRoot, 'build', 'web', 'page'));
  if (!existsSync(path.join(folder, 'index.html'))) {
    console.error(`${folder} holds no index.html: build the page first (scripts/web-build)`);
    return 2;
  }

  const cpu = /model name\s*:\s*(.*)/.exec(readFileSync('/proc/cpuinfo', 'utf8'))?.[1] ?? 'unknown CPU';
  console.log(`date: ${new Date().toISOString()}`);
  // How busy the machine was, before and after: other work shows in the spread.
  const loadAverage = () => os.loadavg().map((load) => load.toFixed(2)).join(' ');
  console.log(`machine: ${os.availableParallelism()} cores, ${cpu}; load average ${loadAverage()}`);
  console.log(`page folder: ${folder}`);
  console.log(`${loads} paired loads per origin, each load in a browser with a fresh profile; times in ms from navigation start`);

  const servers = [];
  // The floor page and the font setup, removed at the end.
  const workFolder = await mkdtemp(path.join(os.tmpdir(), 'rovalin-coldstart-'));
  try {
    if (webFont) browserOptions.env = await withoutLocalSerif(workFolder);
    const page = { name: 'page', folder, urls: {} };
    servers.push(await startStaticServer(folder));
    page.server = servers[0];
    page.urls.http = servers[0].url;
    page.urls.file = pathToFileURL(path.join(folder, 'index.html')).href;

    const floorFolder = path.join(workFolder, 'floor');
    const made = await makeFloor(page, page.urls.http, floorFolder);
    console.log(`browser: ${made.browserName}${webFont ? ', with no local font but DejaVu' : ''}`);
    const floor = { name: 'floor', folder: floorFolder, urls: {} };
    servers.push(await startStaticServer(floorFolder));
    floor.server = servers[1];
    floor.urls.http = servers[1].url;
    floor.urls.file = pathToFileURL(path.join(floorFolder, 'index.html')).href;
    const worst = await checkFloor(floor, made.pageLayout);
    console.log(`floor page: the form's ${made.pageLayout.length} elements as plain HTML, no script; `
      + `style rules added to its stylesheet: ${made.rules}; laid out within ${worst.toFixed(1)} px of the page`);

    const origins = ['http', 'file'];
    const results = {};
    for (const origin of origins) results[origin] = { page: [], floor: [], warm: [] };
    for (let pair = 0; pair < loads; ++pair) {
      for (const origin of origins) {
        // The order alternates from pair to pair.
        const order = pair % 2 === 0 ? [page, floor] : [floor, page];
        const line = [];
        for (const target of order) {
          const visit = await coldVisit(target, origin, made.clickAt, { warm: target === page && origin === 'http' });
          results[origin][target.name].push(visit);
          if (visit.warm) results[origin].warm.push(visit.warm);
          line.push(`${target.name} ${formatMs(visit.marks['form shown'])}/${formatMs(visit.marks['first pick possible'])}`
            + `${target === page ? `/${formatMs(visit.marks['first answer'])}` : ''}`);
        }
        console.log(`pair ${pair + 1} over ${origin}: form shown/first pick possible(/first answer): ${line.join(', ')}`);
      }
    }

    console.log(`load average after the loads: ${loadAverage()}`);
    await printReport(results, loads, page, floor);
    return 0;
  } finally {
    for (const server of servers) await server.close();
    await rm(workFolder, { recursive: true, force: true });
  }
}

try {
  process.exitCode = await main();
} catch (error) {
  console.error(`page-coldstart: ${error.stack ?? error}`);
  process.exitCode = 1;
}
