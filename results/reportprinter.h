#pragma once

#include "results/linewriter.h"
#include <QString>
#include <QVector>

class ActivityModel;
class QPrinter;
class QWidget;

// One printed report: the header and the three tables go into one print job, table by table.
class ReportPrinter
{
public:
    ReportPrinter(QPrinter &printer, QWidget *parent);

    // Appends one table. With header, sets the font, opens the job and writes the five header
    // lines first; with close, closes the job after the table. A failed header step shows the print
    // error and ends the report: later tables find no job and print nothing. A failed row shows
    // the print error and skips the table's remaining rows.
    void printGrid(const ActivityModel &table, const QVector<int> &widths, const QString &identity,
                   const QString &income, bool header, bool close);

    // After the three tables: the heading "By age <A> at this pace" and, for each table, its titles
    // and the rows that are still going on with their totals by that age, in the columns the
    // tables were printed in; then closes the job. Nothing when the job is not open, and no
    // section when the tables have no look-ahead.
    void printLookAhead(const QVector<const ActivityModel *> &tables);

    // "Courier" 9 points, or the desktop's fixed-pitch face when "Courier" maps to one that is not.
    static QFont reportFont();

private:
    // The section on money in today's prices, when they are in force.
    void printPrices(const ActivityModel &money);
    bool writeHeader(const QString &identity, const QString &income);

    LineWriter m_writer;
    QWidget *m_parent;
    QVector<int> m_widths; // of the last table printed
};
