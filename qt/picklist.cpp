// SPDX-License-Identifier: MIT
#include "qt/picklist.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

PickRule::Button ruleButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return PickRule::Button::Left;
    case Qt::RightButton:
        return PickRule::Button::Right;
    case Qt::MiddleButton:
        return PickRule::Button::Middle;
    default:
        return PickRule::Button::Other;
    }
}

PickRule::Key ruleKey(int key)
{
    switch (key) {
    case Qt::Key_Down:
        return PickRule::Key::Down;
    case Qt::Key_Up:
        return PickRule::Key::Up;
    case Qt::Key_Right:
        return PickRule::Key::Right;
    case Qt::Key_Left:
        return PickRule::Key::Left;
    case Qt::Key_Home:
        return PickRule::Key::Home;
    case Qt::Key_End:
        return PickRule::Key::End;
    case Qt::Key_PageDown:
        return PickRule::Key::PageDown;
    case Qt::Key_PageUp:
        return PickRule::Key::PageUp;
    default:
        return PickRule::Key::Other;
    }
}

} // namespace

PickList::PickList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setUniformItemSizes(true);
}

int PickList::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void PickList::press(QMouseEvent *event, int clickCount)
{
    event->accept();
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    const QListWidgetItem *item = itemAt(event->position().toPoint());
    emit pressed({ruleButton(event->button()), clickCount, item != nullptr ? row(item) : -1});
}

void PickList::mousePressEvent(QMouseEvent *event)
{
    press(event, 1);
}

void PickList::mouseDoubleClickEvent(QMouseEvent *event)
{
    press(event, 2);
}

void PickList::mouseMoveEvent(QMouseEvent *event)
{
    // With a button held the list would drag its selection along; without one it only
    // tracks the item under the pointer.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void PickList::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void PickList::keyPressEvent(QKeyEvent *event)
{
    PickRule::Key key = ruleKey(event->key());
    const QByteArray typed = event->text().toUtf8();
    if (key == PickRule::Key::Other && !typed.isEmpty() && event->text().at(0).isPrint())
        key = PickRule::Key::Character;
    const bool system = (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) != 0;
    const bool command = system || (event->modifiers() & Qt::ControlModifier) != 0;
    const PickRule::KeyPress press{key,
                                   std::string_view(typed.constData(), static_cast<std::size_t>(typed.size())),
                                   command,
                                   system,
                                   viewport()->height(),
                                   sizeHintForRow(0)};
    // Keys the list does not handle (Tab, Enter, shortcuts) go on to the window.
    event->setAccepted(PickRule::belongsToList(press));
    emit keyPressed(press);
}
