// SPDX-License-Identifier: MIT
#include "web/showntext.h"

std::string shownText(std::string_view text)
{
    constexpr std::string_view crLf = "\r\n";
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text.substr(at, crLf.size()) == crLf)
            ++at;
        shown += text[at];
    }
    return shown;
}
