// SPDX-License-Identifier: MIT
// The whole games of the shared table (tests/scenarios/games.json), played on the page
// with real clicks and keys, served over HTTP and opened from disk; every text the game
// writes and announces is checked character for character.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';

import { launchBrowser, openPage, origins, pageAddress } from './support/browser.mjs';
import { fontsDrawing, textsShown } from './support/pagefont.mjs';
import { cppStringConstant } from './support/cppconstant.mjs';
import { accessibleNode, controls, pick, readForm } from './support/rovalinform.mjs';
import { controlTable, drawing, expected, games, numbers } from './support/tables.mjs';

const taskStatement = controlTable().controls.find(({ name }) => name === 'Text1_0').caption;

function freshGame(transcript) {
  return {
    firstNumber: 'Число 1:',
    secondNumber: 'Число 2:',
    boxes: ['', '', ''],
    resultLocked: false,
    transcript,
    // The big box starts at its first line.
    transcriptTop: 0,
    items: numbers(20, 49),
    selected: -1,
  };
}

for (const origin of origins) {
  describe(`games, page opened over ${origin}`, () => {
    let browser;
    let address;
    let page;
    let errors;

    before(async () => {
      address = await pageAddress(origin);
      browser = await launchBrowser();
    });

    after(async () => {
      await browser?.close();
      await address?.close();
    });

    const load = async (fractions) => {
      await page?.close();
      ({ page, errors } = await openPage(browser.context, address.url, { fractions }));
    };
    // What the live region holds in Chromium's accessibility tree.
    const announced = async () => (await accessibleNode(page, 'announcement')).text;

    test('the page loads with a new game and the task statement', async () => {
      await load();
      assert.deepEqual(await readForm(page), freshGame(taskStatement));
      assert.equal(await page.title(), cppStringConstant('form/formtexts.h', 'programName'));
      assert.equal(await page.locator('html').getAttribute('lang'), 'bg');
      assert.deepEqual(errors, []);
    });

    for (const game of games) {
      test(game.name, async () => {
        await load([drawing(game.hidden), drawing(2)]);
        const shownAtStart = await textsShown(page);
        await pick(page, game.picks[0]);
        let form = await readForm(page);
        assert.deepEqual([form.firstNumber, form.boxes[0], form.selected], [String(game.picks[0]), String(game.remainders[0]), -1]);
        assert.deepEqual(form.items, expected.secondList(game));
        assert.equal(await announced(), expected.remainder(game.remainders[0]));

        await pick(page, game.picks[1]);
        form = await readForm(page);
        assert.deepEqual([form.secondNumber, form.boxes[1], form.selected], [String(game.picks[1]), String(game.remainders[1]), -1]);
        assert.deepEqual(form.items, numbers(1, 30));
        assert.equal(await announced(), expected.remainder(game.remainders[1]));

        // Enter presses the focused button, as Space does.
        await controls(page).check.focus();
        await page.keyboard.press('Enter');
        form = await readForm(page);
        assert.deepEqual([form.transcript, form.transcriptTop], [expected.transcript(game), 0]);
        assert.deepEqual([form.boxes[2], form.resultLocked], [String(game.divisor), true]);
        assert.equal(await announced(), expected.divisor(game));

        await pick(page, game.picks[2]);
        form = await readForm(page);
        assert.equal(form.boxes[2], expected.verdict(game));
        assert.equal(form.items[form.selected], String(game.picks[2]));
        assert.equal(await announced(), expected.verdict(game));

        // The page's font has every character the game has shown: none is drawn by another.
        const shown = [...shownAtStart, ...await textsShown(page)].join('\n');
        assert.deepEqual(await fontsDrawing(page, shown), [{ familyName: 'Rovalin Serif', isCustomFont: true }]);

        await controls(page).clear.focus();
        await page.keyboard.press(' ');
        assert.deepEqual(await readForm(page), freshGame(''));
        assert.equal(await announced(), cppStringConstant('form/formtexts.h', 'newGame'));
        assert.deepEqual(errors, []);
      });
    }

    test('a run-time error is reported and the page keeps working', async () => {
      // The second game's draw fails: a fraction that is not a number.
      await load([drawing(7), NaN, drawing(9)]);
      await pick(page, 25);
      const messages = [];
      page.on('dialog', async (dialog) => {
        messages.push([dialog.type(), dialog.message()]);
        await dialog.accept();
      });
      await controls(page).clear.click();
      assert.deepEqual(messages, [['alert', cppStringConstant('form/formtexts.h', 'overflowError')]]);

      await controls(page).clear.click();
      assert.deepEqual(await readForm(page), freshGame(''));
      assert.equal(messages.length, 1);
      assert.deepEqual(errors, []);
    });
  });
}
