// SPDX-License-Identifier: MIT
#include "form/gameview.h"

#include "form/catalogue.h"
#include "form/formsurface.h"
#include "form/formtexts.h"
#include "form/numbertext.h"

#include <string_view>

namespace GameView {

namespace {

std::string_view errorText(RuntimeError kind)
{
    switch (kind) {
    case RuntimeError::Overflow:
        return FormTexts::overflowError;
    case RuntimeError::DivisionByZero:
        return FormTexts::divisionByZeroError;
    }
    return FormTexts::unexpectedError;
}

// Reports the outcome's error, if it has one; true when it did.
bool reportedError(FormSurface &form, const std::optional<RuntimeError> &error, const Catalogue &texts)
{
    if (error)
        form.reportRunTimeError(FormTexts::errorMessage(errorText(*error), texts));
    return error.has_value();
}

void showOffer(FormSurface &form, const Offer &offer)
{
    form.setList1Items(itemTexts(offer));
}

// A number the game worked out in floating point, as whole as every number it shows.
std::string wholeText(double value)
{
    return decimalText(static_cast<std::int64_t>(value));
}

void appendLine(std::string &text, std::string_view line)
{
    text += line;
    text += FormTexts::lineBreak;
}

std::string subtraction(double larger, double smaller)
{
    return wholeText(larger) + std::string(FormTexts::minus) + wholeText(smaller);
}

std::string differenceLine(const Difference &difference)
{
    return subtraction(difference.number, difference.remainder) + std::string(FormTexts::equals)
        + wholeText(difference.difference);
}

// A line of numbers, or a number put into a sentence, as a language written right to
// left must show it to keep it left to right ("25 - 4 = 21", not "21 = 4 - 25"):
// between the isolates LRI and PDI of Unicode's bidirectional algorithm. Any other
// language shows it as it is.
std::string leftToRight(const std::string &text, bool rightToLeft)
{
    return rightToLeft ? "\u2066" + text + "\u2069" : text;
}

// text with its "%s" filled with number, kept left to right.
std::string withNumber(std::string_view text, double number, const Catalogue &texts)
{
    return FormTexts::filled(texts.translate(text), leftToRight(wholeText(number), texts.language().rightToLeft));
}

std::string verdictText(const PickOutcome &outcome, const Catalogue &texts)
{
    if (outcome.verdict == Verdict::Right)
        return withNumber(FormTexts::rightGuess, outcome.number, texts);
    return texts.translate(FormTexts::wrongGuess);
}

std::string divisorText(double divisor, const Catalogue &texts)
{
    return withNumber(FormTexts::divisor, divisor, texts);
}

} // namespace

std::vector<std::string> itemTexts(const Offer &offer)
{
    std::vector<std::string> texts;
    texts.reserve(offer.size());
    for (const int number : offer)
        texts.push_back(decimalText(number));
    return texts;
}

std::string transcript(const Solution &solution, const Catalogue &texts)
{
    const bool rightToLeft = texts.language().rightToLeft;
    std::string text;
    appendLine(text, texts.translate(FormTexts::solutionHeading));
    appendLine(text, leftToRight(differenceLine(solution.first), rightToLeft));
    appendLine(text, leftToRight(differenceLine(solution.second), rightToLeft));
    appendLine(text, texts.translate(FormTexts::euclidHeading));
    for (const Subtraction &step : solution.subtractions)
        appendLine(text, leftToRight(subtraction(step.larger, step.smaller), rightToLeft));
    return text + divisorText(solution.divisor, texts);
}

bool showNewGame(FormSurface &form, const NewGameOutcome &outcome, const Catalogue &texts)
{
    form.setLabel1Caption(1, texts.translate(FormTexts::firstNumber));
    form.setLabel1Caption(2, texts.translate(FormTexts::secondNumber));
    for (int box = 0; box <= 2; ++box)
        form.setText2(box, {});
    form.setText2Locked(false);
    showOffer(form, outcome.offer);
    return !reportedError(form, outcome.error, texts);
}

bool showPick(FormSurface &form, const PickOutcome &outcome, const Catalogue &texts)
{
    std::string phrase;
    switch (outcome.phase) {
    case Phase::FirstQuestion:
    case Phase::SecondQuestion: {
        // The first question fills the first row, the second the second.
        const int row = outcome.phase == Phase::FirstQuestion ? 1 : 2;
        form.setLabel1Caption(row, wholeText(outcome.number));
        if (outcome.remainder) {
            const std::string remainder = decimalText(*outcome.remainder);
            form.setText2(row - 1, remainder);
            phrase = withNumber(FormTexts::Announcement::remainder, *outcome.remainder, texts);
        }
        if (outcome.offer)
            showOffer(form, *outcome.offer);
        break;
    }
    case Phase::Guess:
        phrase = verdictText(outcome, texts);
        form.setText2(2, phrase);
        break;
    case Phase::Over:
        return true; // nothing changes, nothing to say
    }
    if (reportedError(form, outcome.error, texts))
        return false;
    form.announce(phrase);
    return true;
}

bool showSolution(FormSurface &form, const Solution &solution, const Catalogue &texts)
{
    // The heading replaces the task statement (or an earlier transcript) before
    // anything is worked out.
    std::string heading;
    appendLine(heading, texts.translate(FormTexts::solutionHeading));
    form.setText1(heading);
    if (reportedError(form, solution.error, texts))
        return false;

    form.setText1(transcript(solution, texts));
    form.setText2(2, wholeText(solution.divisor));
    form.setText2Locked(true);
    form.announce(divisorText(solution.divisor, texts));
    return true;
}

} // namespace GameView
