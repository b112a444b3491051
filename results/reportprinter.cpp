#include "results/reportprinter.h"

#include "calc/clock.h"
#include "results/pricesreport.h"
#include "results/report.h"
#include "tables/activitymodel.h"
#include "widgets/prompts.h"
#include <QCursor>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

namespace {
// The busy cursor while the rows of a table go out, restored on every way out.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};
} // namespace

ReportPrinter::ReportPrinter(QPrinter &printer, QWidget *parent) : m_writer(printer), m_parent(parent) {}

QFont ReportPrinter::reportFont()
{
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    // Blank padding lines the columns up only in a fixed-pitch face, whatever its name.
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(9);
    }
    return font;
}

bool ReportPrinter::writeHeader(const QString &identity, const QString &income)
{
    try {
        m_writer.setFont(reportFont());
        m_writer.open();
        m_writer.writeLine(report::titleLine());
        m_writer.writeLine(identity);
        m_writer.writeLine(income);
        m_writer.writeLine(report::printedLine(Clock::now()));
        m_writer.writeLine(report::creditLine());
    } catch (const PrintError &) {
        Prompts::showPrintError(m_parent);
        return false;
    }
    return true;
}

void ReportPrinter::printGrid(const ActivityModel &table, const QVector<int> &widths, const QString &identity,
                              const QString &income, bool header, bool close)
{
    m_widths = widths;
    if (header && !writeHeader(identity, income)) {
        // The tables that follow find no job; the report ends here.
        if (m_writer.isOpen())
            m_writer.close();
        return;
    }
    if (!m_writer.isOpen())
        return;
    // Not guarded: a printer that fails here fails the whole report.
    m_writer.endLine();
    m_writer.endLine();
    {
        BusyCursor busy;
        for (int row : report::printedRows(table)) {
            try {
                for (const QString &piece : report::rowPieces(table, row, widths))
                    m_writer.write(piece);
                m_writer.endLine();
            } catch (const PrintError &) {
                Prompts::showPrintError(m_parent);
                break;
            }
        }
    }
    if (close)
        m_writer.close();
}

void ReportPrinter::printLookAhead(const QVector<const ActivityModel *> &tables)
{
    if (!m_writer.isOpen())
        return;
    std::optional<LookAhead> ahead;
    if (!tables.isEmpty())
        ahead = tables.first()->lookAhead();
    if (ahead) {
        BusyCursor busy;
        try {
            m_writer.endLine();
            m_writer.endLine();
            m_writer.writeLine(report::lookAheadHeading(*ahead));
            for (const ActivityModel *table : tables) {
                m_writer.endLine();
                for (const QStringList &cells : report::lookAheadRows(*table)) {
                    for (const QString &piece : report::textPieces(cells, m_widths))
                        m_writer.write(piece);
                    m_writer.endLine();
                }
            }
        } catch (const PrintError &) {
            Prompts::showPrintError(m_parent);
        }
    }
    if (tables.size() > 1)
        printPrices(*tables[1]);
    m_writer.close();
}

void ReportPrinter::printPrices(const ActivityModel &money)
{
    const QVector<QStringList> lines = report::pricesSection(money);
    if (lines.isEmpty())
        return;
    try {
        m_writer.endLine();
        m_writer.endLine();
        for (const QStringList &cells : lines) {
            if (cells.size() == 1)
                m_writer.writeLine(cells.first());
            else
                for (const QString &piece : report::textPieces(cells, m_widths))
                    m_writer.write(piece);
            if (cells.size() > 1)
                m_writer.endLine();
        }
    } catch (const PrintError &) {
        Prompts::showPrintError(m_parent);
    }
}
