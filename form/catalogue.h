// SPDX-License-Identifier: MIT
#pragma once

// The program's texts in one language, and that language. Every text is written in
// English (form/formtexts.h); a Catalogue gives its translation. The desktop program
// reads its catalogues as msgfmt compiles them (form/gettextcatalogue.h), the page
// from the files its build makes of them (web/gamepage.cpp); the language of the
// sources needs no catalogue (SourceTexts). A catalogue is the language the program
// has chosen to speak: its texts, its direction and its name go down together.

#include "form/language.h"

#include <string>
#include <string_view>
#include <utility>

class Catalogue
{
public:
    virtual ~Catalogue() = default;

    // What text, one of the program's translatable texts, reads in the language; text
    // itself where the catalogue has no translation for it.
    [[nodiscard]] virtual std::string translate(std::string_view text) const = 0;

    // The language of these texts: its code, its tag, its direction and its name.
    [[nodiscard]] const Language::Entry &language() const { return spoken; }

protected:
    explicit Catalogue(Language::Entry language) : spoken(std::move(language)) {}
    Catalogue(const Catalogue &) = default;
    Catalogue(Catalogue &&) = default;
    Catalogue &operator=(const Catalogue &) = default;
    Catalogue &operator=(Catalogue &&) = default;

private:
    Language::Entry spoken;
};

// The texts as they are written, in the language of the sources.
class SourceTexts final : public Catalogue
{
public:
    explicit SourceTexts(Language::Entry language) : Catalogue(std::move(language)) {}

    [[nodiscard]] std::string translate(std::string_view text) const override { return std::string(text); }
};
