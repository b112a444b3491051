#include "about/digmarquee.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

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

void TDigMarquee::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_strip.isNull() && isEnabled()) {
        const int top = (height() - GlyphHeight) / 2;
        const QRect half(0, m_blinkPhase ? GlyphHeight : 0, m_strip.width(), GlyphHeight);
        painter.drawImage(QPoint(m_x, top), m_strip, half);
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
