// SPDX-License-Identifier: MIT
#include "qt/colourbutton.h"

#include <QPainter>
#include <QPen>
#include <QStyleOptionButton>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

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

void ColourButton::setScale(double factor)
{
    scale = factor;
    update();
}

void ColourButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const bool sunken = isDown();
    const int bevel = static_cast<int>(std::lround(2 * scale));
    qDrawShadePanel(&painter, rect(), palette(), sunken, bevel, &palette().brush(QPalette::Button));

    QStyleOptionButton label;
    initStyleOption(&label);
    if (sunken)
        label.rect.translate(bevel / 2, bevel / 2);
    style()->drawControl(QStyle::CE_PushButtonLabel, &label, &painter, this);

    // A dotted black rectangle, plain on either colour: some styles draw their focus
    // frame faintly, or only after the keyboard has moved the focus.
    if (hasFocus()) {
        const int inset = 2 * bevel;
        painter.setPen(QPen(Qt::black, std::max(1, bevel / 2), Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}
