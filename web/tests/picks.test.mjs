// SPDX-License-Identifier: MIT
// What counts as a pick on the page: every row of the input scenarios that the
// window's tests play too (tests/scenarios/picks.json), with real mouse and keys.

import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { pageSession } from './support/browser.mjs';
import { controls, readForm } from './support/rovalinform.mjs';
import { everyTableLanguages, lists, pageKey, pickScenarios, writtenRightToLeft } from './support/tables.mjs';

// The centre of the list's item showing text, scrolled into view.
async function itemCentre(page, text) {
  const item = controls(page).list.getByRole('option', { name: text, exact: true });
  await item.scrollIntoViewIfNeeded();
  const box = await item.boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

// Plays one step of a scenario, as the window's tests do.
async function play(page, [input, first, second]) {
  const form = controls(page);
  const item = (text) => form.list.getByRole('option', { name: text, exact: true });
  const list = await form.list.boundingBox();
  switch (input) {
    case 'click': return item(first).click();
    case 'rightClick': return item(first).click({ button: 'right' });
    case 'middleClick': return item(first).click({ button: 'middle' });
    case 'doubleClick': return item(first).dblclick();
    case 'quadrupleClick': return item(first).click({ clickCount: 4 });
    case 'drag': {
      const to = await itemCentre(page, second);
      const from = await itemCentre(page, first);
      await page.mouse.move(from.x, from.y);
      await page.mouse.down();
      await page.mouse.move(to.x, to.y, { steps: 4 });
      return page.mouse.up();
    }
    // Inside the border: near the bottom of the list, or of its scroll bar.
    case 'clickEmptyArea': return page.mouse.click(list.x + 20, list.y + list.height - 10);
    // The scroll bar is at the list's end edge: its left in a language written right
    // to left. The press is the scroll bar's: the list scrolls down by it.
    case 'clickScrollBar': {
      const rightToLeft = await form.list.evaluate((element) => getComputedStyle(element).direction === 'rtl');
      const scrolledFrom = await form.list.evaluate((element) => element.scrollTop);
      await page.mouse.click(list.x + (rightToLeft ? 9 : list.width - 9), list.y + list.height - 25);
      return page.waitForFunction((from) => document.getElementById('List1').scrollTop > from, scrolledFrom,
        { timeout: 2000 }).catch(() => assert.fail('the list did not scroll by a press on its scroll bar'));
    }
    case 'tab':
      await form.transcript.focus();
      return page.keyboard.press('Tab');
    case 'backtab':
      await form.boxes[0].focus();
      return page.keyboard.press('Shift+Tab');
    case 'key': return page.keyboard.press(pageKey(first));
    default: throw new Error(`unknown input ${input}`);
  }
}

// In the languages every table runs in: in one written right to left a row's picks may
// differ.
for (const [language, rightToLeft] of everyTableLanguages.map((code) => [code, writtenRightToLeft(code)])) describe(`what counts as a pick in ${language}, page opened over http`, () => {
  const session = pageSession('http');
  let page;

  for (const { name, list, input, picks: leftToRightPicks, rightToLeft: rightToLeftPicks, toSystem } of pickScenarios) {
    const picks = rightToLeft && rightToLeftPicks ? rightToLeftPicks : leftToRightPicks;
    test(name, async () => {
      await page?.close();
      let errors;
      ({ page, errors } = await session.open(`?lang=${language}`));
      const { before: setup, cutTo } = lists[list];
      for (const step of setup) await play(page, step);
      if (cutTo) {
        await controls(page).list.evaluate((element, kept) => {
          while (element.length > kept) element.remove(kept);
        }, cutTo);
      }
      const picksBefore = await page.evaluate(() => rovalinGame.pickCount());
      const before = await readForm(page);
      // Whether the browser may act on the last key: once the page's own handling is
      // over, a key it has not claimed goes on to the browser's shortcuts.
      await page.evaluate(() => window.addEventListener('keydown', (event) => {
        window.keyWentOn = !event.defaultPrevented;
      }));

      for (const step of input) await play(page, step);

      const after = await readForm(page);
      const pickCount = await page.evaluate(() => rovalinGame.pickCount());
      const selected = after.items[after.selected] ?? null;
      assert.equal(pickCount, picksBefore + picks.length);
      if (picks.length === 0) {
        assert.equal(selected, before.items[before.selected] ?? null);
        assert.equal(after.firstNumber, before.firstNumber);
      } else {
        assert.equal(picksBefore === 0 ? after.firstNumber : selected, picks.at(-1));
        // A pick that keeps the list shows the picked item.
        const inView = (element) => {
          const [outer, item] = [element, element.selectedOptions[0]].map((e) => e.getBoundingClientRect());
          return item.top >= outer.top && item.bottom <= outer.bottom;
        };
        assert.ok(picksBefore === 0 || await controls(page).list.evaluate(inView), 'the picked item is in view');
      }
      if (toSystem !== undefined) assert.equal(await page.evaluate(() => window.keyWentOn), toSystem);
      assert.deepEqual(errors, []);
    });
  }
});
