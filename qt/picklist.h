// SPDX-License-Identifier: MIT
#pragma once

#include <QListWidget>

class FormHandlers;

// The list the player picks numbers from. It hands every press and every key to the
// form's handlers, which decide by the pick rule (form/pickrule.h) whether it is a
// pick; the list's own handling of presses, drags and keys never runs, so it cannot
// move the selection by rules of its own. Selecting and clearing from the program
// (FormSurface) go straight to the widget and are never picks.
class PickList final : public QListWidget
{
    Q_OBJECT

public:
    explicit PickList(FormHandlers &handlers, QWidget *parent = nullptr);

    // The selected row, -1 when nothing is selected.
    [[nodiscard]] int selectedRow() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void press(QMouseEvent *event, int clickCount);

    FormHandlers &handlers;
};
