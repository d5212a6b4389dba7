// SPDX-License-Identifier: MIT
#pragma once

// What the form shows and says along a game of the table (gametable.h), written once
// for the tests of every edition. A text is one of the form's words (form/formtexts.h)
// or a line of numbers; ShownText keeps the two apart, so that each edition's tests
// put it into a language with their own catalogue: the desktop's as it reads msgfmt's
// files (form/gettextcatalogue.h), the page's with the files the page loads, reading it as JSON from web/tests/formtables.cpp.

#include "gametable.h"

#include <string>
#include <string_view>
#include <vector>

class Catalogue;

struct ShownText
{
    // One of the form's texts, translated and with its "%s" filled with value; empty
    // for a line of numbers, shown as value in every language.
    std::string_view word;
    // Numbers: in a language written right to left, kept left to right between the
    // isolates LRI (U+2066) and PDI (U+2069); in any other, as they are.
    std::string value;
};

// The value as it is shown in a language written left to right, or right to left,
// where numbers stay left to right between Unicode's isolates LRI and PDI.
[[nodiscard]] std::string shownValue(const ShownText &text, bool rightToLeft);

// text in the language of texts, written right to left or not: the direction is the
// test's own fact (languages.json), not the catalogue's word, which is under test.
[[nodiscard]] std::string inLanguage(const ShownText &text, const Catalogue &texts, bool rightToLeft);

namespace Expected {

// The list after the first pick: 50 to 99 less the multiples of the first number.
[[nodiscard]] std::vector<std::string> secondList(const GameRow &game);
// The result box after the guess.
[[nodiscard]] ShownText verdict(const GameRow &game);
// Text1(0) after "Check", line by line.
[[nodiscard]] std::vector<ShownText> transcriptLines(const GameRow &game);
// What a screen reader hears: both remainders, the divisor, the verdict.
[[nodiscard]] std::vector<ShownText> announcements(const GameRow &game);

// The same in the language of texts, written right to left or not, Text1(0) with CR LF
// between its lines.
[[nodiscard]] std::string verdict(const GameRow &game, const Catalogue &texts, bool rightToLeft);
[[nodiscard]] std::string transcript(const GameRow &game, const Catalogue &texts, bool rightToLeft);
[[nodiscard]] std::vector<std::string> announcements(const GameRow &game, const Catalogue &texts,
                                                     bool rightToLeft);

} // namespace Expected
