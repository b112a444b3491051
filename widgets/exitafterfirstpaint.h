#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <cstdio>
#include <cstdlib>
#include <ctime>

// Start-up benchmarks time a process up to its main window's first painted frame. With
// LIFETALLY_EXIT_AFTER_FIRST_PAINT=1 the program (and the benchmark's reference programs) quit
// silently once that frame is drawn; the quit takes effect when the event loop regains control.
// Nothing is saved, as Close alone writes the settings file. With LIFETALLY_REPORT_FIRST_PAINT=1
// as well, the moment the frame was done goes to standard error first, as
// "first-paint-ns <nanoseconds of the system clock>", so that the benchmark can leave the
// process's shutdown out of its figure; with LIFETALLY_REPORT_FIRST_PAINT=2 the process then ends
// at once, for counting instructions up to that frame alone. Otherwise the quit waits for what the
// window queued in that paint event (the program's set-up left for after the first frame), so
// that the time to exit includes it.
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
            // Queued: the frame is done once this paint event and the flush after it are.
            QMetaObject::invokeMethod(
                this,
                [] {
                    const int report = qEnvironmentVariableIntValue("LIFETALLY_REPORT_FIRST_PAINT");
                    if (report == 1 || report == 2) {
                        timespec now{};
                        clock_gettime(CLOCK_REALTIME, &now);
                        std::fprintf(stderr, "first-paint-ns %lld\n",
                                     static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                        std::fflush(stderr);
                    }
                    if (report == 2)
                        std::_Exit(0);
                    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                              Qt::QueuedConnection);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};
