#pragma once

#include "tables/tablecolumns.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class ActivityModel;
struct LocaleSettings;

// The activity tables as text for spreadsheets: tab-separated text and an HTML table for the
// clipboard, CSV (UTF-8, CRLF line ends) for files, all with the same columns. Cell texts go out
// as the tables show them; a text that a
// spreadsheet would take for a formula (one beginning with "=", "+", "-" or "@") gets a leading
// apostrophe, so an activity name can never run as one.
namespace tableexport {

// How a CSV file is written. The default is plain RFC 4180, which scripts can rely on: "," between
// fields, "." in the plain numbers, no byte-order mark.
struct CsvStyle {
    QChar separator = QLatin1Char(',');
    QChar decimalPoint = QLatin1Char('.');
    bool byteOrderMark = false;
    // The titles and the table's words ("Day", "Now", "Hrs") in the user's language, as the window
    // shows them; without it they are the settings file's English, which scripts rely on.
    bool shownWords = false;

    // What a person's spreadsheet of the given regional settings opens without asking: the mark, so
    // UTF-8 is not read as a legacy code page, and where the decimal separator is a comma, that comma
    // in the plain numbers and ";" between fields; the words as the window shows them.
    static CsvStyle regional(const LocaleSettings &settings);
};

// The column titles, then the given table rows that hold an activity, in table order; all the
// rows that hold one when none of the given rows does. The columns are those of csv(), the plain
// numbers written with the style's decimal point; texts are guarded, not quoted.
QList<QStringList> copiedRows(const ActivityModel &table, const QVector<int> &rows, const CsvStyle &style = {});
// copiedRows() one line per row, cells split by tabs; a tab or line break inside a cell becomes
// a blank, and a cell with a comma, semicolon or quote is quoted as in a CSV file.
QString tabSeparated(const ActivityModel &table, const QVector<int> &rows, const CsvStyle &style = {});
// copiedRows() as an HTML table, which spreadsheets paste cell by cell.
QString htmlTable(const ActivityModel &table, const QVector<int> &rows, const CsvStyle &style = {});

// One table: its column titles and three more, "Total (number)", "Share (%)" and "Total by age 80
// (number)" (the row's total up to the look-ahead birthday, projectedTotalText), then every
// row that holds an activity.
QByteArray csv(const ActivityModel &table, const CsvStyle &style = {});
// The three tables in one file: a first column "Table" naming each row's table ("Hours", "Money",
// "Frequency"), then the columns of csv() under titles that fit all three.
QByteArray csvAll(const ActivityModel &hours, const ActivityModel &money, const ActivityModel &freq,
                  const CsvStyle &style = {});

// The total and the share of a total cell as plain numbers, read under the regional settings in
// force and written with "." as decimal point and no grouping: "1,235 (0.49%)" gives "1235" and
// "0.49". Empty when the cell holds no such number.
QString plainTotal(const QString &totalCell);
QString plainShare(const QString &totalCell);

// "lifetally-hours.csv", "lifetally-money.csv", "lifetally-frequency.csv".
QString suggestedFileName(TableKind kind);

} // namespace tableexport
