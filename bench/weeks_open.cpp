// Time to open Life in Weeks at age 120 with three full tables (50 hours rows, 50 money and 50
// frequency rows, all "Once") up to its first painted frame: `weeks_open [runs]` (21 by default).
// The first run also pays for what a process does once, so it is shown apart and left out of the median.
// `weeks_open --shot FILE.png [--all] [--dark] [--settings FILE.ini]` instead saves the window as
// shown, with the entries of a settings file, in Main activity or All hours, on a dark palette.
#include "app/batchexport.h"
#include "calc/localesettings.h"
#include "results/frmweeks.h"
#include "settings/settingsfile.h"
#include "tables/activitymodel.h"
#include "widgets/exitafterfirstpaint.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QPalette>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
int shot(const QStringList &args)
{
    const QString out = args.value(args.indexOf(QStringLiteral("--shot")) + 1);
    if (args.contains(QStringLiteral("--dark"))) {
        // A dark desktop, as the dark themes give it.
        QPalette dark(QColor(0xee, 0xee, 0xee), QColor(0x35, 0x35, 0x35), QColor(0x50, 0x50, 0x50),
                      QColor(0x20, 0x20, 0x20), QColor(0x55, 0x55, 0x55), QColor(0xee, 0xee, 0xee),
                      QColor(0x2d, 0x2d, 0x2d));
        dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(dark);
    }
    const int at = args.indexOf(QStringLiteral("--settings"));
    if (at >= 0)
        setSettingsFilePath(args.value(at + 1));
    BatchExport job;
    job.load();
    TfrmWeeks window(TfrmWeeks::weeksOf(job.hours(), job.birthText(), job.lookAheadAge(), &job.money(), &job.freq()));
    window.setPerson(job.name(), job.birthText());
    if (args.contains(QStringLiteral("--all")))
        window.setLook(WeekLook::AllHours);
    window.fitTo(window.screen()->availableGeometry().size());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(300);
    return window.grab().save(out) ? 0 : 1;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Dates and amounts as the program writes them under these regional settings.
    LocaleSettings::setCurrent(LocaleSettings::fromQLocale(QLocale::system()));
    const QStringList args = QApplication::arguments();
    if (args.contains(QStringLiteral("--shot")))
        return shot(args);
    qputenv("LIFETALLY_EXIT_AFTER_FIRST_PAINT", "1");
    const int runs = argc > 1 ? qMax(2, QByteArray(argv[1]).toInt()) : 21;
    ActivityModel hours{TableKind::Hours};
    ActivityModel money{TableKind::Money};
    ActivityModel frequency{TableKind::Frequency};
    for (int row = 1; row <= 50; ++row) {
        const QString start = QStringLiteral("1/1/%1").arg(1960 + row);
        hours.setRowTexts(row, {QStringLiteral("Activity %1").arg(row), QStringLiteral("%1 Hrs").arg(row % 9 + 1),
                                QStringLiteral("Week"), start, row % 3 ? QStringLiteral("Now") : QStringLiteral("1/1/2050"),
                                QString()});
        money.setRowTexts(row, {QStringLiteral("Purchase %1").arg(row), QStringLiteral("$1,000.00"),
                                QStringLiteral("Once"), QStringLiteral("6/1/%1").arg(1970 + row), QStringLiteral("Now"),
                                QString()});
        frequency.setRowTexts(row, {QStringLiteral("Trip %1").arg(row), QStringLiteral("1"), QStringLiteral("Once"),
                                    QStringLiteral("9/1/%1").arg(1970 + row), QStringLiteral("Now"), QString()});
    }
    std::vector<double> ms;
    QSize size;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        TfrmWeeks window(TfrmWeeks::weeksOf(hours, QStringLiteral("3/15/1960"), 120, &money, &frequency));
        window.setPerson(QStringLiteral("Ann Lee"), QStringLiteral("3/15/1960"));
        window.fitTo(QSize(1280, 1024));
        ExitAfterFirstPaint exit;
        exit.watch(&window);
        window.show();
        QApplication::exec();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        size = window.size();
    }
    const double first = ms.front();
    ms.erase(ms.begin());
    std::sort(ms.begin(), ms.end());
    std::printf("Life in Weeks, age 120, 50 + 50 + 50 rows, %dx%d, to its first painted frame: first %.1f ms; "
                "then median %.1f ms (min %.1f, max %.1f) of %zu\n",
                size.width(), size.height(), first, ms[ms.size() / 2], ms.front(), ms.back(), ms.size());
    return 0;
}
