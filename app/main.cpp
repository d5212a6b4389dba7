// SPDX-License-Identifier: MIT
#include "form/appinfo.h"
#include "commandline.h"
#include "firstframe.h"

#include "qt/gameform.h"
#include "qt/language.h"

#include <QApplication>

#include <cstdio>
#include <memory>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(AppInfo::name));
    QApplication::setApplicationVersion(QString::fromUtf8(AppInfo::version));

    // The pupil's language, chosen once and passed down with its texts: the one asked
    // for on the command line, else the session's, else the program's fallback. A
    // language whose catalogue cannot be read (a broken installation) gives way to the
    // language of the sources, which needs none, and says so.
    const Language::Table languages = programLanguages();
    const Language::Entry chosen = chooseLanguage(languageAsked(), languages);
    std::shared_ptr<const Catalogue> texts = catalogueOf(chosen, languages, catalogueFolder());
    if (!texts) {
        const Language::Entry source = Language::chosen(std::vector{languages.source}, languages);
        std::fprintf(stderr, "rovalin: the texts in %s (%s) could not be read; the program speaks %s\n",
                     chosen.name.c_str(), chosen.code.c_str(), source.name.c_str());
        texts = std::make_shared<const SourceTexts>(source);
    }
    useLanguage(app, *texts);

    if (const std::optional<int> exitCode = handleCommandLine(*texts))
        return *exitCode;

    GameForm form({}, texts);
    if (qEnvironmentVariableIsSet("ROVALIN_QUIT_AFTER_FIRST_FRAME"))
        quitAfterFirstFrame(form);
    form.show();
    return QApplication::exec();
}
