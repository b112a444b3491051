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

namespace
{
constexpr int SheetGlyphs = 67;
constexpr int SheetRows = 5;
constexpr int DefaultInterval = 50;

// Glyph cells after "Z" and "9", in sheet order from index 36; the blank stands at BlankGlyph.
constexpr char32_t Symbols[] = U":.+-$ !@#%&*()=\\/?;\",'^_|{}[]<>";
static_assert(sizeof(Symbols) / sizeof(Symbols[0]) - 1 == SheetGlyphs - 36, "one symbol per cell");
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

int TDigMarquee::GlyphIndex(char32_t ch)
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
    const QList<uint> text = m_caption.toUcs4();

    QImage strip(GlyphWidth * int(text.size()), 2 * GlyphHeight, QImage::Format_RGB32);
    strip.fill(Qt::black);
    int row = 0;
    bool blinking = false;
    bool escape = false;
    int drawn = 0;
    {
        QPainter painter(&strip);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const uint ch : text) {
            const int g = GlyphIndex(char32_t(ch));
            if (g == EscapeGlyph) {
                escape = true;
            } else if (escape) {
                if (g == GlyphIndex(U'F'))
                    blinking = !blinking;
                else if (g >= GlyphIndex(U'1') && g < GlyphIndex(U'1') + SheetRows)
                    row = g - GlyphIndex(U'1');
                else if (g == BlankGlyph)
                    escape = false;
            } else {
                const QRect cell(GlyphWidth * g, GlyphHeight * row, GlyphWidth, GlyphHeight);
                const int left = GlyphWidth * drawn;
                ++drawn;
                painter.drawImage(QPoint(left, 0), sheet, cell);
                if (!blinking)
                    painter.drawImage(QPoint(left, GlyphHeight), sheet, cell);
            }
        }
    }
    m_x = width();
    m_strip = drawn > 0 ? strip.copy(0, 0, GlyphWidth * drawn, 2 * GlyphHeight) : QImage();
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
