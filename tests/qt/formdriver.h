// SPDX-License-Identifier: MIT
#pragma once

#include "scenariotables.h"
#include "testlanguage.h"

#include "qt/gameform.h"
#include "qt/picklist.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <string_view>

// A text of the program's sources, in UTF-8, as Qt holds it.
inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A message box that no test answers within two seconds fails the test that met it,
// saying what the box said, and is closed: modal, it would otherwise wait for a click
// that never comes, and the test would hang until CTest stopped it. A test that expects
// a box answers it within milliseconds.
class MessageBoxWatch final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *box = qobject_cast<QMessageBox *>(watched)) {
                constexpr int unansweredMilliseconds = 2000;
                QTimer::singleShot(unansweredMilliseconds, this, [box = QPointer<QMessageBox>(box)] {
                    if (box.isNull() || !box->isVisible())
                        return;
                    const QString said = box->windowTitle() + QStringLiteral(": ") + box->text();
                    box->reject();
                    QTest::qFail(qPrintable(QStringLiteral("a message box no test answered: ") + said), __FILE__, __LINE__);
                });
            }
        }
        return false;
    }
};

inline void watchMessageBoxes()
{
    QCoreApplication::instance()->installEventFilter(new MessageBoxWatch(QCoreApplication::instance()));
}
Q_COREAPP_STARTUP_FUNCTION(watchMessageBoxes)

// Where the design puts a control on the window at its designed size, in logical
// pixels: mirrored in a language written right to left, the same distance from the
// right edge as designed from the left.
inline QRect designedPlace(const FormDesign::Rect &twips)
{
    const FormDesign::Rect rect = FormDesign::toPixels(twips);
    const int formWidth = FormDesign::toPixels(FormDesign::client).width;
    return {inRightToLeft() ? formWidth - rect.left - rect.width : rect.left, rect.top, rect.width, rect.height};
}

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

    // The centre of the item showing text, scrolled into view; a null point if absent.
    [[nodiscard]] QPoint itemCentre(const QString &text) const
    {
        const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
        if (found.isEmpty())
            return {};
        list->scrollToItem(found.constFirst());
        return list->visualItemRect(found.constFirst()).center();
    }

    // The selected item's text, empty for none.
    [[nodiscard]] QString selectedItem() const
    {
        const int row = list->selectedRow();
        return row < 0 ? QString() : list->item(row)->text();
    }

    // Clicks the item showing text; false if absent.
    bool clickItem(const QString &text, Qt::MouseButton button = Qt::LeftButton) const
    {
        const QPoint centre = itemCentre(text);
        if (centre.isNull())
            return false;
        QTest::mouseClick(list->viewport(), button, {}, centre);
        return true;
    }

    // Plays one step of an input scenario (tests/scenarios/picks.json); false when the
    // step cannot be played.
    bool play(const QVariantList &step) const
    {
        const QString input = step.value(0).toString();
        QWidget *viewport = list->viewport();
        if (input == u"click" || input == u"rightClick" || input == u"middleClick") {
            const Qt::MouseButton button = input == u"click"        ? Qt::LeftButton
                                           : input == u"rightClick" ? Qt::RightButton
                                                                    : Qt::MiddleButton;
            return clickItem(step.value(1).toString(), button);
        }
        if (input == u"doubleClick" || input == u"quadrupleClick") {
            // A double click reaches a widget as press, release, double click, release;
            // four quick clicks as two double clicks.
            const QPoint centre = itemCentre(step.value(1).toString());
            for (int twice = 0; twice < (input == u"doubleClick" ? 1 : 2); ++twice) {
                QTest::mouseClick(viewport, Qt::LeftButton, {}, centre);
                QMouseEvent doubleClick(QEvent::MouseButtonDblClick, centre, viewport->mapToGlobal(centre),
                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(viewport, &doubleClick);
                QTest::mouseRelease(viewport, Qt::LeftButton, {}, centre);
            }
            return !centre.isNull();
        }
        if (input == u"drag") {
            // Both items in view, the one the press starts on brought there last.
            const QPoint to = itemCentre(step.value(2).toString());
            const QPoint from = itemCentre(step.value(1).toString());
            const QListWidgetItem *under = list->itemAt(to);
            if (from.isNull() || under == nullptr || under->text() != step.value(2).toString())
                return false;
            QTest::mousePress(viewport, Qt::LeftButton, {}, from);
            QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &move);
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
            return true;
        }
        if (input == u"clickEmptyArea") {
            const QRect last = list->visualItemRect(list->item(list->count() - 1));
            const QPoint below(last.center().x(), last.bottom() + last.height());
            QTest::mouseClick(viewport, Qt::LeftButton, {}, below);
            return viewport->rect().contains(below) && list->itemAt(below) == nullptr;
        }
        if (input == u"clickScrollBar") {
            QScrollBar *bar = list->verticalScrollBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 20));
            return bar->isVisible();
        }
        if (input == u"tab" || input == u"backtab") {
            QWidget *from = input == u"tab" ? static_cast<QWidget *>(transcript) : boxes[0];
            from->setFocus();
            QTest::keyClick(from, input == u"tab" ? Qt::Key_Tab : Qt::Key_Backtab,
                            input == u"tab" ? Qt::NoModifier : Qt::ShiftModifier);
            return QApplication::focusWidget() == list;
        }
        if (input == u"key") {
            // The table names the key; Qt's name of it gives the key and what is held.
            const QKeyCombination key = QKeySequence::fromString(qtKeyName(step.value(1).toString()))[0];
            QWidget *focus = QApplication::focusWidget();
            if (focus == nullptr || key.key() == Qt::Key_unknown)
                return false;
            QTest::keyClick(focus, key.key(), key.keyboardModifiers());
            return true;
        }
        return false;
    }

    void clickButton(int index) const { QTest::mouseClick(buttons.at(index), Qt::LeftButton); }

    // The game's count of picks, which the window does not show.
    [[nodiscard]] int pickCount() const { return form.game().state().pickCount; }

    GameForm &form;
    PickList *list;
    QPlainTextEdit *transcript;
    QList<QLabel *> labels;
    QList<QLineEdit *> boxes;
    QList<QPushButton *> buttons;
};

// The texts a list offering first to last shows.
inline QStringList listOf(int first, int last)
{
    QStringList texts;
    for (int number = first; number <= last; ++number)
        texts.append(QString::number(number));
    return texts;
}
