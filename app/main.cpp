// SPDX-License-Identifier: MIT
#include "window/appinfo.h"
#include "window/gameform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(AppInfo::name.data(), AppInfo::name.size()));
    QApplication::setApplicationVersion(
        QString::fromUtf8(AppInfo::version.data(), AppInfo::version.size()));

    GameForm form;
    form.show();
    return QApplication::exec();
}
