#pragma once

#include "results/largepages.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRgb>
#include <cstdint>
#include <utility>
#include <vector>

// A pie's disc (wedges, their outlines and the round edge, anti-aliased) drawn at any turn for the
// cost of a table lookup a pixel. Every pixel's angle and distance from the centre are worked out
// once; each ring of pixels has a table of the colours a pixel at that distance shows at each angle,
// and a turn only shifts where the pixels read in their table. Sizes are in device pixels.
class TPieDisc
{
public:
    struct Wedge {
        double start = 0; // degrees clockwise from 12 o'clock
        double span = 0;
        QRgb fill = 0; // premultiplied
        QRgb pen = 0;  // premultiplied; the outline along both radii and the arc
        double penWidth = 0;
    };

    void setWedges(std::vector<Wedge> wedges);
    void setGeometry(QPointF centre, double radius);
    bool hasGeometry(QPointF centre, double radius) const;

    // The disc turned clockwise by `degrees`, transparent outside the pie; its top left pixel
    // stands at `origin()`.
    const QImage &render(double degrees);
    QPoint origin() const { return m_origin; }
    QSize size() const { return m_image.size(); }

    // What lies beneath the disc, `backdrop` with its top left pixel at `at`; it must cover the
    // disc and be opaque. The disc is then also drawn onto it, as an opaque picture that is copied
    // to the screen rather than blended.
    void setBackdrop(const QImage &backdrop, QPoint at);
    void clearBackdrop();
    bool hasBackdrop() const { return !m_onBackdrop.isNull(); }
    const QImage &renderOnBackdrop(double degrees);
    // `rect` of that picture, within one band of BandRows rows, drawn into a small picture of its own
    // that is reused from band to band: drawn and copied on at once, it never leaves the cache. The
    // rectangle stands at (rect.left(), 0) in it. Without `beside`, only the pixels the disc touches
    // in each row are drawn (rowSpan()), the rest left as it was: for a copy onto a picture that
    // already shows the backdrop there.
    static constexpr int BandRows = 32;
    const QImage &renderRectOnBackdrop(double degrees, const QRect &rect, bool beside = true);
    // The columns [first, second) of row `y` of `rect` that the disc touches.
    std::pair<int, int> rowSpan(int y, const QRect &rect) const;
    // Rectangles of the picture, each within one band, outside which the disc at turn `to` looks
    // exactly as at turn `from`: where the wedges' edges sweep by. The whole picture, band by band,
    // for a turn too far to be worth the bookkeeping.
    void changedBetween(double from, double to, std::vector<QRect> &rects) const;
    // The whole picture, band by band.
    void bands(std::vector<QRect> &rects) const;
    // Before a turn that draws much of the disc: the tables it reads brought into the cache in
    // one sweep.
    void readTablesAhead(double degrees) const;
    // Whether any pixel of `rect` of the picture is one the disc touches.
    bool touches(const QRect &rect) const;
    // `rect` (within one band) narrowed to the columns the disc touches in its rows: beyond them the
    // picture only shows the backdrop, which needs no drawing where it is already on the screen.
    QRect withinDisc(const QRect &rect) const;
    std::size_t memoryUsed() const;

    // Steps a full turn is cut into: a 3-degree turn is 32 whole steps, and one step is less
    // than a pixel's width at the edge of any pie that fits on a screen.
    static constexpr int Steps = 3840;

private:
    void build();
    static std::uint32_t shiftOf(double degrees);
    int bandOf(double distance) const;
    double bandRadius(int band) const;
    void buildTables();
    // Rows [top, bottom) of the disc, pixels [left, right) of each, into `bits`, whose first line is
    // the disc's row `top` and whose first pixel is the disc's column 0.
    void renderRows(uchar *bits, qsizetype stride, double degrees, bool opaque, int top, int bottom, int left,
                    int right);

    std::vector<Wedge> m_wedges;
    QPointF m_centre;
    double m_radius = 0;
    double m_penWidth = 0;
    bool m_built = false;

    QImage m_image;
    QImage m_onBackdrop;
    QImage m_band;
    QPoint m_origin;
    int m_bands = 0;
    std::vector<int> m_denseRings;         // those with pixels enough to read most of their table at any turn
    mutable std::uint32_t m_readAhead = 0; // what readTablesAhead() read, kept so that the reads stay
    // Per ring: the colours of two full turns side by side, so that a shifted index never wraps.
    std::vector<QRgb, LargePages::Allocator<QRgb>> m_table;
    // The wedge at each step, for the colour of the arc's outline.
    std::vector<std::uint16_t> m_wedgeAt;
    // The inner pixels, row by row, as runs of pixels in one ring whose steps lie within a byte of
    // each other: a pixel keeps only its step above the run's lowest, and the run where that lowest
    // step stands in the ring's table, so that a turn reads a byte a pixel besides the colours.
    struct Row {
        int y, x0, x1;      // pixels [x0, x1) lie wholly inside the outline
        std::uint32_t run;  // their first run in m_runs
        std::uint32_t step; // and their first step in m_steps
    };
    struct Run {
        std::uint32_t table; // ring * 2 * Steps + Steps + the run's lowest step: in the ring's second turn
        std::uint32_t length;
    };
    std::vector<Row, LargePages::Allocator<Row>> m_rows;
    std::vector<Run, LargePages::Allocator<Run>> m_runs;
    std::vector<std::uint8_t, LargePages::Allocator<std::uint8_t>>
        m_steps; // each inner pixel's step above its run's lowest, in the order of the rows
    struct EdgePixel {
        int x, y;
        std::uint32_t index;
        std::uint16_t step;
        float fill, pen; // coverage by the wedge's fill and by the arc's outline
        QRgb under;      // the backdrop's pixel
    };
    std::vector<EdgePixel, LargePages::Allocator<EdgePixel>> m_edge;
    // For each row of the picture (and one past the last): its first entry in m_rows and m_edge.
    std::vector<std::uint32_t> m_rowFrom, m_edgeFrom;
    // For each row, the pixels [x0, x1) the disc touches; the rest shows the backdrop.
    struct Span {
        int x0, x1;
    };
    std::vector<Span> m_spans;
};
