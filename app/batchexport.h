#pragma once

#include <QString>
#include <memory>
#include <optional>

class ActivityModel;

// The command line's exports, made without a window: the settings file is read and the totals
// computed as the main window does when it opens, then the printed report goes to a PDF file and
// the three tables to a CSV file.
class BatchExport
{
public:
    BatchExport();
    ~BatchExport();

    // Reads the settings file and computes every total (only the hours rows' with `hoursOnly`),
    // and the totals by the look-ahead age: `lookAheadAge`, ahead of today or behind it, or when 0
    // the file's (kept within the ages the window offers). Throws ConversionError when a birth date
    // or a row does not convert: the main window's message after the table, row number, activity
    // and column of the row ("Hours table, row 3 (Work), Time: 'x' is not a valid integer value").
    void load(int lookAheadAge = 0, bool hoursOnly = false);
    // The same pages as the printed report, on A4 paper (Letter where the regional settings
    // measure in U.S. units). A path of "-" is standard output. Throws FileWriteError or PrintError.
    void writeReport(const QString &pdfPath) const;
    // All three tables in one file; "-" is standard output. Throws FileWriteError.
    void writeCsv(const QString &csvPath) const;
    // The life in weeks to the look-ahead age as a PNG, SVG or PDF file, by the name's ending, on
    // `paper` ("A3"; empty: the region's A4 or Letter), a PNG at 300 dots an inch. Throws
    // ConversionError, FileWriteError or PrintError.
    void writeWeeks(const QString &path, const QString &paper = QString()) const;

    const ActivityModel &hours() const { return *m_hours; }
    const ActivityModel &money() const { return *m_money; }
    const ActivityModel &freq() const { return *m_freq; }
    QString name() const { return m_name; }
    QString birthText() const { return m_birthText; }
    int lookAheadAge() const { return m_lookAheadAge; }

    // Checks that the settings file can be read and holds entries, loads it, then writes the files
    // that are named (an empty path: none). A failure's message goes to standard error, naming the
    // file; returns the exit status, 0 or 1.
    static int run(const QString &pdfPath, const QString &csvPath, int lookAheadAge = 0,
                   const QString &weeksPath = QString(), const QString &paper = QString());

    // --prices: money in today's prices (true) or as paid (false) instead of the file's choice.
    static std::optional<bool> &pricesOverride();

private:
    std::unique_ptr<ActivityModel> m_hours;
    std::unique_ptr<ActivityModel> m_money;
    std::unique_ptr<ActivityModel> m_freq;
    QString m_identity;
    QString m_income;
    QString m_birthText;
    QString m_name;
    int m_lookAheadAge = 0;
};
