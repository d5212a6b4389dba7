// SPDX-License-Identifier: MIT
// What the page loads: its own files, and only those it can get, so that the browser's
// console stays clean whether it is served over HTTP or opened from disk.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';

import { launchBrowser, openPage, pageAddress } from './support/browser.mjs';

// [origin, the files the page asks for, whether a service worker keeps a copy of it]
const visits = [
  ['http', ['RovalinSerif-Regular.woff2', 'index.html', 'rovalin.css', 'rovalin.js', 'rovalin.svg',
    'rovalin.webmanifest'], true],
  // From disk the browser would refuse the manifest and a service worker; the page
  // does not ask.
  ['file', ['RovalinSerif-Regular.woff2', 'index.html', 'rovalin.css', 'rovalin.js', 'rovalin.svg'], false],
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
