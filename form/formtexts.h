// SPDX-License-Identifier: MIT
#pragma once

// Every text the program shows or speaks, in UTF-8, each exactly as the player meets
// it: the form as designed, what the game writes to it, what a screen reader is told,
// the error messages and the command line's texts. Line breaks inside the form's
// texts are CR LF; form/showntext.h turns them into what a control shows.

#include <string>
#include <string_view>

namespace FormTexts {

inline constexpr std::string_view programName = "Ровалин";
inline constexpr std::string_view lineBreak = "\r\n";

// The form's caption: the site address the program is published at, if any, then
// the program's name.
[[nodiscard]] std::string caption(std::string_view siteAddress);

// Label1(0) to Label1(4) as designed. The title keeps its line break.
inline constexpr std::string_view title = "Ровалин\r\n";
inline constexpr std::string_view firstNumber = "Число 1:";
inline constexpr std::string_view secondNumber = "Число 2:";
inline constexpr std::string_view solution = "Решение:";
inline constexpr std::string_view choose = "Изберете";

// Command1(0) and Command1(1).
inline constexpr std::string_view check = "Провери";
inline constexpr std::string_view clear = "Чисти";

// Text1(0) as designed: eleven lines, each ended by CR LF.
inline constexpr std::string_view taskStatement =
    "Двама съученици си играят на следната игра с естествени числа: първият си намисля "
    "число от интервала [2..20].\r\n"
    "Вторият казва последователно две естествени числа, а първият отговаря колко е "
    "целочисленият им остатък при деленето с намисленото от него число.\r\n"
    "Този целочислен остатък може да бъде и 0.\r\n"
    "Да се реализира проект, чрез който се реализира играта.\r\n"
    "Тема на проекта: Ровалин.\r\n"
    "Пример: въпрос: 20 остатък 5; въпрос: 50 остатък 5\r\n"
    "Изход: 15\r\n"
    "В реализирания проект, намисленото число се генерира автоматично.\r\n"
    "Двете числа въпрос се посочват от листово поле, а в съответните текстови полета се "
    "извежда съответния целочислен остатък.\r\n"
    "Посочване на трето число е потребителския отговор.\r\n"
    "При събитие On Click върху команден бутон се извежда поетапното решение на "
    "задачата.\r\n";

// The verdict on the guess: "Да " and the hidden number, or "Не".
inline constexpr std::string_view rightGuess = "Да ";
inline constexpr std::string_view wrongGuess = "Не";

// The worked solution: a heading, each number less its remainder ("25 - 4 = 21"), a
// second heading, each subtraction ("49 - 21"), and the divisor ("НОД = 7").
inline constexpr std::string_view solutionHeading = "Извеждам двете въведени числа и остатъците:";
inline constexpr std::string_view euclidHeading = "Решение чрез алгоритъм на Евклид:";
inline constexpr std::string_view minus = " - ";
inline constexpr std::string_view equals = " = ";
inline constexpr std::string_view divisorPrefix = "НОД = ";

// What the player is told when a calculation fails; the game goes on after it.
inline constexpr std::string_view errorTitle = "Ровалин: грешка";
inline constexpr std::string_view overflowError =
    "Числото е твърде голямо и не може да бъде пресметнато (препълване).\n"
    "Натиснете „Чисти“, за да започнете нова игра.";
inline constexpr std::string_view divisionByZeroError =
    "Опит за деление на нула.\n"
    "Натиснете „Чисти“, за да започнете нова игра.";
inline constexpr std::string_view unexpectedError =
    "Възникна неочаквана грешка.\n"
    "Натиснете „Чисти“, за да започнете нова игра.";

// For assistive technology. A control with a label on the form is named by that
// label, so that what a screen reader says is what the form shows; what the control
// is for goes into its description. The transcript box has no label and is named.
namespace Accessible {
inline constexpr std::string_view transcript = "Условие и решение";
inline constexpr std::string_view list = "Числа за избор";
inline constexpr std::string_view firstRemainder = "Остатък на първото число";
inline constexpr std::string_view secondRemainder = "Остатък на второто число";
inline constexpr std::string_view result = "Отговор";
inline constexpr std::string_view firstNumberLabel = "Първо число";
inline constexpr std::string_view secondNumberLabel = "Второ число";
} // namespace Accessible

// What a screen reader is told after a pick, "Провери" and "Чисти": the remainder
// ("Остатък 4"); the verdict and the divisor as the form shows them; a new game.
namespace Announcement {
inline constexpr std::string_view remainder = "Остатък ";
inline constexpr std::string_view newGame = "Нова игра";
} // namespace Announcement

// The desktop program's command line.
namespace CommandLine {
inline constexpr std::string_view description =
    "Ровалин: игра с делене и остатъци. Компютърът намисля число, а вие го откривате по "
    "остатъците на две избрани числа.";
// For an option the program does not know, after the parser's own message.
[[nodiscard]] std::string seeHelp(std::string_view command);
// For arguments, which the program takes none of.
[[nodiscard]] std::string noArguments(std::string_view arguments);
} // namespace CommandLine

} // namespace FormTexts
