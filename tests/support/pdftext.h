#pragma once

#include "results/reportprinter.h"
#include <QFontMetricsF>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace testsupport {

// The title rows of the three printed tables.
inline const QString HoursTitles =
    QStringLiteral("Activity                     Time           Per    Start date  End date    Total Hrs");
inline const QString MoneyTitles =
    QStringLiteral("Activity                     Amount         Per    Start date  End date    Total Amt");
inline const QString FreqTitles =
    QStringLiteral("Activity                     Frequency      Per    Start date  End date    Total Freq");

inline QString pdftotextProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

// Reads a printed report back, one character per column (pdftotext -fixed at the report font's
// character width; -layout would fold runs of blanks), with the printable area's left margin
// removed and the empty lines at the end of the last page dropped. Empty when pdftotext is missing.
inline QStringList reportLines(const QString &pdf, int *pages = nullptr)
{
    const QString program = pdftotextProgram();
    if (program.isEmpty())
        return {};
    QPrinter printer;
    printer.setResolution(72);
    const double charWidth = QFontMetricsF(ReportPrinter::reportFont(), &printer).horizontalAdvance(QLatin1Char('M'));
    QProcess process;
    process.start(program, {QStringLiteral("-fixed"), QString::number(charWidth), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000))
        return {};
    QString text = QString::fromUtf8(process.readAllStandardOutput());
    if (pages)
        *pages = static_cast<int>(text.count(QLatin1Char('\f')));
    text.remove(QLatin1Char('\f'));
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    const int indent = lines.isEmpty() ? 0 : static_cast<int>(lines.first().indexOf(QLatin1Char('L')));
    for (QString &line : lines)
        line = line.mid(indent).trimmed().isEmpty() ? QString() : line.mid(indent);
    return lines;
}

} // namespace testsupport
