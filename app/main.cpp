// SPDX-License-Identifier: MIT
#include "form/appinfo.h"
#include "commandline.h"
#include "firstframe.h"

#include "form/formtexts.h"
#include "form/gettextcatalogue.h"
#include "qt/gameform.h"
#include "qt/language.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(AppInfo::name));
    QApplication::setApplicationVersion(QString::fromUtf8(AppInfo::version));

    // The pupil's language: the one asked for on the command line, else the session's,
    // Bulgarian where the program has no catalogue for either.
    const std::string folder = catalogueFolder();
    useLanguage(app, chooseLanguage(languageAsked(), folder));
    const auto texts = std::make_shared<GettextCatalogue>(folder);
    // Qt's own windows, such as the message box, run in the direction of the pupil's
    // language as its catalogue gives it, whether or not Qt has a catalogue of it.
    QGuiApplication::setLayoutDirection(FormTexts::rightToLeft(*texts) ? Qt::RightToLeft : Qt::LeftToRight);

    if (const std::optional<int> exitCode = handleCommandLine(*texts))
        return *exitCode;

    GameForm form({}, texts);
    if (qEnvironmentVariableIsSet("ROVALIN_QUIT_AFTER_FIRST_FRAME"))
        quitAfterFirstFrame(form);
    form.show();
    return QApplication::exec();
}
