// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;

#include <QString>

// Makes Qt's own texts (message box buttons, the text boxes' context menu, the
// command-line help) Bulgarian whatever the system's language, from Qt's Bulgarian
// catalogue. Returns false, and changes nothing, when the catalogue is not installed:
// the program then runs with Qt's English texts. The catalogue is looked for in Qt's
// translations folder unless another folder is given.
bool installBulgarianQtTexts(QCoreApplication &application, const QString &folder = {});
