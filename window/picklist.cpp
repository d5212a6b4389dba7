// SPDX-License-Identifier: MIT
#include "window/picklist.h"

#include <QKeyEvent>
#include <QMouseEvent>

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

void PickList::mousePressEvent(QMouseEvent *event)
{
    QListWidgetItem *pressed = itemAt(event->position().toPoint());
    // A click on an item picks it even when it was already selected, as a list box
    // reports every click on an item. For such a click Qt would change the selection
    // only on the release, to whatever item the button is let go over; the item is
    // selected already, so the release must not be left to do it.
    const bool leftOnItem = event->button() == Qt::LeftButton && pressed != nullptr;
    if (!leftOnItem || pressed->isSelected()) {
        event->accept();
        if (!hasFocus())
            setFocus(Qt::MouseFocusReason);
        if (leftOnItem) {
            setCurrentItem(pressed);
            emit picked();
        }
        return;
    }
    QListWidget::mousePressEvent(event);
    if (selectedRow() >= 0)
        emit picked();
}

void PickList::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void PickList::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void PickList::keyPressEvent(QKeyEvent *event)
{
    const int before = selectedRow();
    QListWidget::keyPressEvent(event);
    const int after = selectedRow();
    if (after >= 0 && after != before)
        emit picked();
}

QModelIndex PickList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // With no current item (a freshly filled list) Qt moves to the first item for
    // every key; End should still reach the last one.
    if (!currentIndex().isValid() && action == MoveEnd && count() > 0)
        return indexFromItem(item(count() - 1));
    return QListWidget::moveCursor(action, modifiers);
}
