// SPDX-License-Identifier: MIT
#pragma once

// The scenario tables of tests/scenarios/, which the page's tests play as well: whole
// games (games.json) and what counts as a pick (picks.json); and the texts a game
// row expects, made from its numbers and the form's words.

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <string>
#include <vector>

class Catalogue;

struct GameRow
{
    QString name;
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

struct PickScenario
{
    QString name;
    // "fresh", "guessed" or "short"
    QString list;
    // Each step: the input's name and its arguments.
    QList<QStringList> input;
    // The numbers picked, in order.
    QStringList picks;
};

[[nodiscard]] std::vector<GameRow> gameTable();
[[nodiscard]] std::vector<PickScenario> pickScenarios();

// A data-driven test's rows, one per row of the table, in a column named "game" or
// "scenario".
void addGameRows();
void addPickScenarioRows();

// The list's items for first to last.
[[nodiscard]] std::vector<std::string> numberTexts(int first, int last);

// What a game row shows and says in the language of texts.
namespace Expected {
// The list after the first pick: 50 to 99 less the multiples of the first number.
[[nodiscard]] std::vector<std::string> secondList(const GameRow &game);
// The result box after the guess.
[[nodiscard]] std::string verdict(const GameRow &game, const Catalogue &texts);
// Text1(0) after "Check", CR LF between the lines.
[[nodiscard]] std::string transcript(const GameRow &game, const Catalogue &texts);
// What a screen reader hears: both remainders, the divisor, the verdict.
[[nodiscard]] std::vector<std::string> announcements(const GameRow &game, const Catalogue &texts);
} // namespace Expected
