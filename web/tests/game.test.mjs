// SPDX-License-Identifier: MIT
// The whole games of the shared table (tests/scenarios/games.json), played on the page
// with real clicks and keys, served over HTTP and opened from disk, in Bulgarian (as
// the page opens by default) and the other languages every table runs in
// (index.html?lang=en); every text the game
// writes and announces is checked character for character against the catalogue.

import { describe, test } from 'node:test';
import assert from 'node:assert/strict';

import { origins, pageSession } from './support/browser.mjs';
import { fontsDrawing, numbersLineLayout, textsShown } from './support/pagefont.mjs';
import { accessibleNode, controls, pick, readForm } from './support/rovalinform.mjs';
import {
  designedControls, drawing, everyTableLanguages, expected, games, numbers, translator, wordsIn, writtenRightToLeft,
} from './support/tables.mjs';

const taskStatement = designedControls.find(({ name }) => name === 'Text1_0').caption;

// [language, what the address adds, the edge of the transcript box its lines of numbers
// stand at, as its own lines do]: Bulgarian by default, the other languages every table
// runs in when asked for.
const languages = everyTableLanguages.map((code) =>
  [code, code === 'bg' ? '' : `?lang=${code}`, writtenRightToLeft(code) ? 'right' : 'left']);

function freshGame(word, transcript) {
  return {
    firstNumber: word('firstNumber'),
    secondNumber: word('secondNumber'),
    boxes: ['', '', ''],
    resultLocked: false,
    transcript,
    // The big box starts at its first line.
    transcriptTop: 0,
    items: numbers(20, 49),
    selected: -1,
  };
}

for (const origin of origins) for (const [language, query, numbersEdge] of languages) {
  describe(`games in ${language}, page opened over ${origin}`, () => {
    const word = wordsIn(language);
    const showing = expected(language);
    const session = pageSession(origin);
    let page;
    let errors;

    const load = async (fractions) => {
      await page?.close();
      ({ page, errors } = await session.open(query, { fractions }));
    };
    // What the live region holds in Chromium's accessibility tree, once a paragraph has
    // been added to it since it was last read: a screen reader hears what is added to a
    // live region, and an unchanged text set anew is no change to it.
    const announced = async () => {
      const added = await page.evaluate(() => {
        const paragraph = document.querySelector('#announcement > p:not([data-read])');
        paragraph?.setAttribute('data-read', '');
        return paragraph !== null;
      });
      return added ? (await accessibleNode(page, 'announcement')).text : 'no paragraph added to the live region';
    };

    test('the page loads with a new game and the task statement', async () => {
      await load();
      assert.deepEqual(await readForm(page), freshGame(word, translator(language)(taskStatement)));
      assert.equal(await page.title(), word('programName'));
      assert.equal(await page.locator('html').getAttribute('lang'), language);
      assert.deepEqual(errors, []);
    });

    for (const game of games) {
      test(game.name, async () => {
        const shows = showing(game);
        const [firstRemainder, secondRemainder, divisor, verdict] = shows.announcements;
        await load([drawing(game.hidden), drawing(2)]);
        const shownAtStart = await textsShown(page);
        await pick(page, game.picks[0]);
        let form = await readForm(page);
        assert.deepEqual([form.firstNumber, form.boxes[0], form.selected], [String(game.picks[0]), String(game.remainders[0]), -1]);
        assert.deepEqual(form.items, shows.secondList);
        assert.equal(await announced(), firstRemainder);

        await pick(page, game.picks[1]);
        form = await readForm(page);
        assert.deepEqual([form.secondNumber, form.boxes[1], form.selected], [String(game.picks[1]), String(game.remainders[1]), -1]);
        assert.deepEqual(form.items, numbers(1, 30));
        assert.equal(await announced(), secondRemainder);

        // Enter presses the focused button, as Space does.
        await controls(page).check.focus();
        await page.keyboard.press('Enter');
        form = await readForm(page);
        assert.deepEqual([form.transcript, form.transcriptTop], [shows.transcript, 0]);
        // Its lines of numbers read left to right, whichever way the language is written.
        assert.deepEqual(await numbersLineLayout(page, form.transcript.split('\n')[1]),
          { leftToRight: true, edge: numbersEdge });
        assert.deepEqual([form.boxes[2], form.resultLocked], [String(game.divisor), true]);
        assert.equal(await announced(), divisor);

        await pick(page, game.picks[2]);
        form = await readForm(page);
        assert.equal(form.boxes[2], shows.verdict);
        assert.equal(form.items[form.selected], String(game.picks[2]));
        assert.equal(await announced(), verdict);

        // The page's font has every character the game has shown: none is drawn by another.
        const shown = [...shownAtStart, ...await textsShown(page)].join('\n');
        assert.deepEqual((await fontsDrawing(page, shown)).filter(({ isCustomFont }) => !isCustomFont), []);

        await controls(page).clear.focus();
        await page.keyboard.press(' ');
        assert.deepEqual(await readForm(page), freshGame(word, ''));
        assert.equal(await announced(), word('newGame'));
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
      assert.deepEqual(messages, [['alert', `${word('overflowError')}\n${word('pressClear')}`]]);

      await controls(page).clear.click();
      assert.deepEqual(await readForm(page), freshGame(word, ''));
      assert.equal(messages.length, 1);
      assert.deepEqual(errors, []);
    });
  });
}
