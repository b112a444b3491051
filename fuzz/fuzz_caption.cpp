// The marquee's caption language. Properties: every drawn cell is a glyph of the sheet in one
// of its colour rows; a caption without "~" draws every character in green, steady; escape codes
// never draw, so adding one to a caption never adds a cell.
#include "about/marqueecaption.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString caption = fuzz::text(data, size);
    const QList<uint> chars = caption.toUcs4();
    const QList<MarqueeCaption::Cell> cells = MarqueeCaption::parse(caption);
    fuzz::check(cells.size() <= chars.size(), "no more cells than characters", caption);
    for (const MarqueeCaption::Cell &c : cells) {
        fuzz::check(c.glyph >= 0 && c.glyph < MarqueeCaption::GlyphCount, "glyph on the sheet", caption);
        fuzz::check(c.row >= 0 && c.row < MarqueeCaption::ColourRows, "colour row on the sheet", caption);
    }
    if (!caption.contains(QLatin1Char('~'))) {
        fuzz::check(cells.size() == chars.size(), "plain text draws every character", caption);
        for (qsizetype i = 0; i < cells.size(); ++i)
            fuzz::check(cells[i].glyph == MarqueeCaption::glyphIndex(char32_t(chars[i])) && cells[i].row == 0 &&
                            !cells[i].blinking,
                        "plain text is green and steady", caption);
    }
    fuzz::check(MarqueeCaption::parse(caption + QStringLiteral("~5f")).size() == cells.size(),
                "a trailing escape draws nothing", caption);
    return 0;
}
