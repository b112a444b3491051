#pragma once

#include <QFont>
#include <QPainter>
#include <stdexcept>

class QPrinter;

// The printer refused a step of the job.
class PrintError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Writes text lines onto a printer: text goes on at the current position of the current line; a
// piece too wide for the rest of the line continues on the next one. Each line is as high as its
// tallest text plus 2 device units (an empty line: the font's height), and a new page begins when
// the next line's top would pass the page height minus twice the line height.
class LineWriter
{
public:
    explicit LineWriter(QPrinter &printer);
    ~LineWriter();
    LineWriter(const LineWriter &) = delete;
    LineWriter &operator=(const LineWriter &) = delete;

    // Takes effect when the job opens.
    void setFont(const QFont &font);
    void open();
    bool isOpen() const { return m_painter.isActive(); }
    void write(const QString &text);
    void endLine();
    void writeLine(const QString &text);
    // Ends the job, which sends the document to the printer.
    void close();

private:
    void requireOpen() const;
    // How many leading characters of `text` fit in `width` device units.
    int fittingChars(const QString &text, qreal width) const;

    QPrinter &m_printer;
    QPainter m_painter;
    QFont m_font;
    qreal m_x = 0;
    qreal m_y = 0;
    qreal m_tallest = 0;
};
