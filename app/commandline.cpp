// SPDX-License-Identifier: MIT
#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

std::optional<int> handleCommandLine()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Ровалин: игра с делене и остатъци. Компютърът намисля число, "
                       "а вие го откривате по остатъците на две избрани числа."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n%s\n", qUtf8Printable(parser.errorText()),
                     qUtf8Printable(QStringLiteral("Вижте „%1 --help“.")
                                        .arg(QCoreApplication::applicationName().toLower())));
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "%s\n",
                     qUtf8Printable(QStringLiteral("Програмата не приема аргументи: %1")
                                        .arg(parser.positionalArguments().join(u' '))));
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
