// SPDX-License-Identifier: MIT
#include "form/language.h"

#include <algorithm>
#include <optional>

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

bool isC(std::string_view locale)
{
    return locale == "C" || locale == "POSIX" || locale.starts_with("C.");
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

std::string chosen(std::span<const std::string> asked, std::span<const std::string> available)
{
    // The language of code, spelt as its catalogue is, or nothing.
    const auto spelt = [available](std::string_view code) -> std::optional<std::string> {
        if (sameName(code, english))
            return std::string(english);
        const auto found = std::find_if(available.begin(), available.end(),
                                        [code](const std::string &catalogue) { return sameName(catalogue, code); });
        return found != available.end() ? std::optional<std::string>(*found) : std::nullopt;
    };
    for (std::string_view name : asked) {
        if (isC(name))
            continue;
        name = name.substr(0, name.find_first_of(".@"));
        std::string code(name);
        std::replace(code.begin(), code.end(), '-', '_');
        const std::string_view withoutCountry = std::string_view(code).substr(0, code.find('_'));
        for (const std::string_view candidate : {std::string_view(code), withoutCountry}) {
            if (std::optional<std::string> language = spelt(candidate))
                return *language;
        }
    }
    return std::string(bulgarian);
}

} // namespace Language
