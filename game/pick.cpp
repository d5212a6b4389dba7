// SPDX-License-Identifier: MIT
#include "game/game.h"

#include "game/arithmetic.h"

#include <limits>

namespace {

// Appends first to last to offer, each number that keep lets through.
template<typename Keep>
void offerNumbers(PickOutcome &outcome, int first, int last, Keep keep)
{
    outcome.offer.emplace();
    for (int number = first; number <= last; ++number) {
        if (keep(number))
            outcome.offer->push_back(number);
    }
}

} // namespace

PickOutcome Game::pick(double number)
{
    PickOutcome outcome;
    outcome.phase = phase();
    outcome.number = number;
    try {
        switch (outcome.phase) {
        case Phase::FirstQuestion:
            askFirstQuestion(outcome);
            break;
        case Phase::SecondQuestion:
            askSecondQuestion(outcome);
            break;
        case Phase::Guess:
            judgeGuess(outcome);
            break;
        case Phase::Over:
            break;
        }
    } catch (const RuntimeError &error) {
        outcome.error = error.kind();
    }
    // The list shows whatever was offered, even an offer cut short by an error.
    if (outcome.offer)
        gameState.offer = *outcome.offer;
    if (outcome.error)
        return outcome; // the pick stopped before it was counted

    // Picks after the game is over are still counted, but the count stops at its
    // largest value instead of overflowing: a pupil clicking on forever must never
    // meet an error.
    if (gameState.pickCount < std::numeric_limits<std::int16_t>::max())
        ++gameState.pickCount;
    return outcome;
}

void Game::askFirstQuestion(PickOutcome &outcome)
{
    outcome.remainder = mod(outcome.number, gameState.hiddenNumber);
    gameState.firstRemainder = *outcome.remainder;
    gameState.firstNumber = outcome.number;
    // The second question may not be a multiple of the first: its remainder would
    // tell nothing new.
    offerNumbers(outcome, 50, 99,
                 [this](int candidate) { return mod(candidate, gameState.firstNumber) > 0; });
}

void Game::askSecondQuestion(PickOutcome &outcome)
{
    outcome.remainder = mod(outcome.number, gameState.hiddenNumber);
    gameState.secondRemainder = *outcome.remainder;
    gameState.secondNumber = toInt16(outcome.number);
    offerNumbers(outcome, 1, 30, [](int /*guess*/) { return true; });
}

void Game::judgeGuess(PickOutcome &outcome) const
{
    outcome.verdict = static_cast<double>(gameState.hiddenNumber) == outcome.number ? Verdict::Right
                                                                                    : Verdict::Wrong;
}
