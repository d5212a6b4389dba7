// SPDX-License-Identifier: MIT
// The page's weight: what one visit in any language may load has a limit. How soon the page is
// ready, and how much one visit loads, are figures of the benchmark
// (bench/page-coldstart.mjs), printed rather than judged.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync, statSync } from 'node:fs';
import path from 'node:path';

import { pageDirectory } from './support/browser.mjs';
import { pageLanguages } from './support/tables.mjs';

// Everything a browser may load in one visit in one language: the whole folder but the
// fonts' licence texts and the other languages' texts and manifests, which a visit in
// this language never asks for.
const weightLimit = 200 * 1000;

const ownTo = (code) => (name) => !/^(lang\/[^/]+\.js|rovalin\.[^.]+\.webmanifest)$/.test(name)
  || name === `lang/${code}.js` || name === `rovalin.${code}.webmanifest`;

test('what one visit in any language may load, the licence texts aside, weighs at most 200 KB', (t) => {
  const sizes = readdirSync(pageDirectory, { recursive: true })
    .filter((name) => statSync(path.join(pageDirectory, name)).isFile() && !name.endsWith('LICENSE.txt'))
    .map((name) => [name, statSync(path.join(pageDirectory, name)).size])
    .sort(([, a], [, b]) => b - a);
  for (const [name, size] of sizes) t.diagnostic(`${name}: ${size} bytes`);
  const weights = pageLanguages.map(({ code }) => [code, sizes.filter(([name]) => ownTo(code)(name))
    .reduce((sum, [, size]) => sum + size, 0)]).sort(([, a], [, b]) => b - a);
  const [heaviest, weight] = weights[0];
  t.diagnostic(`the heaviest language, ${heaviest}: ${weight} bytes (${(weight / 1024).toFixed(1)} KiB)`);
  assert.ok(weight <= weightLimit, `${heaviest}: ${weight} bytes`);
});
