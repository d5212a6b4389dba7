// SPDX-License-Identifier: MIT
// The page's weight: the folder a teacher copies has a limit. How soon the page is
// ready, and how much one visit loads, are figures of the benchmark
// (bench/page-coldstart.mjs), printed rather than judged.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync, statSync } from 'node:fs';
import path from 'node:path';

import { pageDirectory } from './support/browser.mjs';

// Everything a browser may load, that is the whole folder but the font's licence text.
const weightLimit = 200 * 1000;

test('the page folder, the licence text aside, weighs at most 200 KB', (t) => {
  const sizes = readdirSync(pageDirectory, { recursive: true })
    .filter((name) => statSync(path.join(pageDirectory, name)).isFile() && !name.endsWith('LICENSE.txt'))
    .map((name) => [name, statSync(path.join(pageDirectory, name)).size])
    .sort(([, a], [, b]) => b - a);
  for (const [name, size] of sizes) t.diagnostic(`${name}: ${size} bytes`);
  const weight = sizes.reduce((sum, [, size]) => sum + size, 0);
  t.diagnostic(`page folder without the licence text: ${weight} bytes (${(weight / 1024).toFixed(1)} KiB)`);
  assert.ok(weight <= weightLimit, `${weight} bytes`);
});
