// SPDX-License-Identifier: MIT
#include "form/language.h"

#include <algorithm>

namespace Language {

namespace {

std::vector<std::string> split(std::string_view list, char separator)
{
    std::vector<std::string> parts;
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(separator), list.size());
        if (end > 0)
            parts.emplace_back(list.substr(0, end));
        list.remove_prefix(std::min(end + 1, list.size()));
    }
    return parts;
}

char lowerCase(char letter)
{
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
}

// Language tags and locale names are the same in any case: "EN", "pt_br", "UK".
bool sameName(std::string_view one, std::string_view other)
{
    return std::equal(one.begin(), one.end(), other.begin(), other.end(),
                      [](char left, char right) { return lowerCase(left) == lowerCase(right); });
}

} // namespace

std::vector<std::string> requested(std::string_view language, std::string_view lcAll, std::string_view lcMessages,
                                   std::string_view lang)
{
    std::vector<std::string> asked = split(language, ':');
    const std::string_view locale = !lcAll.empty() ? lcAll : !lcMessages.empty() ? lcMessages : lang;
    if (!locale.empty())
        asked.emplace_back(locale);
    return asked;
}

Entry chosen(std::span<const std::string> asked, const Table &table)
{
    const auto spelt = [&table](std::string_view code) -> const Entry * {
        const auto found = std::find_if(table.languages.begin(), table.languages.end(),
                                        [code](const Entry &language) { return sameName(language.code, code); });
        return found != table.languages.end() ? &*found : nullptr;
    };
    for (std::string_view name : asked) {
        name = name.substr(0, name.find_first_of(".@"));
        std::string code(name);
        std::replace(code.begin(), code.end(), '-', '_');
        const std::string_view withoutCountry = std::string_view(code).substr(0, code.find('_'));
        for (const std::string_view candidate : {std::string_view(code), withoutCountry}) {
            if (const Entry *language = spelt(candidate))
                return *language;
        }
    }
    if (const Entry *fallback = table.find(table.fallback))
        return *fallback;
    // A table without its fallback is a fault of the build's; the form is still shown.
    return Entry{table.fallback, table.fallback, false, table.fallback};
}

const Entry *Table::find(std::string_view code) const
{
    const auto found =
        std::find_if(languages.begin(), languages.end(), [code](const Entry &language) { return language.code == code; });
    return found != languages.end() ? &*found : nullptr;
}

} // namespace Language
