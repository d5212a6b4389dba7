// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "form/formtexts.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

void printError(const std::string &message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
}

} // namespace

std::optional<int> handleCommandLine()
{
    namespace Texts = FormTexts::CommandLine;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QString::fromUtf8(Texts::description.data(), static_cast<qsizetype>(Texts::description.size())));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    if (!parser.parse(QCoreApplication::arguments())) {
        printError(parser.errorText().toStdString());
        printError(Texts::seeHelp(QCoreApplication::applicationName().toLower().toStdString()));
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        printError(Texts::noArguments(parser.positionalArguments().join(u' ').toStdString()));
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
