// SPDX-License-Identifier: MIT
#include "qt/language.h"

#include "form/gettextcatalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

Language::Table programLanguages()
{
    QFile table(QStringLiteral(":/rovalin/languages.json"));
    return table.open(QIODevice::ReadOnly) ? languageTable(table.readAll()) : Language::Table{};
}

Language::Table languageTable(const QByteArray &json)
{
    const QJsonObject table = QJsonDocument::fromJson(json).object();
    Language::Table languages;
    languages.source = table[u"source"].toString().toStdString();
    languages.fallback = table[u"fallback"].toString().toStdString();
    for (const auto &value : table[u"languages"].toArray()) {
        const QJsonObject language = value.toObject();
        languages.languages.push_back({language[u"code"].toString().toStdString(),
                                       language[u"tag"].toString().toStdString(),
                                       language[u"dir"].toString() == u"rtl",
                                       language[u"name"].toString().toStdString()});
    }
    return languages;
}

std::string catalogueFolder()
{
    return GettextCatalogue::folderBeside(QCoreApplication::applicationDirPath().toStdString());
}

Language::Entry chooseLanguage(const QString &given, const Language::Table &table)
{
    const auto variable = [](const char *name) { return qEnvironmentVariable(name).toStdString(); };
    std::vector<std::string> asked;
    if (!given.isEmpty())
        asked.push_back(given.toStdString());
    for (std::string &name :
         Language::requested(variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")))
        asked.push_back(std::move(name));
    return Language::chosen(asked, table);
}

std::shared_ptr<const Catalogue> catalogueOf(const Language::Entry &language, const Language::Table &table,
                                             const std::string &folder)
{
    if (language.code == table.source)
        return std::make_shared<const SourceTexts>(language);
    return GettextCatalogue::read(folder, language);
}

void useLanguage(QCoreApplication &application, const Catalogue &texts)
{
    QGuiApplication::setLayoutDirection(texts.language().rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    installQtTexts(application, texts.language().code);
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
