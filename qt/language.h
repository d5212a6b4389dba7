// SPDX-License-Identifier: MIT
#pragma once

#include "form/catalogue.h"
#include "form/language.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <string>

class QCoreApplication;

// The program's table of languages, as the build made it from the catalogues and
// built it into the program.
[[nodiscard]] Language::Table programLanguages();

// The table of languages json holds; an empty one where it holds none.
[[nodiscard]] Language::Table languageTable(const QByteArray &json);

// The folder of the program's own compiled catalogues: share/locale beside the folder
// the program is in, as installed (/usr/bin: /usr/share/locale) and as built.
[[nodiscard]] std::string catalogueFolder();

// The language to speak (form/language.h): the one given on the command line, then
// the session's, among the languages of table.
[[nodiscard]] Language::Entry chooseLanguage(const QString &given, const Language::Table &table);

// The texts of language: its catalogue in folder, or, for the language of the sources,
// their own. Nothing where its catalogue cannot be read.
[[nodiscard]] std::shared_ptr<const Catalogue> catalogueOf(const Language::Entry &language,
                                                           const Language::Table &table, const std::string &folder);

// Makes Qt's own texts (message box buttons, the text boxes' context menu, the
// command-line help) speak the language of texts, from Qt's catalogue of it, and Qt's
// own windows, such as the message box, run in its direction, whether or not Qt has a
// catalogue of it.
void useLanguage(QCoreApplication &application, const Catalogue &texts);

// Loads Qt's own texts in language from Qt's catalogue, looked for in Qt's
// translations folder unless another folder is given. Returns false, and changes
// nothing, when there is no such catalogue (English needs none: Qt's texts are
// English).
bool installQtTexts(QCoreApplication &application, const std::string &language, const QString &folder = {});
