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
// in the page in "Rovalin Serif" alone, so any other family drew a character that the
// page's font lacks.
export async function fontsDrawing(page, text) {
  await page.evaluate(async (shown) => {
    const probe = document.createElement('div');
    probe.id = 'font-probe';
    probe.style.fontFamily = '"Rovalin Serif", monospace';
    probe.style.whiteSpace = 'pre-wrap';
    probe.textContent = shown;
    document.body.append(probe);
    await document.fonts.load('16px "Rovalin Serif"', shown);
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
