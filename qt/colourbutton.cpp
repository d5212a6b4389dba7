// SPDX-License-Identifier: MIT
#include "qt/colourbutton.h"

#include <QPainter>
#include <QPen>
#include <QStyleOptionButton>
#include <qdrawutil.h>

ColourButton::ColourButton(const QString &caption, const QColor &colour, QWidget *parent)
    : QPushButton(caption, parent)
    , background(colour)
{
    QPalette shades = palette();
    shades.setColor(QPalette::Button, background);
    shades.setColor(QPalette::ButtonText, Qt::black);
    shades.setColor(QPalette::Light, background.lighter(150));
    shades.setColor(QPalette::Dark, background.darker(170));
    shades.setColor(QPalette::Mid, background.darker(130));
    setPalette(shades);
}

void ColourButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const bool sunken = isDown();
    constexpr int bevel = 2;
    qDrawShadePanel(&painter, rect(), palette(), sunken, bevel, &palette().brush(QPalette::Button));

    QStyleOptionButton label;
    initStyleOption(&label);
    if (sunken)
        label.rect.translate(1, 1);
    style()->drawControl(QStyle::CE_PushButtonLabel, &label, &painter, this);

    // A dotted black rectangle, plain on either colour: some styles draw their focus
    // frame faintly, or only after the keyboard has moved the focus.
    if (hasFocus()) {
        constexpr int inset = bevel + 2;
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}
