// SPDX-License-Identifier: MIT
#pragma once

// Every text the program shows or speaks, each once, in the language it is written in
// (English): the form as designed, what the game writes to it, what a screen reader is
// told, the error messages and the command line's texts. Each is marked translatable;
// xgettext collects them into the translators' template (po/rovalin.pot), and a
// Catalogue (form/catalogue.h) gives what each reads in the language the program speaks
// (form/language.h): the first asked for that it has, else the table's fallback. A "%s" in a text stands for the number or the name put
// into it (FormTexts::filled). Inside the form's texts a line ends with CR LF, which a
// front end shows as form/showntext.h says.

#include <string>
#include <string_view>

class Catalogue;

namespace FormTexts {

// Marks text as one to translate; it is the text itself, in the language of the
// sources.
[[nodiscard]] constexpr std::string_view translatable(std::string_view text)
{
    return text;
}

inline constexpr std::string_view lineBreak = "\r\n";

// TRANSLATORS: The program's name, as the title across its form, its window's
// caption and the name a screen reader gives it.
inline constexpr std::string_view programName = translatable("Rovalin");

// TRANSLATORS: The name of the language of this catalogue, in that language, as a
// list of languages offers it.
inline constexpr std::string_view languageName = translatable("English");

// The build reads this text and languageName into its table of languages
// (po/languages.py), which the program reads: neither is looked up in a catalogue at
// run time.
// TRANSLATORS: LTR for a language written left to right, RTL for one written right to
// left: the form is then mirrored, its texts run right to left and its numbers stay
// left to right inside them.
inline constexpr std::string_view direction = translatable("LTR");

// The captions of the labels Label1(1) to Label1(4) as designed. The labels are
// narrow: the captions must fit in about ten characters.
inline constexpr std::string_view firstNumber = translatable("Number 1:");
inline constexpr std::string_view secondNumber = translatable("Number 2:");
inline constexpr std::string_view solution = translatable("Solution:");
// TRANSLATORS: Above the list of numbers: the pupil picks one of them.
inline constexpr std::string_view choose = translatable("Choose");

// TRANSLATORS: The button that shows the worked solution.
inline constexpr std::string_view check = translatable("Check");
// TRANSLATORS: The button that starts a new game.
inline constexpr std::string_view clear = translatable("Clear");

// TRANSLATORS: The task statement the form shows at the start: eleven lines, each
// ended by a line break. It is the teacher's original assignment, "On Click" being
// the name of a button's event in the tool it was written for.
inline constexpr std::string_view taskStatement = translatable(
    "Two classmates play the following game with natural numbers: the first thinks of a number "
    "from the interval [2..20].\n"
    "The second names two natural numbers in turn, and the first answers what the integer "
    "remainder of each is when divided by the number thought of.\n"
    "This integer remainder may also be 0.\n"
    "Build a project that implements the game.\n"
    "Topic of the project: Rovalin.\n"
    "Example: question: 20 remainder 5; question: 50 remainder 5\n"
    "Output: 15\n"
    "In the finished project, the number thought of is generated automatically.\n"
    "The two question numbers are picked from a list box, and the matching text boxes show "
    "the corresponding integer remainder.\n"
    "Picking a third number is the user's answer.\n"
    "On an On Click event of a command button, the step-by-step solution of the task is shown.\n");

// TRANSLATORS: The verdict when the guess is right; %s is the hidden number.
inline constexpr std::string_view rightGuess = translatable("Yes %s");
// TRANSLATORS: The verdict when the guess is wrong.
inline constexpr std::string_view wrongGuess = translatable("No");

// The worked solution: a heading, each number less its remainder ("25 - 4 = 21"), a
// second heading, each subtraction ("49 - 21"), and the divisor ("GCD = 7").
inline constexpr std::string_view solutionHeading =
    translatable("Writing out the two numbers entered and their remainders:");
inline constexpr std::string_view euclidHeading = translatable("Solution by Euclid's algorithm:");
// TRANSLATORS: The last line of the solution, also said by a screen reader; %s is the
// greatest common divisor of the two differences.
inline constexpr std::string_view divisor = translatable("GCD = %s");
inline constexpr std::string_view minus = " - ";
inline constexpr std::string_view equals = " = ";

// What the player is told when a calculation fails; the game goes on after it. Each
// message is one of the errors, a line break, then what to do.
inline constexpr std::string_view errorTitle = translatable("Rovalin: error");
inline constexpr std::string_view overflowError =
    translatable("The number is too large to be calculated (overflow).");
inline constexpr std::string_view divisionByZeroError = translatable("Attempt to divide by zero.");
inline constexpr std::string_view unexpectedError = translatable("An unexpected error occurred.");
// TRANSLATORS: Under every error message; the name in quotes is the button's.
inline constexpr std::string_view pressClear = translatable("Press “Clear” to start a new game.");

// For assistive technology. A control with a label on the form is named by that
// label, so that what a screen reader says is what the form shows; what the control
// is for goes into its description. The transcript box has no label and is named.
namespace Accessible {
inline constexpr std::string_view transcript = translatable("Task and solution");
inline constexpr std::string_view list = translatable("Numbers to choose from");
inline constexpr std::string_view firstRemainder = translatable("Remainder of the first number");
inline constexpr std::string_view secondRemainder = translatable("Remainder of the second number");
inline constexpr std::string_view result = translatable("Answer");
inline constexpr std::string_view firstNumberLabel = translatable("First number");
inline constexpr std::string_view secondNumberLabel = translatable("Second number");
} // namespace Accessible

// What a screen reader is told after a pick, "Check" and "Clear": the remainder, the
// verdict and the divisor as the form shows them, a new game.
namespace Announcement {
// TRANSLATORS: Said by a screen reader after a question; %s is its remainder.
inline constexpr std::string_view remainder = translatable("Remainder %s");
inline constexpr std::string_view newGame = translatable("New game");
} // namespace Announcement

// The desktop program's command line.
namespace CommandLine {
inline constexpr std::string_view description = translatable(
    "Rovalin: a game of division and remainders. The computer thinks of a number, and you find "
    "it from the remainders of two numbers you choose.");
// TRANSLATORS: The --language option's help: CODE is the name of its value.
inline constexpr std::string_view languageOption =
    translatable("Shows the program in the language CODE (such as bg or en) instead of the session's language.");
// TRANSLATORS: The name of the --language option's value, in capitals.
inline constexpr std::string_view languageValue = translatable("CODE");
// TRANSLATORS: After the message about an option the program does not know; %s is the
// command to run.
inline constexpr std::string_view seeHelp = translatable("See “%s --help”.");
// TRANSLATORS: %s are the arguments given, which the program takes none of.
inline constexpr std::string_view noArguments = translatable("The program takes no arguments: %s");
} // namespace CommandLine

// The browser page's description, as an installed app shows it.
inline constexpr std::string_view pageDescription = translatable("A game of integer division and remainders");
// TRANSLATORS: Names, for a screen reader, the browser page's list of the languages it
// can be shown in.
inline constexpr std::string_view languages = translatable("Language");

// text with its "%s" replaced by value.
[[nodiscard]] std::string filled(std::string_view text, std::string_view value);

// The form's caption, the window's title: the site address the program is published
// at, if any, then the program's name.
[[nodiscard]] std::string windowTitle(std::string_view siteAddress, const Catalogue &texts);

// The message for an error: the error's own text, then what to do.
[[nodiscard]] std::string errorMessage(std::string_view error, const Catalogue &texts);

} // namespace FormTexts
