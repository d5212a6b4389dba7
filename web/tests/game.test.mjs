// SPDX-License-Identifier: MIT
// Games played on the page with real clicks and keys, served over HTTP and opened from
// disk; every text the game writes is checked character for character.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';

import { launchBrowser, openPage, origins, pageAddress } from './support/browser.mjs';
import { cppStringConstant } from './support/cppconstant.mjs';
import { candidates, controls, expectedSolution, numbers, pick, readForm } from './support/rovalinform.mjs';

const taskStatement = cppStringConstant('window/formtexts.h', 'taskStatement');
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

// Asks the two questions by clicking; returns each number with the remainder shown.
async function askQuestions(page, first, second) {
  await pick(page, first);
  await pick(page, second);
  const { boxes } = await readForm(page);
  return [
    { number: first, remainder: Number(boxes[0]) },
    { number: second, remainder: Number(boxes[1]) },
  ];
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

    test('the page loads with a new game and the task statement', async () => {
      await load();
      assert.deepEqual(await readForm(page), freshGame(taskStatement.replaceAll('\r\n', '\n')));
      assert.equal(await page.title(), 'Ровалин');
      assert.equal(await page.locator('html').getAttribute('lang'), 'bg');
      assertNoPageErrors();
    });

    test('a typical game: two questions, the solution, then the guess', async () => {
      await load();
      await pick(page, 25);
      let form = await readForm(page);
      assert.equal(form.firstNumber, '25');
      assert.match(form.boxes[0], /^(1?[0-9]|20)$/);
      assert.deepEqual(form.items, numbers(50, 99, (n) => n % 25 !== 0));
      assert.equal(form.selected, -1, 'the new list has nothing selected');

      await pick(page, 52);
      form = await readForm(page);
      assert.equal(form.secondNumber, '52');
      assert.match(form.boxes[1], /^(1?[0-9]|20)$/);
      assert.deepEqual(form.items, guessOffer);
      const questions = [
        { number: 25, remainder: Number(form.boxes[0]) },
        { number: 52, remainder: Number(form.boxes[1]) },
      ];
      const possible = candidates(questions);
      assert.ok(possible.length > 0, `remainders ${form.boxes} fit no hidden number`);

      await controls(page).check.click();
      form = await readForm(page);
      const solution = expectedSolution(...questions);
      assert.equal(form.transcript, solution.lines.join('\n'), 'one line break per line, none after the last');
      assert.equal(form.boxes[2], String(solution.divisor));
      assert.equal(form.resultLocked, true);
      for (const hidden of possible) assert.equal(solution.divisor % hidden, 0);

      const [guess, verdict] = possible.length === 1 ? [possible[0], `Да ${possible[0]}`] : [1, 'Не'];
      await pick(page, guess);
      form = await readForm(page);
      assert.equal(form.boxes[2], verdict);
      assert.equal(form.transcript, solution.lines.join('\n'));

      // The game is over: further picks change nothing.
      await pick(page, 30);
      const afterGame = await readForm(page);
      assert.equal(afterGame.selected, 29);
      assert.deepEqual({ ...afterGame, selected: form.selected }, form);
      assertNoPageErrors();
    });

    const guesses = [
      { name: 'the hidden number', guess: (hidden) => hidden, verdict: (hidden) => `Да ${hidden}` },
      { name: 'a number never hidden', guess: () => 1, verdict: () => 'Не' },
      { name: 'a neighbour of the hidden number', guess: (hidden) => hidden + 1, verdict: () => 'Не' },
    ];
    for (const { name, guess, verdict } of guesses) {
      test(`guessing ${name}`, async () => {
        await load();
        // 25 and 71 leave a different pair of remainders for every hidden number.
        const questions = await askQuestions(page, 25, 71);
        const [hidden, ...others] = candidates(questions);
        assert.deepEqual(others, []);
        await pick(page, guess(hidden));
        assert.equal((await readForm(page)).boxes[2], verdict(hidden));
        assert.equal((await readForm(page)).resultLocked, false, 'only the solution locks the result box');
      });
    }

    test('"Чисти" starts a new game and empties the transcript', async () => {
      await load();
      await askQuestions(page, 25, 52);
      await controls(page).check.click();
      await pick(page, 7);
      await controls(page).clear.click();
      assert.deepEqual(await readForm(page), freshGame(''));

      // The new game plays as the first did.
      const questions = await askQuestions(page, 26, 70);
      assert.ok(candidates(questions).length > 0);
      assertNoPageErrors();
    });

    const tooEarly = [
      { name: 'before any pick', questions: [] },
      { name: 'after one pick', questions: [33] },
    ];
    for (const { name, questions } of tooEarly) {
      test(`"Провери" ${name} changes nothing`, async () => {
        await load();
        for (const number of questions) await pick(page, number);
        const before = await readForm(page);
        await controls(page).check.click();
        assert.deepEqual(await readForm(page), before);
        assert.equal(before.transcript, taskStatement.replaceAll('\r\n', '\n'));
      });
    }

    test('the keyboard alone plays a game', async () => {
      await load();
      const form = controls(page);
      await page.keyboard.press('Tab');
      await page.keyboard.press('Tab');
      await assertFocused(form.list);
      // Arrow keys move the selection, and each move is a pick.
      await page.keyboard.press('ArrowDown');
      assert.equal(await form.firstNumber.textContent(), '20');
      assert.deepEqual((await readForm(page)).items, numbers(50, 99, (n) => n % 20 !== 0));
      await page.keyboard.press('ArrowDown');
      assert.equal(await form.secondNumber.textContent(), '50');
      await page.keyboard.press('ArrowDown');
      assert.equal(await form.boxes[2].inputValue(), 'Не');
      await assertFocused(form.list);

      // Tab on to "Провери" and press it with Enter; "Чисти" with the space bar.
      for (let press = 0; press < 4; ++press) await page.keyboard.press('Tab');
      await assertFocused(form.check);
      await page.keyboard.press('Enter');
      assert.match(await form.transcript.inputValue(), /^Извеждам двете въведени числа и остатъците:\n20 - /);
      await page.keyboard.press('Tab');
      await assertFocused(form.clear);
      await page.keyboard.press(' ');
      assert.deepEqual(await readForm(page), freshGame(''));
      assertNoPageErrors();
    });

    const failures = [
      { name: 'a remainder beyond any number', box: 0, value: '1e400' },
      { name: 'a difference beyond 16 bits', box: 1, value: '-99999' },
    ];
    for (const { name, box, value } of failures) {
      test(`a run-time error (${name}) is reported and the page keeps working`, async () => {
        await load();
        await askQuestions(page, 25, 52);
        // The remainder boxes are read-only for the player; only a script can do this.
        await controls(page).boxes[box].evaluate((element, text) => { element.value = text; }, value);
        const messages = [];
        page.on('dialog', async (dialog) => {
          messages.push([dialog.type(), dialog.message()]);
          await dialog.accept();
        });
        await controls(page).check.click();
        assert.deepEqual(messages, [['alert', cppStringConstant('window/formtexts.h', 'overflowError')]]);

        await controls(page).clear.click();
        assert.deepEqual(await readForm(page), freshGame(''));
        await askQuestions(page, 25, 52);
        await controls(page).check.click();
        assert.equal((await readForm(page)).resultLocked, true);
        assert.equal(messages.length, 1);
        assertNoPageErrors();
      });
    }
  });
}

async function assertFocused(locator) {
  assert.equal(await locator.evaluate((element) => element === document.activeElement), true);
}
