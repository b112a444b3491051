// The output library: the program's only code that calls into Qt's print support and SVG writer.
#include "results/outputfunctions.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

namespace {
QPrinter &printerOf(QPagedPaintDevice &device)
{
    // Every printer the program has was made by newPrinter, or by a test as a QPrinter.
    return static_cast<QPrinter &>(device);
}

const QPrinter &printerOf(const QPagedPaintDevice &device)
{
    return static_cast<const QPrinter &>(device);
}

QPagedPaintDevice *newPrinter()
{
    return new QPrinter(QPrinter::HighResolution);
}

bool askPrinter(QPagedPaintDevice &printer, QWidget *parent)
{
    QPrintDialog dialog(&printerOf(printer), parent);
    return dialog.exec() == QDialog::Accepted;
}

void printToPdf(QPagedPaintDevice &printer, const QString &path)
{
    printerOf(printer).setOutputFormat(QPrinter::PdfFormat);
    printerOf(printer).setOutputFileName(path);
}

QRectF paperRect(const QPagedPaintDevice &printer)
{
    return printerOf(printer).paperRect(QPrinter::DevicePixel);
}

QRectF pageRect(const QPagedPaintDevice &printer)
{
    return printerOf(printer).pageRect(QPrinter::DevicePixel);
}

QPaintDevice *newSvg(QIODevice *out, const QSize &size, const QRect &viewBox, const QString &title)
{
    auto *svg = new QSvgGenerator;
    svg->setOutputDevice(out);
    svg->setSize(size);
    svg->setViewBox(viewBox);
    svg->setTitle(title);
    return svg;
}
} // namespace

extern "C" Q_DECL_EXPORT const OutputFunctions *lifetallyOutputFunctions()
{
    static const OutputFunctions functions{
        int(sizeof(OutputFunctions)), newPrinter, askPrinter, printToPdf, paperRect, pageRect, newSvg};
    return &functions;
}
