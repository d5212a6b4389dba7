// SPDX-License-Identifier: MIT
#include "form/gettextcatalogue.h"

#include <libintl.h>

#include <filesystem>
#include <system_error>

namespace {

constexpr const char *domain = "rovalin";

} // namespace

GettextCatalogue::GettextCatalogue(const std::string &folder)
{
    bindtextdomain(domain, folder.c_str());
    // The texts come in UTF-8, whatever the locale's character set.
    bind_textdomain_codeset(domain, "UTF-8");
}

std::string GettextCatalogue::translate(std::string_view text) const
{
    // The empty text would give the catalogue's header.
    if (text.empty())
        return {};
    return dgettext(domain, std::string(text).c_str());
}

std::vector<std::string> GettextCatalogue::available(const std::string &folder)
{
    std::vector<std::string> languages;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
        if (std::filesystem::exists(entry.path() / "LC_MESSAGES" / (std::string(domain) + ".mo"), error))
            languages.push_back(entry.path().filename().string());
    }
    return languages;
}

std::string GettextCatalogue::folderBeside(std::string_view programFolder)
{
    return (std::filesystem::path(programFolder) / ".." / "share" / "locale").lexically_normal().string();
}
