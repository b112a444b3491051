#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <memory>

class QIODevice;
class QPagedPaintDevice;
class QPaintDevice;
class QString;
class QWidget;

// Printers and SVG images, in the few calls the windows and the command line make of Qt's print
// support and SVG writer. A printer is handed around as the QPagedPaintDevice it paints on.
namespace OutputDevices {
// A printer (a QPrinter) at high resolution.
std::unique_ptr<QPagedPaintDevice> newPrinter();
// The print dialog on `printer`; true when the user confirmed.
bool askPrinter(QPagedPaintDevice &printer, QWidget *parent);
void printToPdf(QPagedPaintDevice &printer, const QString &path);
// The paper and its printable area, in device pixels.
QRectF paperRect(const QPagedPaintDevice &printer);
QRectF pageRect(const QPagedPaintDevice &printer);
// Writes an SVG image of what is painted on it to `out` once the painter ends.
std::unique_ptr<QPaintDevice> newSvg(QIODevice *out, const QSize &size, const QRect &viewBox, const QString &title);
} // namespace OutputDevices
