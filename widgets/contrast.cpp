#include "widgets/contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
// Lightness steps (of 255) that a thin line needs to be seen on its background.
constexpr int VisibleStep = 40;
} // namespace

QColor visibleLine(const QColor &line, const QColor &base, const QColor &text)
{
    if (std::abs(line.lightness() - base.lightness()) >= VisibleStep)
        return line;
    // A third of the way to the text colour: clearly a line, still quieter than the text.
    const auto mix = [](int from, int to) { return from + (to - from) * 35 / 100; };
    const QColor b = base.toRgb();
    const QColor t = text.toRgb();
    return QColor(mix(b.red(), t.red()), mix(b.green(), t.green()), mix(b.blue(), t.blue()));
}

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](float c) { return c <= 0.04045f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor withLuminance(const QColor &colour, double luminance)
{
    const QColor hsl = colour.toHsl();
    float low = 0;
    float high = 1;
    // Luminance rises with lightness, so halving the range finds it.
    for (int step = 0; step < 24; ++step) {
        const float middle = (low + high) / 2;
        if (relativeLuminance(QColor::fromHslF(std::max(0.0f, hsl.hslHueF()), hsl.hslSaturationF(), middle)) < luminance)
            low = middle;
        else
            high = middle;
    }
    return QColor::fromHslF(std::max(0.0f, hsl.hslHueF()), hsl.hslSaturationF(), high).toRgb();
}

QColor readableOn(const QColor &colour, const QColor &background, double ratio)
{
    if (contrastRatio(colour, background) >= ratio)
        return colour;
    const double back = relativeLuminance(background);
    // A little past the bound, so that rounding to whole RGB values stays on its side.
    const double darker = (back + 0.05) / (ratio + 0.02) - 0.05;
    const double lighter = (ratio + 0.02) * (back + 0.05) - 0.05;
    const double own = relativeLuminance(colour);
    if (darker < 0 || (lighter <= 1 && std::abs(lighter - own) < std::abs(own - darker)))
        return withLuminance(colour, std::min(1.0, lighter));
    return withLuminance(colour, darker);
}
