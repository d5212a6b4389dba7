// SPDX-License-Identifier: MIT
#include "game/game.h"

#include "game/arithmetic.h"
#include "game/gametexts.h"
#include "form/formsurface.h"

#include <string>
#include <string_view>

namespace {

void appendLine(std::string &transcript, std::string_view line)
{
    transcript += line;
    transcript += GameTexts::lineBreak;
}

std::string subtraction(double larger, double smaller)
{
    std::string line = decimalText(larger);
    line += GameTexts::minus;
    line += decimalText(smaller);
    return line;
}

std::string differenceLine(double number, double numberRemainder, double difference)
{
    std::string line = subtraction(number, numberRemainder);
    line += GameTexts::equals;
    line += decimalText(difference);
    return line;
}

} // namespace

void Game::ShowSolution()
{
    if (gameState.pickCount < 2)
        return;

    // The heading replaces the task statement (or an earlier transcript) before
    // anything else is computed.
    std::string transcript;
    appendLine(transcript, GameTexts::solutionHeading);
    form.setText1(transcript);

    const double firstRemainder = numericValue(form.text2(0));
    const double firstDiff = gameState.firstNumber - firstRemainder;
    const double secondRemainder = numericValue(form.text2(1));
    std::int16_t secondDiff = toInt16(gameState.secondNumber - secondRemainder);

    appendLine(transcript, differenceLine(gameState.firstNumber, firstRemainder, firstDiff));
    appendLine(transcript, differenceLine(gameState.secondNumber, secondRemainder, secondDiff));
    appendLine(transcript, GameTexts::euclidHeading);

    // Euclid's algorithm by repeated subtraction, one line per subtraction, the larger
    // value first. Each step takes at least 1 from a value of at least 1, so the loop
    // ends; a value below 1 (only a first difference of 0 can occur: hidden 21, first
    // pick 20) ends it at once, with gcd(0, n) = n.
    double a = firstDiff;
    double divisor = 0.0;
    while (true) {
        const double b = secondDiff;
        if (a == b || a < 1.0) {
            divisor = b;
            break;
        }
        if (b < 1.0) {
            divisor = a;
            break;
        }
        if (a > b) {
            appendLine(transcript, subtraction(a, b));
            a -= b;
        } else {
            appendLine(transcript, subtraction(b, a));
            secondDiff = toInt16(b - a);
        }
    }

    transcript += GameTexts::divisorPrefix;
    transcript += decimalText(divisor);
    form.setText1(transcript);
    form.setText2(2, decimalText(divisor));
    form.setText2Locked(true);
}
