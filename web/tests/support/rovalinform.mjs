// SPDX-License-Identifier: MIT
// The form on the page as the player meets it: its controls, named as on the form,
// what they show, what a screen reader is told, and the player's moves.

export function controls(page) {
  const byId = (id) => page.locator(`#${id}`);
  return {
    form: page.locator('#rovalin'),
    title: byId('Label1_0'),
    choose: byId('Label1_4'),
    solution: byId('Label1_3'),
    firstNumber: byId('Label1_1'),
    secondNumber: byId('Label1_2'),
    list: byId('List1'),
    boxes: ['Text2_0', 'Text2_1', 'Text2_2'].map(byId),
    transcript: byId('Text1_0'),
    check: byId('Command1_0'),
    clear: byId('Command1_1'),
  };
}

// What Chromium's accessibility tree holds for the element with the given id: its
// role, name and description, the ids of the labels that name it, and its text.
export async function accessibleNode(page, id) {
  const session = await page.context().newCDPSession(page);
  try {
    const { result } = await session.send('Runtime.evaluate', { expression: `document.getElementById('${id}')` });
    const [node] = (await session.send('Accessibility.getPartialAXTree',
      { objectId: result.objectId, fetchRelatives: false })).nodes;
    const texts = await session.send('Accessibility.queryAXTree', { objectId: result.objectId, role: 'StaticText' });
    const labelledBy = node.properties?.find((property) => property.name === 'labelledby');
    return {
      role: node.role?.value,
      name: node.name?.value ?? '',
      description: node.description?.value ?? '',
      labelledBy: labelledBy?.value.relatedNodes.map((related) => related.idref) ?? [],
      text: texts.nodes.map((text) => text.name?.value ?? '').join(''),
    };
  } finally {
    await session.detach();
  }
}

// Everything the game writes, as the page shows it, and how far the transcript box is
// scrolled.
export async function readForm(page) {
  const form = controls(page);
  const [firstNumber, secondNumber] = await Promise.all([
    form.firstNumber.textContent(), form.secondNumber.textContent()]);
  const boxes = await Promise.all(form.boxes.map((box) => box.inputValue()));
  const resultLocked = await form.boxes[2].evaluate((box) => box.readOnly);
  const [transcript, transcriptTop] = await form.transcript.evaluate((area) => [area.value, area.scrollTop]);
  const { items, selected } = await form.list.evaluate((list) => ({
    items: [...list.options].map((option) => option.text),
    selected: list.selectedIndex,
  }));
  return { firstNumber, secondNumber, boxes, resultLocked, transcript, transcriptTop, items, selected };
}

// The player clicks the item showing text.
export async function pick(page, text) {
  await controls(page).list.getByRole('option', { name: String(text), exact: true }).click();
}
