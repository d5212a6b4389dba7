// SPDX-License-Identifier: MIT
#include "firstframe.h"

#include "form/controltable.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

// What any Qt program showing this form costs to start: a bare window of the form's
// size holding the same kinds and number of widgets where the form has them, with no
// game, no translations, no icon and no font of its own. It quits once its first
// frame is painted, through the same hook as the program, so the two start-ups
// compare like for like.

namespace {

QRect pixels(const FormDesign::Rect &twips)
{
    const FormDesign::Rect rect = FormDesign::toPixels(twips);
    return {rect.left, rect.top, rect.width, rect.height};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QWidget window;
    window.setFixedSize(pixels(FormDesign::client).size());
    for (const FormDesign::Control &control : FormDesign::controls) {
        QWidget *widget = nullptr;
        switch (control.kind) {
        case FormDesign::ControlKind::Title:
        case FormDesign::ControlKind::Label:
            widget = new QLabel(QStringLiteral("Label"), &window);
            break;
        case FormDesign::ControlKind::Transcript: {
            auto *transcript = new QPlainTextEdit(QStringLiteral("Floor"), &window);
            transcript->setReadOnly(true);
            widget = transcript;
            break;
        }
        case FormDesign::ControlKind::TextBox:
            widget = new QLineEdit(&window);
            break;
        case FormDesign::ControlKind::List: {
            auto *list = new QListWidget(&window);
            for (int number = 20; number < 50; ++number)
                list->addItem(QString::number(number));
            widget = list;
            break;
        }
        case FormDesign::ControlKind::Button:
            widget = new QPushButton(QStringLiteral("Button"), &window);
            break;
        }
        widget->setGeometry(pixels(control.rect));
    }

    quitAfterFirstFrame(window);
    window.show();
    return QApplication::exec();
}
