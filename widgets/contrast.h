#pragma once

#include <QColor>

// A line colour that stays visible on `base`: `line` itself when its lightness differs enough from
// the base's, else a mix of the base and `text`, which a palette keeps readable on its base. Dark
// palettes often give grid and frame colours only a shade away from the background.
QColor visibleLine(const QColor &line, const QColor &base, const QColor &text);
