#include "about/marqueecaption.h"

namespace MarqueeCaption {

namespace {
// Glyph cells after "Z" and "9", in sheet order from index 36; the blank stands at BlankGlyph.
constexpr char32_t Symbols[] = U":.+-$ !@#%&*()=\\/?;\",'^_|{}[]<>";
static_assert(sizeof(Symbols) / sizeof(Symbols[0]) - 1 == GlyphCount - 36, "one symbol per cell");
} // namespace

int glyphIndex(char32_t ch)
{
    if (ch >= U'a' && ch <= U'z')
        ch = ch - U'a' + U'A';
    if (ch >= U'A' && ch <= U'Z')
        return int(ch - U'A');
    if (ch >= U'0' && ch <= U'9')
        return 26 + int(ch - U'0');
    if (ch == U'~')
        return EscapeGlyph;
    for (int i = 0; Symbols[i]; ++i) {
        if (Symbols[i] == ch)
            return 36 + i;
    }
    return BlankGlyph;
}

QList<Cell> parse(const QString &caption)
{
    const QList<uint> text = caption.toUcs4();
    QList<Cell> cells;
    cells.reserve(text.size());
    int row = 0;
    bool blinking = false;
    bool escape = false;
    for (const uint ch : text) {
        const int g = glyphIndex(char32_t(ch));
        if (g == EscapeGlyph) {
            escape = true;
        } else if (escape) {
            if (g == glyphIndex(U'F'))
                blinking = !blinking;
            else if (g >= glyphIndex(U'1') && g < glyphIndex(U'1') + ColourRows)
                row = g - glyphIndex(U'1');
            else if (g == BlankGlyph)
                escape = false;
        } else {
            cells.append(Cell{g, row, blinking});
        }
    }
    return cells;
}

} // namespace MarqueeCaption
