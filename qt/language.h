// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

class QCoreApplication;

// The folder of the program's own compiled catalogues: share/locale beside the folder
// the program is in, as installed (/usr/bin: /usr/share/locale) and as built.
[[nodiscard]] std::string catalogueFolder();

// The language to speak: the one given, else the session's (form/language.h), among
// the languages the program has catalogues for in folder.
[[nodiscard]] std::string chooseLanguage(const QString &given, const std::string &folder);

// Makes the program speak language: its own texts through gettext, which reads it from
// LANGUAGE, and Qt's own texts (message box buttons, the text boxes' context menu, the
// command-line help) from Qt's catalogue of that language.
void useLanguage(QCoreApplication &application, const std::string &language);

// Loads Qt's own texts in language from Qt's catalogue, looked for in Qt's
// translations folder unless another folder is given. Returns false, and changes
// nothing, when there is no such catalogue (English needs none: Qt's texts are
// English).
bool installQtTexts(QCoreApplication &application, const std::string &language, const QString &folder = {});
