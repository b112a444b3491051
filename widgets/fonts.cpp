#include "widgets/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QSet>
#include <QWidget>

namespace {
// Where a family is not installed, the face Qt draws instead: the desktop's default face for the
// sans serif, the metric-compatible face font-config puts in place of Times New Roman for the serif.
const QStringList &sansFamilies()
{
    static const QStringList families{QStringLiteral("MS Sans Serif"), QGuiApplication::font().family()};
    return families;
}

const QStringList &serifFamilies()
{
    static const QStringList families{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")};
    return families;
}

QFont familiesFont(const QStringList &families, int pixels, bool bold)
{
    QFont f;
    f.setFamilies(installedFamilies(families));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}
} // namespace

QFont pixelFont(const QString &family, int pixels, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont sansFont(int pixels, bool bold)
{
    return familiesFont(sansFamilies(), pixels, bold);
}

QFont serifFont(int pixels, bool bold)
{
    return familiesFont(serifFamilies(), pixels, bold);
}

QStringList installedFamilies(const QStringList &families)
{
    // The installed families, read once; QFontDatabase::hasFamily would ask font-config each time.
    static const QSet<QString> installed = [] {
        QSet<QString> names;
        for (const QString &family : QFontDatabase::families())
            names.insert(family.toCaseFolded());
        return names;
    }();
    QStringList kept;
    for (const QString &family : families) {
        if (installed.contains(family.toCaseFolded()))
            kept.append(family);
    }
    return kept.isEmpty() ? families : kept;
}

QFont titleFont()
{
    QFont decorative(QStringLiteral("Algerian"));
    decorative.setStyleHint(QFont::Decorative);
    decorative.setFamilies(installedFamilies({QStringLiteral("Algerian"), QStringLiteral("URW Chancery L"),
                                              QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")}));
    decorative.setPixelSize(48);
    decorative.setBold(true);
    decorative.setItalic(true);
    return decorative;
}

void paintNavy(QWidget *label)
{
    QPalette pal = label->palette();
    const bool darkTheme = pal.color(QPalette::Window).lightness() < 128;
    pal.setColor(QPalette::WindowText, darkTheme ? QColor(150, 170, 255) : QColor(0, 0, 128));
    label->setPalette(pal);
}

void fitLabelFont(QLabel *label, QFont font, int smallestPixels)
{
    const auto fits = [label] {
        const QRect room = label->contentsRect();
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
        // The access key's "&" takes no room; "&&" shows one ampersand.
        QString shown = label->text();
        shown.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
        int widest = 0;
        for (const QString &line : shown.split(QLatin1Char('\n')))
            widest = qMax(widest, label->fontMetrics().horizontalAdvance(line));
        return widest + 2 * label->margin() <= room.width();
    };
    label->setFont(font);
    // A face given in points (the desktop's) shrinks in pixels too.
    const int start = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    for (int pixels = start - 1; pixels >= smallestPixels && !fits(); --pixels) {
        font.setPixelSize(pixels);
        label->setFont(font);
    }
}
