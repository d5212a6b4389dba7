// SPDX-License-Identifier: MIT
#pragma once

// The languages the program speaks, and which one it speaks: the first of the
// languages asked for that it has, else the one its table names for when none is.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Language {

// A language the program speaks, as its table of languages gives it.
struct Entry
{
    // The name of its catalogue: "pt_BR".
    std::string code;
    // The language tag a browser uses for it: "pt-BR".
    std::string tag;
    // Written right to left: the form is then mirrored, and its numbers stay left to
    // right inside its texts.
    bool rightToLeft = false;
    // Its name in itself: "Português".
    std::string name;
};

// Every language the program speaks, as the build makes the table from the catalogues
// (po/languages.py), in the order a list of them shows.
struct Table
{
    std::vector<Entry> languages;
    // The language of the sources, whose texts need no catalogue.
    std::string source;
    // The language spoken when none of those asked for is there.
    std::string fallback;

    // The language of that code, as the table spells it; nothing for another code.
    [[nodiscard]] const Entry *find(std::string_view code) const;
};

// The languages a session asks for, in gettext's order: the list in LANGUAGE, then the
// first of LC_ALL, LC_MESSAGES and LANG that is set. Each as given, such as
// "pt_BR.UTF-8". (Unlike gettext, LANGUAGE counts under the C locale too: the program
// reads its catalogues whatever the locale.)
[[nodiscard]] std::vector<std::string> requested(std::string_view language, std::string_view lcAll,
                                                 std::string_view lcMessages, std::string_view lang);

// The language to speak, by one rule for every edition: for each language asked for in
// turn, itself or its language without the country ("pt" for "pt_BR" or "pt-BR"), if
// the table has it; else the table's fallback. Encodings and modifiers
// ("bg_BG.UTF-8@latin") are ignored, and so is case ("EN", "pt_br"). The desktop asks
// for the language given on its command line, then the session's; the page for the
// one its address gives, then the browser's.
[[nodiscard]] Entry chosen(std::span<const std::string> asked, const Table &table);

} // namespace Language
