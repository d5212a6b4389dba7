// SPDX-License-Identifier: MIT
// The tables the page is checked against, shared with the window's tests: the form's
// control table (form/controltable.h, printed by a program built from it), the whole
// games and the pick scenarios of tests/scenarios/; and the texts a game row expects,
// made from its numbers and the form's words.

import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import path from 'node:path';

import { repositoryRoot } from './browser.mjs';
import { cppStringConstant } from './cppconstant.mjs';

function scenarioTable(name) {
  return JSON.parse(readFileSync(path.join(repositoryRoot, 'tests', 'scenarios', name), 'utf8'));
}

export const { games } = scenarioTable('games.json');
export const { scenarios: pickScenarios } = scenarioTable('picks.json');

// { form, controls }: the form's size, colour and font, and each control's row, its
// rect in pixels and its caption as shown.
export function controlTable() {
  const program = path.join(repositoryRoot, 'build', 'web', 'tests', 'controltable.cjs');
  const run = spawnSync(process.execPath, [program], { encoding: 'utf8' });
  if (run.status !== 0) throw new Error(`${program} failed: ${run.stderr}`);
  return JSON.parse(run.stdout);
}

const word = (name) => cppStringConstant('form/formtexts.h', name);

export function numbers(first, last, keep = () => true) {
  const all = Array.from({ length: last - first + 1 }, (unused, at) => first + at);
  return all.filter(keep).map(String);
}

// The fraction that draws a hidden number (2 to 21), for the page's rovalinTestFractions.
export const drawing = (hidden) => (hidden - 2) / 100;

// What the form shows and says along a game of the table.
export const expected = {
  secondList: (game) => numbers(50, 99, (number) => !game.leftOut.includes(number)),
  verdict: (game) => (game.verdict === 'right' ? `${word('rightGuess')}${game.hidden}` : word('wrongGuess')),
  // Text1(0) as a text area shows it, one line break between the lines.
  transcript: (game) => [
    word('solutionHeading'),
    ...game.differences.map(([number, remainder, difference]) => `${number} - ${remainder} = ${difference}`),
    word('euclidHeading'),
    ...game.subtractions.map(([larger, smaller]) => `${larger} - ${smaller}`),
    `${word('divisorPrefix')}${game.divisor}`,
  ].join('\n'),
  remainder: (remainder) => `${word('remainder')}${remainder}`,
  divisor: (game) => `${word('divisorPrefix')}${game.divisor}`,
};
