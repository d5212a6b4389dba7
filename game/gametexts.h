// SPDX-License-Identifier: MIT
#pragma once

// The texts the game writes to the form, in UTF-8, each exactly as the player sees it.

#include <string_view>

namespace GameTexts {

inline constexpr std::string_view lineBreak = "\r\n";

inline constexpr std::string_view firstNumberCaption = "Число 1:";
inline constexpr std::string_view secondNumberCaption = "Число 2:";

inline constexpr std::string_view rightGuess = "Да ";
inline constexpr std::string_view wrongGuess = "Не";

inline constexpr std::string_view solutionHeading = "Извеждам двете въведени числа и остатъците:";
inline constexpr std::string_view euclidHeading = "Решение чрез алгоритъм на Евклид:";
inline constexpr std::string_view minus = " - ";
inline constexpr std::string_view equals = " = ";
inline constexpr std::string_view divisorPrefix = "НОД = ";

} // namespace GameTexts
