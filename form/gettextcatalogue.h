// SPDX-License-Identifier: MIT
#pragma once

#include "form/catalogue.h"

#include <string>
#include <string_view>
#include <vector>

// The desktop program's catalogues, compiled by msgfmt and read by gettext: for
// language ll, folder/ll/LC_MESSAGES/rovalin.mo. gettext takes the language from the
// environment (LANGUAGE), which the desktop program sets to the language it chose
// (useLanguage, qt/language.h) before it reads its first text.
class GettextCatalogue final : public Catalogue
{
public:
    // Binds the program's texts to the catalogues in folder.
    explicit GettextCatalogue(const std::string &folder);

    [[nodiscard]] std::string translate(std::string_view text) const override;

    // The languages folder has a catalogue for.
    [[nodiscard]] static std::vector<std::string> available(const std::string &folder);

    // The folder of the catalogues of a program in programFolder: share/locale beside
    // it, as installed (/usr/bin: /usr/share/locale) and as built.
    [[nodiscard]] static std::string folderBeside(std::string_view programFolder);
};
