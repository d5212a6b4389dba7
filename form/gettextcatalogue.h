// SPDX-License-Identifier: MIT
#pragma once

#include "form/catalogue.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The desktop program's catalogues, as msgfmt compiles them: for language ll,
// folder/ll/LC_MESSAGES/rovalin.mo. The program reads the one of the language it
// speaks itself, so that the language is the one it chose, whatever the environment
// says, and on any system, with or without gettext's library.
class GettextCatalogue final : public Catalogue
{
public:
    // The catalogue of language in folder; nothing where there is none, or where the
    // file is no catalogue msgfmt could have written.
    [[nodiscard]] static std::shared_ptr<const GettextCatalogue> read(const std::string &folder,
                                                                      const Language::Entry &language);

    // The catalogue that bytes hold, in either byte order; nothing where they hold none.
    [[nodiscard]] static std::optional<GettextCatalogue> parsed(std::string_view bytes, Language::Entry language);

    [[nodiscard]] std::string translate(std::string_view text) const override;

    // The folder of the catalogues of a program in programFolder: share/locale beside
    // it, as installed (/usr/bin: /usr/share/locale) and as built.
    [[nodiscard]] static std::string folderBeside(std::string_view programFolder);

private:
    GettextCatalogue(Language::Entry language, std::map<std::string, std::string, std::less<>> texts);

    // Each text in English, and its translation.
    std::map<std::string, std::string, std::less<>> translations;
};
