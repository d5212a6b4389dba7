// SPDX-License-Identifier: MIT
#pragma once

#include "form/catalogue.h"

#include <emscripten/val.h>

// A catalogue as the page loads it (lang/LL.js, made by web/catalogues.py from the
// program's gettext catalogue): an object from each English text to its translation.
class PageCatalogue final : public Catalogue
{
public:
    explicit PageCatalogue(emscripten::val translations);

    [[nodiscard]] std::string translate(std::string_view text) const override;

private:
    emscripten::val texts;
};
