// SPDX-License-Identifier: MIT
#include "game/game.h"

#include "game/arithmetic.h"
#include "game/gametexts.h"
#include "form/formsurface.h"

#include <limits>
#include <string>

void Game::pick()
{
    const int index = form.list1ListIndex();
    if (index < 0)
        return;
    const double number = numericValue(form.list1Item(index));

    switch (phase()) {
    case Phase::FirstQuestion:
        askFirstQuestion(number);
        break;
    case Phase::SecondQuestion:
        askSecondQuestion(number);
        break;
    case Phase::Guess:
        judgeGuess(number);
        break;
    case Phase::Over:
        break;
    }

    // Picks after the game is over are still counted, but the count stops at its
    // largest value instead of overflowing: a pupil clicking on forever must never
    // meet an error.
    if (gameState.pickCount < std::numeric_limits<std::int16_t>::max())
        ++gameState.pickCount;
}

void Game::askFirstQuestion(double number)
{
    form.setLabel1Caption(1, decimalText(number));
    form.setText2(0, decimalText(mod(number, gameState.hiddenNumber)));
    gameState.firstNumber = number;

    // The second question may not be a multiple of the first: its remainder would
    // tell nothing new.
    form.list1Clear();
    constexpr int firstOffered = 50;
    constexpr int lastOffered = 99;
    for (int candidate = firstOffered; candidate <= lastOffered; ++candidate) {
        if (mod(candidate, gameState.firstNumber) > 0)
            form.list1AddItem(decimalText(candidate));
    }
    form.setList1ListIndex(-1);
}

void Game::askSecondQuestion(double number)
{
    form.setLabel1Caption(2, decimalText(number));
    form.setText2(1, decimalText(mod(number, gameState.hiddenNumber)));
    gameState.secondNumber = toInt16(number);

    form.list1Clear();
    constexpr int firstOffered = 1;
    constexpr int lastOffered = 30;
    for (int guess = firstOffered; guess <= lastOffered; ++guess)
        form.list1AddItem(decimalText(guess));
    form.setList1ListIndex(-1);
}

void Game::judgeGuess(double number)
{
    if (static_cast<double>(gameState.hiddenNumber) == number) {
        std::string verdict{GameTexts::rightGuess};
        verdict += decimalText(gameState.hiddenNumber);
        form.setText2(2, verdict);
    } else {
        form.setText2(2, GameTexts::wrongGuess);
    }
}
