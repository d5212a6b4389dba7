// SPDX-License-Identifier: MIT
// The form as the control table (form/controltable.h) designs it, which the window's
// tests check too: every control's place and size (within 1 px, whatever the scale the
// form is shown at), its kind, colour and caption, the font, the Tab order and what
// screen readers are told.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';

import { origins, pageSession } from './support/browser.mjs';
import { fontsDrawing, textsShown } from './support/pagefont.mjs';
import { accessibleNode, pick } from './support/rovalinform.mjs';
import {
  designedControls as designed, designedForm, everyTableLanguages, pageLanguages, scriptOf, translator, writtenRightToLeft,
} from './support/tables.mjs';

// The form in Bulgarian, opened both ways, and in each of the page's other languages,
// served over http; what a screen reader meets in the languages every table runs in.
const runs = [...origins.map((origin) => [origin, 'bg']),
  ...pageLanguages.filter(({ code }) => code !== 'bg').map(({ code }) => ['http', code])];

// The files of the page's fonts that the letters of a script come from, beside ASCII,
// the digits and signs every language shares (RovalinSerif-Common.woff2).
const fontFiles = {
  Latin: ['RovalinSerif-Latin.woff2'],
  Cyrillic: ['RovalinSerif-Cyrillic.woff2'],
  Greek: ['RovalinSerif-Greek.woff2'],
  Armenian: ['RovalinArmenian-Regular.woff2'],
  Arabic: ['RovalinNaskh-Regular.woff2'],
};

// What each kind of control is on the page, and what a screen reader calls it.
const natures = {
  title: { read: (element) => [element.tagName], is: ['H1'], role: 'heading' },
  label: { read: (element) => [element.tagName], is: ['LABEL'], role: 'LabelText' },
  transcript: {
    read: (element) => [element.tagName, element.readOnly, getComputedStyle(element).overflowY],
    is: ['TEXTAREA', true, 'scroll'],
    role: 'textbox',
  },
  text: { read: (element) => [element.tagName, element.type], is: ['INPUT', 'text'], role: 'textbox' },
  list: { read: (element) => [element.tagName, element.size > 1, element.multiple], is: ['SELECT', true, false], role: 'listbox' },
  button: { read: (element) => [element.tagName, element.type], is: ['BUTTON', 'button'], role: 'button' },
};

// The text a control shows: a label's, a button's or a box's.
const shownText = (element) => (element.matches('input, textarea') ? element.value : element.textContent);

// One browser for each origin, which every language's page opens in, one after the
// other: a browser started for each would take most of the time.
const sessions = Object.fromEntries(origins.map((origin) => [origin, pageSession(origin)]));

for (const [origin, language] of runs) {
  describe(`the form's layout in ${language}, page opened over ${origin}`, () => {
    const translate = translator(language);
    // A language written right to left mirrors the form: each control at its mirrored
    // place.
    const rightToLeft = writtenRightToLeft(language);
    const placed = ([left, top, width, height]) =>
      [rightToLeft ? designedForm.rect[2] - left - width : left, top, width, height];
    let page;
    before(async () => { ({ page } = await sessions[origin].open(`?lang=${language}`)); });
    after(async () => { await page?.close(); });

    const form = () => page.locator('#rovalin');
    const control = (name) => page.locator(`#${name}`);

    test('every control of the table, where it designs it, as it designs it', async () => {
      const origin = await form().boundingBox();
      // The form is scaled as a whole to the window; its transform tells by how much.
      const scale = await form().evaluate((element) => new DOMMatrix(getComputedStyle(element).transform).a);
      const formSize = [origin.width / scale, origin.height / scale];
      assert.ok(formSize.every((value, at) => Math.abs(value - designedForm.rect[at + 2]) <= 1), `form ${formSize}`);
      assert.equal(await form().evaluate((element) => getComputedStyle(element).backgroundColor), designedForm.background);

      for (const { name, kind, rect, caption, background } of designed) {
        const box = await control(name).boundingBox();
        const actual = [box.x - origin.x, box.y - origin.y, box.width, box.height].map((value) => value / scale);
        const designedAt = placed(rect);
        assert.ok(actual.every((value, at) => Math.abs(value - designedAt[at]) <= 1), `${name} at ${actual}, designed at ${designedAt}`);
        assert.deepEqual(await control(name).evaluate(natures[kind].read), natures[kind].is, name);
        // The list shows the game's numbers, not a caption; the title ends its line.
        const shown = translate(caption) + (kind === 'title' ? '\n' : '');
        if (kind !== 'list') assert.equal(await control(name).evaluate(shownText), shown, name);
        if (background) {
          assert.equal(await control(name).evaluate((element) => getComputedStyle(element).backgroundColor), background, name);
        }
        if (kind === 'label' || kind === 'title') {
          assert.equal(await control(name).evaluate((element) => getComputedStyle(element).textAlign), 'center', name);
        }
      }
    });

    test('every caption fits its control', async () => {
      for (const { name, kind } of designed.filter(({ kind }) => ['title', 'label', 'button'].includes(kind))) {
        const [width, height, clientWidth, clientHeight] = await control(name).evaluate((element) =>
          [element.scrollWidth, element.scrollHeight, element.clientWidth, element.clientHeight]);
        assert.ok(width <= clientWidth && height <= clientHeight,
          `${kind} ${name} needs ${width} x ${height} px of ${clientWidth} x ${clientHeight}`);
      }
    });

    test('the font is the design\'s, with the bundled serif font loadable', async () => {
      const font = await control('Text1_0').evaluate((element) => {
        const style = getComputedStyle(element);
        return [style.fontFamily, style.fontSize];
      });
      const { fontFamily, fontMetricTwin, fontPointSize } = designedForm;
      assert.deepEqual(font, [`"${fontFamily}", "${fontMetricTwin}", "Rovalin Serif", Amiri, "Rovalin Naskh", "Noto Serif Armenian", "Rovalin Armenian", serif`,
        `${(fontPointSize * 4) / 3}px`]);
      const bundled = await page.evaluate(async () => {
        const faces = await document.fonts.load('12pt "Rovalin Serif"');
        return faces.map((face) => face.status);
      });
      assert.deepEqual(bundled, ['loaded']);
    });

    // Resource Timing lists what a page loads over http, not from disk.
    test('the page\'s own fonts draw every letter the form shows, from the files of its script alone',
      { skip: origin === 'file' && 'fonts loaded from disk are not listed' }, async () => {
        const fetchedFonts = () => page.evaluate(() => performance.getEntriesByType('resource')
          .map(({ name }) => new URL(name).pathname.split('/').pop()).filter((name) => name.endsWith('.woff2')));
        const drawing = await fontsDrawing(page, (await textsShown(page)).join('\n'));
        assert.deepEqual(drawing.filter(({ isCustomFont }) => !isCustomFont), []);
        const ownScript = ['RovalinSerif-Common.woff2', ...fontFiles[scriptOf(language)]];
        const fetched = await fetchedFonts();
        assert.ok(fetched.includes('RovalinSerif-Common.woff2'), fetched.join());
        assert.deepEqual(fetched.filter((name) => !ownScript.includes(name)), []);
      });

    test('the focus starts in the first control of the Tab order, and Tab visits them in order', async () => {
      const tabOrder = designed.filter(({ takesFocus }) => takesFocus).sort((a, b) => a.tabIndex - b.tabIndex);
      for (const [at, { name }] of tabOrder.entries()) {
        if (at > 0) await page.keyboard.press('Tab');
        assert.equal(await control(name).evaluate((element) => element === document.activeElement), true, name);
      }
    });

    test('a screen reader meets each control by its role, its name and its description', { skip: !everyTableLanguages.includes(language) && 'in the languages every table runs in' }, async () => {
      // A control is named by the label before it, as that label reads now, or by its
      // own name or caption; a label is read as its text.
      const check = async ({ name, kind, accessibleName, description, labelledBy }) => {
        const node = await accessibleNode(page, name);
        const namedBy = labelledBy ? control(labelledBy) : control(name);
        const expectedName = translate(accessibleName) || await namedBy.evaluate(shownText);
        const shown = kind === 'label' ? node.text : node.name.trim();
        assert.deepEqual([node.role, shown, node.description],
          [natures[kind].role, expectedName.trim(), translate(description)], name);
        if (labelledBy) assert.deepEqual(node.labelledBy, [labelledBy], name);
      };
      for (const row of designed) await check(row);
      // The number labels show the picked numbers, and so name their boxes.
      await pick(page, 25);
      await pick(page, 52);
      for (const row of designed) await check(row);
      assert.equal((await accessibleNode(page, 'rovalin')).name, translate(designedForm.name));
    });
  });
}
