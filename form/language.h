// SPDX-License-Identifier: MIT
#pragma once

// Which language the program speaks: the first of the languages asked for that it has
// a catalogue for, else Bulgarian, the language it was made in. English, the language
// of its sources, it always has.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Language {

inline constexpr std::string_view bulgarian = "bg";
inline constexpr std::string_view english = "en";

// The languages a session asks for, in gettext's order: the list in LANGUAGE, then the
// first of LC_ALL, LC_MESSAGES and LANG that is set. Each as given, such as
// "pt_BR.UTF-8". (Unlike gettext, LANGUAGE counts under the C locale too: the program
// reads its catalogues in UTF-8 whatever the locale's character set.)
[[nodiscard]] std::vector<std::string> requested(std::string_view language, std::string_view lcAll,
                                                 std::string_view lcMessages, std::string_view lang);

// The language to speak: for each asked for in turn, itself or its language without
// the country ("pt" for "pt_BR" or "pt-BR"), if it is English or available has a
// catalogue for it; else Bulgarian.
// Encodings and modifiers ("bg_BG.UTF-8@latin") are ignored, and so is case ("EN",
// "pt_br"): the language is named as its catalogue is. "C" and "POSIX" ask for nothing.
[[nodiscard]] std::string chosen(std::span<const std::string> asked, std::span<const std::string> available);

} // namespace Language
