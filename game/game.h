// SPDX-License-Identifier: MIT
#pragma once

// The game of remainders, independent of any toolkit.
//
// A front end owns one Game for the whole run and calls it from its three event
// handlers: NewGame() when the program starts (after seeding the fraction source) and
// when the player presses "Чисти"; pick() when the player picks an item of List1;
// ShowSolution() when the player presses "Провери". Every call reads and writes the
// window only through the FormSurface it was given, and keeps the game's state here:
//
//   NewGame   -> list 20..49, hidden number drawn               pickCount 0
//   pick      -> first question: remainder, list 50..99 less
//                the multiples of the first number               pickCount 1
//   pick      -> second question: remainder, list 1..30          pickCount 2
//   pick      -> the guess: "Да <hidden>" or "Не"                pickCount 3
//   pick      -> game over: nothing changes                      pickCount 4...
//
// ShowSolution works from pickCount 2 on and writes the worked solution: both
// numbers less their remainders, then Euclid's algorithm by repeated subtraction.
// Arithmetic that overflows throws RuntimeError (game/runtimeerror.h).

#include <cstdint>

class FormSurface;
class FractionSource;

// The state of one game. It starts out as zeros when the program starts; NewGame
// resets hiddenNumber and pickCount but leaves the two picked numbers as they were,
// since nothing reads them before the next picks overwrite them.
struct GameState
{
    std::int32_t hiddenNumber = 0;
    std::int16_t pickCount = 0;
    double firstNumber = 0.0;
    std::int16_t secondNumber = 0;
};

class Game
{
public:
    enum class Phase { FirstQuestion, SecondQuestion, Guess, Over };

    Game(FormSurface &surface, FractionSource &source);

    // Starts a game: resets the labels and boxes, unlocks the result box, offers
    // 20 to 49 and draws the hidden number. Leaves Text1(0) as it is.
    void NewGame();

    // Reacts to the player's pick of the selected item of List1. Does nothing (and
    // counts nothing) when no item is selected.
    void pick();

    // Writes the worked solution to Text1(0) and the divisor to the locked result
    // box; does nothing before the second pick.
    void ShowSolution();

    [[nodiscard]] const GameState &state() const noexcept { return gameState; }
    [[nodiscard]] Phase phase() const noexcept;

private:
    void askFirstQuestion(double number);
    void askSecondQuestion(double number);
    void judgeGuess(double number);

    FormSurface &form;
    FractionSource &fractions;
    GameState gameState;
};
