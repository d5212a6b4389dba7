// SPDX-License-Identifier: MIT
// The page as an app: served over HTTP, Chromium can install it, and once it has been
// opened it starts and plays with the network cut. (Opened from disk it registers no
// service worker; the other tests play it that way.)

import { test } from 'node:test';
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

test('after the first visit over http, the page starts and plays with the network cut, having loaded nothing twice', async () => {
  const address = await pageAddress('http');
  const browser = await launchBrowser();
  try {
    const { page, errors } = await openPage(browser.context, address.url);
    const warnings = [];
    page.on('console', (message) => warnings.push(message.text()));
    // Until the worker serves the page and has kept a copy of every file it loaded
    // (asked again and again: the page's answer takes a promise).
    const kept = (paths) => page.evaluate(async (wanted) => {
      const [name] = await caches.keys();
      const cache = navigator.serviceWorker.controller && name && await caches.open(name);
      return Boolean(cache) && (await Promise.all(wanted.map((path) => cache.match(path)))).every(Boolean);
    }, paths);
    const loaded = address.served.filter((path) => path !== '/serviceworker.js');
    for (let tries = 0; !await kept(loaded); ++tries) {
      assert.ok(tries < 100, 'the worker kept no copy within ten seconds');
      await page.waitForTimeout(100);
    }
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
