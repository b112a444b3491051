#pragma once

#include <QColor>

// A colour value laid out as 0x00BBGGRR: red in the low byte, blue in the third.
inline QColor chartColour(quint32 value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}
