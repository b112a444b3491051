#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

// The start-up references honour LIFETALLY_EXIT_AFTER_FIRST_PAINT=1 as the program does: they quit
// silently once the watched window has painted its first frame, so that all three are timed to
// the same point.
class ExitAfterFirstPaint : public QObject
{
public:
    using QObject::QObject;

    void watch(QObject *window)
    {
        if (qEnvironmentVariableIntValue("LIFETALLY_EXIT_AFTER_FIRST_PAINT") == 1)
            window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QCoreApplication::quit();
        }
        return false;
    }
};
