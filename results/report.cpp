#include "results/report.h"

#include "calc/datetext.h"
#include "calc/periodtext.h"
#include "tables/activitymodel.h"
#include <QCoreApplication>

namespace report {

QString homePage()
{
    return QStringLiteral("http://www.brightwell.example/");
}

QString titleLine()
{
    return QCoreApplication::translate("Report", "Lifetally  - version 1.0");
}

QString identityLine(const QString &name, const QString &birthText, const QString &ageLine)
{
    return name + QLatin1Char(' ') + birthText + QLatin1Char(' ') + ageLine;
}

QString printedLine(DateValue now)
{
    return QCoreApplication::translate("Report", "Printed : %1  %2", "date and time the report was printed")
        .arg(shortDateText(now), longTimeText(now));
}

QString creditLine()
{
    return QStringLiteral("Brightwell Corporation  ") + homePage();
}

int columnChars(int pixels)
{
    return pixels / 6;
}

QString cellPiece(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), false) + QLatin1Char(' ');
}

QVector<int> printedRows(const ActivityModel &table)
{
    QVector<int> rows;
    for (int row = 0; row < ActivityModel::RowCount && !table.isBlank(row); ++row)
        rows.append(row);
    return rows;
}

namespace {
// A row's texts as the tables show them, the file's words in the user's language.
QStringList shownRow(QStringList cells)
{
    for (int col = 0; col < cells.size(); ++col)
        cells[col] = shownCellText(col, cells[col]);
    return cells;
}
} // namespace

QStringList rowPieces(const ActivityModel &table, int row, const QVector<int> &widths)
{
    return textPieces(shownRow(table.rowTexts(row)), widths);
}

QStringList textPieces(const QStringList &cells, const QVector<int> &widths)
{
    QStringList pieces;
    for (int col = 0; col < ActivityModel::ColCount; ++col)
        pieces.append(cellPiece(cells.value(col), widths.value(col)));
    return pieces;
}

QString lookAheadHeading(const LookAhead &ahead)
{
    return byAgeWords(ahead);
}

QVector<QStringList> lookAheadRows(const ActivityModel &table)
{
    QVector<QStringList> rows{table.rowTexts(0)};
    for (int row : printedRows(table)) {
        if (row == 0 || !goesOnPastToday(table.cell(row, Column::End)))
            continue;
        QStringList cells = shownRow(table.rowTexts(row));
        cells[Column::Total] = table.projectedTotal(row);
        rows.append(cells);
    }
    return rows;
}

} // namespace report
