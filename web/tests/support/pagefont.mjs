// SPDX-License-Identifier: MIT
// What the form shows, and which fonts Chromium draws a text with when it is set in the
// page's own font.

// Every text the form's controls show now: captions, box and list contents.
export function textsShown(page) {
  return page.evaluate(() => [...document.querySelectorAll('#rovalin > *')].map((control) => {
    if (control.options) return [...control.options].map((option) => option.text).join('\n');
    return control.matches('input, textarea') ? control.value : control.innerText;
  }));
}

// The families that drew text, each with whether the page brought it: the text is put
// in the page in its own fonts alone, "Rovalin Serif" and, for Arabic letters, "Rovalin
// Naskh", for Armenian ones "Rovalin Armenian", so any other family drew a character
// that the page's fonts lack.
export async function fontsDrawing(page, text) {
  await page.evaluate(async (shown) => {
    const probe = document.createElement('div');
    probe.id = 'font-probe';
    probe.style.fontFamily = '"Rovalin Serif", "Rovalin Naskh", "Rovalin Armenian", monospace';
    probe.style.whiteSpace = 'pre-wrap';
    // Unicode's direction marks and isolates are drawn by no font.
    probe.textContent = shown.replace(/\p{Cf}/gu, '');
    document.body.append(probe);
    await document.fonts.load('16px "Rovalin Serif", "Rovalin Naskh", "Rovalin Armenian"', shown);
  }, text);
  const devtools = await page.context().newCDPSession(page);
  try {
    await devtools.send('DOM.enable');
    await devtools.send('CSS.enable');
    const { root } = await devtools.send('DOM.getDocument');
    const { nodeId } = await devtools.send('DOM.querySelector', { nodeId: root.nodeId, selector: '#font-probe' });
    const { fonts } = await devtools.send('CSS.getPlatformFontsForNode', { nodeId });
    return fonts.map(({ familyName, isCustomFont }) => ({ familyName, isCustomFont }));
  } finally {
    await devtools.detach();
    await page.evaluate(() => document.getElementById('font-probe').remove());
  }
}

// How a line of numbers such as "25 - 4 = 21" is laid out as the transcript box lays
// out its lines: whether it shows its first digit left of its "=", and at which edge of
// the box it stands. Chromium's text areas honour no isolates and marks, so the box's
// own style must keep such a line left to right: the line is set without them, in a
// probe with the box's style.
export function numbersLineLayout(page, line) {
  return page.evaluate((text) => {
    const box = getComputedStyle(document.getElementById('Text1_0'));
    const probe = document.createElement('div');
    probe.textContent = text.replace(/\p{Cf}/gu, '');
    Object.assign(probe.style, { direction: box.direction, unicodeBidi: box.unicodeBidi, textAlign: box.textAlign });
    document.body.append(probe);
    const place = (from, to) => {
      const range = document.createRange();
      range.setStart(probe.firstChild, from);
      range.setEnd(probe.firstChild, to);
      return range.getBoundingClientRect();
    };
    const left = (at) => place(at, at + 1).left;
    const leftToRight = left(probe.textContent.search(/[0-9]/)) < left(probe.textContent.indexOf('='));
    const [shown, room] = [place(0, probe.textContent.length), probe.getBoundingClientRect()];
    const edge = shown.left - room.left < room.right - shown.right ? 'left' : 'right';
    probe.remove();
    return { leftToRight, edge };
  }, line);
}
