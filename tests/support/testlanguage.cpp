// SPDX-License-Identifier: MIT
#include "testlanguage.h"

#include "form/gettextcatalogue.h"

#include <QCoreApplication>
#include <QLocale>

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
    return QLocale(qEnvironmentVariable("LANGUAGE")).textDirection() == Qt::RightToLeft;
}

bool inPseudoLanguage()
{
    return qEnvironmentVariable("LANGUAGE") == u"en_XA";
}
