#include "widgets/contrast.h"

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
