#pragma once

#include "about/marqueecaption.h"
#include <QImage>
#include <QString>
#include <QWidget>

class QTimer;

// A one-line scrolling sign in the look of a dot-matrix display. The caption is drawn once into a
// strip of glyphs cut from the glyph sheet; each timer tick only slides that strip leftwards.
//
// Caption escapes: "~" opens an escape in which "1" to "5" pick the colour row (green, red,
// yellow, cyan, white), "F"/"f" toggles blinking, and a blank (or any character without a glyph)
// closes it; nothing inside an escape is drawn. The widget's enabled state switches scrolling and
// drawing of the text on and off.
class TDigMarquee : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(quint16 speed READ speed WRITE setSpeed)
    Q_PROPERTY(int loops READ loops WRITE setLoops)
    Q_PROPERTY(quint16 interval READ interval WRITE setInterval)
    Q_PROPERTY(int flashTicks READ flashTicks WRITE setFlashTicks)

public:
    static constexpr int GlyphWidth = 11;
    static constexpr int GlyphHeight = 19;
    static constexpr int BlankGlyph = MarqueeCaption::BlankGlyph;
    static constexpr int EscapeGlyph = MarqueeCaption::EscapeGlyph;

    explicit TDigMarquee(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // Pixels the text moves left per tick.
    quint16 speed() const { return m_speed; }
    void setSpeed(quint16 speed) { m_speed = speed; }
    // Number of passes; 0 or less scrolls without end.
    int loops() const { return m_loops; }
    void setLoops(int loops);
    // Milliseconds between ticks; 0 stops the ticks.
    quint16 interval() const { return m_interval; }
    void setInterval(quint16 interval);
    // The blink phase flips after every flashTicks + 1 ticks; 0 turns blinking off, a negative
    // value keeps the blinking glyphs hidden.
    int flashTicks() const { return m_flashTicks; }
    void setFlashTicks(int ticks) { m_flashTicks = ticks; }

    // The glyph sheet the program carries: 67 cells of 11 x 19 pixels in five colour rows.
    static QImage glyphSheet();

    // How the glyphs' pixels are laid out on the screen's device pixels at a scale: a strip pixel
    // every `step` device pixels (rounded down), each lit one a square of `dot` device pixels.
    struct DotGrid {
        qreal step;
        int dot;
    };
    static DotGrid dotGrid(qreal scale);

    // One tick: advance the blink phase, move the text, repaint. The timer calls it; tests call
    // it directly.
    void TimerTick();

    // Read-only state, for tests and for the curious.
    int xPosition() const { return m_x; }
    // Upper half: every drawn glyph; lower half: the same without the blinking ones.
    const QImage &strip() const { return m_strip; }
    bool blinkPhase() const { return m_blinkPhase; }
    int loopsLeft() const { return m_loopsLeft; }
    bool finished() const { return m_finished; }
    bool isTimerActive() const;

signals:
    // Once, when the last of a limited number of passes has ended.
    void finishScrolling();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void BuildStrip();
    void updateTimer();

    QString m_caption;
    quint16 m_speed = 4;
    int m_loops = -1;
    quint16 m_interval = 50;
    int m_flashTicks = 5;
    QImage m_strip;
    int m_x = 0;
    QTimer *m_timer = nullptr;
    int m_loopsLeft = -1;
    bool m_finished = false;
    bool m_blinkPhase = false; // false: the upper half of the strip is shown
    int m_blinkCounter = 0;
};
