// SPDX-License-Identifier: MIT
// What the page loads: its own files, and only those it can get, so that the browser's
// console stays clean whether it is served over HTTP or opened from disk; and what its
// Content-Security-Policy refuses: anything else a script could be made to load or run.

import { before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';

import { launchBrowser, openPage, origins, pageAddress, pageSession } from './support/browser.mjs';

// [origin, the files the page asks for, in a browser set to Bulgarian, whether a
// service worker keeps a copy of it]
const visits = [
  ['http', ['RovalinSerif-Common.woff2', 'bg.js', 'index.html', 'rovalin.bg.webmanifest', 'rovalin.css',
    'rovalin.js', 'rovalin.svg', 'start.js'], true],
  // From disk the browser would refuse the manifest and a service worker; the page
  // does not ask.
  ['file', ['RovalinSerif-Common.woff2', 'bg.js', 'index.html', 'rovalin.css', 'rovalin.js', 'rovalin.svg',
    'start.js'], false],
];

for (const [origin, files, kept] of visits) {
  test(`opened over ${origin}, the page asks for its own files and gets every one, with a clean console`, async () => {
    const address = await pageAddress(origin);
    const browser = await launchBrowser();
    try {
      const { page, errors, requests } = await openPage(browser.context, address.url);
      // What a browser fetches later, when it needs it: the font, the manifest that an
      // install offer reads, the service worker (given a few seconds to start).
      const font = await page.evaluate(async () => (await document.fonts.load('12pt "Rovalin Serif"')).length);
      const devtools = await page.context().newCDPSession(page);
      await devtools.send('Page.getAppManifest');
      const worker = await page.evaluate((wait) => wait && Promise.race([
        navigator.serviceWorker.ready.then((registration) => registration.active != null),
        new Promise((resolve) => { setTimeout(resolve, 10000, false); })]), kept);
      await page.waitForLoadState('networkidle');
      const asked = new Set(requests.map((url) => path.basename(new URL(url).pathname) || 'index.html'));
      assert.deepEqual([[...asked].sort(), font, worker, errors], [files, 1, kept, []]);
    } finally {
      await browser.close();
      await address.close();
    }
  });
}

// No server listens there: the policy refuses these before any request is made.
const elsewhere = 'http://localhost:9/';

// [what the page is made to try, the attempt run in the page, the directive that
// refuses it]; add(tag, properties) puts a new element in the page.
const attempts = [
  ['an inline script', () => add('script', { textContent: 'void 0' }), 'script-src-elem'],
  // DevTools lets the code it runs in a page call eval() whatever the policy, so the
  // attempt calls it later, from a task of the page's own.
  ['eval()', () => setTimeout(() => { try { eval('void 0'); } catch { /* refused */ } }), 'script-src'],
  ['a script from another site', (site) => add('script', { src: `${site}a.js` }), 'script-src-elem'],
  ['a script in a data: address', () => add('script', { src: 'data:,void 0' }), 'script-src-elem'],
  ['a style element', () => add('style', { textContent: 'body {}' }), 'style-src-elem'],
  ['a style attribute', () => document.body.setAttribute('style', 'color: red'), 'style-src-attr'],
  ['an image from another site', (site) => add('img', { src: `${site}a.png` }), 'img-src'],
  ['a font from another site', (site) => new FontFace('Elsewhere', `url(${site}a.woff2)`).load().catch(() => {}),
    'font-src'],
  ['a request to another site', (site) => fetch(site).catch(() => {}), 'connect-src'],
  ['a frame', (site) => add('iframe', { src: site }), 'frame-src'],
  ['a base address', (site) => add('base', { href: site }), 'base-uri'],
  ['a form sent to another site', (site) => add('form', { action: site, target: '_blank' }).submit(), 'form-action'],
];

for (const origin of origins) {
  describe(`the page's policy, page opened over ${origin}`, () => {
    const session = pageSession(origin);
    let page;
    before(async () => { ({ page } = await session.open()); });

    for (const [what, attempt, directive] of attempts) {
      test(`refuses ${what}`, async () => {
        await page.evaluate(() => {
          window.add = (tag, properties) => document.body.appendChild(Object.assign(document.createElement(tag), properties));
          window.refusedBy = new Promise((resolve) => {
            document.addEventListener('securitypolicyviolation', (event) => resolve(event.effectiveDirective),
              { once: true });
            setTimeout(() => resolve('nothing'), 2000);
          });
        });
        await page.evaluate(attempt, elsewhere);
        assert.equal(await page.evaluate(() => window.refusedBy), directive);
      });
    }
  });
}
