#include "results/outputdevices.h"

#include "calc/localesettings.h"

#include <QLocale>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QSvgGenerator>

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

std::unique_ptr<QPrinter> newPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // A printer prints on its own paper; a PDF file, where there is no printer, on the region's.
    if (printer->outputFormat() == QPrinter::PdfFormat)
        printer->setPageSize(regionalPaper());
    return printer;
}

bool askPrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void printToPdf(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(regionalPaper());
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
