#include "results/outputdevices.h"

#include "calc/localesettings.h"

#include <QLocale>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
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
QPageSize regionalPaper()
{
    const QLocale::Territory territory = regionalLocale("LC_PAPER").territory();
    return QPageSize(territory == QLocale::UnitedStates || territory == QLocale::Canada ? QPageSize::Letter
                                                                                       : QPageSize::A4);
}

QStringList paperNames()
{
    return {QStringLiteral("A4"), QStringLiteral("Letter"), QStringLiteral("A3"), QStringLiteral("Tabloid"),
            QStringLiteral("A2")};
}

QPageSize paperNamed(const QString &name)
{
    static const QPageSize::PageSizeId ids[] = {QPageSize::A4, QPageSize::Letter, QPageSize::A3, QPageSize::Tabloid,
                                                QPageSize::A2};
    const QStringList names = paperNames();
    for (qsizetype at = 0; at < names.size(); ++at) {
        if (names[at].compare(name, Qt::CaseInsensitive) == 0)
            return QPageSize(ids[at]);
    }
    return QPageSize();
}

std::unique_ptr<QPagedPaintDevice> newPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // A printer prints on its own paper; a PDF file, where there is no printer, on the region's.
    if (printer->outputFormat() == QPrinter::PdfFormat)
        printer->setPageSize(regionalPaper());
    return printer;
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
    printerOf(printer).setPageSize(regionalPaper());
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
