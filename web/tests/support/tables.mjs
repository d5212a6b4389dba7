// SPDX-License-Identifier: MIT
// The tables the page is checked against, shared with the window's tests: the form's
// control table and texts (form/controltable.h, form/formtexts.h, printed by a program
// built from them), the whole games and the pick scenarios of tests/scenarios/; the
// catalogue of each of the page's languages as the page loads it; and the texts a game
// row expects in a language, made from its numbers and that language's words.

import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import path from 'node:path';

import { pageDirectory, repositoryRoot } from './browser.mjs';

function scenarioTable(name) {
  return JSON.parse(readFileSync(path.join(repositoryRoot, 'tests', 'scenarios', name), 'utf8'));
}

export const { games } = scenarioTable('games.json');
export const { scenarios: pickScenarios } = scenarioTable('picks.json');

// { form, controls, texts }: the form's size, colour and font; each control's row, its
// rect in pixels and its texts as written; the form's texts by their names.
function formTables() {
  const program = path.join(repositoryRoot, 'build', 'web', 'tests', 'formtables.cjs');
  const run = spawnSync(process.execPath, [program], { encoding: 'utf8' });
  if (run.status !== 0) throw new Error(`${program} failed: ${run.stderr}`);
  return JSON.parse(run.stdout);
}

export const { form: designedForm, controls: designedControls, texts: sourceTexts } = formTables();

// The script that sets a global to its value (languages.js, lang/LL.js), read as data.
function scriptValue(file) {
  const script = readFileSync(file, 'utf8');
  return JSON.parse(script.slice(script.indexOf('=') + 1, script.lastIndexOf(';')));
}

// The page's languages: [{ code, tag, name }], as its switch offers them.
export const pageLanguages = scriptValue(path.join(pageDirectory, 'languages.js'));

// What a text reads in a language (by its code, such as 'bg'): English, the language
// the texts are written in, needs no catalogue.
export function translator(code, directory = pageDirectory) {
  const translations = code === 'en' ? {} : scriptValue(path.join(directory, 'lang', `${code}.js`));
  return (text) => translations[text] ?? text;
}

export function numbers(first, last, keep = () => true) {
  const all = Array.from({ length: last - first + 1 }, (unused, at) => first + at);
  return all.filter(keep).map(String);
}

// The fraction that draws a hidden number (2 to 21), for the page's rovalinTestFractions.
export const drawing = (hidden) => (hidden - 2) / 100;

// The form's words in a language, each by its name in form/formtexts.h, with "%s"
// filled in where a value is given.
export function wordsIn(code) {
  const translate = translator(code);
  return (name, value) => {
    const text = translate(sourceTexts[name]);
    return value === undefined ? text : text.replace('%s', value);
  };
}

// What the form shows and says along a game of the table, in a language.
export function expected(code) {
  const word = wordsIn(code);
  const verdict = (game) => (game.verdict === 'right' ? word('rightGuess', game.hidden) : word('wrongGuess'));
  return {
    secondList: (game) => numbers(50, 99, (number) => !game.leftOut.includes(number)),
    verdict,
    // Text1(0) as a text area shows it, one line break between the lines.
    transcript: (game) => [
      word('solutionHeading'),
      ...game.differences.map(([number, remainder, difference]) => `${number} - ${remainder} = ${difference}`),
      word('euclidHeading'),
      ...game.subtractions.map(([larger, smaller]) => `${larger} - ${smaller}`),
      word('divisor', game.divisor),
    ].join('\n'),
    remainder: (remainder) => word('remainder', remainder),
    divisor: (game) => word('divisor', game.divisor),
  };
}
