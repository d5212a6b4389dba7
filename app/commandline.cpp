// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "form/catalogue.h"
#include "form/formtexts.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

namespace Texts = FormTexts::CommandLine;

QString translated(std::string_view text, const Catalogue &texts)
{
    return QString::fromStdString(texts.translate(text));
}

QCommandLineOption languageOption(const Catalogue &texts)
{
    return {QStringLiteral("language"), translated(Texts::languageOption, texts),
            translated(Texts::languageValue, texts)};
}

void printError(const std::string &message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
}

} // namespace

QString languageAsked()
{
    QCommandLineParser parser;
    const QCommandLineOption language = languageOption(SourceTexts(Language::Entry{}));
    parser.addOption(language);
    // Anything else is answered once the language is known.
    static_cast<void>(parser.parse(QCoreApplication::arguments()));
    return parser.value(language);
}

std::optional<int> handleCommandLine(const Catalogue &texts)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(translated(Texts::description, texts));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption(languageOption(texts));

    if (!parser.parse(QCoreApplication::arguments())) {
        printError(parser.errorText().toStdString());
        printError(FormTexts::filled(texts.translate(Texts::seeHelp),
                                     QCoreApplication::applicationName().toLower().toStdString()));
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        printError(FormTexts::filled(texts.translate(Texts::noArguments),
                                     parser.positionalArguments().join(u' ').toStdString()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                    qUtf8Printable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}
