// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// A push button in a colour of its own, painted the same under every platform style
// (several styles ignore a palette's button colour, and a style sheet would restyle
// the buttons on every focus change). It draws a raised bevel that sinks while
// pressed, the caption, and a dotted rectangle while it has the keyboard focus, all
// at the scale of the form.
class ColourButton final : public QPushButton
{
    Q_OBJECT

public:
    ColourButton(const QString &caption, const QColor &colour, QWidget *parent = nullptr);

    // The bevel and the focus rectangle grow with the form the button is on.
    void setScale(double factor);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor background;
    double scale = 1.0;
};
