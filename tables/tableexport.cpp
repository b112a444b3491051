#include "tables/tableexport.h"

#include "calc/conversionerror.h"
#include "calc/localesettings.h"
#include "calc/periodtext.h"
#include "calc/strictnumber.h"
#include "calc/todayprices.h"
#include "tables/activitymodel.h"
#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace tableexport {

namespace {

const QLatin1String Crlf("\r\n");

QString guardFormula(const QString &text)
{
    // A spreadsheet skips a leading tab or line break before a formula, so those are guarded too.
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()))
        return QLatin1Char('\'') + text;
    return text;
}

QString csvField(const QString &text, QChar separator)
{
    // Every character a spreadsheet may take as a separator is quoted, whatever this file's is:
    // LibreOffice opens a CSV with tab, comma and semicolon all ticked.
    static const QString special = QStringLiteral(",;\t\"\r\n");
    const bool plain = std::none_of(text.cbegin(), text.cend(),
                                    [separator](QChar c) { return c == separator || special.contains(c); });
    if (plain)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvLine(const QStringList &fields, const CsvStyle &style)
{
    QStringList out;
    out.reserve(fields.size());
    for (const QString &field : fields)
        out.append(csvField(field, style.separator));
    return out.join(style.separator) + Crlf;
}

QByteArray csvBytes(const QString &text, const CsvStyle &style)
{
    QByteArray bytes = text.toUtf8();
    if (style.byteOrderMark)
        bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

QString plainNumber(const QString &digits)
{
    double value = 0;
    if (digits.isEmpty() || !tryStrToFloat(digits, value))
        return QString();
    // The C locale's shortest exact form: "." as decimal point, no grouping, no exponent.
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

// In today's prices a money row's Total cell is in today's prices: its plain total becomes the
// total as paid, and a last column holds the one in today's prices (empty for other tables).
void addTodaysPrices(const ActivityModel &table, int row, QStringList &fields)
{
    if (!todayprices::inForce())
        return;
    if (table.kind() != TableKind::Money) {
        fields << QString();
        return;
    }
    const qsizetype totalNumber = ActivityModel::ColCount;
    QString today = fields[totalNumber];
    try {
        const TotalBreakdown b = moneyBreakdown(table.cell(row, Column::Amount), table.cell(row, Column::Per),
                                                table.cell(row, Column::Start), table.cell(row, Column::End), true, 0);
        fields[totalNumber] = QString::number(std::round(b.total), 'f', 0);
    } catch (const ConversionError &) {
        fields[totalNumber].clear();
    }
    fields << today;
}

// The cell texts of a row, guarded, followed by the two plain numbers (never guarded: they are
// numbers of our own making).
QStringList exportedRow(const ActivityModel &table, int row, const CsvStyle &style)
{
    QStringList fields;
    const QStringList texts = table.rowTexts(row);
    for (int col = 0; col < texts.size(); ++col)
        fields.append(guardFormula(style.shownWords ? shownCellText(col, texts[col]) : texts[col]));
    const QString total = table.cell(row, Column::Total);
    // Plain numbers have no grouping, so their one "." is the decimal point.
    fields << plainTotal(total).replace(QLatin1Char('.'), style.decimalPoint)
           << plainShare(total).replace(QLatin1Char('.'), style.decimalPoint)
           << plainTotal(table.projectedTotal(row)).replace(QLatin1Char('.'), style.decimalPoint);
    addTodaysPrices(table, row, fields);
    return fields;
}

QString tableName(TableKind kind)
{
    switch (kind) {
    case TableKind::Hours:
        return QStringLiteral("Hours");
    case TableKind::Money:
        return QStringLiteral("Money");
    case TableKind::Frequency:
        break;
    }
    return QStringLiteral("Frequency");
}

QStringList numberTitles(const ActivityModel &table, const CsvStyle &style)
{
    const auto words = [&style](const char *text) {
        return style.shownWords ? QCoreApplication::translate("TableExport", text) : QString::fromUtf8(text);
    };
    const std::optional<LookAhead> &ahead = table.lookAhead();
    QStringList titles{words(QT_TRANSLATE_NOOP("TableExport", "Total (number)")),
                       words(QT_TRANSLATE_NOOP("TableExport", "Share (%)")),
                       words(QT_TRANSLATE_NOOP("TableExport", "Total by age %1 (number)"))
                           .arg(ahead ? ahead->age : DefaultLookAheadAge)};
    if (const PriceBasis *prices = todayprices::inForce())
        titles << words(QT_TRANSLATE_NOOP("TableExport", "Total in %1 (number)"))
                      .arg(style.shownWords ? todayprices::yearPrices(*prices)
                                            : QString::number(prices->todayYear()) + QStringLiteral(" prices"));
    return titles;
}

} // namespace

CsvStyle CsvStyle::regional(const LocaleSettings &settings)
{
    CsvStyle style;
    style.byteOrderMark = true;
    style.shownWords = true;
    if (settings.decimalSeparator == QLatin1Char(',')) {
        style.decimalPoint = QLatin1Char(',');
        style.separator = QLatin1Char(';');
    }
    return style;
}

QString plainTotal(const QString &totalCell)
{
    const qsizetype cut = totalCell.indexOf(QLatin1String(" ("));
    return plainNumber(digitsOnly(cut >= 0 ? totalCell.left(cut) : totalCell));
}

QString plainShare(const QString &totalCell)
{
    const qsizetype open = totalCell.indexOf(QLatin1String(" ("));
    if (open < 0)
        return QString();
    const qsizetype percent = totalCell.indexOf(QLatin1Char('%'), open);
    if (percent < 0)
        return QString();
    return plainNumber(digitsOnly(totalCell.mid(open + 2, percent - open - 2)));
}

QList<QStringList> copiedRows(const ActivityModel &table, const QVector<int> &rows, const CsvStyle &style)
{
    QVector<int> chosen;
    for (int row : rows)
        if (row > 0 && row < ActivityModel::RowCount && !table.isBlank(row) && !chosen.contains(row))
            chosen.append(row);
    if (chosen.isEmpty())
        chosen = table.usedRows();
    std::sort(chosen.begin(), chosen.end());

    QList<QStringList> out;
    QStringList titles;
    for (const QString &title : table.rowTexts(0))
        titles.append(guardFormula(title));
    out.append(titles + numberTitles(table, style));
    for (int row : std::as_const(chosen))
        out.append(exportedRow(table, row, style));
    return out;
}

QString tabSeparated(const ActivityModel &table, const QVector<int> &rows, const CsvStyle &style)
{
    QString text;
    for (QStringList cells : copiedRows(table, rows, style)) {
        for (QString &cell : cells) {
            cell.replace(QLatin1Char('\t'), QLatin1Char(' '));
            cell.replace(QLatin1Char('\r'), QLatin1Char(' '));
            cell.replace(QLatin1Char('\n'), QLatin1Char(' '));
            // Quoted as in the file, so that an import with commas or semicolons ticked as well
            // as tabs keeps the cells whole.
            cell = csvField(cell, QLatin1Char('\t'));
        }
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QString htmlTable(const ActivityModel &table, const QVector<int> &rows, const CsvStyle &style)
{
    QString html = QStringLiteral("<table>");
    for (const QStringList &cells : copiedRows(table, rows, style)) {
        html += QStringLiteral("<tr>");
        for (const QString &cell : cells)
            html += QStringLiteral("<td>") + cell.toHtmlEscaped() + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QByteArray csv(const ActivityModel &table, const CsvStyle &style)
{
    QString text;
    for (const QStringList &fields : copiedRows(table, table.usedRows(), style))
        text += csvLine(fields, style);
    return csvBytes(text, style);
}

QByteArray csvAll(const ActivityModel &hours, const ActivityModel &money, const ActivityModel &freq,
                  const CsvStyle &style)
{
    QString text =
        csvLine(QStringList{QStringLiteral("Table"), QStringLiteral("Activity"),
                            QStringLiteral("Time/Amount/Frequency"), QStringLiteral("Per"),
                            QStringLiteral("Start date"), QStringLiteral("End date"), QStringLiteral("Total")} +
                    numberTitles(hours, style),
                style);
    const std::pair<TableKind, const ActivityModel *> tables[] = {
        {TableKind::Hours, &hours}, {TableKind::Money, &money}, {TableKind::Frequency, &freq}};
    for (const auto &[kind, table] : tables)
        for (int row : table->usedRows())
            text += csvLine(QStringList{tableName(kind)} + exportedRow(*table, row, style), style);
    return csvBytes(text, style);
}

QString suggestedFileName(TableKind kind)
{
    return QStringLiteral("lifetally-") + tableName(kind).toLower() + QStringLiteral(".csv");
}

} // namespace tableexport
