#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QtGlobal>

class QIODevice;
class QPagedPaintDevice;
class QPaintDevice;
class QString;
class QWidget;

// What the output library (outputlibrary.cpp) gives the program: everything that needs Qt's print
// support or its SVG writer. The program never links those two, so a run that prints nothing
// does not load them; see outputdevices.h.
struct OutputFunctions {
    // sizeof(OutputFunctions) as the library was built, so a stale copy is refused, not called.
    int size;
    // A printer at high resolution, on the desktop's default printer.
    QPagedPaintDevice *(*newPrinter)();
    // The print dialog; true when the user confirmed.
    bool (*askPrinter)(QPagedPaintDevice &printer, QWidget *parent);
    // Sends the printer's output to a PDF file instead.
    void (*printToPdf)(QPagedPaintDevice &printer, const QString &path);
    // The paper and its printable area, in device pixels.
    QRectF (*paperRect)(const QPagedPaintDevice &printer);
    QRectF (*pageRect)(const QPagedPaintDevice &printer);
    // A paint device that writes an SVG image onto `out` when its painter ends.
    QPaintDevice *(*newSvg)(QIODevice *out, const QSize &size, const QRect &viewBox, const QString &title);
};

// The library's one entry point, which the program resolves by name.
extern "C" Q_DECL_EXPORT const OutputFunctions *lifetallyOutputFunctions();
#define LIFETALLY_OUTPUT_ENTRY "lifetallyOutputFunctions"
