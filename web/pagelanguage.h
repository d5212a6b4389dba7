// SPDX-License-Identifier: MIT
#pragma once

// The languages of the page: those its build made catalogues for (languages.js, from
// web/catalogues.py), and English. It speaks the one the address asks for
// (index.html?lang=en, so that a teacher can hand out a link), else the first of the
// browser's preferred languages it has, else Bulgarian (form/language.h); it stores
// nothing.

#include <emscripten/val.h>

#include <string>
#include <vector>

struct PageLanguage
{
    // As the catalogue is named, such as "pt_BR".
    std::string code;
    // As a browser names it, such as "pt-BR".
    std::string tag;
    // Its name in itself.
    std::string name;
};

[[nodiscard]] std::vector<PageLanguage> pageLanguages();

[[nodiscard]] const PageLanguage &chosenLanguage(const std::vector<PageLanguage> &languages);

// Offers the page's languages as links to the page in each, after the form: a strip
// along the top of the window, out of the form's way, in the form's font. The current
// language is marked as the page's own. label names the strip for a screen reader.
void addLanguageSwitch(const std::vector<PageLanguage> &languages, const PageLanguage &current,
                       const std::string &label, const emscripten::val &form);
