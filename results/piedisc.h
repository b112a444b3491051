#pragma once

#include <QImage>
#include <QPointF>
#include <QRgb>
#include <cstdint>
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
    std::size_t memoryUsed() const;

    // Steps a full turn is cut into: a 3-degree turn is 32 whole steps, and one step is less
    // than a pixel's width at the edge of any pie that fits on a screen.
    static constexpr int Steps = 3840;

private:
    void build();
    int bandOf(double distance) const;
    double bandRadius(int band) const;
    void buildTables();
    void renderInto(QImage &image, double degrees, bool opaque);

    std::vector<Wedge> m_wedges;
    QPointF m_centre;
    double m_radius = 0;
    double m_penWidth = 0;
    bool m_built = false;

    QImage m_image;
    QImage m_onBackdrop;
    QPoint m_origin;
    int m_bands = 0;
    // Per ring: the colours of two full turns side by side, so that a shifted index never wraps.
    std::vector<QRgb> m_table;
    // The wedge at each step, for the colour of the arc's outline.
    std::vector<std::uint16_t> m_wedgeAt;
    struct Row {
        int y, x0, x1;  // pixels [x0, x1) lie wholly inside the outline
        std::size_t at; // their first entry in m_index
    };
    std::vector<Row> m_rows;
    std::vector<std::uint32_t> m_index; // ring * 2 * Steps + Steps + step, for the inner pixels
    struct EdgePixel {
        int x, y;
        std::uint32_t index;
        std::uint16_t step;
        float fill, pen; // coverage by the wedge's fill and by the arc's outline
        QRgb under;      // the backdrop's pixel
    };
    std::vector<EdgePixel> m_edge;
};
