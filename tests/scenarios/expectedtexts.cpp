// SPDX-License-Identifier: MIT
#include "expectedtexts.h"

#include "form/catalogue.h"
#include "form/formtexts.h"

#include <algorithm>

std::string shownValue(const ShownText &text, bool rightToLeft)
{
    return rightToLeft ? "\u2066" + text.value + "\u2069" : text.value;
}

std::string inLanguage(const ShownText &text, const Catalogue &texts, bool rightToLeft)
{
    const std::string value = shownValue(text, rightToLeft);
    return text.word.empty() ? value : FormTexts::filled(texts.translate(text.word), value);
}

namespace Expected {

namespace {

ShownText word(std::string_view text, int value)
{
    return {text, std::to_string(value)};
}

std::vector<std::string> inLanguage(const std::vector<ShownText> &shown, const Catalogue &texts, bool rightToLeft)
{
    std::vector<std::string> result;
    result.reserve(shown.size());
    for (const ShownText &text : shown)
        result.push_back(::inLanguage(text, texts, rightToLeft));
    return result;
}

} // namespace

std::vector<std::string> secondList(const GameRow &game)
{
    std::vector<std::string> texts;
    for (int number = 50; number <= 99; ++number) {
        if (std::find(game.leftOut.begin(), game.leftOut.end(), number) == game.leftOut.end())
            texts.push_back(std::to_string(number));
    }
    return texts;
}

ShownText verdict(const GameRow &game)
{
    return game.rightGuess ? word(FormTexts::rightGuess, game.hidden) : ShownText{FormTexts::wrongGuess, {}};
}

std::vector<ShownText> transcriptLines(const GameRow &game)
{
    std::vector<ShownText> lines{{FormTexts::solutionHeading, {}}};
    for (const auto &[number, remainder, difference] : game.differences)
        lines.push_back({{}, std::to_string(number) + " - " + std::to_string(remainder) + " = " + std::to_string(difference)});
    lines.push_back({FormTexts::euclidHeading, {}});
    for (const auto &[larger, smaller] : game.subtractions)
        lines.push_back({{}, std::to_string(larger) + " - " + std::to_string(smaller)});
    lines.push_back(word(FormTexts::divisor, game.divisor));
    return lines;
}

std::vector<ShownText> announcements(const GameRow &game)
{
    return {word(FormTexts::Announcement::remainder, game.remainders[0]),
            word(FormTexts::Announcement::remainder, game.remainders[1]), word(FormTexts::divisor, game.divisor),
            verdict(game)};
}

std::string verdict(const GameRow &game, const Catalogue &texts, bool rightToLeft)
{
    return ::inLanguage(verdict(game), texts, rightToLeft);
}

std::string transcript(const GameRow &game, const Catalogue &texts, bool rightToLeft)
{
    std::string text;
    for (const std::string &line : inLanguage(transcriptLines(game), texts, rightToLeft))
        text += (text.empty() ? std::string() : std::string(FormTexts::lineBreak)) + line;
    return text;
}

std::vector<std::string> announcements(const GameRow &game, const Catalogue &texts, bool rightToLeft)
{
    return inLanguage(announcements(game), texts, rightToLeft);
}

} // namespace Expected
