#pragma once

#include <QRect>
#include <QSize>
#include <QStringList>
#include <memory>

class QIODevice;
class QPageSize;
class QPaintDevice;
class QPrinter;
class QString;
class QWidget;

// Printers and SVG images, in the few calls the windows and the command line make of Qt's print
// support and SVG writer.
namespace OutputDevices {
// The paper of the regional settings: Letter in the United States and Canada, A4 elsewhere.
QPageSize regionalPaper();
// The paper sizes offered for pictures by name ("A4", "Letter", "A3", "Tabloid", "A2"); an unknown
// name gives an invalid QPageSize.
QStringList paperNames();
QPageSize paperNamed(const QString &name);
// A printer (a QPrinter) at high resolution; without a system printer it writes a PDF file on the
// region's paper.
std::unique_ptr<QPrinter> newPrinter();
// The print dialog on `printer`; true when the user confirmed.
bool askPrinter(QPrinter &printer, QWidget *parent);
// Prints to a PDF file at `path`, on the region's paper.
void printToPdf(QPrinter &printer, const QString &path);
// Writes an SVG image of what is painted on it to `out` once the painter ends.
std::unique_ptr<QPaintDevice> newSvg(QIODevice *out, const QSize &size, const QRect &viewBox, const QString &title);
} // namespace OutputDevices
