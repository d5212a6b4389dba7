// SPDX-License-Identifier: MIT
#include "game/game.h"

#include "game/arithmetic.h"

#include <limits>

namespace {

// Offers first to last, each number that keep lets through; keep's run-time error
// stops the offer where it strikes.
template<typename Keep>
void offerNumbers(PickOutcome &outcome, int first, int last, Keep keep)
{
    outcome.offer.emplace();
    for (int number = first; number <= last; ++number) {
        const Checked<bool> kept = keep(number);
        if (kept.error()) {
            outcome.error = kept.error();
            return;
        }
        if (*kept)
            outcome.offer->push_back(number);
    }
}

// The remainder of the question, into the outcome; false when it failed.
bool askedRemainder(PickOutcome &outcome, std::int32_t hiddenNumber)
{
    const Checked<std::int32_t> remainder = mod(outcome.number, hiddenNumber);
    outcome.error = remainder.error();
    if (!outcome.error)
        outcome.remainder = *remainder;
    return !outcome.error;
}

} // namespace

PickOutcome Game::pick(double number)
{
    PickOutcome outcome;
    outcome.phase = phase();
    outcome.number = number;
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
    if (!askedRemainder(outcome, gameState.hiddenNumber))
        return;
    gameState.firstRemainder = *outcome.remainder;
    gameState.firstNumber = outcome.number;
    // The second question may not be a multiple of the first: its remainder would
    // tell nothing new.
    offerNumbers(outcome, 50, 99, [this](int candidate) -> Checked<bool> {
        const Checked<std::int32_t> remainder = mod(candidate, gameState.firstNumber);
        if (remainder.error())
            return *remainder.error();
        return *remainder > 0;
    });
}

void Game::askSecondQuestion(PickOutcome &outcome)
{
    if (!askedRemainder(outcome, gameState.hiddenNumber))
        return;
    gameState.secondRemainder = *outcome.remainder;
    const Checked<std::int16_t> second = toInt16(outcome.number);
    if (second.error()) {
        outcome.error = second.error();
        return;
    }
    gameState.secondNumber = *second;
    offerNumbers(outcome, 1, 30, [](int /*guess*/) { return Checked<bool>(true); });
}

void Game::judgeGuess(PickOutcome &outcome) const
{
    outcome.verdict = static_cast<double>(gameState.hiddenNumber) == outcome.number ? Verdict::Right
                                                                                    : Verdict::Wrong;
}
