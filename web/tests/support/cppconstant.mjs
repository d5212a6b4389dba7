// SPDX-License-Identifier: MIT
// Reads a string constant out of a C++ header, so that a test compares the page with
// the text the program is built from rather than with a copy of it.

import { readFileSync } from 'node:fs';
import path from 'node:path';

import { repositoryRoot } from './browser.mjs';

const escapes = { r: '\r', n: '\n', t: '\t', '"': '"', '\\': '\\' };

// The value of `name = "..." "...";` in header (relative to the repository), its
// adjacent literals joined.
export function cppStringConstant(header, name) {
  const source = readFileSync(path.join(repositoryRoot, header), 'utf8');
  const definition = source.match(new RegExp(`\\b${name}\\s*=\\s*((?:"(?:[^"\\\\]|\\\\.)*"\\s*)+);`));
  if (!definition) throw new Error(`${name} not found in ${header}`);
  const literals = definition[1].match(/"(?:[^"\\]|\\.)*"/g);
  return literals.map((literal) =>
    literal.slice(1, -1).replace(/\\(.)/g, (escape, letter) => escapes[letter] ?? escape)).join('');
}
