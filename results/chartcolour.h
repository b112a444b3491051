#pragma once

#include "widgets/contrast.h"
#include <QColor>

// A colour value laid out as 0x00BBGGRR: red in the low byte, blue in the third.
inline QColor chartColour(quint32 value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

// The colour a slice, bar and legend box is drawn in on the chart's `background`: its value, with
// its luminance moved as little as needed for a contrast of 3:1, so that a navy slice shows on a
// dark chart and a yellow one on a white chart. White, the outlined "Other" slice, stays white.
inline QColor readableChartColour(quint32 value, const QColor &background)
{
    const QColor colour = chartColour(value);
    return value == 0xFFFFFF ? colour : readableOn(colour, background);
}
