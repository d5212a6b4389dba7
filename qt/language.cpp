// SPDX-License-Identifier: MIT
#include "qt/language.h"

#include "form/gettextcatalogue.h"
#include "form/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <cstring>

std::string catalogueFolder()
{
    return GettextCatalogue::folderBeside(QCoreApplication::applicationDirPath().toStdString());
}

std::string chooseLanguage(const QString &given, const std::string &folder)
{
    const auto variable = [](const char *name) { return qEnvironmentVariable(name).toStdString(); };
    const std::vector<std::string> asked =
        given.isEmpty() ? Language::requested(variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"),
                                              variable("LANG"))
                        : std::vector<std::string>{given.toStdString()};
    return Language::chosen(asked, GettextCatalogue::available(folder));
}

void useLanguage(QCoreApplication &application, const std::string &language)
{
    qputenv("LANGUAGE", QByteArray::fromStdString(language));
    // gettext reads LANGUAGE only under a locale other than C; the C locale in UTF-8
    // does, and changes nothing else the program uses.
    const char *messages = std::setlocale(LC_MESSAGES, nullptr);
    if (messages == nullptr || std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0)
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    installQtTexts(application, language);
}

bool installQtTexts(QCoreApplication &application, const std::string &language, const QString &folder)
{
    const QLocale locale(QString::fromStdString(language));
    auto *translator = new QTranslator(&application);
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder)
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    // Qt's own texts and its formats (the command-line help, dialogs) agree.
    QLocale::setDefault(locale);
    return true;
}
