#include "app/startup.h"

#include "app/batchexport.h"
#include "app/commandline.h"
#include "app/frmmain.h"
#include "app/translations.h"
#include "app/unixsignals.h"
#include "calc/localesettings.h"
#include "settings/settingsfile.h"
#include "settings/settingslock.h"
#include "widgets/exitafterfirstpaint.h"
#include "widgets/fieldframe.h"
#include "widgets/prompts.h"
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

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

// Why no window can open, in one place: no display named at all, a Wayland desktop without Qt's
// Wayland support, or a display that would not open.
QString noDisplayMessage()
{
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!x11 && !wayland)
        return QCoreApplication::translate(
            "Startup", "Lifetally needs a graphical desktop, but no display was found "
                       "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                       "Start it from your desktop session, or under xvfb-run for a virtual display.");
    if (wayland && !x11)
        return QCoreApplication::translate(
                   "Startup", "lifetally: could not open a window on this Wayland desktop (WAYLAND_DISPLAY=%1); "
                              "Qt's Wayland support may be missing (sudo apt install qt6-wayland). "
                              "--report and --csv work without a display.")
            .arg(qEnvironmentVariable("WAYLAND_DISPLAY"));
    return QCoreApplication::translate(
               "Startup", "lifetally: could not open a window on the display (DISPLAY=%1, WAYLAND_DISPLAY=%2); "
                          "--report and --csv work without a display.")
        .arg(qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"));
}

// A second copy on a file that a running copy holds: say so, offer that copy's window, and end.
void refuseSecondCopy(const SettingsLock &lock)
{
    const QString text =
        QCoreApplication::translate("Startup", "Lifetally is already open with the entries in %1.\n\n"
                                               "Two copies on one file would each save over the other's changes.")
            .arg(QDir::toNativeSeparators(settingsFilePath()));
    const qint64 holder = lock.holderPid();
    if (holder <= 0) {
        Prompts::warning(nullptr, text);
        return;
    }
    if (Prompts::ask(nullptr, text,
                     QCoreApplication::translate("Startup", "&Show It", "button: bring the open copy's window forward"),
                     QCoreApplication::translate("Startup", "&Quit")))
        ::kill(static_cast<pid_t>(holder), SIGUSR1);
}

// A lock that cannot be judged: it may be a running copy's, or one left behind. The user knows;
// true when they open the file anyway.
bool mayTakeOverLock(SettingsLock &lock)
{
    qint64 pid = 0;
    QString host;
    QString who;
    if (lock.holder(pid, host))
        who = QCoreApplication::translate("Startup", "It was made by process %1 on the computer \"%2\" on %3.")
                  .arg(pid)
                  .arg(host, QLocale().toString(QFileInfo(lock.path()).lastModified(), QLocale::ShortFormat));
    else
        who = QCoreApplication::translate("Startup", "It cannot be read, so which copy made it is unknown.");
    const QString text =
        QCoreApplication::translate("Startup",
                                    "Lifetally may already be open with the entries in %1: the lock file %2 "
                                    "says so.\n\n%3\n\nIf no copy of Lifetally is open with these entries, "
                                    "open them anyway; otherwise two copies would each save over the other's "
                                    "changes.")
            .arg(QDir::toNativeSeparators(settingsFilePath()), QDir::toNativeSeparators(lock.path()), who);
    if (!Prompts::ask(
            nullptr, text,
            QCoreApplication::translate("Startup", "Open anyway",
                                        "button: open the entries although a lock file says another copy has them"),
            QCoreApplication::translate("Startup", "Quit")))
        return false;
    lock.takeOver();
    return true;
}

// The arguments the application object is made with, and what was decided for them: the platform
// is chosen when that object is made, so a run that shows no window (help, version, the exports)
// is told to draw offscreen before that, and then needs no display at all.
struct Platform {
    std::vector<char *> args;
    bool offscreen = false;
    bool tryDesktop = false; // the desktop's own platforms are tried, offscreen last
    std::optional<QTemporaryDir> runtimeFolder;
};

char platformOption[] = "-platform";
char platformName[] = "offscreen";

void choosePlatform(int argc, char *argv[], const QStringList &raw, Platform &chosen)
{
    chosen.offscreen = CommandLine::asksNoWindow(raw) || !haveDisplay();
    chosen.args.assign(argv, argv + argc);
    if (chosen.offscreen) {
        chosen.args.push_back(platformOption);
        chosen.args.push_back(platformName);
    }
    // Without a platform of the user's choosing, Qt tries the desktop's own platforms and ends the
    // process when none opens a display. Trying offscreen last lets the program say what is missing
    // instead; the platforms' own warnings on the way there are kept quiet.
    const bool platformChosen =
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || raw.contains(QStringLiteral("-platform"));
    chosen.tryDesktop = !chosen.offscreen && !platformChosen;
    if (chosen.tryDesktop) {
        QByteArray platforms;
        if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            platforms += "wayland;";
        if (!qEnvironmentVariableIsEmpty("DISPLAY"))
            platforms += "xcb;";
        qputenv("QT_QPA_PLATFORM", platforms + "offscreen");
        QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*=false"));
    }
    // Qt looks into the run-time folder while the application object is made, and warns when
    // XDG_RUNTIME_DIR is unset, as it is under cron and in some ssh sessions. A run without a window
    // gets a private one (0700, as the variable requires) for as long as it runs; a run that is to
    // show a window keeps what the desktop session gave it.
    if (chosen.offscreen && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        chosen.runtimeFolder.emplace(QDir::tempPath() + QStringLiteral("/lifetally-runtime-XXXXXX"));
        if (chosen.runtimeFolder->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(chosen.runtimeFolder->path()));
    }
}

// After the application object is made: whether a window can open.
bool windowPossible(const Platform &chosen)
{
    if (chosen.tryDesktop) {
        QLoggingCategory::setFilterRules(QString());
        qunsetenv("QT_QPA_PLATFORM"); // not handed on to programs started from here
    }
    return QGuiApplication::platformName() != QLatin1String("offscreen") || (!chosen.tryDesktop && !chosen.offscreen);
}
} // namespace

int runWindow(const QString &settingsFile)
{
    SettingsLock lock(settingsFilePath());
    const SettingsLock::Result locked = lock.tryLock();
    if (locked == SettingsLock::Result::HeldByOther) {
        refuseSecondCopy(lock);
        return 0;
    }
    if (locked == SettingsLock::Result::Doubtful && !mayTakeOverLock(lock))
        return 0;
    keepFieldFramesVisible();
    TfrmMain window;
    // One file per person: say whose it is.
    if (!settingsFile.isEmpty())
        window.setWindowTitle(window.windowTitle() + QStringLiteral(" - ") + QFileInfo(settingsFile).fileName());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(), screen->availableGeometry())
                        .topLeft());
    // A signal to end is a log-out that allows no questions: save, then end. The status tells
    // whether the entries were kept.
    std::optional<int> endedBySignal;
    UnixSignals endSignals;
    QObject::connect(&endSignals, &UnixSignals::endRequested, &window, [&window, &endedBySignal] {
        endedBySignal = window.saveWithoutQuestions() ? 0 : 1;
        // Also closes a message box that start-up has open, before the main loop runs.
        QApplication::exit(*endedBySignal);
    });
    QObject::connect(&endSignals, &UnixSignals::showRequested, &window, [&window] {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
        window.raise();
        window.activateWindow();
    });
    ExitAfterFirstPaint exitAfterFirstPaint;
    exitAfterFirstPaint.watch(&window);
    window.show();
    // A signal while a start-up message was open: the main loop would run on as if none came.
    if (endedBySignal)
        return *endedBySignal;
    return QApplication::exec();
}

int runLifetally(int argc, char *argv[])
{
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw.append(QString::fromLocal8Bit(argv[i]));
    Platform platform;
    choosePlatform(argc, argv, raw, platform);
    int count = static_cast<int>(platform.args.size());
    platform.args.push_back(nullptr);
    QApplication app(count, platform.args.data());
    // Before the first message, which may already be the missing display's.
    installUserTranslations();
    const bool canShow = windowPossible(platform);
    if (!canShow && platform.tryDesktop) {
        std::fprintf(stderr, "%s\n", noDisplayMessage().toLocal8Bit().constData());
        return 1;
    }
    // Also the window class on X11, which the desktop file names as its StartupWMClass so that docks
    // group the window with its launcher; Wayland matches the desktop file's name instead.
    QApplication::setApplicationName(QStringLiteral("Lifetally"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setDesktopFileName(QStringLiteral("example.brightwell.lifetally"));

    CommandLine options;
    if (!options.parse(QApplication::arguments())) {
        std::fprintf(stderr, "lifetally: %s\n%s\n", options.errorText().toLocal8Bit().constData(),
                     QCoreApplication::translate("Startup", "Try 'lifetally --help' for more information.")
                         .toLocal8Bit()
                         .constData());
        return 2;
    }
    if (options.wantsHelpOrVersion())
        options.showHelpOrVersion();

    // Regional settings are read once; everything afterwards reads this record.
    LocaleSettings::setCurrent(LocaleSettings::fromEnvironment());
    setSettingsFilePath(options.settingsFile());
    BatchExport::pricesOverride() = options.todaysPrices();
    if (options.windowless())
        return BatchExport::run(options.reportFile(), options.csvFile(), options.lookAheadAge(), options.weeksFile(),
                                options.paper());

    if (!canShow) {
        std::fprintf(stderr, "%s\n", noDisplayMessage().toLocal8Bit().constData());
        return 1;
    }
    return runWindow(options.settingsFile());
}
