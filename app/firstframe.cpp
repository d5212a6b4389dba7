// SPDX-License-Identifier: MIT
#include "firstframe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstFrameWatcher final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Quit from the event loop, once the painted frame has been flushed.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

void quitAfterFirstFrame(QWidget &window)
{
    window.installEventFilter(new FirstFrameWatcher(&window));
}
