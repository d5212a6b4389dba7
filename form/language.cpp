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

bool isC(std::string_view locale)
{
    return locale == "C" || locale == "POSIX" || locale.starts_with("C.");
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
    const auto has = [available](std::string_view code) {
        return code == english || std::find(available.begin(), available.end(), code) != available.end();
    };
    for (std::string_view name : asked) {
        if (isC(name))
            continue;
        name = name.substr(0, name.find_first_of(".@"));
        std::string code(name);
        std::replace(code.begin(), code.end(), '-', '_');
        if (has(code))
            return code;
        std::string withoutCountry = code.substr(0, code.find('_'));
        if (has(withoutCountry))
            return withoutCountry;
    }
    return std::string(bulgarian);
}

} // namespace Language
