// SPDX-License-Identifier: MIT
#include "testlanguage.h"

#include "form/gettextcatalogue.h"

#include <QCoreApplication>
#include <QDir>

std::shared_ptr<const Catalogue> testCatalogue()
{
    const QString folder = QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/locale")).absolutePath();
    return std::make_shared<GettextCatalogue>(folder.toStdString());
}

bool inBulgarian()
{
    return qEnvironmentVariable("LANGUAGE") == u"bg";
}
