// SPDX-License-Identifier: MIT
#pragma once

#include "window/gameform.h"
#include "window/picklist.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// Finds the controls of a GameForm by name and plays the user's part with simulated
// mouse clicks and keys.
struct FormDriver
{
    explicit FormDriver(GameForm &gameForm)
        : form(gameForm)
        , list(form.findChild<PickList *>(QStringLiteral("List1")))
        , transcript(form.findChild<QPlainTextEdit *>(QStringLiteral("Text1_0")))
    {
        for (int index = 0; index < 5; ++index)
            labels.push_back(form.findChild<QLabel *>(QStringLiteral("Label1_%1").arg(index)));
        for (int index = 0; index < 3; ++index)
            boxes.push_back(form.findChild<QLineEdit *>(QStringLiteral("Text2_%1").arg(index)));
        for (int index = 0; index < 2; ++index)
            buttons.push_back(form.findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(index)));
    }

    [[nodiscard]] bool complete() const
    {
        return list != nullptr && transcript != nullptr && !labels.contains(nullptr)
               && !boxes.contains(nullptr) && !buttons.contains(nullptr);
    }

    [[nodiscard]] QStringList items() const
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts.append(list->item(row)->text());
        return texts;
    }

    // Clicks the item showing text, scrolling it into view first; false if absent.
    bool clickItem(const QString &text) const
    {
        const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
        if (found.isEmpty())
            return false;
        list->scrollToItem(found.constFirst());
        const QPoint centre = list->visualItemRect(found.constFirst()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        return true;
    }

    void clickButton(int index) const { QTest::mouseClick(buttons.at(index), Qt::LeftButton); }

    GameForm &form;
    PickList *list;
    QPlainTextEdit *transcript;
    QList<QLabel *> labels;
    QList<QLineEdit *> boxes;
    QList<QPushButton *> buttons;
};

inline QStringList numberTexts(int first, int last)
{
    QStringList texts;
    for (int number = first; number <= last; ++number)
        texts.append(QString::number(number));
    return texts;
}
