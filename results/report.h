#pragma once

#include "calc/datevalue.h"
#include "calc/lookahead.h"
#include <QString>
#include <QStringList>
#include <QVector>

class ActivityModel;

// The texts of the printed report. The report prints cell texts as they stand; the line writer on
// the printer (linewriter.h) only places them.
namespace report {

// The maker's home page, named in the credit line.
QString homePage();

QString titleLine();
// Name, birth-date text and age line joined by single blanks; an empty name leaves a leading blank.
QString identityLine(const QString &name, const QString &birthText, const QString &ageLine);
// "Printed : " + short date + two blanks + long time of `now`.
QString printedLine(DateValue now);
QString creditLine();

// Printed width in characters of a table column `pixels` wide.
int columnChars(int pixels);
// The cell left-justified and padded with blanks to `width`, then one blank; a longer text is kept
// whole, so it pushes the rest of the line to the right.
QString cellPiece(const QString &text, int width);
// Rows printed for a table: the title row and the rows after it, up to the first without an activity.
QVector<int> printedRows(const ActivityModel &table);
// The pieces of one printed row, one per column.
QStringList rowPieces(const ActivityModel &table, int row, const QVector<int> &widths);

// The heading of the look-ahead section: "By age 80 at this pace", or "By age 30" for an age
// already reached.
QString lookAheadHeading(const LookAhead &ahead);
// The look-ahead section's lines for one table: its title row, then each row still going on today
// ("Now", or an end after today) with its total by the look-ahead age in the Total column.
// Conversions are strict.
QVector<QStringList> lookAheadRows(const ActivityModel &table);
// The pieces of one printed row of texts, one per column.
QStringList textPieces(const QStringList &cells, const QVector<int> &widths);

} // namespace report
