// SPDX-License-Identifier: MIT
// The tables the page is checked against, shared with the window's tests: the form's
// control table and texts, and the whole games with what they show, printed by a
// program built from the same C++ (web/tests/formtables.cpp); the pick scenarios of
// tests/scenarios/; and the catalogue of each of the page's languages as the page
// loads it.

import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import path from 'node:path';

import { pageDirectory, repositoryRoot } from './browser.mjs';

// The pick scenarios (tests/scenarios/picks.json): the key names of the table, the
// lists a row starts from, the rows.
export const { keys, lists, scenarios: pickScenarios } =
  JSON.parse(readFileSync(path.join(repositoryRoot, 'tests', 'scenarios', 'picks.json'), 'utf8'));

// Whether a language (by its code) is written right to left, as the tests state it
// (tests/scenarios/languages.json) rather than as the page's build reads it from the
// catalogue, which is under test.
const { rightToLeft: languagesRightToLeft, scripts, everyTable } =
  JSON.parse(readFileSync(path.join(repositoryRoot, 'tests', 'scenarios', 'languages.json'), 'utf8'));
export const writtenRightToLeft = (code) => languagesRightToLeft.includes(code);
// The script a language is written in: Latin unless the table says otherwise.
export const scriptOf = (code) => Object.keys(scripts).find((script) => scripts[script].includes(code)) ?? 'Latin';
// The languages every table runs in; in the others the form's layout, its captions'
// fit and its direction are checked.
export const everyTableLanguages = everyTable;

// A key of the pick table as the page's events name it: "Control+End" for "Ctrl+End".
export const pageKey = (name) => name.split('+').map((part) => keys[part]?.page ?? part).join('+');

// { form, controls, texts, games }: the form's size, colour and font; each control's
// row, its rect in pixels and its texts as written; the form's texts by their names;
// the whole games of tests/scenarios/games.json with what the form shows along each.
function formTables() {
  const program = path.join(repositoryRoot, 'build', 'web', 'tests', 'formtables.cjs');
  const run = spawnSync(process.execPath, [program], { encoding: 'utf8' });
  if (run.status !== 0) throw new Error(`${program} failed: ${run.stderr}`);
  return JSON.parse(run.stdout);
}

export const { form: designedForm, controls: designedControls, texts: sourceTexts, games } = formTables();

// The script that sets a global to its value (lang/LL.js), read as data.
function scriptValue(file) {
  const script = readFileSync(file, 'utf8');
  return JSON.parse(script.slice(script.indexOf('=') + 1, script.lastIndexOf(';')));
}

// The table of languages the page's build made (po/languages.py, beside the page's
// folder): { languages, source, fallback }, each language { code, tag, dir, name }, as
// start.js chooses from them and its list offers them.
export const pageTable = JSON.parse(readFileSync(path.join(pageDirectory, '..', 'languages.json'), 'utf8'));
export const pageLanguages = pageTable.languages;

// What a text reads in a language (by its code, such as 'bg'); English's catalogue,
// the language the texts are written in, is empty.
export function translator(code, directory = pageDirectory) {
  const translations = scriptValue(path.join(directory, 'lang', `${code}.js`));
  return (text) => translations[text] ?? text;
}

export function numbers(first, last) {
  return Array.from({ length: last - first + 1 }, (unused, at) => String(first + at));
}

// The fraction that draws a hidden number (2 to 21), for the page's rovalinTestFractions.
export const drawing = (hidden) => (hidden - 2) / 100;

// The form's words in a language, each by its name in form/formtexts.h.
export function wordsIn(code) {
  const translate = translator(code);
  return (name) => translate(sourceTexts[name]);
}

// What the form shows and says along a game of the table, in a language: the
// table's texts, each a word of the form with its value or a line of numbers, put into
// it, the value as the language's direction shows it. Text1(0) as a text area shows
// it, one line break between the lines.
export function expected(code) {
  const translate = translator(code);
  const rightToLeft = writtenRightToLeft(code);
  const inLanguage = ([word, leftToRight, rightToLeftValue]) => {
    const value = rightToLeft ? rightToLeftValue : leftToRight;
    return word ? translate(word).replace('%s', value) : value;
  };
  return (game) => ({
    secondList: game.secondList,
    transcript: game.transcript.map(inLanguage).join('\n'),
    verdict: inLanguage(game.verdict),
    announcements: game.announcements.map(inLanguage),
  });
}
