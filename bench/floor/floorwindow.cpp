// SPDX-License-Identifier: MIT
#include "firstframe.h"

#include "form/formdesign.h"

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
    window.setFixedSize(FormDesign::clientWidth / FormDesign::twipsPerPixel,
                        FormDesign::clientHeight / FormDesign::twipsPerPixel);

    auto *transcript = new QPlainTextEdit(&window);
    transcript->setGeometry(pixels(FormDesign::text1Transcript));
    transcript->setReadOnly(true);
    transcript->setPlainText(QStringLiteral("Floor"));

    const std::array<FormDesign::Rect, 5> labelPlaces{
        FormDesign::label1Title, FormDesign::label1Row[0], FormDesign::label1Row[1],
        FormDesign::label1Row[2], FormDesign::label1Row[3]};
    for (const FormDesign::Rect &place : labelPlaces) {
        auto *label = new QLabel(QStringLiteral("Label"), &window);
        label->setGeometry(pixels(place));
    }

    auto *list = new QListWidget(&window);
    list->setGeometry(pixels(FormDesign::list1));
    for (int number = 20; number < 50; ++number)
        list->addItem(QString::number(number));

    for (const FormDesign::Rect &place : FormDesign::text2) {
        auto *box = new QLineEdit(&window);
        box->setGeometry(pixels(place));
    }
    for (const FormDesign::Rect &place : FormDesign::command1) {
        auto *button = new QPushButton(QStringLiteral("Button"), &window);
        button->setGeometry(pixels(place));
    }

    quitAfterFirstFrame(window);
    window.show();
    return QApplication::exec();
}
