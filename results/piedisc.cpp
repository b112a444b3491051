#include "results/piedisc.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr double TwoPi = 6.283185307179586;
constexpr int S = TPieDisc::Steps;
// Rings one pixel wide near the centre, where a pixel spans a wide angle; further out each ring is
// about 13 % wider than the one inside it, which no eye tells from rings a pixel wide: a pixel's
// blend across an edge is then at most 7 % wider or narrower than it should be.
constexpr int FineBands = 16;
constexpr double RingsPerFold = 8; // rings for each e-fold of the distance beyond the fine ones

using Colour = std::array<double, 4>; // premultiplied, 0..1

Colour colourOf(QRgb c)
{
    return {qRed(c) / 255.0, qGreen(c) / 255.0, qBlue(c) / 255.0, qAlpha(c) / 255.0};
}

QRgb rgbOf(const Colour &c)
{
    auto byte = [](double v) { return int(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); };
    return qRgba(byte(c[0]), byte(c[1]), byte(c[2]), byte(c[3]));
}

// The angle of (x, y) clockwise from 12 o'clock, x to the right and y down, in [0, 2 pi): a
// polynomial good to 1e-7 radians, well under a step, and several times quicker than atan2.
double clockAngle(double x, double y)
{
    const double ax = std::abs(x), ay = std::abs(y);
    const double big = std::max(ax, ay);
    if (big == 0)
        return 0;
    const double a = std::min(ax, ay) / big, s = a * a;
    // atan(a) for a in [0, 1] (Abramowitz and Stegun 4.4.49, error below 1e-7)
    double t =
        a *
        (1 + s * (-0.3333314528 +
                  s * (0.1999355085 +
                       s * (-0.1420889944 +
                            s * (0.1065626393 +
                                 s * (-0.0752896400 + s * (0.0429096138 + s * (-0.0161657367 + s * 0.0028662257))))))));
    // Measured from 12 o'clock: the angle from the upward axis, -y, towards +x.
    if (ax > ay)
        t = TwoPi / 4 - t;
    if (y > 0)
        t = TwoPi / 2 - t;
    if (x < 0)
        t = TwoPi - t;
    return t >= TwoPi ? 0 : t;
}

double overlap(double a0, double a1, double b0, double b1)
{
    return std::max(0.0, std::min(a1, b1) - std::max(a0, b0));
}
} // namespace

void TPieDisc::setWedges(std::vector<Wedge> wedges)
{
    m_wedges = std::move(wedges);
    m_penWidth = 0;
    m_onBackdrop = QImage();
    for (const Wedge &w : m_wedges)
        m_penWidth = std::max(m_penWidth, w.penWidth);
    m_built = false;
}

void TPieDisc::setGeometry(QPointF centre, double radius)
{
    m_onBackdrop = QImage();
    // Moved by whole pixels (another device's offset, a window moved), the tables still hold.
    const QPointF by = centre - m_centre;
    if (m_built && radius == m_radius && by.x() == std::round(by.x()) && by.y() == std::round(by.y())) {
        m_origin += by.toPoint();
        m_centre = centre;
        return;
    }
    m_centre = centre;
    m_radius = radius;
    m_built = false;
}

bool TPieDisc::hasGeometry(QPointF centre, double radius) const
{
    return m_centre == centre && m_radius == radius;
}

int TPieDisc::bandOf(double distance) const
{
    if (distance < FineBands)
        return int(distance);
    return FineBands + int(RingsPerFold * std::log(distance / FineBands));
}

double TPieDisc::bandRadius(int band) const
{
    if (band < FineBands)
        return band + 0.5;
    return FineBands * std::exp((band - FineBands + 0.5) / RingsPerFold);
}

std::size_t TPieDisc::memoryUsed() const
{
    return std::size_t(m_image.sizeInBytes() + m_onBackdrop.sizeInBytes() + m_band.sizeInBytes()) +
           m_table.size() * sizeof(QRgb) + m_steps.size() * sizeof(std::uint8_t) + m_runs.size() * sizeof(Run) +
           m_edge.size() * sizeof(EdgePixel) + m_rows.size() * sizeof(Row) + m_wedgeAt.size() * sizeof(std::uint16_t) +
           (m_rowFrom.size() + m_edgeFrom.size()) * sizeof(std::uint32_t) + m_spans.size() * sizeof(Span) +
           m_denseRings.size() * sizeof(int);
}

void TPieDisc::build()
{
    const double r = m_radius, w = m_penWidth;
    const double outer = r + w / 2 + 0.5; // beyond: no part of the pixel is touched
    const double inner = r - w / 2 - 0.5; // within: the pixel is wholly fill, no outline of the arc
    const int left = int(std::floor(m_centre.x() - outer)), top = int(std::floor(m_centre.y() - outer));
    const int right = int(std::ceil(m_centre.x() + outer)), bottom = int(std::ceil(m_centre.y() + outer));
    m_origin = QPoint(left, top);
    m_image = QImage(std::max(1, right - left), std::max(1, bottom - top), QImage::Format_ARGB32_Premultiplied);
    m_image.fill(Qt::transparent);
    m_bands = bandOf(outer) + 1;
    // The ring of each whole distance: the rings' limits need no finer aim.
    std::vector<std::uint32_t> ringAt(std::size_t(outer) + 2);
    for (std::size_t i = 0; i < ringAt.size(); ++i)
        ringAt[i] = std::uint32_t(bandOf(double(i)));

    m_rows.clear();
    m_runs.clear();
    m_steps.clear();
    m_edge.clear();
    m_rowFrom.assign(std::size_t(m_image.height()) + 1, 0);
    m_spans.assign(std::size_t(m_image.height()), Span{0, 0});
    m_edgeFrom.assign(std::size_t(m_image.height()) + 1, 0);
    // The steps of the run being gathered, written once it ends and its lowest step is known.
    std::vector<std::uint16_t> pending;
    std::uint32_t pendingTable = 0;
    int low = 0, high = 0;
    auto endRun = [&] {
        if (pending.empty())
            return;
        m_runs.push_back({pendingTable + std::uint32_t(low), std::uint32_t(pending.size())});
        for (const std::uint16_t step : pending)
            m_steps.push_back(std::uint8_t(step - low));
        pending.clear();
    };
    for (int y = 0; y < m_image.height(); ++y) {
        m_rowFrom[std::size_t(y)] = std::uint32_t(m_rows.size());
        m_edgeFrom[std::size_t(y)] = std::uint32_t(m_edge.size());
        const double dy = top + y + 0.5 - m_centre.y();
        Row row{y, 0, 0, std::uint32_t(m_runs.size()), std::uint32_t(m_steps.size())};
        for (int x = 0; x < m_image.width(); ++x) {
            const double dx = left + x + 0.5 - m_centre.x();
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d >= outer)
                continue;
            Span &span = m_spans[std::size_t(y)];
            if (span.x1 == span.x0)
                span.x0 = x;
            span.x1 = x + 1;
            const double angle = clockAngle(dx, dy);
            const auto step = std::uint16_t(std::min(S - 1, int(angle / TwoPi * S)));
            const std::uint32_t table = ringAt[std::size_t(d)] * 2 * S + S;
            if (d <= inner) {
                if (row.x1 == row.x0)
                    row.x0 = row.x1 = x;
                ++row.x1;
                if (!pending.empty() &&
                    (table != pendingTable || std::max<int>(high, step) - std::min<int>(low, step) > 255))
                    endRun();
                if (pending.empty()) {
                    pendingTable = table;
                    low = high = step;
                }
                low = std::min<int>(low, step);
                high = std::max<int>(high, step);
                pending.push_back(step);
            } else {
                const std::uint32_t index = table + step;
                const float fill = float(std::clamp(r - d + 0.5, 0.0, 1.0));
                const float pen = float(std::min(1.0, overlap(d - 0.5, d + 0.5, r - w / 2, r + w / 2)));
                m_edge.push_back({x, y, index, step, fill, pen, 0});
            }
        }
        endRun();
        if (row.x1 > row.x0)
            m_rows.push_back(row);
    }
    m_rowFrom.back() = std::uint32_t(m_rows.size());
    m_edgeFrom.back() = std::uint32_t(m_edge.size());
    // The rings with pixels enough to read most of their table's lines at any turn.
    std::vector<std::size_t> pixels(std::size_t(m_bands), 0);
    for (const Run &run : m_runs)
        pixels[run.table / (2 * S)] += run.length;
    for (const EdgePixel &p : m_edge)
        ++pixels[p.index / (2 * S)];
    m_denseRings.clear();
    for (int ring = 0; ring < m_bands; ++ring) {
        if (pixels[std::size_t(ring)] >= std::size_t(S / 8))
            m_denseRings.push_back(ring);
    }
    buildTables();
    m_built = true;
}

void TPieDisc::buildTables()
{
    // The fill's colour summed over each step, and summed up to each step, so that the mean colour
    // over any stretch of angle costs two lookups.
    std::vector<Colour> perStep(S, Colour{});
    m_wedgeAt.assign(S, 0);
    for (std::size_t i = 0; i < m_wedges.size(); ++i) {
        const Wedge &wedge = m_wedges[i];
        const Colour fill = colourOf(wedge.fill);
        double from = std::fmod(wedge.start, 360.0) / 360.0 * S;
        if (from < 0)
            from += S;
        const double to = from + std::min(360.0, std::max(0.0, wedge.span)) / 360.0 * S;
        for (int k = int(std::floor(from)); k < int(std::ceil(to)); ++k) {
            const double part = overlap(k, k + 1, from, to);
            Colour &c = perStep[std::size_t(k % S)];
            for (int ch = 0; ch < 4; ++ch)
                c[ch] += part * fill[ch];
            if (k + 0.5 >= from && k + 0.5 < to)
                m_wedgeAt[std::size_t(k % S)] = std::uint16_t(i);
        }
    }
    std::vector<Colour> sum(S + 1, Colour{});
    for (int k = 0; k < S; ++k)
        for (int ch = 0; ch < 4; ++ch)
            sum[k + 1][ch] = sum[k][ch] + perStep[k][ch];
    // The integral of the fill from angle 0 to x, in steps, for any x.
    auto integral = [&](double x) {
        const double turns = std::floor(x / S);
        double rest = x - turns * S;
        const int k = std::min(S - 1, int(rest));
        Colour c;
        for (int ch = 0; ch < 4; ++ch)
            c[ch] = turns * sum[S][ch] + sum[k][ch] + (rest - k) * perStep[k][ch];
        return c;
    };

    // Away from the wedges' edges a pixel shows its wedge's colour; only steps near an edge, as far
    // as a pixel and an outline reach at that distance, are worked out in full.
    std::vector<QRgb> plain(S);
    for (int k = 0; k < S; ++k)
        plain[std::size_t(k)] = rgbOf(perStep[std::size_t(k)]);
    m_table.assign(std::size_t(m_bands) * 2 * S, 0);
    std::vector<Colour> penSum(S);
    std::vector<double> penCover(S);
    std::vector<char> nearEdge(S);
    std::vector<double> edges;
    for (const Wedge &wedge : m_wedges) {
        double at = std::fmod(wedge.start, 360.0) / 360.0 * S;
        edges.push_back(at < 0 ? at + S : at);
    }
    for (int band = 0; band < m_bands; ++band) {
        const double rho = bandRadius(band);
        // A pixel at this distance spans one pixel across, as an angle.
        const double width = std::min(double(S), S / (TwoPi * rho));
        std::fill(penSum.begin(), penSum.end(), Colour{});
        std::fill(penCover.begin(), penCover.end(), 0.0);
        std::fill(nearEdge.begin(), nearEdge.end(), 0);
        for (std::size_t i = 0; i < m_wedges.size(); ++i) {
            const Wedge &wedge = m_wedges[i];
            // The outline along the wedge's first radius, as wide as the pen whatever the distance.
            const double line = std::min(double(S), wedge.penWidth * S / (TwoPi * rho));
            const double at = edges[i];
            const double reach = (width + line) / 2;
            const int first = int(std::floor(at - reach - 1)), last = int(std::ceil(at + reach + 1));
            const Colour pen = colourOf(wedge.pen);
            for (int k = first; k <= std::min(last, first + S - 1); ++k) {
                const std::size_t slot = std::size_t(((k % S) + S) % S);
                nearEdge[slot] = 1;
                if (line <= 0)
                    continue;
                const double centre = k + 0.5;
                double part = 0;
                for (int turn = -1; turn <= 1; ++turn)
                    part += overlap(centre - width / 2, centre + width / 2, at + turn * S - line / 2,
                                    at + turn * S + line / 2);
                if (part <= 0)
                    continue;
                penCover[slot] += part / width;
                for (int ch = 0; ch < 4; ++ch)
                    penSum[slot][ch] += part / width * pen[ch];
            }
        }
        QRgb *row = m_table.data() + std::size_t(band) * 2 * S;
        for (int k = 0; k < S; ++k) {
            if (!nearEdge[std::size_t(k)]) {
                row[k] = row[k + S] = plain[std::size_t(k)];
                continue;
            }
            const double centre = k + 0.5;
            const Colour a = integral(centre - width / 2), b = integral(centre + width / 2);
            const double cover = std::min(1.0, penCover[k]);
            Colour c;
            for (int ch = 0; ch < 4; ++ch) {
                const double fill = (b[ch] - a[ch]) / width;
                const double pen = penCover[k] > 0 ? penSum[k][ch] / penCover[k] : 0;
                c[ch] = fill * (1 - cover) + pen * cover;
            }
            row[k] = row[k + S] = rgbOf(c);
        }
    }
}

void TPieDisc::clearBackdrop()
{
    m_onBackdrop = QImage();
}

void TPieDisc::setBackdrop(const QImage &backdrop, QPoint at)
{
    if (!m_built)
        build();
    const QRect disc(m_origin - at, m_image.size());
    // Inside the outline a pixel is written, not blended: only opaque colours can be.
    const bool opaque = std::all_of(m_wedges.begin(), m_wedges.end(), [](const Wedge &w) {
        return qAlpha(w.fill) == 255 && (w.penWidth <= 0 || qAlpha(w.pen) == 255);
    });
    if (!opaque || !backdrop.rect().contains(disc)) {
        m_onBackdrop = QImage();
        return;
    }
    m_onBackdrop = backdrop.copy(disc).convertToFormat(QImage::Format_RGB32);
    // In device pixels, as the disc is: the backdrop's own ratio would draw it at another size.
    m_onBackdrop.setDevicePixelRatio(1);
    m_band = QImage(m_onBackdrop.width(), BandRows, QImage::Format_RGB32);
    for (EdgePixel &p : m_edge)
        p.under = reinterpret_cast<const QRgb *>(m_onBackdrop.constScanLine(p.y))[p.x];
}

const QImage &TPieDisc::renderOnBackdrop(double degrees)
{
    readTablesAhead(degrees);
    renderRows(m_onBackdrop.bits(), m_onBackdrop.bytesPerLine(), degrees, true, 0, m_onBackdrop.height(), 0,
               m_onBackdrop.width());
    return m_onBackdrop;
}

const QImage &TPieDisc::renderRectOnBackdrop(double degrees, const QRect &rect, bool beside)
{
    const QRect r = rect & m_onBackdrop.rect();
    const int top = r.top(), bottom = std::min(r.top() + BandRows, r.bottom() + 1);
    uchar *bits = m_band.bits();
    const qsizetype stride = m_band.bytesPerLine();
    // Beside the disc, the backdrop; the disc's own pixels are all written below.
    for (int y = top; y < bottom && beside; ++y) {
        const auto *under = reinterpret_cast<const QRgb *>(m_onBackdrop.constScanLine(y));
        auto *line = reinterpret_cast<QRgb *>(bits + (y - top) * stride);
        const Span span = m_spans[std::size_t(y)];
        const int left = r.left(), right = r.right() + 1;
        std::copy(under + left, under + std::clamp(span.x0, left, right), line + left);
        const int after = std::clamp(span.x1, left, right);
        std::copy(under + after, under + right, line + after);
    }
    renderRows(bits, stride, degrees, true, top, bottom, r.left(), r.right() + 1);
    return m_band;
}

std::pair<int, int> TPieDisc::rowSpan(int y, const QRect &rect) const
{
    if (y < 0 || y >= int(m_spans.size()))
        return {0, 0};
    const Span span = m_spans[std::size_t(y)];
    const int left = rect.left(), right = rect.right() + 1;
    const int x0 = std::clamp(span.x0, left, right), x1 = std::clamp(span.x1, left, right);
    return x0 < x1 ? std::pair{x0, x1} : std::pair{0, 0};
}

void TPieDisc::bands(std::vector<QRect> &rects) const
{
    rects.clear();
    const int height = m_image.height();
    for (int top = 0; top < height; top += BandRows)
        rects.emplace_back(0, top, m_image.width(), std::min(BandRows, height - top));
}

QRect TPieDisc::withinDisc(const QRect &rect) const
{
    int left = m_image.width(), right = 0;
    for (int y = std::max(0, rect.top()); y <= std::min(rect.bottom(), int(m_spans.size()) - 1); ++y) {
        const Span span = m_spans[std::size_t(y)];
        if (span.x1 > span.x0) {
            left = std::min(left, span.x0);
            right = std::max(right, span.x1);
        }
    }
    return left < right ? rect & QRect(left, rect.top(), right - left, rect.height()) : QRect();
}

bool TPieDisc::touches(const QRect &rect) const
{
    const QPointF centre = m_centre - QPointF(m_origin);
    // The nearest point of the rectangle's pixels to the centre.
    const double dx = std::clamp(centre.x(), double(rect.left()), rect.right() + 1.0) - centre.x();
    const double dy = std::clamp(centre.y(), double(rect.top()), rect.bottom() + 1.0) - centre.y();
    return !rect.isEmpty() && std::sqrt(dx * dx + dy * dy) < m_radius + m_penWidth / 2 + 1;
}

void TPieDisc::changedBetween(double from, double to, std::vector<QRect> &rects) const
{
    double turn = std::fmod(to - from, 360.0);
    if (turn < 0)
        turn += 360;
    // Far turns (the first one, one after a pause) are rare and would sweep most of the disc anyway.
    if (!m_built || turn > 45) {
        bands(rects);
        return;
    }
    rects.clear();
    if (turn == 0)
        return;
    // Each wedge's two edges; where one wedge ends and the next begins, once.
    std::vector<double> edges;
    edges.reserve(2 * m_wedges.size());
    for (const Wedge &wedge : m_wedges) {
        for (const double edge : {wedge.start, wedge.start + wedge.span}) {
            const double at = std::fmod(edge, 360.0);
            edges.push_back(at < 0 ? at + 360 : at);
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end(), [](double a, double b) { return b - a <= 1e-9; }), edges.end());
    // A pixel's colour is set by the edges within its own width and the outline's half-width; the
    // rings' spread and the angle steps add less than a pixel more.
    const double margin = m_penWidth / 2 + 3;
    // Edges so many that they sweep half the disc or more: it is drawn whole, which costs less
    // than the pieces' bookkeeping.
    if (edges.size() * (turn + 2 * margin / std::max(1.0, m_radius) * 360 / TwoPi) > 180) {
        bands(rects);
        return;
    }
    const QPointF centre = m_centre - QPointF(m_origin);
    // Each edge sweeps a thin sector, taken as a polygon: the centre, and points on an arc a little
    // beyond the rim, spaced closely enough that the arc bulges past none of its chords by a pixel.
    struct Sector {
        QPointF corner[6];
        int corners;
        double top, bottom;
    };
    std::vector<Sector> sectors;
    sectors.reserve(2 * m_wedges.size());
    const int arcPoints = 2 + int(turn / 10);
    const double reach = (m_radius + margin) / std::cos(TwoPi / 360 * turn / (arcPoints - 1) / 2);
    auto sweep = [&](double edge) {
        Sector s;
        s.corners = 0;
        s.corner[s.corners++] = centre;
        for (int i = 0; i < arcPoints; ++i) {
            const double a = TwoPi / 360 * (edge + from + turn * i / (arcPoints - 1));
            s.corner[s.corners++] = centre + QPointF(std::sin(a) * reach, -std::cos(a) * reach);
        }
        s.top = s.bottom = centre.y();
        for (int i = 0; i < s.corners; ++i) {
            s.top = std::min(s.top, s.corner[i].y());
            s.bottom = std::max(s.bottom, s.corner[i].y());
        }
        sectors.push_back(s);
    };
    for (const double edge : edges)
        sweep(edge);
    // Band by band: where the sectors cross it, widened by the margin, merged where close.
    constexpr int MergeGap = 24; // pixels: a copy's own cost is worth about this many
    const int width = m_image.width(), height = m_image.height();
    std::vector<std::pair<double, double>> spans;
    spans.reserve(sectors.size());
    for (int top = 0; top < height; top += BandRows) {
        const int rows = std::min(BandRows, height - top);
        const double y0 = top - margin, y1 = top + rows + margin;
        spans.clear();
        for (const Sector &s : sectors) {
            if (s.bottom < y0 || s.top > y1)
                continue;
            double x0 = width, x1 = 0;
            for (int i = 0; i < s.corners; ++i) {
                QPointF p = s.corner[i], q = s.corner[(i + 1) % s.corners];
                if ((p.y() < y0 && q.y() < y0) || (p.y() > y1 && q.y() > y1))
                    continue;
                // The side's part within the band's rows.
                auto at = [&](double y) { return p.x() + (q.x() - p.x()) * (y - p.y()) / (q.y() - p.y()); };
                for (const QPointF &end : {p, q}) {
                    double x = end.x();
                    if (end.y() < y0)
                        x = at(y0);
                    else if (end.y() > y1)
                        x = at(y1);
                    x0 = std::min(x0, x);
                    x1 = std::max(x1, x);
                }
            }
            if (x0 <= x1)
                spans.emplace_back(x0 - margin, x1 + margin);
        }
        std::sort(spans.begin(), spans.end());
        const std::size_t first = rects.size();
        int covered = 0;
        for (std::size_t i = 0; i < spans.size();) {
            double x0 = spans[i].first, x1 = spans[i].second;
            for (++i; i < spans.size() && spans[i].first <= x1 + MergeGap; ++i)
                x1 = std::max(x1, spans[i].second);
            const int left = std::max(0, int(std::floor(x0))), right = std::min(width, int(std::ceil(x1)) + 1);
            if (left < right) {
                rects.emplace_back(left, top, right - left, rows);
                covered += right - left;
            }
        }
        // Most of the band: drawn whole, in one piece.
        if (covered > width * 2 / 3) {
            rects.resize(first);
            rects.emplace_back(0, top, width, rows);
        }
    }
}

std::uint32_t TPieDisc::shiftOf(double degrees)
{
    double turn = std::fmod(degrees, 360.0);
    if (turn < 0)
        turn += 360;
    return std::uint32_t(int(std::lround(turn / 360.0 * S)) % S);
}

void TPieDisc::readTablesAhead(double degrees) const
{
    // Plain loads in a row, which the processor fetches many at a time and ahead of need: a turn's
    // own reads of the tables jump about, and then each waits for memory on its own.
    const std::uint32_t shift = shiftOf(degrees);
    std::uint32_t sum = 0;
    for (const int ring : m_denseRings) {
        const QRgb *from = m_table.data() + std::size_t(ring) * 2 * S + S - shift;
        for (int k = 0; k < S; k += int(64 / sizeof(QRgb)))
            sum += from[k];
    }
    m_readAhead = sum;
}

const QImage &TPieDisc::render(double degrees)
{
    if (!m_built)
        build();
    readTablesAhead(degrees);
    renderRows(m_image.bits(), m_image.bytesPerLine(), degrees, false, 0, m_image.height(), 0, m_image.width());
    return m_image;
}

void TPieDisc::renderRows(uchar *bits, qsizetype stride, double degrees, bool opaque, int top, int bottom, int left,
                          int right)
{
    const std::uint32_t shift = shiftOf(degrees);
    const QRgb *table = m_table.data();
    for (std::uint32_t r = m_rowFrom[std::size_t(top)], end = m_rowFrom[std::size_t(bottom)]; r < end; ++r) {
        const Row &row = m_rows[r];
        if (row.x1 <= left || row.x0 >= right)
            continue;
        // Restrict: the picture's pixels and the tables are both 32-bit words, and without it
        // every store would reload the next step and the table.
        QRgb *__restrict line = reinterpret_cast<QRgb *>(bits + (row.y - top) * stride);
        const std::uint8_t *__restrict step = m_steps.data() + row.step;
        const std::uint32_t endRun = r + 1 < m_rows.size() ? m_rows[r + 1].run : std::uint32_t(m_runs.size());
        if (left <= row.x0 && right >= row.x1) {
            line += row.x0;
            for (std::uint32_t k = row.run; k < endRun; ++k) {
                const QRgb *__restrict ring = table + m_runs[k].table - shift;
                const std::uint32_t count = m_runs[k].length;
#pragma GCC unroll 8
                for (std::uint32_t i = 0; i < count; ++i)
                    line[i] = ring[step[i]];
                line += count;
                step += count;
            }
            continue;
        }
        int x = row.x0;
        for (std::uint32_t k = row.run; k < endRun && x < right; ++k) {
            const int length = int(m_runs[k].length);
            const int from = std::max(x, left), to = std::min(x + length, right);
            if (from < to) {
                const QRgb *__restrict ring = table + m_runs[k].table - shift;
                const std::uint8_t *__restrict at = step + (from - row.x0);
                QRgb *__restrict out = line + from;
                const int count = to - from;
#pragma GCC unroll 8
                for (int i = 0; i < count; ++i)
                    out[i] = ring[at[i]];
            }
            x += length;
        }
    }
    for (auto it = m_edge.begin() + m_edgeFrom[std::size_t(top)], e = m_edge.begin() + m_edgeFrom[std::size_t(bottom)];
         it != e; ++it) {
        const EdgePixel &p = *it;
        if (p.x < left || p.x >= right)
            continue;
        const QRgb fill = table[p.index - shift];
        const QRgb pen = m_wedges.empty() ? 0 : m_wedges[m_wedgeAt[(p.step + S - shift) % S]].pen;
        const float f = p.fill * (1 - p.pen);
        // Premultiplied: the fill under the arc's outline, then that over what lies beneath.
        const float alpha = (qAlpha(fill) * f + qAlpha(pen) * p.pen) / 255.0f;
        const float under = opaque ? 1 - alpha : 0;
        auto mix = [&](int a, int b, int c) { return std::min(255, int(a * f + b * p.pen + c * under + 0.5f)); };
        reinterpret_cast<QRgb *>(bits + (p.y - top) * stride)[p.x] =
            qRgba(mix(qRed(fill), qRed(pen), qRed(p.under)), mix(qGreen(fill), qGreen(pen), qGreen(p.under)),
                  mix(qBlue(fill), qBlue(pen), qBlue(p.under)), opaque ? 255 : mix(qAlpha(fill), qAlpha(pen), 0));
    }
}
