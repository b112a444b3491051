#include "about/digmarquee.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

// The resource lives in a static library, whose registration object the linker would otherwise drop.
static void initAboutResources()
{
    Q_INIT_RESOURCE(about);
}

namespace {
constexpr int DefaultInterval = 50;
} // namespace

TDigMarquee::TDigMarquee(QWidget *parent) : QWidget(parent), m_timer(new QTimer(this))
{
    // Every pixel is painted each time; nothing behind needs to show through.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(128, 21);
    m_timer->setInterval(DefaultInterval);
    connect(m_timer, &QTimer::timeout, this, &TDigMarquee::TimerTick);
    setCaption(QStringLiteral("digital marquee by ~4f ashgrove software~1f"));
    updateTimer();
}

QImage TDigMarquee::glyphSheet()
{
    static const bool registered = (initAboutResources(), true);
    Q_UNUSED(registered);
    return QImage(QStringLiteral(":/images/dmletter.png"));
}

void TDigMarquee::setCaption(const QString &caption)
{
    m_caption = caption;
    m_x = width();
    m_loopsLeft = m_loops;
    BuildStrip();
}

void TDigMarquee::setLoops(int loops)
{
    m_loops = loops;
    m_loopsLeft = loops;
    m_finished = false;
}

void TDigMarquee::setInterval(quint16 interval)
{
    m_interval = interval;
    m_timer->setInterval(interval);
    updateTimer();
}

bool TDigMarquee::isTimerActive() const
{
    return m_timer->isActive();
}

void TDigMarquee::updateTimer()
{
    // A zero interval means no ticks at all, not a tick whenever the event loop is idle.
    if (isEnabled() && m_interval > 0) {
        if (!m_timer->isActive())
            m_timer->start();
    } else {
        m_timer->stop();
    }
}

void TDigMarquee::BuildStrip()
{
    const QImage sheet = glyphSheet().convertToFormat(QImage::Format_RGB32);
    const QList<MarqueeCaption::Cell> cells = MarqueeCaption::parse(m_caption);
    const int drawn = int(cells.size());

    m_x = width();
    if (drawn == 0) {
        m_strip = QImage();
        return;
    }
    QImage strip(GlyphWidth * drawn, 2 * GlyphHeight, QImage::Format_RGB32);
    strip.fill(Qt::black);
    QPainter painter(&strip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < drawn; ++i) {
        const MarqueeCaption::Cell &c = cells[i];
        const QRect cell(GlyphWidth * c.glyph, GlyphHeight * c.row, GlyphWidth, GlyphHeight);
        painter.drawImage(QPoint(GlyphWidth * i, 0), sheet, cell);
        if (!c.blinking)
            painter.drawImage(QPoint(GlyphWidth * i, GlyphHeight), sheet, cell);
    }
    painter.end();
    m_strip = strip;
}

void TDigMarquee::TimerTick()
{
    if (m_flashTicks > 0) {
        ++m_blinkCounter;
    } else {
        // Also forget a count left from an earlier positive setting, so 0 really keeps it still.
        m_blinkPhase = false;
        m_blinkCounter = 0;
    }
    if (m_blinkCounter > m_flashTicks) {
        m_blinkCounter = 0;
        m_blinkPhase = !m_blinkPhase;
    }

    const int w = m_strip.width();
    const int speed = m_speed;
    m_x -= speed;
    if (m_loopsLeft > 1) {
        if (m_x < -w - speed) {
            m_x = width();
            --m_loopsLeft;
        }
    } else if (m_loopsLeft == 1) {
        if (m_x < -w) {
            m_x = -w;
            if (!m_finished) {
                m_finished = true;
                emit finishScrolling();
            }
        }
    } else if (m_x < -w - speed) {
        m_x = width();
    }

    repaint();
}

TDigMarquee::DotGrid TDigMarquee::dotGrid(qreal scale)
{
    // The glyphs' dots lie every second pixel: a whole number of device pixels from one to the next,
    // and each dot a whole number of device pixels, about half of that.
    const int pitch = std::max(2, qRound(2 * scale));
    return {pitch / 2.0, (pitch + 1) / 2};
}

void TDigMarquee::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QTransform toDevice = painter.deviceTransform();
    const qreal scale = toDevice.m11();
    if (scale == 1.0) {
        if (!m_strip.isNull() && isEnabled()) {
            const int top = (height() - GlyphHeight) / 2;
            const QRect half(0, m_blinkPhase ? GlyphHeight : 0, m_strip.width(), GlyphHeight);
            painter.drawImage(QPoint(m_x, top), m_strip, half);
        }
        return;
    }
    // At other scales each dot is drawn as a square of whole device pixels: scaled as an image, the
    // dots would come out one or two device pixels wide by turns, some merging into bars.
    const QPointF corner = toDevice.map(QPointF(0, 0));
    const QPointF end = toDevice.map(QPointF(width(), height()));
    const QRect device(QPoint(qRound(corner.x()), qRound(corner.y())),
                       QPoint(qRound(end.x()) - 1, qRound(end.y()) - 1));
    painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    if (m_strip.isNull() || !isEnabled())
        return;
    painter.setClipRect(device);
    const DotGrid grid = dotGrid(scale);
    const int top = device.top() + (device.height() - int(GlyphHeight * grid.step)) / 2;
    const int row0 = m_blinkPhase ? GlyphHeight : 0;
    // Only the columns of the strip that fall inside the widget.
    const int first = std::max(0, int(-m_x) - 1);
    const int last = std::min(m_strip.width(), int(std::ceil(device.width() / grid.step)) - m_x + 1);
    for (int x = first; x < last; ++x) {
        const int left = device.left() + int(std::floor((m_x + x) * grid.step));
        for (int y = 0; y < GlyphHeight; ++y) {
            const QRgb dot = m_strip.pixel(x, row0 + y);
            if (qRed(dot) | qGreen(dot) | qBlue(dot))
                painter.fillRect(left, top + int(std::floor(y * grid.step)), grid.dot, grid.dot, QColor(dot));
        }
    }
}

void TDigMarquee::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        updateTimer();
        m_x = width();
        repaint();
    }
    QWidget::changeEvent(event);
}
