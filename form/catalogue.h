// SPDX-License-Identifier: MIT
#pragma once

// The program's texts in one language. Every text is written in English
// (form/formtexts.h); a Catalogue gives its translation. The desktop program reads its
// catalogues with gettext (form/gettextcatalogue.h), the page from the files its build
// makes of them (web/gamepage.cpp); English itself needs no catalogue
// (SourceTexts).

#include <string>
#include <string_view>

class Catalogue
{
public:
    virtual ~Catalogue() = default;

    // What text, one of the program's translatable texts, reads in the language; text
    // itself where the catalogue has no translation for it.
    [[nodiscard]] virtual std::string translate(std::string_view text) const = 0;

protected:
    Catalogue() = default;
    Catalogue(const Catalogue &) = default;
    Catalogue &operator=(const Catalogue &) = default;
};

// The texts as they are written, in English.
class SourceTexts final : public Catalogue
{
public:
    [[nodiscard]] std::string translate(std::string_view text) const override { return std::string(text); }
};
