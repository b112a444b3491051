#include "app/batchexport.h"

#include "app/commandline.h"
#include "calc/clock.h"
#include "calc/conversionerror.h"
#include "calc/datediff.h"
#include "calc/datetext.h"
#include "calc/numbertext.h"
#include "calc/totals.h"
#include "results/frmweeks.h"
#include "results/linewriter.h"
#include "results/outputdevices.h"
#include "results/report.h"
#include "results/reportprinter.h"
#include "settings/atomicfile.h"
#include "settings/settingsfile.h"
#include "tables/activitymodel.h"
#include "tables/activitytotals.h"
#include "tables/tablecolumns.h"
#include "tables/tableexport.h"
#include "tables/tablesettings.h"
#include "widgets/prompts.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <stdexcept>
#include <unistd.h>
#include <utility>

namespace {
// The income field's range; a stored value beyond it is clamped, as the field does.
constexpr int MaxIncome = 99999999;

void printError(const QString &message)
{
    std::fprintf(stderr, "%s.\n", message.toLocal8Bit().constData());
}

// A file, or standard output for "-", where the bytes go as they are.
void deliver(const QString &path, const QByteArray &data)
{
    if (!CommandLine::isStandardOutput(path)) {
        writeFileAtomically(path, data);
        return;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(data) != data.size() || !out.flush())
        throw FileWriteError(QCoreApplication::translate("BatchExport", "standard output"));
}

// Counts a table's rows. A row that does not convert is named with its table and cell: a script's
// user has no window to find it in among up to 150 rows.
template <typename Count> void countRows(ActivityModel &table, const QString &tableName, Count count)
{
    for (int row : table.usedRows()) {
        try {
            count(row);
        } catch (const ConversionError &e) {
            QString where = QCoreApplication::translate("BatchExport", "%1 table, row %2 (%3)",
                                                        "a table's name, a row number, the row's activity")
                                .arg(tableName, QString::number(row), table.cell(row, Column::Activity));
            if (e.column() >= 0)
                where += QStringLiteral(", ") + table.cell(0, e.column());
            throw ConversionError(where + QStringLiteral(": ") + e.message());
        }
    }
}

// Why the settings file cannot give a report, or nothing when it can. A missing or empty file would
// otherwise give a report of nobody that a script takes for success.
QString settingsProblem(const QString &path)
{
    const SettingsFileCheck check = checkSettingsFile(path);
    switch (check.status) {
    case SettingsFileStatus::Readable:
        return QString();
    case SettingsFileStatus::NoEntries:
        return QCoreApplication::translate("BatchExport", "lifetally: cannot use %1: %2").arg(path, check.reason);
    case SettingsFileStatus::Missing:
    case SettingsFileStatus::Unreadable:
        break;
    }
    return QCoreApplication::translate("BatchExport", "lifetally: cannot read %1: %2").arg(path, check.reason);
}
} // namespace

BatchExport::BatchExport()
    : m_hours(std::make_unique<ActivityModel>(TableKind::Hours)),
      m_money(std::make_unique<ActivityModel>(TableKind::Money)),
      m_freq(std::make_unique<ActivityModel>(TableKind::Frequency))
{
    writeColumnTitles(*m_hours, TableKind::Hours);
    writeColumnTitles(*m_money, TableKind::Money);
    writeColumnTitles(*m_freq, TableKind::Frequency);
}

BatchExport::~BatchExport() = default;

std::optional<bool> &BatchExport::pricesOverride()
{
    static std::optional<bool> today;
    return today;
}

void BatchExport::load(int lookAheadAge, bool hoursOnly)
{
    BioFields bio;
    const bool foreign = readTables(settingsFilePath(), bio, *m_hours, *m_money, *m_freq) == FileFormatState::Foreign;
    const qint64 income = qBound(0, bio.income, MaxIncome);
    // Texts of another format that cannot be told would be exported misread: said as the window
    // says it, and nothing is written.
    const auto foreignFile = [](const QString &lead) {
        return std::runtime_error(
            (QStringLiteral("lifetally: ") + lead + foreignFormatHint(settingsFilePath())).toLocal8Bit().toStdString());
    };
    double hoursAlive = 0;
    DateValue birth = 0;
    try {
        if (tryStrToDate(bio.birthDate, birth))
            hoursAlive = computedatediff(Clock::now(), birth).totalHours;
        QString age;
        try {
            age = ageLine(bio.birthDate);
        } catch (const ConversionError &e) {
            throw ConversionError(QCoreApplication::translate("BatchExport", "Birth date: %1").arg(e.message()));
        }
        m_identity = report::identityLine(bio.name, bio.birthDate, age);
        m_income = incomeLine(formatMoney(double(income), 0));
        PricesChoice prices = bio.prices;
        if (pricesOverride())
            prices.today = *pricesOverride();
        todayprices::setInForce(priceBasisOf(prices, LocaleSettings::current(), Clock::now()));
        countRows(*m_hours, QCoreApplication::translate("BatchExport", "Hours", "table name"),
                  [&](int row) { computeHourTotal(*m_hours, row, hoursAlive); });
        if (!hoursOnly) {
            countRows(*m_money, QCoreApplication::translate("BatchExport", "Money", "table name"),
                      [&](int row) { computeMoneyTotal(*m_money, row, income); });
            countRows(*m_freq, QCoreApplication::translate("BatchExport", "Frequency", "table name"),
                      [&](int row) { computeMoneyTotal(*m_freq, row, income); });
        }
    } catch (const ConversionError &e) {
        if (!foreign)
            throw;
        throw foreignFile(e.message() + QStringLiteral(".\n\n"));
    }
    if (foreign)
        throw foreignFile(QString());
    if (lookAheadAge == 0)
        lookAheadAge = boundedLookAheadAge(bio.lookAheadAge, birth, Clock::now());
    m_birthText = bio.birthDate;
    m_name = bio.name;
    m_lookAheadAge = lookAheadAge;
    const std::optional<LookAhead> ahead = lookAheadOf(bio.birthDate, lookAheadAge);
    for (ActivityModel *table : {m_hours.get(), m_money.get(), m_freq.get()})
        table->setLookAhead(ahead);
}

void BatchExport::writeReport(const QString &pdfPath) const
{
    // The printer writes its file as it goes; it prints into a file of its own first, so that a
    // failed report leaves nothing behind.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw FileWriteError(pdfPath);
    const QString printed = scratch.filePath(QStringLiteral("report.pdf"));
    const std::unique_ptr<QPrinter> printer = OutputDevices::newPrinter();
    OutputDevices::printToPdf(*printer, printed);
    QVector<int> widths;
    for (int pixels : ColumnPixels)
        widths.append(report::columnChars(pixels));
    {
        ReportPrinter report(*printer, nullptr);
        report.printGrid(*m_hours, widths, m_identity, m_income, true, false);
        report.printGrid(*m_money, widths, m_identity, m_income, false, false);
        report.printGrid(*m_freq, widths, m_identity, m_income, false, false);
        report.printLookAhead({m_hours.get(), m_money.get(), m_freq.get()});
    }
    // The printer's own failures have been reported as the window reports them.
    if (!Prompts::shown().isEmpty())
        throw PrintError(QCoreApplication::translate("BatchExport", "The report could not be printed").toStdString());
    QFile file(printed);
    if (!file.open(QIODevice::ReadOnly))
        throw FileWriteError(pdfPath);
    deliver(pdfPath, file.readAll());
}

void BatchExport::writeCsv(const QString &csvPath) const
{
    deliver(csvPath, tableexport::csvAll(*m_hours, *m_money, *m_freq));
}

void BatchExport::writeWeeks(const QString &path, const QString &paper) const
{
    TfrmWeeks window(TfrmWeeks::weeksOf(*m_hours, m_birthText, m_lookAheadAge, m_money.get(), m_freq.get()));
    window.setPerson(m_name, m_birthText);
    const QPageSize size = paper.isEmpty() ? OutputDevices::regionalPaper() : OutputDevices::paperNamed(paper);
    window.setPaper(size);
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        window.saveImage(path);
        return;
    }
    // Printed into a file of its own first, as the report is, so that a failure leaves nothing behind.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw FileWriteError(path);
    const QString printed = scratch.filePath(QStringLiteral("weeks.pdf"));
    const std::unique_ptr<QPrinter> printer = OutputDevices::newPrinter();
    OutputDevices::printToPdf(*printer, printed);
    printer->setPageSize(size);
    if (!window.printOn(*printer))
        throw PrintError(
            QCoreApplication::translate("BatchExport", "The weeks could not be printed", "the Life in Weeks picture")
                .toStdString());
    QFile file(printed);
    if (!file.open(QIODevice::ReadOnly))
        throw FileWriteError(path);
    writeFileAtomically(path, file.readAll());
}

int BatchExport::run(const QString &pdfPath, const QString &csvPath, int lookAheadAge, const QString &weeksPath,
                     const QString &paper)
{
    const QString settings = settingsFilePath();
    // A slip such as "--csv lfy.ini" would replace the entries with a table.
    const std::pair<const char *, QString> outputs[] = {
        {"--report", pdfPath}, {"--csv", csvPath}, {"--weeks", weeksPath}};
    for (const auto &[option, path] : outputs) {
        // Standard output may be the settings file too ("1<>lfy.ini", ">> lfy.ini").
        const QString input = path.isEmpty()                           ? QString()
                              : CommandLine::isStandardOutput(path) ? settingsFileAt(STDOUT_FILENO, settings)
                                                                    : settingsFileAt(path, settings);
        if (!input.isEmpty()) {
            const QString said =
                QCoreApplication::translate("BatchExport", "lifetally: the %1 file %2 is %3; nothing was written.",
                                            "an option, a file, a settings file")
                    .arg(QLatin1String(option),
                         CommandLine::isStandardOutput(path) ? path : QFileInfo(path).absoluteFilePath(), input);
            std::fprintf(stderr, "%s\n", said.toLocal8Bit().constData());
            return 2;
        }
    }
    const QString problem = settingsProblem(settings);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        return 1;
    }
    // No box may open: there is no one to close it.
    Prompts::setConsoleMode(true);
    int status = 0;
    try {
        BatchExport job;
        // The weeks alone draw only the hours rows: a money row that does not convert is no matter.
        job.load(lookAheadAge, pdfPath.isEmpty() && csvPath.isEmpty());
        if (!pdfPath.isEmpty())
            job.writeReport(pdfPath);
        if (!csvPath.isEmpty())
            job.writeCsv(csvPath);
        if (!weeksPath.isEmpty())
            job.writeWeeks(weeksPath, paper);
    } catch (const ConversionError &e) {
        // The window's message, with the file it came from.
        printError(QStringLiteral("lifetally: %1: %2").arg(settings, e.message()));
        status = 1;
    } catch (const FileWriteError &e) {
        printError(e.message());
        status = 1;
    } catch (const PrintError &e) {
        // The report's own print errors have been said already, as the window says them.
        if (Prompts::shown().isEmpty())
            printError(QString::fromStdString(e.what()));
        status = 1;
    } catch (const std::exception &e) {
        printError(QString::fromLocal8Bit(e.what()));
        status = 1;
    }
    Prompts::setConsoleMode(false);
    return status;
}
