// SPDX-License-Identifier: MIT
#pragma once

// The whole games of tests/scenarios/games.json, which every edition's tests play: the
// game's (numbers), the handlers' (texts on an in-memory form), the window's and the
// page's (through their formtables program).

#include <array>
#include <string>
#include <vector>

struct GameRow
{
    std::string name;
    int hidden = 0;
    // The first and second questions, then the guess.
    std::array<int, 3> picks{};
    std::array<int, 2> remainders{};
    // The multiples of the first number, which the second list leaves out.
    std::vector<int> leftOut;
    bool rightGuess = false;
    // number, remainder, difference
    std::array<std::array<int, 3>, 2> differences{};
    // larger, smaller
    std::vector<std::array<int, 2>> subtractions;
    int divisor = 0;
};

[[nodiscard]] std::vector<GameRow> gameTable();
