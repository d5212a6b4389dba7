// SPDX-License-Identifier: MIT
#pragma once

#include <array>

// The calls the benchmarks time, one at a time, in the state a pupil meets them.
enum class GameAction { NewGame, FirstPick, SecondPick, Guess, PickAfterGameOver, ShowSolution };

struct NamedGameAction
{
    const char *name;
    GameAction action;
};

// The row tags; bench/summary.py pairs the rows of the benchmarks by them.
inline constexpr std::array<NamedGameAction, 6> gameActions{{
    {"newgame", GameAction::NewGame},
    {"first-pick", GameAction::FirstPick},
    {"second-pick", GameAction::SecondPick},
    {"guess", GameAction::Guess},
    {"pick-after-game-over", GameAction::PickAfterGameOver},
    {"showsolution", GameAction::ShowSolution},
}};

// The script's picks made before the action is timed: NewGame and ShowSolution
// follow a whole game, as when the pupil starts over or checks the solution.
[[nodiscard]] constexpr int picksBefore(GameAction action)
{
    switch (action) {
    case GameAction::FirstPick:
        return 0;
    case GameAction::SecondPick:
        return 1;
    case GameAction::Guess:
        return 2;
    case GameAction::NewGame:
    case GameAction::PickAfterGameOver:
    case GameAction::ShowSolution:
        break;
    }
    return 3;
}
