#pragma once

#include <QList>
#include <QString>

// The caption language of the dot-matrix marquee, apart from any painting.
//
// "~" opens an escape in which "1" to "5" pick the colour row (green, red, yellow, cyan, white),
// "F"/"f" toggles blinking, and a blank (or any character without a glyph) closes it; nothing
// inside an escape is drawn. Each caption starts green and steady.
namespace MarqueeCaption {

constexpr int GlyphCount = 67;
constexpr int ColourRows = 5;
constexpr int BlankGlyph = 41;
constexpr int EscapeGlyph = -1;

// One drawn cell of the strip.
struct Cell {
    int glyph;     // 0 to GlyphCount - 1
    int row;       // colour row, 0 to ColourRows - 1
    bool blinking; // left out of the strip's lower half
};

// Index of a character's cell in the glyph sheet: 0 to 66, BlankGlyph for anything the sheet
// lacks, EscapeGlyph for "~".
int glyphIndex(char32_t ch);
// The cells a caption draws, in order.
QList<Cell> parse(const QString &caption);

} // namespace MarqueeCaption
