#pragma once

#include <QColor>

// A line colour that stays visible on `base`: `line` itself when its lightness differs enough from
// the base's, else a mix of the base and `text`, which a palette keeps readable on its base. Dark
// palettes often give grid and frame colours only a shade away from the background.
QColor visibleLine(const QColor &line, const QColor &base, const QColor &text);

// Relative luminance as the WCAG defines it: 0 for black, 1 for white.
double relativeLuminance(const QColor &colour);
// The WCAG contrast ratio of two colours, from 1 to 21; 3 is what a mark or a swatch needs.
double contrastRatio(const QColor &a, const QColor &b);
// `colour` with its HSL lightness moved until its luminance is `luminance`, hue and saturation kept.
QColor withLuminance(const QColor &colour, double luminance);
// `colour` itself when it has a contrast of `ratio` with `background`, else the colour of its hue
// and saturation nearest it in luminance that has.
QColor readableOn(const QColor &colour, const QColor &background, double ratio = 3.0);
