// SPDX-License-Identifier: MIT
#pragma once

// The scenario tables of tests/scenarios/ as the Qt tests read them: the whole games
// (gametable.h, with what they show in expectedtexts.h) and what counts as a pick
// (picks.json), each a data-driven test's rows. The page's tests play the same tables.

#include "expectedtexts.h"
#include "gametable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

struct PickScenario
{
    QString name;
    // The steps that make the list the input starts from, then how many of its items
    // the program leaves, 0 for all.
    QList<QStringList> before;
    int cutTo = 0;
    // Each step: the input's name and its arguments.
    QList<QStringList> input;
    // The numbers picked, in order, on a form in the test's language.
    QStringList picks;
    // Whether the last key goes on to the desktop rather than being the list's, where
    // the row says.
    std::optional<bool> toSystem;
};

// A key of the table as Qt names it, such as "Ctrl+PgDown" for "Ctrl+PageDown".
[[nodiscard]] QString qtKeyName(const QString &tableName);

// A data-driven test's rows, one per row of the table, in a column named "game" or
// "scenario".
void addGameRows();
void addPickScenarioRows();

// The list's items for first to last.
[[nodiscard]] std::vector<std::string> numberTexts(int first, int last);
