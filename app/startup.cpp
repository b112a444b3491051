#include "app/startup.h"

#include "app/frmmain.h"
#include "calc/localesettings.h"
#include "widgets/exitafterfirstpaint.h"
#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <QStyle>
#include <cstdio>
#include <cstdlib>

namespace {
// Qt's own message for a missing display is cryptic; say it plainly instead.
bool haveDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
#else
    return true;
#endif
}

} // namespace

int runLifetally(int argc, char *argv[])
{
    if (!haveDisplay()) {
        std::fprintf(stderr, "Lifetally needs a graphical desktop, but no display was found "
                             "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                             "Start it from your desktop session, or under xvfb-run for a virtual display.\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lifetally"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setDesktopFileName(QStringLiteral("example.brightwell.lifetally"));
    // Regional settings are read once; everything afterwards reads this record.
    LocaleSettings::setCurrent(LocaleSettings::fromQLocale(QLocale::system()));

    TfrmMain window;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(), screen->availableGeometry())
                        .topLeft());
    ExitAfterFirstPaint exitAfterFirstPaint;
    exitAfterFirstPaint.watch(&window);
    window.show();
    return app.exec();
}
