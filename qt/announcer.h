// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// Speaks a short phrase through the screen reader without taking the focus. Qt has no
// announcement of its own here, so the phrase becomes the name of an empty widget that
// assistive technology knows as a notification, and the widget is reported as shown:
// Orca, for one, reads a notification aloud the moment it appears. The widget has no
// size and paints nothing, so the form looks as designed.
class Announcer final : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent = nullptr);

    void announce(const QString &phrase);
};
