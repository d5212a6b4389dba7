// SPDX-License-Identifier: MIT
#include "qt/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installBulgarianQtTexts(QCoreApplication &application, const QString &folder)
{
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    auto *translator = new QTranslator(&application);
    if (!translator->load(bulgarian, QStringLiteral("qtbase"), QStringLiteral("_"),
                          folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                           : folder)
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    // Qt's own texts and its formats (the command-line help, dialogs) agree.
    QLocale::setDefault(bulgarian);
    return true;
}
