// SPDX-License-Identifier: MIT
#pragma once

// The game of remainders as an engine: numbers in, outcomes out.
//
// Game keeps every number of the game: the hidden number, the pick count, the two
// picked numbers and their remainders, and the numbers the list offers. It knows no
// text and no window. The form's handlers (form/formhandlers.h) call it and hand
// what it returns to form/gameview.h, which turns it into what the player sees and
// hears:
//
//   NewGame()      the offer 20..49; the hidden number drawn              pickCount 0
//   pick(first)    its remainder; the offer 50..99 less the multiples
//                  of the first number                                    pickCount 1
//   pick(second)   its remainder; the offer 1..30                         pickCount 2
//   pick(guess)    the verdict; the offer stays                           pickCount 3
//   pick(...)      the game is over: nothing                              pickCount 4...
//   ShowSolution() from pickCount 2 on: both numbers less their remainders, then
//                  Euclid's algorithm by repeated subtraction; before that, nothing
//
// The arithmetic is the original program's: numbers rounded half to even, 16-bit
// values, and an overflow or a division by zero as a run-time error
// (game/runtimeerror.h). Such an error stops a call where it strikes; the outcome
// names it and holds what the call did before it, so the player is shown exactly that.
// No number the lists offer ever leads to one.

#include "game/runtimeerror.h"

#include <cstdint>
#include <optional>
#include <vector>

class FractionSource;

enum class Phase { FirstQuestion, SecondQuestion, Guess, Over };

// The numbers the list offers, in order.
using Offer = std::vector<int>;

// The state of one game. It starts out as zeros; NewGame resets the count, the
// remainders and the offer and draws the hidden number, but leaves the two picked
// numbers, which nothing reads before the next picks overwrite them.
struct GameState
{
    std::int32_t hiddenNumber = 0;
    std::int16_t pickCount = 0;
    double firstNumber = 0.0;
    std::int16_t secondNumber = 0;
    std::int32_t firstRemainder = 0;
    std::int32_t secondRemainder = 0;
    Offer offer;
};

struct NewGameOutcome
{
    Offer offer;
    std::optional<RuntimeError> error;
};

enum class Verdict { Right, Wrong };

// What a pick did, in the order it did it: the number picked, a question's remainder,
// the list's new offer (only when the list changes), the guess's verdict.
struct PickOutcome
{
    Phase phase = Phase::Over; // the phase the pick was made in
    double number = 0.0;
    std::optional<std::int32_t> remainder;
    std::optional<Offer> offer;
    std::optional<Verdict> verdict;
    std::optional<RuntimeError> error;
};

// A number less its remainder: number - remainder = difference.
struct Difference
{
    double number = 0.0;
    double remainder = 0.0;
    double difference = 0.0;
};

// One step of Euclid's algorithm: the larger value less the smaller.
struct Subtraction
{
    double larger = 0.0;
    double smaller = 0.0;

    friend constexpr bool operator==(const Subtraction &, const Subtraction &) = default;
};

struct Solution
{
    Difference first;
    Difference second;
    std::vector<Subtraction> subtractions;
    double divisor = 0.0;
    // The steps above hold what was worked out before the error struck.
    std::optional<RuntimeError> error;
};

class Game
{
public:
    // The game draws one fraction from source for every new game.
    explicit Game(FractionSource &source);

    NewGameOutcome NewGame();

    // The player picked number from the list (a number on offer, as a rule).
    PickOutcome pick(double number);

    // The worked solution, once both questions are asked; changes nothing.
    [[nodiscard]] std::optional<Solution> ShowSolution() const;

    [[nodiscard]] const GameState &state() const noexcept { return gameState; }
    [[nodiscard]] Phase phase() const noexcept;

private:
    void askFirstQuestion(PickOutcome &outcome);
    void askSecondQuestion(PickOutcome &outcome);
    void judgeGuess(PickOutcome &outcome) const;

    FractionSource &fractions;
    GameState gameState;
};
