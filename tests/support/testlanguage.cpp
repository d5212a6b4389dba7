// SPDX-License-Identifier: MIT
#include "testlanguage.h"

#include "form/gettextcatalogue.h"

#include <QCoreApplication>
#include <QDir>

std::shared_ptr<const Catalogue> testCatalogue()
{
    QString folder = qEnvironmentVariable("ROVALIN_TEST_CATALOGUES");
    if (folder.isEmpty())
        folder = QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/locale")).absolutePath();
    return std::make_shared<GettextCatalogue>(folder.toStdString());
}

bool inBulgarian()
{
    return qEnvironmentVariable("LANGUAGE") == u"bg";
}

bool inPseudoLanguage()
{
    return qEnvironmentVariable("LANGUAGE") == u"en_XA";
}
