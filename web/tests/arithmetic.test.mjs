// SPDX-License-Identifier: MIT
// Runs the game's number conversions as built by the browser toolchain (see
// tst_webarithmetic.cpp) under Node.js.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import path from 'node:path';

import { repositoryRoot } from './support/browser.mjs';

test('numbers print and read as on the desktop', () => {
  const program = path.join(repositoryRoot, 'build', 'web', 'tests', 'tst_webarithmetic.cjs');
  const run = spawnSync(process.execPath, [program], { encoding: 'utf8' });
  assert.equal(run.error, undefined);
  assert.match(run.stdout, /^\d+ cases, 0 failed$/m, run.stdout + run.stderr);
  assert.equal(run.status, 0);
});
