// SPDX-License-Identifier: MIT
#include "game/game.h"

#include "game/arithmetic.h"

std::optional<Solution> Game::ShowSolution() const
{
    if (gameState.pickCount < 2)
        return std::nullopt;

    Solution solution;
    const double firstRemainder = gameState.firstRemainder;
    const double firstDiff = gameState.firstNumber - firstRemainder;
    solution.first = {gameState.firstNumber, firstRemainder, firstDiff};
    const double secondRemainder = gameState.secondRemainder;
    Checked<std::int16_t> secondDiff = toInt16(gameState.secondNumber - secondRemainder);
    if (secondDiff.error()) {
        solution.error = secondDiff.error();
        return solution;
    }
    solution.second = {static_cast<double>(gameState.secondNumber), secondRemainder,
                       static_cast<double>(*secondDiff)};

    // Euclid's algorithm by repeated subtraction, the larger value first. Each step
    // takes at least 1 from a value of at least 1, so the loop ends; a value below 1
    // (only a first difference of 0 can occur: hidden 21, first pick 20) ends it at
    // once, with gcd(0, n) = n.
    double a = firstDiff;
    while (true) {
        const double b = *secondDiff;
        if (a == b || a < 1.0) {
            solution.divisor = b;
            break;
        }
        if (b < 1.0) {
            solution.divisor = a;
            break;
        }
        if (a > b) {
            solution.subtractions.push_back({a, b});
            a -= b;
        } else {
            solution.subtractions.push_back({b, a});
            secondDiff = toInt16(b - a);
            if (secondDiff.error()) {
                solution.error = secondDiff.error();
                break;
            }
        }
    }
    return solution;
}
