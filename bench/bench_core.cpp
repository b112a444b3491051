#include "calc/clock.h"
#include "calc/datediff.h"
#include "calc/datetext.h"
#include "calc/explain.h"
#include "calc/localesettings.h"
#include "calc/totals.h"
#include "settings/settingsfile.h"
#include "tables/activitychecks.h"
#include "tables/activitymodel.h"
#include "tables/activitytotals.h"
#include "tables/tablesettings.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
void useUsSettings()
{
    LocaleSettings s = LocaleSettings::fallback();
    s.shortDatePattern = QStringLiteral("m/d/yyyy");
    s.currencySymbol = QStringLiteral("$");
    LocaleSettings::setCurrent(s);
}

// Three full tables as a long-time user leaves them: 50 activities each, with every period, open
// and closed date ranges, and start dates decades back.
struct FullTables {
    ActivityModel hours{TableKind::Hours};
    ActivityModel money{TableKind::Money};
    ActivityModel freq{TableKind::Frequency};
    BioFields bio;

    FullTables()
    {
        bio.name = QStringLiteral("Ann Lee");
        bio.birthDate = QStringLiteral("3/15/1956");
        bio.income = 2500000;
        const QString pers[] = {QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("Month"),
                                QStringLiteral("Year")};
        for (int row = 1; row <= 50; ++row) {
            const QString per = pers[row % 4];
            const QString start = QStringLiteral("%1/%2/%3").arg(1 + row % 12).arg(1 + row % 28).arg(1960 + row);
            const QString end = row % 3 ? QStringLiteral("Now") : QStringLiteral("6/30/2020");
            hours.setRowTexts(row, {QStringLiteral("Activity %1").arg(row),
                                    QStringLiteral("%1 Hrs %2 Mins").arg(row % 9).arg(row % 60), per, start, end,
                                    QString()});
            money.setRowTexts(row, {QStringLiteral("Expense %1").arg(row), QStringLiteral("$%1.50").arg(10 * row), per,
                                    start, end, QString()});
            freq.setRowTexts(row,
                             {QStringLiteral("Habit %1").arg(row), QString::number(row), per, start, end, QString()});
        }
    }
};

// What the main window's computeTotals does: the age line and the totals of all 150 rows.
void BM_ComputeTotals150(benchmark::State &state)
{
    useUsSettings();
    FullTables t;
    const double hoursAlive = computedatediff(Clock::now(), strToDate(t.bio.birthDate)).totalHours;
    for (auto _ : state) {
        // One clock reading for the whole pass, as the main window does.
        Clock::Pass pass;
        benchmark::DoNotOptimize(ageLine(t.bio.birthDate));
        computeAllRowTotals(t.hours, t.money, t.freq, hoursAlive, t.bio.income);
    }
}
BENCHMARK(BM_ComputeTotals150)->Unit(benchmark::kMicrosecond);

// The overlap check over a full hours table: every row's daily load, then the sweep.
void BM_HoursOverlap50(benchmark::State &state)
{
    useUsSettings();
    FullTables t;
    for (auto _ : state)
        benchmark::DoNotOptimize(hoursOverlap(t.hours));
}
BENCHMARK(BM_HoursOverlap50)->Unit(benchmark::kMicrosecond);

// One total's explanation as a tooltip first asks for it (later asks on the same day are kept).
void BM_ExplainRow(benchmark::State &state)
{
    useUsSettings();
    FullTables t;
    const double hoursAlive = computedatediff(Clock::now(), strToDate(t.bio.birthDate)).totalHours;
    computeAllRowTotals(t.hours, t.money, t.freq, hoursAlive, t.bio.income);
    const QStringList row = t.money.rowTexts(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            explainRow(TableKind::Money, row[1], row[2], row[3], row[4], row[5], hoursAlive, t.bio.income));
}
BENCHMARK(BM_ExplainRow);

// Close: read the file for the entries the program does not know, rewrite every entry, write a
// temporary file and rename it over the old one.
void BM_SaveSettingsFull(benchmark::State &state)
{
    useUsSettings();
    FullTables t;
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("lfy.ini"));
    writeSettingsFile(path, {t.bio, t.hours.table(), t.money.table(), t.freq.table()});
    for (auto _ : state)
        writeSettingsFile(path, {t.bio, t.hours.table(), t.money.table(), t.freq.table()});
}
BENCHMARK(BM_SaveSettingsFull)->Unit(benchmark::kMicrosecond);

// Start-up: the whole file into the biography fields and three tables.
void BM_LoadSettingsFull(benchmark::State &state)
{
    useUsSettings();
    FullTables t;
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("lfy.ini"));
    writeSettingsFile(path, {t.bio, t.hours.table(), t.money.table(), t.freq.table()});
    for (auto _ : state) {
        // Empty tables each time, as at start-up; making them costs a few microseconds of the figure.
        BioFields bio;
        ActivityModel hours{TableKind::Hours};
        ActivityModel money{TableKind::Money};
        ActivityModel freq{TableKind::Frequency};
        readTables(path, bio, hours, money, freq);
        benchmark::DoNotOptimize(freq.cell(50, 4));
    }
    state.SetLabel("budget: 1 ms");
}
BENCHMARK(BM_LoadSettingsFull)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
