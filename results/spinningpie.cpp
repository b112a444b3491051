#include "results/spinningpie.h"

#include "results/largepages.h"

#include <QBackingStore>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLineF>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QRegion>
#include <QTextDocument>
#include <QWindow>
#include <QtMath>
#include <cmath>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <functional>

namespace {
// Where the chart puts a slice's label arm and text: the arm starts this far outside the pie, and
// texts are measured with this document margin and drawn with the label's own.
constexpr qreal ArmGap = 5;
constexpr qreal MeasureMargin = 0.5;
constexpr qreal LabelMargin = 1.0;
// Where a label's text is drawn within its measured box.
constexpr QPointF TextOffset(LabelMargin, LabelMargin + 1.0);
// Longest side of one straight piece of the drawn arcs, in pixels: below what the eye sees as a corner.
constexpr qreal ArcStep = 1.5;
// Beyond this radius in device pixels the disc's tables would take more memory than polygons are
// worth: about 12 bytes a pixel, 50 MB for a disc 2,048 pixels across (a maximised window on a 4K
// screen gives one of about 1,200).
constexpr qreal MaxTableRadius = 1024;
// A disc's picture from this size on is written to the screen past the cache: about a quarter of
// a core's own cache on the processors of recent years (the disc of a maximised window takes 1.2 MB).
constexpr qsizetype PastCacheBytes = 512 * 1024;

// Angles run clockwise from 12 o'clock.
QPointF offset(qreal degrees, qreal length)
{
    const qreal a = qDegreesToRadians(degrees);
    return {std::sin(a) * length, -std::cos(a) * length};
}

QRgb premultiplied(const QColor &colour)
{
    return qPremultiply(colour.rgba());
}

// What the widget system paints beneath a viewport's paint event, when the viewport is not opaque.
void fillBackground(QWidget *viewport, const QRegion &region)
{
    QPainter painter(viewport);
    for (const QRect &rect : region)
        painter.fillRect(rect, viewport->palette().brush(viewport->backgroundRole()));
}

// `rect` of `from` into `onto` at `at`, both pictures of 32-bit opaque pixels: what drawing the one
// on the other at its own size leaves. Written where the painter on `onto` writes: scanLine() would
// give a picture shared meanwhile a copy of its own, apart from the painter's. With `pastCache`,
// whole 64-byte lines are written past the cache, which needs no read of what they held, and
// fence() must follow before anything else touches them.
void copyLine(uchar *to, const uchar *line, std::size_t bytes, bool pastCache)
{
#if defined(__SSE2__)
    if (pastCache && bytes >= 256) {
        const std::size_t head = (64 - (reinterpret_cast<std::uintptr_t>(to) & 63)) & 63;
        const std::size_t whole = (bytes - head) & ~std::size_t(63);
        std::memcpy(to, line, head);
        for (std::size_t i = head; i < head + whole; i += 16)
            _mm_stream_si128(reinterpret_cast<__m128i *>(to + i),
                             _mm_loadu_si128(reinterpret_cast<const __m128i *>(line + i)));
        std::memcpy(to + head + whole, line + head + whole, bytes - head - whole);
        return;
    }
#else
    Q_UNUSED(pastCache);
#endif
    std::memcpy(to, line, bytes);
}

void copyPixels(const QImage &from, const QRect &rect, QImage *onto, QPoint at, bool pastCache)
{
    const std::size_t bytes = std::size_t(rect.width()) * sizeof(QRgb);
    const qsizetype offset = qsizetype(at.x()) * qsizetype(sizeof(QRgb));
    for (int y = 0; y < rect.height(); ++y) {
        uchar *to = const_cast<uchar *>(onto->constScanLine(at.y() + y)) + offset;
        const uchar *line = from.constScanLine(rect.top() + y) + qsizetype(rect.left()) * qsizetype(sizeof(QRgb));
        copyLine(to, line, bytes, pastCache);
    }
}

// Stores past the cache are ordered with no others: done before anything else touches the picture.
void fence()
{
#if defined(__SSE2__)
    _mm_sfence();
#endif
}

// The same face, with every property set on it: a painter takes the properties a font leaves unset
// from its own default, which on a picture is the application's and on a widget the widget's.
QFont everyPropertySet(const QFont &font)
{
    QFont f(font.families());
    if (font.pixelSize() > 0)
        f.setPixelSize(font.pixelSize());
    else
        f.setPointSizeF(font.pointSizeF());
    f.setStyleName(font.styleName());
    f.setWeight(font.weight());
    f.setStyle(font.style());
    f.setStretch(font.stretch());
    f.setStyleHint(font.styleHint(), font.styleStrategy());
    f.setHintingPreference(font.hintingPreference());
    f.setKerning(font.kerning());
    f.setCapitalization(font.capitalization());
    f.setLetterSpacing(font.letterSpacingType(), font.letterSpacing());
    f.setWordSpacing(font.wordSpacing());
    f.setUnderline(font.underline());
    f.setOverline(font.overline());
    f.setStrikeOut(font.strikeOut());
    f.setFixedPitch(font.fixedPitch());
    return f;
}

// Hands the view's paint events to the pie while it spins.
class PaintFilter : public QObject
{
public:
    explicit PaintFilter(std::function<bool(QPaintEvent *)> paint) : m_paint(std::move(paint)) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::Paint && m_paint(static_cast<QPaintEvent *>(event));
    }

private:
    std::function<bool(QPaintEvent *)> m_paint;
};
} // namespace

TSpinningPie::TSpinningPie(QChart *chart, QPieSeries *series) : QGraphicsItem(chart), m_chart(chart), m_series(series)
{
    setVisible(false);
    // Above the series, below nothing that could overlap the pie.
    setZValue(100);
    setAcceptedMouseButtons(Qt::NoButton);
}

TSpinningPie::~TSpinningPie() = default;

void TSpinningPie::attach(QGraphicsView *view)
{
    m_view = view;
    m_viewWasOpaque = view->viewport()->testAttribute(Qt::WA_OpaquePaintEvent);
    m_paintFilter = std::make_unique<PaintFilter>([this](QPaintEvent *event) { return paintAlone(event); });
    view->viewport()->installEventFilter(m_paintFilter.get());
}

void TSpinningPie::start()
{
    const qreal origin = m_series->pieStartAngle();
    m_slices.clear();
    QGraphicsTextItem measure;
    measure.document()->setDocumentMargin(MeasureMargin);
    const QList<QPieSlice *> slices = m_series->slices();
    m_slices.reserve(slices.size());
    for (const QPieSlice *s : slices) {
        Slice slice;
        slice.start = s->startAngle() - origin;
        slice.span = s->angleSpan();
        slice.pen = s->pen();
        slice.brush = s->brush();
        slice.labelled = s->isLabelVisible() && !s->label().isEmpty();
        if (slice.labelled) {
            slice.labelFont = s->labelFont();
            // What the view's painter makes of it: a face the label leaves unset comes from the
            // viewport's, which a painter straight on the window's picture does not know.
            slice.screenFont =
                m_view ? everyPropertySet(slice.labelFont.resolve(m_view->viewport()->font())) : slice.labelFont;
            slice.armPen = QPen(s->labelBrush().color(), 1);
            slice.armFactor = s->labelArmLengthFactor();
            slice.label.setText(s->label());
            slice.label.setTextFormat(Qt::PlainText);
            slice.label.prepare(QTransform(), slice.labelFont);
            measure.setFont(slice.labelFont);
            measure.setPlainText(s->label());
            slice.labelSize = measure.boundingRect().size();
            // Where the drawn glyphs reach, from where the text is drawn: the ascent down to the
            // baseline, and the ink about it, a pixel wider each way for the smoothing.
            const QFontMetricsF metrics(slice.screenFont);
            slice.ink = metrics.tightBoundingRect(s->label()).translated(0, metrics.ascent()).adjusted(-1, -1, 1, 1);
        }
        m_slices.push_back(std::move(slice));
    }
    m_discScale = 0;
    layOut();
    m_turn = 0;
    m_active = true;
    m_series->setOpacity(0);
    // A turn's repaint covers what it repaints from the backdrop, so the viewport's own fill
    // beforehand would be wasted; other repaints get it from the paint filter.
    if (m_view)
        m_view->viewport()->setAttribute(Qt::WA_OpaquePaintEvent, true);
    show();
    update();
}

void TSpinningPie::stop()
{
    if (!m_active)
        return;
    m_active = false;
    hide();
    m_series->setOpacity(1);
    if (m_view)
        m_view->viewport()->setAttribute(Qt::WA_OpaquePaintEvent, m_viewWasOpaque);
    // Pictures and tables are for the spin only; the next one starts from the slices as they are.
    m_backdrop = QImage();
    m_straightPicture = QImage();
    m_disc = TPieDisc();
}

void TSpinningPie::layOut()
{
    prepareGeometryChange();
    m_plot = m_chart->plotArea();
    m_centre = {m_plot.left() + m_plot.width() * m_series->horizontalPosition(),
                m_plot.top() + m_plot.height() * m_series->verticalPosition()};
    m_radius = qMin(m_plot.width(), m_plot.height()) / 2 * m_series->pieSize();
    qreal reach = m_radius + 2;
    for (const Slice &slice : m_slices) {
        if (slice.labelled)
            reach = qMax(reach, m_radius * (1 + slice.armFactor) + ArmGap + slice.labelSize.width() +
                                    slice.labelSize.height() + 2);
    }
    m_bounds = QRectF(m_centre - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach)).intersected(m_plot);
    // Enough points for the longest slice.
    m_outline.reserve(size_t(2 * M_PI * m_radius / ArcStep) + 8);
}

void TSpinningPie::setTurn(qreal degrees)
{
    if (m_chart->plotArea() != m_plot)
        layOut();
    m_turn = degrees;
    // Straight to the view, where the turn's repaint is answered here anyway: marking the item
    // would have the scene look through all of the chart's items for what changed.
    if (m_view && m_active) {
        const QTransform toView = sceneTransform() * m_view->viewportTransform();
        if (toView.type() <= QTransform::TxTranslate) {
            // Where the last turn is on the screen, this one is drawn over it at once, without the
            // widgets' round of repaints, which would cost as much as the drawing itself.
            if (paintStraight())
                return;
            QWidget *viewport = m_view->viewport();
            viewport->update(toView.mapRect(m_bounds).toAlignedRect().adjusted(-3, -3, 3, 3) & viewport->rect());
            return;
        }
    }
    update();
}

QRectF TSpinningPie::boundingRect() const
{
    return m_bounds;
}

QRectF TSpinningPie::labelRect(const Slice &slice, QPointF *armStart, QPointF *elbow, QPointF *armEnd) const
{
    const qreal middle = slice.start + m_turn + slice.span / 2;
    *armStart = m_centre + offset(middle, m_radius + ArmGap);
    // The arm's direction in tenths of a degree, and never straight down, as the chart draws it.
    int tenths = int(middle * 10.0) % 3600;
    if (tenths < 0)
        tenths += 3600;
    qreal angle = tenths / 10.0;
    if (angle < 180 && angle > 170)
        angle = 170;
    if (angle > 180 && angle < 190)
        angle = 190;
    *elbow = *armStart + offset(angle, m_radius * slice.armFactor);
    QPointF textStart = *elbow;
    const qreal width = slice.labelSize.width();
    // Labels on the left half stand to the left of their arm.
    if (angle < 180) {
        *armEnd = *elbow + QPointF(width, 0);
    } else {
        *armEnd = *elbow - QPointF(width, 0);
        textStart = *armEnd;
    }
    QRectF text(QPointF(), slice.labelSize);
    text.moveBottomLeft(textStart);
    return text;
}

QVector<QRectF> TSpinningPie::labelRects() const
{
    QVector<QRectF> rects;
    QPointF a, b, c;
    for (const Slice &slice : m_slices) {
        if (slice.labelled)
            rects.append(labelRect(slice, &a, &b, &c));
    }
    return rects;
}

// On a screen or an image the disc is drawn from its tables, pixel for pixel; elsewhere (paper, a
// turned painter) as polygons.
TSpinningPie::DiscPicture TSpinningPie::prepareDisc(QPainter *painter)
{
    const QPaintEngine *engine = painter->paintEngine();
    const QTransform device = painter->deviceTransform();
    const qreal scale = device.m11();
    if (!engine || engine->type() != QPaintEngine::Raster || device.type() > QTransform::TxScale ||
        !qFuzzyCompare(scale, device.m22()) || scale <= 0 || scale > 4 || m_radius * scale > MaxTableRadius)
        return DiscPicture::None;
    if (scale != m_discScale) {
        std::vector<TPieDisc::Wedge> wedges;
        wedges.reserve(m_slices.size());
        for (const Slice &slice : m_slices) {
            const bool outlined = slice.pen.style() != Qt::NoPen;
            wedges.push_back({slice.start, slice.span, premultiplied(slice.brush.color()),
                              outlined ? premultiplied(slice.pen.color()) : 0,
                              outlined ? qMax<qreal>(1, slice.pen.widthF()) * scale : 0});
        }
        m_disc.setWedges(std::move(wedges));
        m_discScale = scale;
    }
    const QPointF centre = device.map(m_centre);
    if (!m_disc.hasGeometry(centre, m_radius * scale))
        m_disc.setGeometry(centre, m_radius * scale);
    if (!m_onBackdrop)
        return DiscPicture::Alone;
    if (!m_disc.hasBackdrop() || m_discBackdropOrigin != m_backdropOrigin) {
        m_disc.setBackdrop(m_backdrop, m_backdropOrigin);
        m_discBackdropOrigin = m_backdropOrigin;
    }
    return m_disc.hasBackdrop() ? DiscPicture::OnBackdrop : DiscPicture::Alone;
}

bool TSpinningPie::paintDisc(QPainter *painter)
{
    const DiscPicture picture = prepareDisc(painter);
    if (picture == DiscPicture::None)
        return false;
    // The pie clips itself to the plot; a piece that would reach its edge goes through the painter.
    const QRect plot = painter->deviceTransform().mapRect(m_plot).toAlignedRect().adjusted(1, 1, -1, -1);
    // Pixel for pixel, in the device's own pixels: whatever the painter adds beyond its world
    // transform (the device's scale, a grab's offset) undone.
    painter->save();
    painter->setWorldTransform(QTransform());
    painter->setWorldTransform(painter->deviceTransform().inverted());
    if (picture == DiscPicture::OnBackdrop) {
        // A large disc's picture is seldom still in the cache 50 ms after the last turn, and a plain
        // store first reads each line it lands on: its pieces are written past the cache. A small
        // one stays there, where writing past it would only add the trips to memory.
        const bool pastCache =
            qsizetype(m_disc.size().width()) * m_disc.size().height() * qsizetype(sizeof(QRgb)) >= PastCacheBytes;
        bool fenced = true;
        // A turn that draws most of the disc reads most of its tables, in no order.
        qsizetype area = 0;
        for (const QRect &piece : m_discRects)
            area += qsizetype(piece.width()) * piece.height();
        if (2 * area >= qsizetype(m_disc.size().width()) * m_disc.size().height())
            m_disc.readTablesAhead(m_turn);
        // Piece by piece, each copied on while it is still in the cache.
        for (const QRect &piece : m_discRects) {
            const QRect rect = m_disc.withinDisc(piece);
            if (rect.isEmpty())
                continue;
            const QRect onto(m_disc.origin() + rect.topLeft(), rect.size());
            if (m_screen && m_screenClip.contains(onto) && plot.contains(onto)) {
                // Only the disc's own pixels of each row: beside it the screen shows the backdrop
                // already, as all of it was copied there once and the labels' old places since.
                const QImage &picture = m_disc.renderRectOnBackdrop(m_turn, rect, false);
                for (int y = 0; y < rect.height(); ++y) {
                    const auto [x0, x1] = m_disc.rowSpan(rect.top() + y, rect);
                    if (x0 >= x1)
                        continue;
                    const QPoint at = m_disc.origin() + QPoint(x0, rect.top() + y);
                    copyLine(const_cast<uchar *>(m_screen->constScanLine(at.y())) + qsizetype(at.x()) * sizeof(QRgb),
                             picture.constScanLine(y) + qsizetype(x0) * sizeof(QRgb),
                             std::size_t(x1 - x0) * sizeof(QRgb), pastCache);
                }
                fenced = !pastCache;
                continue;
            }
            const QImage &picture = m_disc.renderRectOnBackdrop(m_turn, rect);
            if (!fenced) {
                fence();
                fenced = true;
            }
            painter->drawImage(QPointF(m_disc.origin() + rect.topLeft()), picture,
                               QRectF(rect.left(), 0, rect.width(), rect.height()));
        }
        if (!fenced)
            fence();
    } else {
        painter->drawImage(QPointF(m_disc.origin()), m_disc.render(m_turn));
    }
    painter->restore();
    return true;
}

void TSpinningPie::paintWedges(QPainter *painter)
{
    // Two passes: the wedges filled without anti-aliasing, then their outlines anti-aliased over
    // the edges. The outline covers the band where a smoothed fill would blend, so the picture is
    // the same, and the plain fills cost a fraction of smoothed ones.
    painter->save();
    painter->setPen(Qt::NoPen);
    for (int pass = 0; pass < 2; ++pass) {
        painter->setRenderHint(QPainter::Antialiasing, pass == 1);
        if (pass == 1)
            painter->setBrush(Qt::NoBrush);
        for (const Slice &slice : m_slices) {
            // The wedge as a polygon: the centre, then the arc in steps short enough to look round.
            m_outline.clear();
            m_outline.push_back(m_centre);
            const qreal from = slice.start + m_turn;
            const int steps = qMax(1, int(std::ceil(qDegreesToRadians(slice.span) * m_radius / ArcStep)));
            for (int i = 0; i <= steps; ++i)
                m_outline.push_back(m_centre + offset(from + slice.span * i / steps, m_radius));
            if (pass == 0)
                painter->setBrush(slice.brush);
            else
                painter->setPen(slice.pen);
            painter->drawPolygon(m_outline.data(), int(m_outline.size()));
        }
    }
    painter->restore();
}

bool TSpinningPie::paintAlone(QPaintEvent *event)
{
    if (!m_active || !m_view)
        return false;
    const QTransform toView = sceneTransform() * m_view->viewportTransform();
    QWidget *viewport = m_view->viewport();
    if (toView.type() > QTransform::TxTranslate) {
        fillBackground(viewport, event->region());
        return false;
    }
    // The view repaints an item with a margin for anti-aliasing.
    const QRect bounds = toView.mapRect(m_bounds).toAlignedRect().adjusted(-3, -3, 3, 3) & viewport->rect();
    if (!bounds.contains(event->region().boundingRect())) {
        // The view draws this itself; the fill it would have had beforehand is done here.
        fillBackground(viewport, event->region());
        return false;
    }
    const qreal ratio = viewport->devicePixelRatioF();
    if (m_backdrop.isNull() || m_backdropRect != bounds || m_backdropPlot != m_plot ||
        m_backdrop.devicePixelRatio() != ratio) {
        // Opaque, so that it is copied to the screen rather than blended.
        const QSize size = (QSizeF(bounds.size()) * ratio).toSize();
        m_backdrop = LargePages::image(size.width(), size.height(), QImage::Format_RGB32);
        m_backdrop.setDevicePixelRatio(ratio);
        QPainter painter(&m_backdrop);
        painter.fillRect(QRect(QPoint(), bounds.size()), viewport->palette().brush(viewport->backgroundRole()));
        painter.setRenderHints(m_view->renderHints());
        m_hidden = true;
        m_view->render(&painter, QRectF(QPointF(), bounds.size()), bounds, Qt::IgnoreAspectRatio);
        m_hidden = false;
        m_backdropRect = bounds;
        m_backdropPlot = m_plot;
        m_disc.clearBackdrop(); // drawn onto the new backdrop at the next paint
        m_lastFrame.valid = false;
    }
    QPainter painter(viewport);
    paintTurn(painter, event->region(), bounds, toView, QTransform(), QRect(), nullptr);
    return true;
}

bool TSpinningPie::paintStraight()
{
    if (!m_active || !m_view || !m_lastFrame.valid || m_backdrop.isNull())
        return false;
    QWidget *viewport = m_view->viewport();
    QWidget *window = viewport->window();
    QWindow *handle = window->windowHandle();
    QBackingStore *store = viewport->backingStore();
    const QTransform toView = sceneTransform() * m_view->viewportTransform();
    if (!store || !handle || !handle->isExposed() || !viewport->isVisible() || viewport->devicePixelRatioF() != 1 ||
        toView.type() > QTransform::TxTranslate)
        return false;
    const QRect bounds = toView.mapRect(m_bounds).toAlignedRect().adjusted(-3, -3, 3, 3) & viewport->rect();
    if (bounds != m_backdropRect || m_backdropPlot != m_plot || bounds.isEmpty())
        return false;
    // The viewport's place in the window, where the widgets' own painter would stand: in the
    // painter's world transform, under whatever the turn sets.
    const QPoint offset = viewport->mapTo(window, QPoint());
    const QRect onWindow = bounds.translated(offset);
    store->beginPaint(onWindow);
    bool painted = false;
    if (auto *picture = dynamic_cast<QImage *>(store->paintDevice()); picture && picture->devicePixelRatio() == 1) {
        // The window's pixels, in a picture that gives fonts the screen's resolution, as the
        // widgets' painter does: a picture's own would size the labels' points at 72 an inch. Kept
        // from turn to turn with the painting engine it makes.
        const int dpmX = qRound(viewport->logicalDpiX() / 0.0254), dpmY = qRound(viewport->logicalDpiY() / 0.0254);
        if (m_straightPicture.constBits() != picture->constBits() || m_straightPicture.size() != picture->size() ||
            m_straightPicture.bytesPerLine() != picture->bytesPerLine() ||
            m_straightPicture.format() != picture->format() || m_straightPicture.dotsPerMeterX() != dpmX ||
            m_straightPicture.dotsPerMeterY() != dpmY) {
            m_straightPicture = QImage(const_cast<uchar *>(picture->constBits()), picture->width(), picture->height(),
                                       picture->bytesPerLine(), picture->format());
            m_straightPicture.setDotsPerMeterX(dpmX);
            m_straightPicture.setDotsPerMeterY(dpmY);
        }
        QPainter painter(&m_straightPicture);
        m_straight = true;
        painted = paintTurn(painter, QRegion(bounds), bounds, toView, QTransform::fromTranslate(offset.x(), offset.y()),
                            onWindow, picture);
        m_straight = false;
    }
    store->endPaint();
    if (painted)
        store->flush(onWindow, handle);
    return painted;
}

bool TSpinningPie::paintTurn(QPainter &painter, const QRegion &region, const QRect &bounds, const QTransform &toView,
                             const QTransform &base, const QRect &allowedOnDevice, const QPaintDevice *screenDevice)
{
    const qreal ratio = m_view->viewport()->devicePixelRatioF();
    painter.setWorldTransform(base);
    // The backdrop's place on the device this paint goes to (a grab paints elsewhere than the screen).
    m_backdropOrigin = painter.deviceTransform().map(QPointF(bounds.topLeft())).toPoint();
    const QPaintDevice *device = screenDevice            ? screenDevice
                                 : painter.paintEngine() ? painter.paintEngine()->paintDevice()
                                                         : nullptr;
    QBackingStore *store = m_view->viewport()->backingStore();
    const bool onScreen = device && store && device == store->paintDevice();
    painter.setWorldTransform(toView * base);
    m_onBackdrop = true;
    QRect disc;
    // The disc drawn onto the backdrop covers its square with opaque pixels.
    if (prepareDisc(&painter) == DiscPicture::OnBackdrop) {
        const QRectF square(QPointF(bounds.topLeft()) + QPointF(m_disc.origin() - m_backdropOrigin) / ratio,
                            QSizeF(m_disc.size()) / ratio);
        disc = QRect(QPoint(int(std::ceil(square.left())), int(std::ceil(square.top()))),
                     QPoint(int(std::floor(square.right())) - 1, int(std::floor(square.bottom())) - 1));
    }
    labelAreas(toView, m_labelAreas);
    // Where the last turn is still on the screen and this paint reaches all that moves, only the
    // labels' old places need the backdrop again.
    bool keep = onScreen && !disc.isEmpty() && m_lastFrame.valid && m_lastFrame.device == device &&
                m_lastFrame.bounds == bounds && m_lastFrame.deviceTransform == painter.deviceTransform() &&
                region.rectCount() == 1;
    if (keep) {
        const QRect open = region.boundingRect();
        auto within = [&](const QRect &r) { return open.contains(r & bounds); };
        keep = within(disc) && std::all_of(m_labelAreas.begin(), m_labelAreas.end(), within) &&
               std::all_of(m_lastFrame.labels.begin(), m_lastFrame.labels.end(), within);
    }
    painter.setWorldTransform(base);
    // Where the painter paints the window's picture pixel for pixel, the copies of opaque pictures
    // go straight into it, within what the widget system lets this paint touch, so that the
    // disc's can write past the cache (copyPixels), which the painter's copies cannot.
    m_screen = nullptr;
    const QTransform &toDevice = painter.deviceTransform();
    if (onScreen && ratio == 1 && toDevice.type() <= QTransform::TxTranslate &&
        toDevice.dx() == std::round(toDevice.dx()) && toDevice.dy() == std::round(toDevice.dy())) {
        auto *screen = dynamic_cast<QImage *>(painter.paintEngine()->paintDevice());
        const QRegion allowed =
            allowedOnDevice.isEmpty() ? painter.paintEngine()->systemClip() : QRegion(allowedOnDevice);
        if (screen && allowed.rectCount() <= 1 &&
            (screen->format() == QImage::Format_RGB32 || screen->format() == QImage::Format_ARGB32_Premultiplied)) {
            m_screen = screen;
            // Each turn writes a few thousand of its rows, each in a page of its own.
            if (screen->constBits() != m_screenAdvised) {
                LargePages::advise(screen->constBits(), std::size_t(screen->sizeInBytes()));
                m_screenAdvised = screen->constBits();
            }
            m_screenClip = allowed.isEmpty() ? screen->rect() : allowed.boundingRect() & screen->rect();
            m_screenOffset = QPoint(int(toDevice.dx()), int(toDevice.dy()));
        }
    }
    // Rectangle by rectangle and unclipped: a clip of many rectangles sends the raster engine
    // through spans, which it shares out to threads, and waking them costs more than the copy.
    auto copyBackdrop = [&](const QRect &rect) {
        if (m_screen && m_screenClip.contains(rect.translated(m_screenOffset))) {
            copyPixels(m_backdrop, rect.translated(-bounds.topLeft()), m_screen, rect.topLeft() + m_screenOffset,
                       false);
            return;
        }
        painter.drawImage(rect, m_backdrop,
                          QRectF(QPointF(rect.topLeft() - bounds.topLeft()) * ratio, QSizeF(rect.size()) * ratio));
    };
    if (keep) {
        // Of the disc, what the edges swept since the last turn, and whatever of it the labels' old
        // places, now cleared, reach.
        m_disc.changedBetween(m_lastFrame.turn, m_turn, m_discRects);
        const QRect square(QPoint(), m_disc.size());
        for (const QRect &old : m_lastFrame.labels) {
            const QRect rect = old & bounds;
            if (rect.isEmpty())
                continue;
            copyBackdrop(rect);
            const QRect over =
                painter.deviceTransform().mapRect(QRectF(rect)).toAlignedRect().translated(-m_disc.origin()) & square;
            if (!m_disc.touches(over))
                continue;
            for (int top = over.top() / TPieDisc::BandRows * TPieDisc::BandRows; top <= over.bottom();
                 top += TPieDisc::BandRows)
                m_discRects.push_back(over & QRect(0, top, square.width(), TPieDisc::BandRows));
        }
    } else {
        // All of it from the backdrop, the disc's square too: the disc is drawn over only the
        // columns it touches.
        m_disc.bands(m_discRects);
        for (const QRect &rect : region)
            copyBackdrop(rect);
    }
    if (region.rectCount() == 1)
        painter.setClipRect(region.boundingRect());
    else
        painter.setClipRegion(region);
    painter.setWorldTransform(toView * base);
    paint(&painter, nullptr, nullptr);
    m_onBackdrop = false;
    m_screen = nullptr;
    if (onScreen) {
        // Valid once a paint has reached the whole of the item: then nothing older is left.
        const QRect item = toView.mapRect(m_bounds).toAlignedRect() & m_view->viewport()->rect();
        m_lastFrame.valid =
            !disc.isEmpty() && region.rectCount() == 1 && (keep || region.boundingRect().contains(item));
        m_lastFrame.device = device;
        m_lastFrame.bounds = bounds;
        m_lastFrame.deviceTransform = painter.deviceTransform();
        m_lastFrame.turn = m_turn;
        std::swap(m_lastFrame.labels, m_labelAreas);
    }
    return true;
}

void TSpinningPie::labelAreas(const QTransform &toView, std::vector<QRect> &areas) const
{
    areas.clear();
    QPointF arm[3];
    for (const Slice &slice : m_slices) {
        if (!slice.labelled)
            continue;
        const QRectF text = labelRect(slice, &arm[0], &arm[1], &arm[2]);
        if (!m_plot.contains(text))
            continue;
        // The glyphs with the stroke beneath them, and the slanted stroke in short pieces, whose
        // boxes together cover far less than the box of the whole arm.
        const QRectF ink = slice.ink.translated(text.topLeft() + TextOffset);
        areas.push_back(
            toView.mapRect(ink.united(QRectF(arm[1], arm[2]).normalized())).toAlignedRect().adjusted(-2, -2, 2, 2));
        // A one-pixel stroke reaches less than two pixels beyond its line, so the box nearest the
        // disc stays clear of it (the arm starts ArmGap out) and clearing it leaves the disc whole.
        const QPointF from = toView.map(arm[0]), to = toView.map(arm[1]);
        const int pieces = qMax(1, int(std::ceil(QLineF(from, to).length() / 12)));
        for (int i = 0; i < pieces; ++i) {
            const QPointF a = from + (to - from) * i / pieces, b = from + (to - from) * (i + 1) / pieces;
            areas.push_back(QRectF(a, b).normalized().toAlignedRect().adjusted(-1, -1, 1, 1));
        }
    }
}

void TSpinningPie::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (m_hidden)
        return;
    painter->save();
    painter->setClipRect(m_plot);
    if (!paintDisc(painter))
        paintWedges(painter);
    QPointF arm[3];
    for (const Slice &slice : m_slices) {
        if (!slice.labelled)
            continue;
        const QRectF text = labelRect(slice, &arm[0], &arm[1], &arm[2]);
        // The chart hides a label that would stand outside its plot area, arm and all.
        if (!m_plot.contains(text))
            continue;
        painter->setPen(slice.armPen);
        painter->drawPolyline(arm, 3);
        const QFont &font = m_straight ? slice.screenFont : slice.labelFont;
        if (painter->font() != font)
            painter->setFont(font);
        painter->drawStaticText(text.topLeft() + TextOffset, slice.label);
    }
    painter->restore();
}
