#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

// Start-up benchmarks time a process up to its main window's first painted frame. With
// LIFETALLY_EXIT_AFTER_FIRST_PAINT=1 the program (and the benchmark's reference programs) quit
// silently once that frame is drawn; the quit takes effect when the event loop regains control.
// Nothing is saved, as Close alone writes the settings file.
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
