// SPDX-License-Identifier: MIT
#include "form/appinfo.h"
#include "commandline.h"
#include "firstframe.h"

#include "qt/gameform.h"
#include "qt/qttranslations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(AppInfo::name));
    QApplication::setApplicationVersion(QString::fromUtf8(AppInfo::version));
    installBulgarianQtTexts(app);

    if (const std::optional<int> exitCode = handleCommandLine())
        return *exitCode;

    GameForm form;
    if (qEnvironmentVariableIsSet("ROVALIN_QUIT_AFTER_FIRST_FRAME"))
        quitAfterFirstFrame(form);
    form.show();
    return QApplication::exec();
}
