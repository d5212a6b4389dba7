// SPDX-License-Identifier: MIT
// The page on a classroom's screens, emulated in Chromium: the whole form, scaled as a
// whole to fill the screen and centred, before and after the screen turns or the
// window changes size.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';

import { launchBrowser, openPage, pageAddress } from './support/browser.mjs';

// [screen, emulated device, what happens to it next, the viewport after that]
const screens = [
  ['phone', { viewport: { width: 360, height: 740 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
    'when turned sideways', { width: 740, height: 360 }],
  ['tablet', { viewport: { width: 1024, height: 768 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
    'when turned upright', { width: 768, height: 1024 }],
  ['classroom projector', { viewport: { width: 1920, height: 1080 } },
    'when its window is made smaller', { width: 1280, height: 720 }],
];

const designSize = { width: 461, height: 342 };

// Where the form is shown, and what the page's viewport and scrolling area are.
function layout(page) {
  return page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => {
    const { left, top, right, bottom, width, height } = document.getElementById('rovalin').getBoundingClientRect();
    const root = document.documentElement;
    resolve({
      form: { left, top, right, bottom, width, height },
      viewport: { width: root.clientWidth, height: root.clientHeight },
      scrolling: { width: document.scrollingElement.scrollWidth, height: document.scrollingElement.scrollHeight },
    });
  })));
}

function assertFilledAndWhole({ form, viewport, scrolling }, what) {
  const where = `${what}: form at ${JSON.stringify(form)} in ${JSON.stringify(viewport)}`;
  assert.ok(form.left >= 0 && form.top >= 0 && form.right <= viewport.width && form.bottom <= viewport.height,
    `${where}, not all of it in view`);
  assert.deepEqual(scrolling, viewport, `${what}: the page scrolls`);
  assert.ok(Math.max(form.width / viewport.width, form.height / viewport.height) >= 0.6, `${where}, fills too little`);
  assert.ok(Math.abs(form.width / designSize.width - form.height / designSize.height) * designSize.width <= 1,
    `${where}, not scaled uniformly`);
  assert.ok(Math.abs(form.left - (viewport.width - form.right)) <= 1
    && Math.abs(form.top - (viewport.height - form.bottom)) <= 1, `${where}, not centred`);
}

for (const [name, device, change, changedViewport] of screens) {
  describe(`on a ${name} (${device.viewport.width} × ${device.viewport.height})`, () => {
    let browser;
    let address;

    before(async () => {
      address = await pageAddress('http');
      browser = await launchBrowser(device);
    });

    after(async () => {
      await browser?.close();
      await address?.close();
    });

    test(`the whole form fills the screen, and again ${change}`, async () => {
      const { page, errors } = await openPage(browser.context, address.url);
      assertFilledAndWhole(await layout(page), 'at first');
      await page.setViewportSize(changedViewport);
      const changed = await layout(page);
      assert.deepEqual(changed.viewport, changedViewport);
      assertFilledAndWhole(changed, change);
      assert.deepEqual(errors, []);
      await page.close();
    });
  });
}
