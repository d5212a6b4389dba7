// SPDX-License-Identifier: MIT
#include "form/formtexts.h"

#include "form/catalogue.h"

namespace FormTexts {

std::string filled(std::string_view text, std::string_view value)
{
    std::string result(text);
    constexpr std::string_view placeholder = "%s";
    if (const std::size_t at = result.find(placeholder); at != std::string::npos)
        result.replace(at, placeholder.size(), value);
    return result;
}

std::string windowTitle(std::string_view siteAddress, const Catalogue &texts)
{
    std::string text(siteAddress);
    if (!text.empty())
        text += ' ';
    text += texts.translate(programName);
    return text;
}

std::string errorMessage(std::string_view error, const Catalogue &texts)
{
    return texts.translate(error) + '\n' + texts.translate(pressClear);
}

} // namespace FormTexts
