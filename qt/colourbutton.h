// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// A push button in a colour of its own, painted the same under every platform style
// (several styles ignore a palette's button colour, and a style sheet would restyle
// the buttons on every focus change). It draws a raised bevel that sinks while
// pressed, the caption, and a dotted rectangle while it has the keyboard focus.
class ColourButton final : public QPushButton
{
    Q_OBJECT

public:
    ColourButton(const QString &caption, const QColor &colour, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor background;
};
