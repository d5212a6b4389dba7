// SPDX-License-Identifier: MIT
#include "qt/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installBulgarianQtTexts(QCoreApplication &application, const QString &folder)
{
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    QLocale::setDefault(bulgarian);

    auto *translator = new QTranslator(&application);
    if (!translator->load(bulgarian, QStringLiteral("qtbase"), QStringLiteral("_"),
                          folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                           : folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
