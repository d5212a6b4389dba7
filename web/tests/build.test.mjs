// SPDX-License-Identifier: MIT
// What the build makes: a page compiled from the game's own sources, in one folder
// that needs nothing beyond it.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';

import { pageDirectory, repositoryRoot } from './support/browser.mjs';
import { pageLanguages } from './support/tables.mjs';

const buildDirectory = path.join(repositoryRoot, 'build', 'web');

test('the page is compiled from the sources in game/, not from a copy', () => {
  const commands = JSON.parse(readFileSync(path.join(buildDirectory, 'compile_commands.json'), 'utf8'));
  const compiled = commands.map(({ directory, file }) => path.resolve(directory, file));
  const gameSources = readdirSync(path.join(repositoryRoot, 'game')).filter((name) => name.endsWith('.cpp'));
  assert.ok(gameSources.length > 0);
  for (const name of gameSources) {
    const sameName = compiled.filter((file) => path.basename(file) === name);
    assert.deepEqual(sameName, [path.join(repositoryRoot, 'game', name)], name);
  }
  const ninja = readFileSync(path.join(buildDirectory, 'build.ninja'), 'utf8');
  const gameLink = ninja.split('\n').find((line) => line.startsWith('build web/rovalin.wasm:'));
  assert.match(gameLink ?? '', /game\/librovalin_game\.a/, 'the page\'s WebAssembly links the game library');
});

test('the page folder holds the page, its fonts and their licences, its icons, its languages and its service worker, nothing else', () => {
  const files = readdirSync(pageDirectory, { recursive: true }).sort();
  // Every catalogue of po/ is a language of the page, and so is English.
  const catalogues = readdirSync(path.join(repositoryRoot, 'po')).filter((name) => name.endsWith('.po'))
    .map((name) => name.slice(0, -'.po'.length));
  assert.deepEqual(pageLanguages.map(({ code }) => code).sort(), [...catalogues, 'en'].sort());
  assert.deepEqual(files, [
    'RovalinArmenian-LICENSE.txt',
    'RovalinArmenian-Regular.woff2',
    'RovalinNaskh-LICENSE.txt',
    'RovalinNaskh-Regular.woff2',
    'RovalinSerif-Common.woff2',
    'RovalinSerif-Cyrillic.woff2',
    'RovalinSerif-Greek.woff2',
    'RovalinSerif-LICENSE.txt',
    'RovalinSerif-Latin.woff2',
    'index.html',
    'lang',
    ...pageLanguages.map(({ code }) => `lang/${code}.js`),
    'rovalin-32.png',
    'rovalin-48.png',
    'rovalin.css',
    'rovalin.js',
    ...pageLanguages.map(({ code }) => `rovalin.${code}.webmanifest`),
    'rovalin.svg',
    'serviceworker.js',
    'start.js',
  ].sort());
  assert.match(readFileSync(path.join(pageDirectory, 'RovalinSerif-LICENSE.txt'), 'utf8'),
    /Liberation Serif[^]*SIL Open Font License,?\s+Version 1\.1/);
  assert.match(readFileSync(path.join(pageDirectory, 'RovalinNaskh-LICENSE.txt'), 'utf8'),
    /Amiri[^]*SIL OPEN FONT LICENSE,?\s+Version 1\.1/i);
  assert.match(readFileSync(path.join(pageDirectory, 'RovalinArmenian-LICENSE.txt'), 'utf8'),
    /Noto Serif Armenian[^]*SIL OPEN FONT LICENSE,?\s+Version 1\.1/i);
  // The WebAssembly travels inside the classic script, so nothing has to be fetched;
  // the markup shows the form before the script has run.
  const html = readFileSync(path.join(pageDirectory, 'index.html'), 'utf8');
  assert.match(html, /<script src="rovalin\.js" defer><\/script>/);
  assert.doesNotMatch(html, /type="module"|https?:/);
  // A policy in a meta element covers only what comes after it, so it comes before the
  // first element that loads anything.
  const policy = html.search(/<meta http-equiv="Content-Security-Policy" content="[^"]+">/);
  assert.ok(policy >= 0 && policy < html.search(/<(link|script)\b/), 'the policy comes first');
  // The form is fitted to the window, but a pinch or the browser's zoom still zooms.
  assert.doesNotMatch(html, /user-scalable|maximum-scale/);
  assert.match(readFileSync(path.join(pageDirectory, 'rovalin.js'), 'utf8'), /atob\(["']AGFzbQ/);
});

test('the font comes from the system at build time and is not kept in the sources', () => {
  const fonts = readdirSync(path.join(repositoryRoot, 'web'), { recursive: true })
    .filter((name) => /\.(ttf|otf|woff2?)$/i.test(name));
  assert.deepEqual(fonts, []);
});
