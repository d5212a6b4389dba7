// SPDX-License-Identifier: MIT
// The page's languages: which one it speaks for the browser's preferred languages and
// the address, its switch, and a pseudo-language made from the translators' template
// at test time, which the page takes in with no change of code and shows without a
// word left untranslated.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { cp, mkdtemp, rm } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';

import { launchBrowser, openPage, pageAddress, pageDirectory, pageSession, repositoryRoot } from './support/browser.mjs';
import { controls, pick, readForm } from './support/rovalinform.mjs';
import { pageLanguages, pageTable, wordsIn } from './support/tables.mjs';

// Which language the page speaks, by the cases the window plays too
// (tests/scenarios/languagechoice.json): the case's language given in the address, its
// session's as the browser's preferred languages.
const { cases: languageChoices } =
  JSON.parse(readFileSync(path.join(repositoryRoot, 'tests', 'scenarios', 'languagechoice.json'), 'utf8'));

describe('the language the page speaks', () => {
  let address;
  let browser;
  before(async () => {
    address = await pageAddress('http');
    browser = await launchBrowser();
  });
  after(async () => {
    await browser?.close();
    await address?.close();
  });

  for (const { case: name, given, session, speaks } of languageChoices) {
    test(`${name}: ${given ? `?lang=${given}, ` : ''}browser [${session}]: ${speaks}`, async () => {
      const browserLanguages = `Object.defineProperty(Navigator.prototype, 'languages', { get: () => ${JSON.stringify(session)} });`;
      const query = given ? `?lang=${encodeURIComponent(given)}` : '';
      const { page, errors } = await openPage(browser.context, address.url + query, { browserLike: browserLanguages });
      const word = wordsIn(speaks);
      assert.deepEqual([await page.locator('html').getAttribute('lang'), await page.title(),
        (await readForm(page)).firstNumber], [pageLanguages.find(({ code }) => code === speaks).tag,
        word('programName'), word('firstNumber')]);
      assert.deepEqual(errors, []);
      await page.close();
    });
  }
});

// [screen, emulated device]: the list on a desktop and on a phone, where the system
// shows it when tapped.
const screens = [
  ['desktop', {}],
  ['phone', { viewport: { width: 360, height: 740 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true }],
];

for (const [screen, device] of screens) {
  describe(`the language switch on a ${screen}`, () => {
    const session = pageSession('http', device);

    test('offers every language by its own name in one list, beside the form, and is reached with the keyboard', async () => {
      const { page, errors } = await session.open();
      const strip = page.locator('#languages');
      const choice = strip.getByRole('combobox');
      const options = choice.getByRole('option');
      // One native list: a tap opens it, a second tap goes to the language.
      assert.deepEqual([await choice.count(), await choice.evaluate((element) => [element.tagName, element.size])],
        [1, ['SELECT', 0]]);
      // In the order a pupil reads down a list, as Unicode's collation has it: the
      // names in Latin letters alphabetically, accents aside, then those in Greek,
      // Cyrillic, Armenian and Arabic letters.
      const names = pageLanguages.map(({ name }) => name);
      assert.deepEqual(names, [...names].sort(new Intl.Collator('und').compare));
      assert.deepEqual(await options.allTextContents(), names);
      assert.deepEqual(await options.evaluateAll((all) => all.map(({ lang }) => lang)), pageLanguages.map(({ tag }) => tag));
      assert.equal(await choice.getAttribute('aria-label'), wordsIn('bg')('languages'));
      assert.equal(await choice.evaluate((element) => element.selectedOptions[0].textContent), wordsIn('bg')('languageName'));
      // Out of the form's way: the strip and the form do not meet.
      const [stripBox, formBox] = [await strip.boundingBox(), await page.locator('#rovalin').boundingBox()];
      assert.ok(stripBox.y + stripBox.height <= formBox.y || formBox.y + formBox.height <= stripBox.y,
        `strip ${JSON.stringify(stripBox)}, form ${JSON.stringify(formBox)}`);

      // Tab goes on from the form's last control to the list; an arrow key there does
      // not leave the page; a language chosen does.
      await controls(page).clear.focus();
      await page.keyboard.press('Tab');
      assert.equal(await choice.evaluate((element) => element === document.activeElement), true);
      await page.keyboard.press('ArrowDown');
      assert.deepEqual([new URL(page.url()).search, await choice.evaluate((element) => element.selectedOptions[0].lang)],
        ['', 'bg']);
      await Promise.all([page.waitForURL(/\?lang=en$/), choice.selectOption('en')]);
      await page.locator('#rovalin').waitFor({ state: 'visible' });
      assert.equal((await readForm(page)).firstNumber, wordsIn('en')('firstNumber'));
      assert.deepEqual(errors, []);
    });
  });
}

describe('a new language, made from the template as a translator would', () => {
  let folder;
  let address;
  let browser;
  before(async () => {
    // The page as built, and the pseudo-language's catalogue turned into the page's
    // files by the build's own script, with the catalogues the page has.
    folder = await mkdtemp(path.join(os.tmpdir(), 'rovalin-pseudo-'));
    const page = path.join(folder, 'page');
    await cp(pageDirectory, page, { recursive: true });
    const pseudo = path.join(folder, 'en_XA.po');
    execFileSync(path.join(repositoryRoot, 'tests', 'po', 'pseudo.py'),
      [path.join(repositoryRoot, 'po', 'rovalin.pot'), pseudo, 'en_XA']);
    const catalogues = pageLanguages.filter(({ code }) => code !== pageTable.source)
      .map(({ code }) => path.join(repositoryRoot, 'po', `${code}.po`));
    const table = path.join(folder, 'languages.json');
    execFileSync('/usr/bin/python3', [path.join(repositoryRoot, 'po', 'languages.py'), table, ...catalogues, pseudo]);
    execFileSync('/usr/bin/python3', [path.join(repositoryRoot, 'web', 'catalogues.py'), table,
      path.join(repositoryRoot, 'web', 'rovalin.webmanifest'), path.join(repositoryRoot, 'web', 'start.js.in'), page,
      ...catalogues, pseudo]);
    address = await pageAddress('http', page);
    browser = await launchBrowser();
  });
  after(async () => {
    await browser?.close();
    await address?.close();
    await rm(folder, { recursive: true, force: true });
  });

  test('the page offers it and shows no text left untranslated', async () => {
    const { page, errors } = await openPage(browser.context, `${address.url}?lang=en-XA`, { fractions: [0.05, NaN] });
    const shown = [await page.title()];
    // Every text the page shows in its language, and what a screen reader is told.
    const look = async () => shown.push(...await page.evaluate(() => [
      ...document.querySelectorAll('#rovalin *, #rovalin, #languages, #languages select, #languages option:checked')].flatMap((element) => [
      element.matches('input, textarea') ? element.value : [...element.childNodes]
        .filter((node) => node.nodeType === Node.TEXT_NODE).map((node) => node.textContent).join(''),
      element.getAttribute('aria-label') ?? '', element.getAttribute('aria-description') ?? ''])));
    page.on('dialog', async (dialog) => {
      shown.push(dialog.message());
      await dialog.accept();
    });
    await look();
    for (const number of [25, 52]) await pick(page, number);
    await controls(page).check.click();
    await look();
    await pick(page, 7);
    await controls(page).clear.click();
    await look();

    assert.equal(await page.locator('#languages option:checked').getAttribute('lang'), 'en-XA');
    const untranslated = shown.filter((text) => /[A-Za-z]{2,}/.test(text));
    assert.deepEqual(untranslated, []);
    assert.deepEqual(errors, []);
  });
});
