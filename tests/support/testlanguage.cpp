// SPDX-License-Identifier: MIT
#include "testlanguage.h"

#include "form/gettextcatalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <stdexcept>

std::shared_ptr<const Catalogue> testCatalogue()
{
    const QString folder = qEnvironmentVariable("ROVALIN_TEST_CATALOGUES");
    return std::make_shared<GettextCatalogue>(
        folder.isEmpty() ? GettextCatalogue::folderBeside(QCoreApplication::applicationDirPath().toStdString())
                         : folder.toStdString());
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
