// SPDX-License-Identifier: MIT
#include "window/colourbutton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
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
    const bool sunken = isDown() || isChecked();
    constexpr int bevel = 2;
    qDrawShadePanel(&painter, rect(), palette(), sunken, bevel, &palette().brush(QPalette::Button));

    QStyleOptionButton label;
    initStyleOption(&label);
    if (sunken)
        label.rect.translate(1, 1);
    style()->drawControl(QStyle::CE_PushButtonLabel, &label, &painter, this);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        constexpr int inset = bevel + 2;
        focus.rect = rect().adjusted(inset, inset, -inset, -inset);
        focus.backgroundColor = background;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
