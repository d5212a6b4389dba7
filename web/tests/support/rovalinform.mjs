// SPDX-License-Identifier: MIT
// The form on the page as the player meets it: its controls found by their roles and
// accessible names, what they show, and the player's moves.

export function controls(page) {
  const form = page.locator('#rovalin');
  return {
    form,
    title: form.locator('.label').filter({ hasText: 'Ровалин' }),
    choose: form.locator('.label').filter({ hasText: 'Изберете' }),
    solution: form.locator('.label').filter({ hasText: 'Решение:' }),
    firstNumber: page.getByRole('status', { name: 'Първо число', exact: true }),
    secondNumber: page.getByRole('status', { name: 'Второ число', exact: true }),
    list: page.getByRole('listbox', { name: 'Числа за избор', exact: true }),
    boxes: ['Остатък на първото число', 'Остатък на второто число', 'Отговор'].map((name) =>
      page.getByRole('textbox', { name, exact: true })),
    transcript: page.getByRole('textbox', { name: 'Условие и решение', exact: true }),
    check: page.getByRole('button', { name: 'Провери', exact: true }),
    clear: page.getByRole('button', { name: 'Чисти', exact: true }),
  };
}

// Everything the game writes, as the page shows it.
export async function readForm(page) {
  const form = controls(page);
  const [firstNumber, secondNumber] = await Promise.all([
    form.firstNumber.textContent(), form.secondNumber.textContent()]);
  const boxes = await Promise.all(form.boxes.map((box) => box.inputValue()));
  const resultLocked = await form.boxes[2].evaluate((box) => box.readOnly);
  const transcript = await form.transcript.inputValue();
  const { items, selected } = await form.list.evaluate((list) => ({
    items: [...list.options].map((option) => option.text),
    selected: list.selectedIndex,
  }));
  return { firstNumber, secondNumber, boxes, resultLocked, transcript, items, selected };
}

// The player clicks the item showing text.
export async function pick(page, text) {
  await controls(page).list.getByRole('option', { name: String(text), exact: true }).click();
}

export function numbers(first, last, keep = () => true) {
  const all = Array.from({ length: last - first + 1 }, (unused, at) => first + at);
  return all.filter(keep).map(String);
}

// The hidden numbers (2 to 21) that leave the remainders shown for the numbers asked.
export function candidates(questions) {
  return numbers(2, 21).map(Number).filter((hidden) =>
    questions.every(({ number, remainder }) => number % hidden === remainder));
}

// The solution the game must write for two questions: both numbers less their
// remainders, then Euclid's algorithm by repeated subtraction, larger value first.
export function expectedSolution(first, second) {
  const firstDiff = first.number - first.remainder;
  const secondDiff = second.number - second.remainder;
  const lines = [
    'Извеждам двете въведени числа и остатъците:',
    `${first.number} - ${first.remainder} = ${firstDiff}`,
    `${second.number} - ${second.remainder} = ${secondDiff}`,
    'Решение чрез алгоритъм на Евклид:',
  ];
  let [a, b] = [firstDiff, secondDiff];
  while (a !== b) {
    lines.push(a > b ? `${a} - ${b}` : `${b} - ${a}`);
    if (a > b) a -= b;
    else b -= a;
  }
  lines.push(`НОД = ${a}`);
  return { lines, divisor: a };
}
