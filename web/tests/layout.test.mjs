// SPDX-License-Identifier: MIT
// The form as designed: every control's place and size (in design pixels, within 1 px,
// whatever the scale the form is shown at),
// the colours, the font, the names screen readers announce and the Tab order.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';

import { readFileSync } from 'node:fs';
import path from 'node:path';

import { launchBrowser, openPage, origins, pageAddress, repositoryRoot } from './support/browser.mjs';
import { accessibleNode, controls, pick } from './support/rovalinform.mjs';

// [control, left, top, width, height], relative to the form's top left corner.
const geometry = [
  ['form', 0, 0, 461, 342],
  ['title', 56, 0, 353, 25],
  ['firstNumber', 104, 40, 89, 27],
  ['secondNumber', 104, 112, 89, 27],
  ['solution', 104, 176, 89, 27],
  ['choose', 8, 40, 73, 27],
  ['list', 8, 64, 73, 137],
  ['transcript', 8, 216, 441, 121],
  ['box0', 192, 40, 81, 27],
  ['box1', 192, 110, 81, 27],
  ['box2', 192, 176, 81, 27],
  ['check', 288, 40, 97, 27],
  ['clear', 288, 176, 97, 27],
];

const colours = [
  ['form', 'rgb(0, 192, 0)'],
  ['title', 'rgb(255, 192, 128)'],
  ['firstNumber', 'rgb(255, 192, 128)'],
  ['secondNumber', 'rgb(255, 192, 128)'],
  ['solution', 'rgb(255, 192, 128)'],
  ['choose', 'rgb(255, 192, 128)'],
  ['check', 'rgb(128, 255, 128)'],
  ['clear', 'rgb(255, 0, 0)'],
];

// The focus starts on the first and Tab visits the rest in this order.
const tabOrder = ['transcript', 'list', 'box0', 'box1', 'box2', 'check', 'clear'];

// What a screen reader is told of each control, as the window's tests check it too.
const accessibility = JSON.parse(
  readFileSync(path.join(repositoryRoot, 'tests', 'scenarios', 'accessibility.json'), 'utf8'));
const chromiumRoles = { text: 'textbox', list: 'listbox', button: 'button', label: 'LabelText', title: 'heading' };

function byName(page) {
  const form = controls(page);
  const [box0, box1, box2] = form.boxes;
  return { ...form, box0, box1, box2 };
}

for (const origin of origins) {
  describe(`the form's layout, page opened over ${origin}`, () => {
    let browser;
    let address;
    let page;

    before(async () => {
      address = await pageAddress(origin);
      browser = await launchBrowser();
      ({ page } = await openPage(browser.context, address.url));
    });

    after(async () => {
      await browser?.close();
      await address?.close();
    });

    test('every control sits where the design puts it', async () => {
      const form = byName(page);
      const origin = await form.form.boundingBox();
      // The form is scaled as a whole to the window; its transform tells by how much.
      const scale = await form.form.evaluate((element) => new DOMMatrix(getComputedStyle(element).transform).a);
      for (const [name, left, top, width, height] of geometry) {
        const box = await form[name].boundingBox();
        const actual = [box.x - origin.x, box.y - origin.y, box.width, box.height].map((value) => value / scale);
        const expected = [left, top, width, height];
        assert.ok(actual.every((value, at) => Math.abs(value - expected[at]) <= 1),
          `${name} at ${actual}, designed at ${expected}`);
      }
    });

    test('the colours are the design\'s', async () => {
      const form = byName(page);
      for (const [name, colour] of colours) {
        assert.equal(await form[name].evaluate((element) => getComputedStyle(element).backgroundColor), colour, name);
      }
    });

    test('labels centre their captions and the title shows on one line', async () => {
      const form = byName(page);
      for (const name of ['title', 'firstNumber', 'secondNumber', 'solution', 'choose']) {
        assert.equal(await form[name].evaluate((element) => getComputedStyle(element).textAlign), 'center', name);
      }
      assert.equal((await form.title.innerText()).trim(), 'Ровалин');
    });

    test('the font is Times New Roman 12pt, with the bundled serif font loadable', async () => {
      const font = await byName(page).transcript.evaluate((element) => {
        const style = getComputedStyle(element);
        return [style.fontFamily, style.fontSize];
      });
      assert.deepEqual(font, ['"Times New Roman", "Liberation Serif", "Rovalin Serif", serif', '16px']);
      const bundled = await page.evaluate(async () => {
        const faces = await document.fonts.load('12pt "Rovalin Serif"');
        return faces.map((face) => face.status);
      });
      assert.deepEqual(bundled, ['loaded']);
    });

    test('the controls are the native ones, set up as on the desktop', async () => {
      // [control, what is read from it, what it must be]
      const natures = [
        ['transcript', (element) => [element.tagName, element.readOnly, getComputedStyle(element).overflowY],
          ['TEXTAREA', true, 'scroll']],
        ['list', (element) => [element.tagName, element.size > 1, element.multiple], ['SELECT', true, false]],
        ['box0', (element) => [element.tagName, element.readOnly], ['INPUT', true]],
        ['box1', (element) => [element.tagName, element.readOnly], ['INPUT', true]],
        ['box2', (element) => [element.tagName, element.readOnly], ['INPUT', false]],
        ['check', (element) => [element.tagName, element.type], ['BUTTON', 'button']],
      ];
      const form = byName(page);
      for (const [name, read, expected] of natures) {
        assert.deepEqual(await form[name].evaluate(read), expected, name);
      }
    });

    test('the focus starts in Text1(0), and Tab visits the controls in order', async () => {
      const form = byName(page);
      for (const [at, name] of tabOrder.entries()) {
        if (at > 0) await page.keyboard.press('Tab');
        assert.equal(await form[name].evaluate((element) => element === document.activeElement), true, name);
      }
    });

    test('a screen reader meets each control by its role, its name and its description', async () => {
      const check = async ({ control, role, name, description = '', labelledBy }) => {
        const node = await accessibleNode(page, control);
        // A label names its control and is read as its text; every other control is named.
        const shown = role === 'label' ? node.text : node.name.trim();
        assert.deepEqual([node.role, shown, node.description], [chromiumRoles[role], name, description], control);
        if (labelledBy) assert.deepEqual(node.labelledBy, [labelledBy], control);
      };
      for (const row of accessibility.controls) await check(row);
      for (const number of accessibility.afterPicks.picks) await pick(page, number);
      for (const row of accessibility.afterPicks.controls) await check(row);
      assert.equal((await accessibleNode(page, 'rovalin')).name, 'Ровалин');
    });
  });
}
