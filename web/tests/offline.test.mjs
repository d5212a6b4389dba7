// SPDX-License-Identifier: MIT
// The page as an app: served over HTTP, Chromium can install it, and once it has been
// opened it starts and plays with the network cut, at every address a pupil may come
// back by. (Opened from disk it registers no service worker; the other tests play it
// that way.)

import { describe, test } from 'node:test';
import assert from 'node:assert/strict';

import { launchBrowser, openPage, pageAddress } from './support/browser.mjs';
import { wordsIn } from './support/tables.mjs';
import { pick, readForm } from './support/rovalinform.mjs';

test('served over http, the page installs as an app with its Bulgarian name, in a window of its own', async () => {
  const address = await pageAddress('http');
  const browser = await launchBrowser();
  try {
    const { page } = await openPage(browser.context, address.url);
    const devtools = await page.context().newCDPSession(page);
    const { installabilityErrors } = await devtools.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    const { data } = await devtools.send('Page.getAppManifest');
    const manifest = JSON.parse(data);
    assert.deepEqual([manifest.name, manifest.lang, manifest.display],
      [wordsIn('bg')('programName'), 'bg', 'standalone']);
  } finally {
    await browser.close();
    await address.close();
  }
});

// Until the worker serves the page and has kept a copy of every file the server sent
// (asked again and again: the page's answer takes a promise). The folder's address is
// kept as its index.html, which the server sent for it.
async function untilKept(page, served) {
  const kept = (paths) => page.evaluate(async (wanted) => {
    const [name] = await caches.keys();
    const cache = navigator.serviceWorker.controller && name && await caches.open(name);
    return Boolean(cache) && (await Promise.all(wanted.map((path) => cache.match(path)))).every(Boolean);
  }, paths);
  const loaded = served.filter((path) => path !== '/serviceworker.js')
    .map((path) => (path.endsWith('/') ? `${path}index.html` : path));
  for (let tries = 0; !await kept(loaded); ++tries) {
    assert.ok(tries < 100, 'the worker kept no copy within ten seconds');
    await page.waitForTimeout(100);
  }
}

// [the address of a first visit online, the address then opened offline, the language
// the page speaks there], in a browser set to Bulgarian. start_url is where the app
// installed from the first visit opens, as its manifest says. No row asks for English:
// it is what the page speaks where the texts of the language asked for were never kept.
const offlineVisits = [
  ['./', './', 'bg'],
  ['./', 'index.html', 'bg'],
  ['./', 'start_url', 'bg'],
  ['index.html', './', 'bg'],
  ['index.html', 'index.html', 'bg'],
  ['index.html?lang=uk', 'start_url', 'uk'],
  ['index.html?lang=uk', 'index.html?lang=uk', 'uk'],
  ['index.html?lang=uk', './', 'en'],
  ['index.html?lang=uk', 'index.html', 'en'],
  ['index.html?lang=uk', 'index.html?lang=de', 'en'],
];

describe('offline, after one visit online', () => {
  for (const [first, then, language] of offlineVisits) {
    test(`first at ${first}, then offline at ${then}: plays in ${language}`, async () => {
      const address = await pageAddress('http');
      const browser = await launchBrowser();
      try {
        const online = await openPage(browser.context, new URL(first, address.url).href);
        await untilKept(online.page, address.served);
        const devtools = await online.page.context().newCDPSession(online.page);
        const { url, data } = await devtools.send('Page.getAppManifest');
        const offlineAddress = new URL(then === 'start_url' ? JSON.parse(data).start_url : then,
          then === 'start_url' ? url : address.url).href;
        await address.close();
        await browser.context.setOffline(true);

        const { page, errors, warnings } = await openPage(browser.context, offlineAddress);
        await pick(page, 25);
        const shown = [await page.locator('html').getAttribute('lang'), await page.title(),
          (await readForm(page)).firstNumber, await page.evaluate(() => rovalinGame.pickCount())];
        assert.deepEqual(shown, [language, wordsIn(language)('programName'), '25', 1]);
        // Where the page speaks another language than the one asked for, the console
        // says why, once, beside the browser's own report of the load that failed.
        const fellBack = language === 'en';
        assert.equal(warnings.length, fellBack ? 1 : 0, warnings.join('\n'));
        assert.deepEqual(errors.filter((error) => !fellBack || !/\/lang\/|Failed to load resource/.test(error)), []);
      } finally {
        await browser.close();
        await address.close();
      }
    });
  }
});

test('after the first visit over http, the page starts and plays with the network cut, having loaded nothing twice', async () => {
  const address = await pageAddress('http');
  const browser = await launchBrowser();
  try {
    const { page, errors } = await openPage(browser.context, address.url);
    const warnings = [];
    page.on('console', (message) => warnings.push(message.text()));
    await untilKept(page, address.served);
    await address.close();
    await browser.context.setOffline(true);
    await page.reload();
    await page.waitForFunction(() => window.rovalinGame !== undefined);
    await pick(page, 25);
    assert.deepEqual([(await readForm(page)).firstNumber, await page.evaluate(() => rovalinGame.pickCount())], ['25', 1]);
    assert.deepEqual([warnings, errors], [[], []]);
    // The server saw each file once: the worker kept the copies the first visit left.
    assert.deepEqual(address.served.filter((name, at) => address.served.indexOf(name) !== at), []);
  } finally {
    await browser.close();
    await address.close();
  }
});
