// SPDX-License-Identifier: MIT
#include "testlanguage.h"

#include "qt/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <stdexcept>

std::shared_ptr<const Catalogue> testCatalogue()
{
    const Language::Table languages = programLanguages();
    const QString folder = qEnvironmentVariable("ROVALIN_TEST_CATALOGUES");
    // The program's own choice for the test's environment; the pseudo-language, which
    // is none of the program's, in its own folder, written left to right.
    const std::string pseudo = qEnvironmentVariable("LANGUAGE").toStdString();
    const Language::Entry language =
        folder.isEmpty() ? chooseLanguage({}, languages) : Language::Entry{pseudo, pseudo, false, pseudo};
    std::shared_ptr<const Catalogue> texts =
        catalogueOf(language, languages, folder.isEmpty() ? catalogueFolder() : folder.toStdString());
    if (!texts)
        throw std::runtime_error("the catalogue of " + language.code + " cannot be read");
    return texts;
}

bool inBulgarian()
{
    return qEnvironmentVariable("LANGUAGE") == u"bg";
}

bool inRightToLeft()
{
    QFile file(QStringLiteral(ROVALIN_SCENARIOS "/languages.json"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the table of languages " + file.fileName().toStdString());
    const QJsonArray written = QJsonDocument::fromJson(file.readAll()).object()[u"rightToLeft"].toArray();
    return written.contains(qEnvironmentVariable("LANGUAGE"));
}

bool inPseudoLanguage()
{
    return qEnvironmentVariable("LANGUAGE") == u"en_XA";
}
