// SPDX-License-Identifier: MIT
// Debian's Chromium, headless, with a fresh profile, driven by playwright-core; and the
// page under test, served from the loopback server or opened from disk.

import { chromium } from 'playwright-core';
import { mkdtemp, rm } from 'node:fs/promises';
import { after, before } from 'node:test';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

import { startStaticServer } from './staticserver.mjs';

export const repositoryRoot = fileURLToPath(new URL('../../../', import.meta.url));
export const pageDirectory = path.join(repositoryRoot, 'build', 'web', 'page');

const chromiumArguments = [
  '--headless',
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// options: playwright's browser context options to add, such as the screen to emulate
// (viewport, deviceScaleFactor, isMobile, hasTouch) or the browser's language (locale);
// a desktop window of 800 x 600, in a browser set to Bulgarian, by default.
export async function launchBrowser(options = {}) {
  const profile = await mkdtemp(path.join(os.tmpdir(), 'rovalin-profile-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: chromiumArguments,
    // A headless browser hides scroll bars unless told not to; the list needs its own.
    ignoreDefaultArgs: ['--hide-scrollbars'],
    viewport: { width: 800, height: 600 },
    locale: 'bg-BG',
    ...options,
  });
  // A click on a control that never comes, or a page that never answers, fails the test
  // in seconds rather than at the runner's limit.
  context.setDefaultTimeout(waitLimitMs);
  return {
    context,
    close: async () => {
      await context.close();
      await rm(profile, { recursive: true, force: true });
    },
  };
}

// How long a test waits for the page to reach a state before it fails.
const waitLimitMs = 10_000;

// Waits until condition (a function run in the page, given argument) holds, at most
// waitLimitMs; then fails, saying what it waited for.
export async function waitInPage(page, what, condition, argument) {
  try {
    await page.waitForFunction(condition, argument, { timeout: waitLimitMs });
  } catch (error) {
    throw new Error(`waited ${waitLimitMs / 1000} s for ${what}: ${error.message.split('\n')[0]}`);
  }
}

// The two ways a teacher can open the page.
export const origins = ['http', 'file'];

// Serves the page (the one built, or the one in directory) over HTTP for origin
// 'http'; for 'file' the page needs no server.
export async function pageAddress(origin, directory = pageDirectory) {
  if (origin === 'file') {
    return { url: pathToFileURL(path.join(directory, 'index.html')).href, close: async () => {} };
  }
  return startStaticServer(directory);
}

// For the tests of one describe(): the page at origin and a browser launched with
// options, started before the first test and closed after the last. open(query,
// options) opens the page (its address followed by query) as openPage does.
export function pageSession(origin, browserOptions) {
  const session = {
    open: (query = '', options = {}) => openPage(session.browser.context, session.address.url + query, options),
  };
  before(async () => {
    session.address = await pageAddress(origin);
    session.browser = await launchBrowser(browserOptions);
  });
  after(async () => {
    await session.browser?.close();
    await session.address?.close();
  });
  return session;
}

// Reports, from the page, every load or script its Content-Security-Policy refused.
function watchPolicyViolations() {
  document.addEventListener('securitypolicyviolation', (event) => {
    window.rovalinPolicyViolation(`${event.effectiveDirective} refused ${event.blockedURI}`);
  });
}

// Opens the page in a new tab and waits until the form takes the player's input. Collects the addresses the page
// requested, and in errors everything that went wrong, as a browser's console would
// show it: script errors, console errors, requests that failed or were answered with an
// HTTP error, and loads or scripts the page's policy refused; in warnings, the
// console's warnings.
// fractions: the fractions the game draws its hidden numbers from, in turn (NaN for
// one that fails), handed to the page before it loads as rovalinTestFractions.
// early: what the player does (an async function of the page) while the game's script
// is held back, once the form has been drawn; the script comes after it. Served over
// HTTP only. browserLike: a script run in the page before any of its own, which makes
// the browser behave as another would.
export async function openPage(context, url, { fractions, early, browserLike } = {}) {
  const page = await context.newPage();
  if (browserLike) await page.addInitScript(browserLike);
  if (fractions) {
    // Sent as texts: the page's init script is given its argument as JSON, which has no NaN.
    await page.addInitScript((given) => { window.rovalinTestFractions = given.map(Number); }, fractions.map(String));
  }
  const errors = [];
  const warnings = [];
  const requests = [];
  page.on('pageerror', (error) => errors.push(`page error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(`console error: ${message.text()}`);
    if (message.type() === 'warning') warnings.push(message.text());
  });
  page.on('request', (request) => requests.push(request.url()));
  page.on('requestfailed', (request) => errors.push(`request failed: ${request.url()} ${request.failure()?.errorText}`));
  page.on('response', (response) => {
    if (response.status() >= 400) errors.push(`HTTP ${response.status()}: ${response.url()}`);
  });
  await page.exposeFunction('rovalinPolicyViolation', (violation) => errors.push(`policy violation: ${violation}`));
  await page.addInitScript(watchPolicyViolations);
  if (early) {
    let played;
    const playedEarly = new Promise((resolve) => { played = resolve; });
    // Past the service worker an earlier visit left, which would answer from its copy.
    const devtools = await context.newCDPSession(page);
    await devtools.send('Network.enable');
    await devtools.send('Network.setBypassServiceWorker', { bypass: true });
    await page.route(/\/rovalin\.js$/, async (route) => {
      await playedEarly;
      await route.continue();
    });
    // The page's load waits for the script.
    await page.goto(url, { waitUntil: 'commit' });
    await page.locator('#List1 option').first().waitFor();
    await early(page);
    played();
  } else {
    await page.goto(url);
  }
  await waitInPage(page, 'the game to take the player\'s input', () => window.rovalinGame !== undefined);
  return { page, errors, warnings, requests };
}
