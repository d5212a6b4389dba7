// SPDX-License-Identifier: MIT
#include "web/pagelanguage.h"

#include "form/formtexts.h"
#include "form/language.h"

#include <algorithm>

using emscripten::val;

std::vector<PageLanguage> pageLanguages()
{
    std::vector<PageLanguage> languages;
    const val listed = val::global("rovalinLanguages");
    if (val::global("Array").call<bool>("isArray", listed)) {
        for (int at = 0; at < listed["length"].as<int>(); ++at) {
            const val language = listed[at];
            languages.push_back({language["code"].as<std::string>(), language["tag"].as<std::string>(),
                                 language["name"].as<std::string>()});
        }
    }
    // English, the language the page is written in, needs no catalogue.
    if (std::none_of(languages.begin(), languages.end(),
                     [](const PageLanguage &language) { return language.code == Language::english; }))
        languages.push_back({std::string(Language::english), std::string(Language::english),
                             std::string(FormTexts::languageName)});
    return languages;
}

const PageLanguage &chosenLanguage(const std::vector<PageLanguage> &languages)
{
    std::vector<std::string> asked;
    const val address = val::global("URLSearchParams").new_(val::global("location")["search"]);
    if (const val given = address.call<val>("get", std::string("lang")); given.isString())
        asked.push_back(given.as<std::string>());
    const val preferred = val::global("navigator")["languages"];
    for (int at = 0; !preferred.isUndefined() && at < preferred["length"].as<int>(); ++at)
        asked.push_back(preferred[at].as<std::string>());

    std::vector<std::string> codes;
    for (const PageLanguage &language : languages)
        codes.push_back(language.code);
    const auto withCode = [&languages](std::string_view code) {
        return std::find_if(languages.begin(), languages.end(),
                            [code](const PageLanguage &language) { return language.code == code; });
    };
    const auto found = withCode(Language::chosen(asked, codes));
    // Bulgarian is always built; should it be missing, the page speaks English.
    return found != languages.end() ? *found : *withCode(Language::english);
}

void addLanguageSwitch(const std::vector<PageLanguage> &languages, const PageLanguage &current,
                       const std::string &label, const val &form)
{
    const val document = val::global("document");
    val strip = document.call<val>("createElement", std::string("nav"));
    strip.set("id", std::string("languages"));
    strip["style"].set("fontFamily", form["style"]["fontFamily"]);
    strip.call<void>("setAttribute", std::string("aria-label"), label);
    for (const PageLanguage &language : languages) {
        val link = document.call<val>("createElement", std::string("a"));
        link.set("href", "?lang=" + language.tag);
        link.set("lang", language.tag);
        link.set("hreflang", language.tag);
        link.set("textContent", language.name);
        if (language.code == current.code)
            link.call<void>("setAttribute", std::string("aria-current"), std::string("page"));
        strip.call<void>("append", link);
    }
    document["body"].call<void>("append", strip);
}
