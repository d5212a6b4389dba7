// SPDX-License-Identifier: MIT
// Games played on the page with real clicks and keys, served over HTTP and opened from
// disk; every text the game writes is checked character for character.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';

import { launchBrowser, openPage, origins, pageAddress } from './support/browser.mjs';
import { fontsDrawing, textsShown } from './support/pagefont.mjs';
import { cppStringConstant } from './support/cppconstant.mjs';
import { accessibleNode, candidates, controls, expectedSolution, numbers, pick, readForm } from './support/rovalinform.mjs';

const taskStatement = cppStringConstant('form/formtexts.h', 'taskStatement');
const firstOffer = numbers(20, 49);
const guessOffer = numbers(1, 30);

function freshGame(transcript) {
  return {
    firstNumber: 'Число 1:',
    secondNumber: 'Число 2:',
    boxes: ['', '', ''],
    resultLocked: false,
    transcript,
    items: firstOffer,
    selected: -1,
  };
}

for (const origin of origins) {
  describe(`the game, page opened over ${origin}`, () => {
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

    const load = async () => {
      await page?.close();
      ({ page, errors } = await openPage(browser.context, address.url));
    };
    const assertNoPageErrors = () => assert.deepEqual(errors, []);
    // What the live region holds in Chromium's accessibility tree.
    const assertAnnounced = async (phrase) =>
      assert.equal((await accessibleNode(page, 'announcement')).text, phrase);

    test('the page loads with a new game and the task statement', async () => {
      await load();
      assert.deepEqual(await readForm(page), freshGame(taskStatement.replaceAll('\r\n', '\n')));
      assert.equal(await page.title(), 'Ровалин');
      assert.equal(await page.locator('html').getAttribute('lang'), 'bg');
      assertNoPageErrors();
    });

    test('a typical game: two questions, the solution, the guess, then "Чисти"', async () => {
      await load();
      const shownAtStart = await textsShown(page);
      await pick(page, 25);
      let form = await readForm(page);
      assert.equal(form.firstNumber, '25');
      assert.match(form.boxes[0], /^(1?[0-9]|20)$/);
      assert.deepEqual(form.items, numbers(50, 99, (n) => n % 25 !== 0));
      assert.equal(form.selected, -1, 'the new list has nothing selected');
      await assertAnnounced(`Остатък ${form.boxes[0]}`);

      await pick(page, 52);
      form = await readForm(page);
      assert.equal(form.secondNumber, '52');
      assert.match(form.boxes[1], /^(1?[0-9]|20)$/);
      assert.deepEqual(form.items, guessOffer);
      await assertAnnounced(`Остатък ${form.boxes[1]}`);
      const questions = [
        { number: 25, remainder: Number(form.boxes[0]) },
        { number: 52, remainder: Number(form.boxes[1]) },
      ];
      const possible = candidates(questions);
      assert.ok(possible.length > 0, `remainders ${form.boxes} fit no hidden number`);

      // Enter presses the focused button, as Space does.
      await controls(page).check.focus();
      await page.keyboard.press('Enter');
      form = await readForm(page);
      const solution = expectedSolution(...questions);
      assert.equal(form.transcript, solution.lines.join('\n'), 'one line break per line, none after the last');
      assert.equal(form.boxes[2], String(solution.divisor));
      assert.equal(form.resultLocked, true);
      for (const hidden of possible) assert.equal(solution.divisor % hidden, 0);
      await assertAnnounced(`НОД = ${solution.divisor}`);

      const [guess, verdict] = possible.length === 1 ? [possible[0], `Да ${possible[0]}`] : [1, 'Не'];
      await pick(page, guess);
      form = await readForm(page);
      assert.equal(form.boxes[2], verdict);
      await assertAnnounced(verdict);
      assert.equal(form.transcript, solution.lines.join('\n'));

      // The page's font has every character the game has shown: none is drawn by another.
      const shown = [...shownAtStart, ...await textsShown(page)].join('\n');
      assert.deepEqual(await fontsDrawing(page, shown), [{ familyName: 'Rovalin Serif', isCustomFont: true }]);

      await controls(page).clear.focus();
      await page.keyboard.press(' ');
      assert.deepEqual(await readForm(page), freshGame(''));
      await assertAnnounced('Нова игра');
      assertNoPageErrors();
    });

    test('a run-time error is reported and the page keeps working', async () => {
      await load();
      await pick(page, 25);
      await pick(page, 52);
      // The remainder boxes are read-only for the player; only a script can do this.
      await controls(page).boxes[0].evaluate((element) => { element.value = '1e400'; });
      const messages = [];
      page.on('dialog', async (dialog) => {
        messages.push([dialog.type(), dialog.message()]);
        await dialog.accept();
      });
      await controls(page).check.click();
      assert.deepEqual(messages, [['alert', cppStringConstant('form/formtexts.h', 'overflowError')]]);

      await controls(page).clear.click();
      assert.deepEqual(await readForm(page), freshGame(''));
      assertNoPageErrors();
    });
  });
}
