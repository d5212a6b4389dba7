// SPDX-License-Identifier: MIT
// The page's weight and how soon it is ready. The weight has a limit; the time to
// interactive is a benchmark figure, printed rather than judged.

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync, statSync } from 'node:fs';
import path from 'node:path';

import { launchBrowser, openPage, origins, pageAddress, pageDirectory } from './support/browser.mjs';

const pageFiles = readdirSync(pageDirectory, { recursive: true })
  .filter((name) => statSync(path.join(pageDirectory, name)).isFile());
// The page's file an address asks for, relative to the page's folder.
function pageFile(url) {
  const { protocol, pathname } = new URL(url);
  const name = protocol === 'file:' ? path.relative(pageDirectory, decodeURIComponent(pathname)) : pathname.slice(1);
  return name || 'index.html';
}

// Everything a browser may load, that is the whole folder but the font's licence text.
const weightLimit = 200 * 1000;
const loads = 7;

let browser;
before(async () => {
  // Every load comes from the page's server or its folder, as on a first visit, not
  // from the copy the service worker would keep.
  browser = await launchBrowser({ serviceWorkers: 'block' });
});
after(async () => {
  await browser?.close();
});

test('the page folder, the licence text aside, weighs at most 200 KB', (t) => {
  const sizes = pageFiles.filter((name) => !name.endsWith('LICENSE.txt'))
    .map((name) => [name, statSync(path.join(pageDirectory, name)).size])
    .sort(([, a], [, b]) => b - a);
  for (const [name, size] of sizes) t.diagnostic(`${name}: ${size} bytes`);
  const weight = sizes.reduce((sum, [, size]) => sum + size, 0);
  t.diagnostic(`page folder without the licence text: ${weight} bytes (${(weight / 1024).toFixed(1)} KiB)`);
  assert.ok(weight <= weightLimit, `${weight} bytes`);
});

for (const origin of origins) {
  test(`time to interactive, page opened over ${origin}`, async (t) => {
    const address = await pageAddress(origin);
    try {
      const times = [];
      for (let load = 0; load < loads; ++load) {
        const { page, errors, requests } = await openPage(browser.context, address.url);
        times.push(await page.evaluate(() => window.rovalinShownAt));
        assert.deepEqual(errors, []);
        // The page asks for its own files only; the WebAssembly is never fetched.
        const asked = requests.map(pageFile);
        assert.deepEqual(asked.filter((name) => !pageFiles.includes(name)), []);
        await page.close();
      }
      times.sort((a, b) => a - b);
      const median = times[Math.floor(times.length / 2)];
      t.diagnostic(`time to interactive over ${origin}: median ${median.toFixed(0)} ms, `
        + `slowest ${times.at(-1).toFixed(0)} ms, of ${loads} loads`);
      assert.ok(times.every((time) => time > 0));
    } finally {
      await address.close();
    }
  });
}
