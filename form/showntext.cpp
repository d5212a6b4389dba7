// SPDX-License-Identifier: MIT
#include "form/showntext.h"

#include "form/formtexts.h"

std::string shownText(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text.substr(at, FormTexts::lineBreak.size()) == FormTexts::lineBreak)
            ++at;
        shown += text[at];
    }
    return shown;
}
