// SPDX-License-Identifier: MIT
#pragma once

#include <QListWidget>

// The list the player picks numbers from. It tells a pick by the user apart from the
// program's own changes: picked() is emitted only for a left click on an item or for
// a key that selects an item (arrows, Home/End, Page Up/Down, Space, typing an
// item's first digits). Clearing, adding items, setting the selection from the
// program and the focus entering the list never emit it.
//
// A click on the empty area below the items, dragging with the button held and the
// second click of a double click select nothing: the program rebuilds the list on
// each pick, and a pupil's drag or double click must not pick from the new list.
class PickList final : public QListWidget
{
    Q_OBJECT

public:
    explicit PickList(QWidget *parent = nullptr);

    // The selected row, -1 when nothing is selected.
    [[nodiscard]] int selectedRow() const;

signals:
    void picked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};
