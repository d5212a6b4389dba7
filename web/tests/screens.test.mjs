// SPDX-License-Identifier: MIT
// The page on a classroom's screens, emulated in Chromium: the whole form, scaled as a
// whole to fill the screen and centred, before and after the screen turns or the
// window changes size; and on touch screens, what a finger on the list does.

import { describe, test } from 'node:test';
import assert from 'node:assert/strict';

import { pageSession, waitInPage } from './support/browser.mjs';
import { controls, readForm } from './support/rovalinform.mjs';

// A browser that compiles no WebAssembly module of more than 4 KB on the page's own
// thread, as Chromium long did, and as an older phone's may still.
function compilingOnlyBeside() {
  const { Module } = WebAssembly;
  WebAssembly.Module = function refusing(bytes) {
    if (bytes.byteLength > 4096) throw new RangeError('WebAssembly.Compile is disallowed on the main thread');
    return new Module(bytes);
  };
}

// [screen, emulated device, what happens to it next, the viewport after that, how its
// browser differs from the one the tests run]
const screens = [
  ['phone', { viewport: { width: 360, height: 740 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
    'when turned sideways', { width: 740, height: 360 }, compilingOnlyBeside],
  ['tablet', { viewport: { width: 1024, height: 768 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
    'when turned upright', { width: 768, height: 1024 }],
  ['classroom projector', { viewport: { width: 1920, height: 1080 } },
    'when its window is made smaller', { width: 1280, height: 720 }],
];

const designSize = { width: 461, height: 342 };

// Where the form and the strip of languages are shown, and what the page's viewport
// and scrolling area are.
function layout(page) {
  return page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => {
    const { left, top, right, bottom, width, height } = document.getElementById('rovalin').getBoundingClientRect();
    const strip = document.getElementById('languages').getBoundingClientRect();
    const root = document.documentElement;
    resolve({
      form: { left, top, right, bottom, width, height },
      strip: { left: strip.left, right: strip.right, bottom: strip.bottom },
      viewport: { width: root.clientWidth, height: root.clientHeight },
      scrolling: { width: document.scrollingElement.scrollWidth, height: document.scrollingElement.scrollHeight },
    });
  })));
}

function assertFilledAndWhole({ form, strip, viewport, scrolling }, what) {
  const where = `${what}: form at ${JSON.stringify(form)} in ${JSON.stringify(viewport)}`;
  // The strip of languages fits the screen's width, above the form.
  assert.ok(strip.left >= 0 && strip.right <= viewport.width && strip.bottom <= form.top,
    `${where}, strip at ${JSON.stringify(strip)}`);
  assert.ok(form.left >= 0 && form.top >= 0 && form.right <= viewport.width && form.bottom <= viewport.height,
    `${where}, not all of it in view`);
  assert.deepEqual(scrolling, viewport, `${what}: the page scrolls`);
  assert.ok(Math.max(form.width / viewport.width, form.height / viewport.height) >= 0.6, `${where}, fills too little`);
  assert.ok(Math.abs(form.width / designSize.width - form.height / designSize.height) * designSize.width <= 1,
    `${where}, not scaled uniformly`);
  assert.ok(Math.abs(form.left - (viewport.width - form.right)) <= 1
    && Math.abs(form.top - (viewport.height - form.bottom)) <= 1, `${where}, not centred`);
}

// A finger moved along the list from one point to another, in ten steps.
async function swipe(page, from, to) {
  const devtools = await page.context().newCDPSession(page);
  const at = (step) => [{ x: from.x + ((to.x - from.x) * step) / 10, y: from.y + ((to.y - from.y) * step) / 10 }];
  await devtools.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: at(0) });
  for (let step = 1; step <= 10; ++step) {
    await devtools.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: at(step) });
  }
  await devtools.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await devtools.detach();
}

async function centre(locator) {
  const box = await locator.boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

const item = (page, text) => controls(page).list.getByRole('option', { name: text, exact: true });

// [gesture on a new game's list, what the finger (or the mouse) does, the numbers it
// picks, and whether it comes before the game's script has run]
const gestures = [
  ['a tap on an item picks it', async (page) => {
    const { x, y } = await centre(item(page, '25'));
    await page.touchscreen.tap(x, y);
  }, ['25']],
  ['a double tap picks once', async (page) => {
    const { x, y } = await centre(item(page, '24'));
    await page.touchscreen.tap(x, y);
    await page.touchscreen.tap(x, y);
  }, ['24']],
  // A pupil taps the same place for the first question and, a while later, the second.
  ['two taps on one spot a second apart pick twice', async (page) => {
    const { x, y } = await centre(item(page, '25'));
    await page.touchscreen.tap(x, y);
    await page.waitForTimeout(1000);
    await page.touchscreen.tap(x, y);
  }, ['25', '56']],
  ['a swipe scrolls the list and picks nothing', async (page) => {
    const list = await controls(page).list.boundingBox();
    const x = list.x + list.width / 3;
    await swipe(page, { x, y: list.y + list.height * 0.8 }, { x, y: list.y + list.height * 0.2 });
    await waitInPage(page, 'the list to scroll', () => document.querySelector('#rovalin select').scrollTop > 0);
  }, []],
  ['a tap before the game has started is its first pick', async (page) => {
    const { x, y } = await centre(item(page, '25'));
    await page.touchscreen.tap(x, y);
  }, ['25'], 'early'],
  ['a click before the game has started is its first pick, once', async (page) => {
    await item(page, '24').dblclick();
  }, ['24'], 'early'],
];

for (const [name, device, change, changedViewport, browserLike] of screens) {
  describe(`on a ${name} (${device.viewport.width} × ${device.viewport.height})`, () => {
    const session = pageSession('http', device);

    test(`the whole form fills the screen, and again ${change}`, async () => {
      const { page, errors } = await session.open('', { browserLike });
      assertFilledAndWhole(await layout(page), 'at first');
      await page.setViewportSize(changedViewport);
      const changed = await layout(page);
      assert.deepEqual(changed.viewport, changedViewport);
      assertFilledAndWhole(changed, change);
      assert.deepEqual(errors, []);
      await page.close();
    });

    for (const [gesture, play, picks, early] of device.hasTouch ? gestures : []) {
      test(gesture, async () => {
        const { page, errors } = await session.open('', { early: early && play, browserLike });
        if (!early) await play(page);
        const pickCount = await page.evaluate(() => rovalinGame.pickCount());
        const form = await readForm(page);
        assert.deepEqual([pickCount, form.firstNumber, form.secondNumber],
          [picks.length, picks[0] ?? 'Число 1:', picks[1] ?? 'Число 2:']);
        assert.deepEqual(errors, []);
        await page.close();
      });
    }
  });
}
