#include "results/linewriter.h"

#include <QFontMetricsF>
#include <QPrinter>

LineWriter::LineWriter(QPrinter &printer) : m_printer(printer) {}

LineWriter::~LineWriter()
{
    if (m_painter.isActive())
        m_painter.end();
}

void LineWriter::setFont(const QFont &font)
{
    m_font = font;
}

void LineWriter::open()
{
    if (!m_painter.begin(&m_printer))
        throw PrintError("The printer could not start the print job");
    // The font is resolved for the printer's resolution, not the screen's.
    m_painter.setFont(QFont(m_font, &m_printer));
    m_painter.setPen(Qt::black);
    m_x = m_y = m_tallest = 0;
}

void LineWriter::requireOpen() const
{
    if (!m_painter.isActive())
        throw PrintError("No print job is open");
}

int LineWriter::fittingChars(const QString &text, qreal width) const
{
    const QFontMetricsF metrics(m_painter.font(), &m_printer);
    int low = 0;
    int high = text.size();
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

void LineWriter::write(const QString &text)
{
    requireOpen();
    const QFontMetricsF metrics(m_painter.font(), &m_printer);
    const qreal pageWidth = m_printer.pageRect(QPrinter::DevicePixel).width();
    QString rest = text;
    while (!rest.isEmpty()) {
        int n = fittingChars(rest, pageWidth - m_x);
        if (n == 0 && m_x > 0) {
            endLine();
            continue;
        }
        // A character wider than the whole page still goes out rather than looping for ever.
        n = qMax(n, 1);
        const QString piece = rest.left(n);
        m_painter.drawText(QPointF(m_x, m_y + metrics.ascent()), piece);
        m_x += metrics.horizontalAdvance(piece);
        m_tallest = qMax(m_tallest, metrics.height());
        rest.remove(0, n);
        if (!rest.isEmpty())
            endLine();
    }
}

void LineWriter::endLine()
{
    requireOpen();
    const qreal height = m_tallest > 0 ? m_tallest + 2 : QFontMetricsF(m_painter.font(), &m_printer).height();
    m_x = 0;
    m_tallest = 0;
    m_y += height;
    if (m_y > m_printer.pageRect(QPrinter::DevicePixel).height() - 2 * height) {
        if (!m_printer.newPage())
            throw PrintError("The printer could not start a new page");
        m_y = 0;
    }
}

void LineWriter::writeLine(const QString &text)
{
    write(text);
    endLine();
}

void LineWriter::close()
{
    requireOpen();
    if (!m_painter.end())
        throw PrintError("The printer could not finish the print job");
}
