#include "calc/clock.h"
#include "calc/datediff.h"
#include "calc/datephrase.h"
#include "calc/datetext.h"
#include "calc/explain.h"
#include "calc/localesettings.h"
#include "calc/numbertext.h"
#include "calc/totals.h"
#include "settings/inifile.h"
#include "settings/settingsfile.h"
#include "tables/activitychecks.h"
#include "tables/activitymodel.h"
#include "tables/activitytotals.h"
#include "tables/tablesettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <optional>
#include <sys/stat.h>

namespace {
void useUsSettings()
{
    LocaleSettings s = LocaleSettings::fallback();
    s.shortDatePattern = QStringLiteral("m/d/yyyy");
    s.currencySymbol = QStringLiteral("$");
    LocaleSettings::setCurrent(s);
}

void BM_StrToDate(benchmark::State &state)
{
    useUsSettings();
    const QString text = QStringLiteral(" 12/31/1999 ");
    for (auto _ : state)
        benchmark::DoNotOptimize(strToDate(text));
}
BENCHMARK(BM_StrToDate);

void BM_ShortDateText(benchmark::State &state)
{
    useUsSettings();
    const DateValue day = encodeDate(1999, 12, 31);
    for (auto _ : state)
        benchmark::DoNotOptimize(shortDateText(day));
}
BENCHMARK(BM_ShortDateText);

void BM_ComputeDateDiff(benchmark::State &state)
{
    const DateValue birth = encodeDate(1956, 3, 15);
    const DateValue now = encodeDate(2025, 6, 10) + 0.6;
    for (auto _ : state)
        benchmark::DoNotOptimize(computedatediff(now, birth));
}
BENCHMARK(BM_ComputeDateDiff);

void BM_DatePhrase(benchmark::State &state)
{
    const DateValue reference = encodeDate(2025, 6, 10);
    const DateValue described = encodeDate(1956, 3, 15);
    for (auto _ : state) {
        PhraseCounts counts;
        benchmark::DoNotOptimize(datePhrase(reference, described, counts));
    }
}
BENCHMARK(BM_DatePhrase);

void BM_FormatWhole(benchmark::State &state)
{
    useUsSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(formatWhole(1234567.5));
}
BENCHMARK(BM_FormatWhole);

void BM_FormatMoneyWhole(benchmark::State &state)
{
    useUsSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(formatMoneyWhole(52000.25));
}
BENCHMARK(BM_FormatMoneyWhole);

void BM_FormatShare(benchmark::State &state)
{
    useUsSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(formatShare(12.345));
}
BENCHMARK(BM_FormatShare);

// The whole settings file as the program writes it: three single values, three tables of a
// counting section and 51 row sections with five keys each.
void fillSettings(IniFile &ini)
{
    ini.writeString(QStringLiteral("DOB"), QStringLiteral("Date"), QStringLiteral("3/15/1956"));
    ini.writeString(QStringLiteral("Name"), QStringLiteral("name"), QStringLiteral("Your name"));
    ini.writeInteger(QStringLiteral("Income"), QStringLiteral("income"), 250000);
    const QString tables[3][2] = {{QStringLiteral("Hours"), QStringLiteral("Hour")},
                                  {QStringLiteral("Money"), QStringLiteral("Money")},
                                  {QStringLiteral("Freq"), QStringLiteral("Freq")}};
    const QString keys[5] = {QStringLiteral("Desc"), QStringLiteral("Amount"), QStringLiteral("Per"),
                             QStringLiteral("Start"), QStringLiteral("End")};
    for (const auto &table : tables) {
        ini.writeInteger(table[0], QStringLiteral("Count"), 51);
        for (int n = 1; n <= 51; ++n) {
            const QString section = table[1] + QString::number(n);
            const QString values[5] = {QStringLiteral("Sleeping"), QStringLiteral("8 Hrs"), QStringLiteral("Day"),
                                       QStringLiteral("3/15/1956"), QStringLiteral("Now")};
            for (int k = 0; k < 5; ++k)
                ini.writeString(section, keys[k], n == 51 ? QString() : values[k]);
        }
    }
}

void BM_IniSave(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("lfy.ini"));
    for (auto _ : state) {
        IniFile ini(path);
        fillSettings(ini);
        ini.save();
    }
}
BENCHMARK(BM_IniSave)->Unit(benchmark::kMicrosecond);

void BM_IniLoad(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("lfy.ini"));
    {
        IniFile ini(path);
        fillSettings(ini);
        ini.save();
    }
    for (auto _ : state) {
        IniFile ini(path);
        benchmark::DoNotOptimize(ini.readString(QStringLiteral("Freq51"), QStringLiteral("End"), QString()));
    }
}
BENCHMARK(BM_IniLoad)->Unit(benchmark::kMicrosecond);

// Three full tables as a long-time user leaves them: 50 activities each, with every period, open
// and closed date ranges, and start dates decades back.
struct FullTables {
    ActivityModel hours{QSet<int>{5}};
    ActivityModel money{QSet<int>{1, 5}};
    ActivityModel freq{QSet<int>{1, 5}};
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
    const bool onePass = state.range(0) != 0;
    for (auto _ : state) {
        std::optional<Clock::Pass> pass;
        if (onePass)
            pass.emplace();
        benchmark::DoNotOptimize(ageLine(t.bio.birthDate));
        computeAllRowTotals(t.hours, t.money, t.freq, hoursAlive, t.bio.income);
    }
    state.SetLabel(onePass ? "target <= 100 us" : "a clock reading per use, for comparison");
}
// Argument 1: one clock reading for the whole pass, as the main window does; 0: a reading per use.
BENCHMARK(BM_ComputeTotals150)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

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
    writeSettingsFile(path, t.bio, t.hours.table(), t.money.table(), t.freq.table());
    for (auto _ : state)
        writeSettingsFile(path, t.bio, t.hours.table(), t.money.table(), t.freq.table());
    // The backup is to be the old file itself, linked under its new name, not a second full write.
    struct stat before {
    };
    struct stat backup {
    };
    const QByteArray file = QFile::encodeName(path);
    const QByteArray bak = QFile::encodeName(IniFile::backupPath(path));
    const bool old = ::stat(file.constData(), &before) == 0;
    writeSettingsFile(path, t.bio, t.hours.table(), t.money.table(), t.freq.table());
    const bool linked = old && ::stat(bak.constData(), &backup) == 0 && backup.st_ino == before.st_ino &&
                        backup.st_dev == before.st_dev;
    state.SetLabel(linked ? "backup: the old file linked (target: no second write)"
                          : "backup: a copy (target missed: a second write)");
}
BENCHMARK(BM_SaveSettingsFull)->Unit(benchmark::kMicrosecond);

// Start-up: the whole file into the biography fields and three tables.
void BM_LoadSettingsFull(benchmark::State &state)
{
    useUsSettings();
    FullTables t;
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("lfy.ini"));
    writeSettingsFile(path, t.bio, t.hours.table(), t.money.table(), t.freq.table());
    for (auto _ : state) {
        // Empty tables each time, as at start-up; making them costs a few microseconds of the figure.
        BioFields bio;
        ActivityModel hours{QSet<int>{5}};
        ActivityModel money{QSet<int>{1, 5}};
        ActivityModel freq{QSet<int>{1, 5}};
        readTables(path, bio, hours, money, freq);
        benchmark::DoNotOptimize(freq.cell(50, 4));
    }
}
BENCHMARK(BM_LoadSettingsFull)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
