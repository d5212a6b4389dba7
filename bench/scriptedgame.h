// SPDX-License-Identifier: MIT
#pragma once

#include <array>

// One game as a pupil plays it: the hidden number, then the three picks (first
// number, second number, guess) and the rows of List1 that show them when picked.
struct ScriptedGame
{
    int hiddenNumber = 0;
    std::array<int, 3> picks{};
    std::array<int, 3> rows{};
};

struct LongestGame
{
    ScriptedGame game;
    int transcriptLines = 0;
    int gamesPlayed = 0;
};

// Plays every game the lists allow (each hidden number, each first pick, each second
// pick then offered, the right guess) and returns the one whose worked solution has
// the most lines; of equally long ones the first in that order. The benchmarks time
// ShowSolution on it because no game makes the transcript box hold more.
[[nodiscard]] LongestGame findLongestGame();
