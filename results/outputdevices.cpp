#include "results/outputdevices.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

namespace {
// Every printer the program has was made by newPrinter, or by a test as a QPrinter.
QPrinter &printerOf(QPagedPaintDevice &device)
{
    return static_cast<QPrinter &>(device);
}

const QPrinter &printerOf(const QPagedPaintDevice &device)
{
    return static_cast<const QPrinter &>(device);
}
} // namespace

namespace OutputDevices {
std::unique_ptr<QPagedPaintDevice> newPrinter()
{
    return std::make_unique<QPrinter>(QPrinter::HighResolution);
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

std::unique_ptr<QPaintDevice> newSvg(QIODevice *out, const QSize &size, const QRect &viewBox, const QString &title)
{
    auto svg = std::make_unique<QSvgGenerator>();
    svg->setOutputDevice(out);
    svg->setSize(size);
    svg->setViewBox(viewBox);
    svg->setTitle(title);
    return svg;
}
} // namespace OutputDevices
