// SPDX-License-Identifier: MIT
#include "game/game.h"

#include "game/fractionsource.h"
#include "game/hiddennumber.h"

Game::Game(FractionSource &source)
    : fractions(source)
{
}

Phase Game::phase() const noexcept
{
    switch (gameState.pickCount) {
    case 0:
        return Phase::FirstQuestion;
    case 1:
        return Phase::SecondQuestion;
    case 2:
        return Phase::Guess;
    default:
        return Phase::Over;
    }
}

NewGameOutcome Game::NewGame()
{
    NewGameOutcome outcome;
    constexpr int firstOffered = 20;
    constexpr int lastOffered = 49;
    for (int number = firstOffered; number <= lastOffered; ++number)
        outcome.offer.push_back(number);
    gameState.offer = outcome.offer;
    gameState.firstRemainder = 0;
    gameState.secondRemainder = 0;
    gameState.pickCount = 0;

    // The draw comes last: the form is already reset if it fails.
    const Checked<std::int32_t> hidden = hiddenNumberFor(fractions.nextFraction());
    outcome.error = hidden.error();
    if (!outcome.error)
        gameState.hiddenNumber = *hidden;
    return outcome;
}
