// SPDX-License-Identifier: MIT
#pragma once

#include "form/pickrule.h"

#include <QListWidget>

// The list the player picks numbers from. It describes every press and every key
// that reaches it in the pick rule's terms (form/pickrule.h) and signals it; the form
// decides whether it is a pick. The list's own handling of presses, drags and keys
// never runs, so it cannot move the selection by rules of its own. Selecting and
// clearing from the program go straight to the widget and are never picks.
class PickList final : public QListWidget
{
    Q_OBJECT

public:
    explicit PickList(QWidget *parent = nullptr);

    // The selected row, -1 when nothing is selected.
    [[nodiscard]] int selectedRow() const;

signals:
    void pressed(const PickRule::Press &press);
    // The key's character points into the event: valid while the signal is delivered.
    void keyPressed(const PickRule::KeyPress &key);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void press(QMouseEvent *event, int clickCount);
};
