// SPDX-License-Identifier: MIT
#include "web/pagecatalogue.h"

#include <utility>

using emscripten::val;

PageCatalogue::PageCatalogue(val translations)
    : texts(std::move(translations))
{
}

std::string PageCatalogue::translate(std::string_view text) const
{
    const val found = texts[std::string(text)];
    return found.isString() ? found.as<std::string>() : std::string(text);
}
