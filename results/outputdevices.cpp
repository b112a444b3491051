#include "results/outputdevices.h"

#include "results/linewriter.h"
#include "results/outputfunctions.h"
#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QPagedPaintDevice>

namespace {
const OutputFunctions *load(QString &error)
{
    // Already loaded (a test links it), beside the program (a build folder), where it is installed
    // relative to the program, or where the installation, the package or the build put it: a copy
    // of the program on its own in a folder of the user's, beside its settings file, still prints.
    const QString dir = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral(LIFETALLY_OUTPUT_FILE);
    for (const QString &path :
         {name, dir + QLatin1Char('/') + name, dir + QStringLiteral("/" LIFETALLY_OUTPUT_DIR "/") + name,
          QStringLiteral(LIFETALLY_OUTPUT_INSTALLED "/") + name, QStringLiteral(LIFETALLY_OUTPUT_PACKAGED "/") + name,
          QStringLiteral(LIFETALLY_OUTPUT_BUILT "/") + name}) {
        QLibrary library(path);
        using Entry = const OutputFunctions *(*)();
        if (auto entry = reinterpret_cast<Entry>(library.resolve(LIFETALLY_OUTPUT_ENTRY))) {
            const OutputFunctions *functions = entry();
            if (functions && functions->size == int(sizeof(OutputFunctions)))
                return functions;
        }
        // A file that is there but would not load says why; else the plain fact that none was found.
        if (error.isEmpty() && path.contains(QLatin1Char('/')) && QFile::exists(path))
            error = library.errorString();
    }
    if (error.isEmpty())
        error = QStringLiteral("%1 was not found beside the program or where it is installed").arg(name);
    return nullptr;
}

// Loaded once and never unloaded: printers the library made may live until the program ends.
const OutputFunctions &functions()
{
    static QString error;
    static const OutputFunctions *loaded = load(error);
    if (!loaded)
        throw PrintError(("Printing is not available: " + error).toLocal8Bit().toStdString());
    return *loaded;
}
} // namespace

namespace OutputDevices {
std::unique_ptr<QPagedPaintDevice> newPrinter()
{
    return std::unique_ptr<QPagedPaintDevice>(functions().newPrinter());
}

bool askPrinter(QPagedPaintDevice &printer, QWidget *parent)
{
    return functions().askPrinter(printer, parent);
}

void printToPdf(QPagedPaintDevice &printer, const QString &path)
{
    functions().printToPdf(printer, path);
}

QRectF paperRect(const QPagedPaintDevice &printer)
{
    return functions().paperRect(printer);
}

QRectF pageRect(const QPagedPaintDevice &printer)
{
    return functions().pageRect(printer);
}

std::unique_ptr<QPaintDevice> newSvg(QIODevice *out, const QSize &size, const QRect &viewBox, const QString &title)
{
    return std::unique_ptr<QPaintDevice>(functions().newSvg(out, size, viewBox, title));
}
} // namespace OutputDevices
