#include "about/digmarquee.h"
#include "about/marqueecaption.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {
constexpr int W = TDigMarquee::GlyphWidth;
constexpr int H = TDigMarquee::GlyphHeight;

// Sheet order, written out independently of the control's own table.
const QString SheetOrder = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789:.+-$ !@#%&*()=\\/?;\",'^_|{}[]<>");

QImage cell(const QImage &image, int left, int top)
{
    return image.copy(left, top, W, H).convertToFormat(QImage::Format_RGB32);
}

bool isBlack(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                return false;
    return true;
}

struct Pattern {
    QString name;
    QStringList rows;
};

// The dot patterns the sheet is drawn from.
QList<Pattern> readPatterns()
{
    QFile file(QStringLiteral(LIFETALLY_SOURCE_DIR "/resources/glyphs/dmletter.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<Pattern> patterns;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.startsWith(QLatin1String("= ")))
            patterns.append({line.section(QLatin1Char(' '), 2), {}});
        else if (!patterns.isEmpty() && !line.isEmpty() && !line.startsWith(QLatin1Char(';')))
            patterns.last().rows.append(line);
    }
    return patterns;
}

// Puts the strip's left edge at the control's left edge and then holds it there.
void parkAtLeftEdge(TDigMarquee &marquee)
{
    marquee.setSpeed(quint16(marquee.width()));
    marquee.TimerTick();
    marquee.setSpeed(0);
}
} // namespace

class TestDigMarquee : public QObject
{
    Q_OBJECT

private slots:
    void sheetMatchesPatterns();
    void glyphIndexWholeSheet();
    void glyphIndexOthers_data();
    void glyphIndexOthers();
    void buildStrip_data();
    void buildStrip();
    void passes_data();
    void passes();
    void endless_data();
    void endless();
    void settingLoopsRearms();
    void blink_data();
    void blink();
    void blinkOffMidCount();
    void paintsStripHalf_data();
    void paintsStripHalf();
    void disabled();
    void zeroIntervalStopsTicks();
    void dotsOfEqualSize_data();
    void dotsOfEqualSize();
};

void TestDigMarquee::sheetMatchesPatterns()
{
    const QList<Pattern> patterns = readPatterns();
    QCOMPARE(patterns.size(), 67);
    const QImage sheet = TDigMarquee::glyphSheet().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(sheet.size(), QSize(737, 95));

    const QRgb colours[] = {qRgb(0, 255, 0), qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 255, 255),
                            qRgb(255, 255, 255)};
    QSet<QString> shapes;
    for (int g = 0; g < patterns.size(); ++g) {
        const Pattern &p = patterns.at(g);
        QCOMPARE(p.rows.size(), 9);
        const QString shape = p.rows.join(QString());
        QVERIFY2(!shapes.contains(shape), qPrintable(QStringLiteral("glyph %1 repeats another").arg(p.name)));
        shapes.insert(shape);
        QCOMPARE(shape.contains(QLatin1Char('#')), p.name != QLatin1String("blank"));
        for (int row = 0; row < 5; ++row) {
            for (int y = 0; y < H; ++y) {
                for (int x = 0; x < W; ++x) {
                    const bool dot =
                        x % 2 == 1 && y % 2 == 1 && y < 18 && p.rows.at(y / 2).at(x / 2) == QLatin1Char('#');
                    const QRgb expected = dot ? colours[row] : qRgb(0, 0, 0);
                    if (sheet.pixel(W * g + x, H * row + y) != expected)
                        QFAIL(qPrintable(QStringLiteral("glyph %1 (%2), colour row %3, pixel %4,%5")
                                             .arg(g)
                                             .arg(p.name)
                                             .arg(row)
                                             .arg(x)
                                             .arg(y)));
                }
            }
        }
    }
}

void TestDigMarquee::glyphIndexWholeSheet()
{
    QCOMPARE(SheetOrder.size(), 67);
    for (int i = 0; i < SheetOrder.size(); ++i)
        QCOMPARE(MarqueeCaption::glyphIndex(SheetOrder.at(i).unicode()), i);
}

void TestDigMarquee::glyphIndexOthers_data()
{
    QTest::addColumn<uint>("ch");
    QTest::addColumn<int>("index");
    QTest::newRow("lower a like A") << uint('a') << 0;
    QTest::newRow("lower m like M") << uint('m') << 12;
    QTest::newRow("lower z like Z") << uint('z') << 25;
    QTest::newRow("tilde escapes") << uint('~') << -1;
    QTest::newRow("backquote blank") << uint('`') << 41;
    QTest::newRow("tab blank") << uint('\t') << 41;
    QTest::newRow("nul blank") << uint(0) << 41;
    QTest::newRow("e acute blank, not E") << uint(0xE9) << 41;
    QTest::newRow("fullwidth A blank") << uint(0xFF21) << 41;
    QTest::newRow("euro blank") << uint(0x20AC) << 41;
    QTest::newRow("emoji blank") << uint(0x1F600) << 41;
}

void TestDigMarquee::glyphIndexOthers()
{
    QFETCH(uint, ch);
    QFETCH(int, index);
    QCOMPARE(MarqueeCaption::glyphIndex(char32_t(ch)), index);
}

void TestDigMarquee::buildStrip_data()
{
    // glyphs: what is drawn, in order; rows: colour row per glyph; blinks: "1" where it blinks.
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("glyphs");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("blinks");

    QTest::newRow("cyan escape") << QStringLiteral("~4 come check") << QStringLiteral("COME CHECK")
                                 << QStringLiteral("3333333333") << QStringLiteral("0000000000");
    QTest::newRow("blinking cyan, then reset")
        << QStringLiteral("by ~4f ashgrove software~1f") << QStringLiteral("BY ASHGROVE SOFTWARE")
        << QStringLiteral("00033333333333333333") << QStringLiteral("00011111111111111111");
    QTest::newRow("empty") << QString() << QString() << QString() << QString();
    QTest::newRow("only escapes") << QStringLiteral("~4 ~f ~5~1 ~") << QString() << QString() << QString();
    QTest::newRow("tilde at the end") << QStringLiteral("ab~") << QStringLiteral("AB") << QStringLiteral("00")
                                      << QStringLiteral("00");
    QTest::newRow("open escape swallows the rest")
        << QStringLiteral("ab~cd.ef") << QStringLiteral("AB") << QStringLiteral("00") << QStringLiteral("00");
    QTest::newRow("letters after ~4 are codes") << QStringLiteral("~4hello world") << QStringLiteral("WORLD")
                                                << QStringLiteral("33333") << QStringLiteral("00000");
    QTest::newRow("f among the codes blinks") << QStringLiteral("~4fun times") << QStringLiteral("TIMES")
                                              << QStringLiteral("33333") << QStringLiteral("11111");
    QTest::newRow("later digit wins") << QStringLiteral("~4x2 hi") << QStringLiteral("HI") << QStringLiteral("11")
                                      << QStringLiteral("00");
    QTest::newRow("6 and second tilde ignored")
        << QStringLiteral("~6~5 a~6 b") << QStringLiteral("AB") << QStringLiteral("44") << QStringLiteral("00");
    QTest::newRow("unknown character closes escape")
        << QStringLiteral("~3\u00E9x") << QStringLiteral("X") << QStringLiteral("2") << QStringLiteral("0");
    QTest::newRow("one blinking glyph between steady ones")
        << QStringLiteral("a~f b~f c") << QStringLiteral("ABC") << QStringLiteral("000") << QStringLiteral("010");
    QTest::newRow("lower case and unknown as blanks") << QStringLiteral("Az\u20AC9\t") << QStringLiteral("AZ 9 ")
                                                      << QStringLiteral("00000") << QStringLiteral("00000");
    QTest::newRow("default caption") << QStringLiteral("digital marquee by ~4f ashgrove software~1f")
                                     << QStringLiteral("DIGITAL MARQUEE BY ASHGROVE SOFTWARE")
                                     << QString(19, QLatin1Char('0')) + QString(17, QLatin1Char('3'))
                                     << QString(19, QLatin1Char('0')) + QString(17, QLatin1Char('1'));
}

void TestDigMarquee::buildStrip()
{
    QFETCH(QString, caption);
    QFETCH(QString, glyphs);
    QFETCH(QString, rows);
    QFETCH(QString, blinks);

    TDigMarquee marquee;
    marquee.resize(200, 21);
    marquee.setCaption(caption);
    QCOMPARE(marquee.caption(), caption);
    QCOMPARE(marquee.xPosition(), 200);

    const QImage &strip = marquee.strip();
    QCOMPARE(strip.width(), W * int(glyphs.size()));
    if (glyphs.isEmpty())
        return;
    QCOMPARE(strip.height(), 2 * H);

    const QImage sheet = TDigMarquee::glyphSheet();
    for (int i = 0; i < glyphs.size(); ++i) {
        const int g = MarqueeCaption::glyphIndex(glyphs.at(i).unicode());
        const QImage expected = cell(sheet, W * g, H * rows.at(i).digitValue());
        const QString where = QStringLiteral("glyph %1 '%2'").arg(i).arg(glyphs.at(i));
        QVERIFY2(cell(strip, W * i, 0) == expected, qPrintable(where + QStringLiteral(", upper half")));
        if (blinks.at(i) == QLatin1Char('1'))
            QVERIFY2(isBlack(cell(strip, W * i, H)), qPrintable(where + QStringLiteral(", lower half not black")));
        else
            QVERIFY2(cell(strip, W * i, H) == expected, qPrintable(where + QStringLiteral(", lower half")));
    }
}

void TestDigMarquee::passes_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("loops");
    QTest::addColumn<int>("finishTick");

    // Width 128, "ab" is 22 wide. A pass that is not the last wraps once x < -w - speed; the last
    // one stops once x < -w.
    QTest::newRow("one pass") << QStringLiteral("ab") << 4 << 1 << 38;
    QTest::newRow("two passes") << QStringLiteral("ab") << 4 << 2 << 39 + 38;
    QTest::newRow("three passes at speed 6") << QStringLiteral("ab") << 6 << 3 << 27 + 27 + 26;
    QTest::newRow("empty caption still counts") << QString() << 4 << 2 << 34 + 33;
}

void TestDigMarquee::passes()
{
    QFETCH(QString, caption);
    QFETCH(int, speed);
    QFETCH(int, loops);
    QFETCH(int, finishTick);

    TDigMarquee marquee;
    marquee.setCaption(caption);
    marquee.setSpeed(quint16(speed));
    marquee.setLoops(loops);
    QSignalSpy finished(&marquee, &TDigMarquee::finishScrolling);
    const int w = marquee.strip().width();

    int wraps = 0;
    for (int tick = 1; tick <= finishTick + 100; ++tick) {
        const int before = marquee.xPosition();
        marquee.TimerTick();
        if (marquee.xPosition() > before)
            ++wraps;
        QCOMPARE(finished.count(), tick < finishTick ? 0 : 1);
        QCOMPARE(marquee.finished(), tick >= finishTick);
        if (tick >= finishTick)
            QCOMPARE(marquee.xPosition(), -w);
    }
    QCOMPARE(wraps, loops - 1);
    QCOMPARE(marquee.loopsLeft(), 1);

    // A new caption starts over from the right edge, but the event does not come again.
    marquee.setCaption(caption);
    QCOMPARE(marquee.xPosition(), marquee.width());
    for (int tick = 0; tick < 100; ++tick)
        marquee.TimerTick();
    QCOMPARE(marquee.xPosition(), -w);
    QCOMPARE(finished.count(), 1);
}

void TestDigMarquee::endless_data()
{
    QTest::addColumn<int>("loops");
    QTest::newRow("default -1") << -1;
    QTest::newRow("zero") << 0;
    QTest::newRow("very negative") << -100;
}

void TestDigMarquee::endless()
{
    QFETCH(int, loops);

    TDigMarquee marquee;
    marquee.setCaption(QStringLiteral("ab"));
    marquee.setLoops(loops);
    QSignalSpy finished(&marquee, &TDigMarquee::finishScrolling);

    int wraps = 0;
    for (int tick = 1; tick <= 39 * 10; ++tick) {
        marquee.TimerTick();
        QVERIFY(marquee.xPosition() >= -22 - 4);
        if (marquee.xPosition() == 128) {
            ++wraps;
            QCOMPARE(tick % 39, 0);
        }
    }
    QCOMPARE(wraps, 10);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(marquee.loopsLeft(), loops);
}

void TestDigMarquee::settingLoopsRearms()
{
    TDigMarquee marquee;
    marquee.setCaption(QStringLiteral("ab"));
    marquee.setLoops(1);
    QSignalSpy finished(&marquee, &TDigMarquee::finishScrolling);
    for (int tick = 0; tick < 50; ++tick)
        marquee.TimerTick();
    QCOMPARE(finished.count(), 1);

    // Setting the count again does not move the text, so the resting text finishes at once.
    marquee.setLoops(1);
    QVERIFY(!marquee.finished());
    QCOMPARE(marquee.xPosition(), -22);
    marquee.TimerTick();
    QCOMPARE(finished.count(), 2);
    QCOMPARE(marquee.xPosition(), -22);
}

void TestDigMarquee::blink_data()
{
    QTest::addColumn<int>("flashTicks");
    QTest::addColumn<QString>("phases"); // after each tick, "1" when the lower half is shown

    QTest::newRow("default 5: flips every 6 ticks") << 5 << QStringLiteral("0000011111100000011");
    QTest::newRow("1: flips every 2 ticks") << 1 << QStringLiteral("0110011001100110011");
    QTest::newRow("0: never") << 0 << QStringLiteral("0000000000000000000");
    QTest::newRow("-1: always hidden") << -1 << QStringLiteral("1111111111111111111");
    QTest::newRow("-7: always hidden") << -7 << QStringLiteral("1111111111111111111");
}

void TestDigMarquee::blink()
{
    QFETCH(int, flashTicks);
    QFETCH(QString, phases);

    TDigMarquee marquee;
    marquee.setFlashTicks(flashTicks);
    QString seen;
    for (int tick = 0; tick < phases.size(); ++tick) {
        marquee.TimerTick();
        seen += marquee.blinkPhase() ? QLatin1Char('1') : QLatin1Char('0');
    }
    QCOMPARE(seen, phases);
}

void TestDigMarquee::blinkOffMidCount()
{
    TDigMarquee marquee;
    for (int tick = 0; tick < 8; ++tick)
        marquee.TimerTick();
    QVERIFY(marquee.blinkPhase());
    // A count left over from the blinking setting must not flash the phase once more.
    marquee.setFlashTicks(0);
    for (int tick = 0; tick < 20; ++tick) {
        marquee.TimerTick();
        QVERIFY(!marquee.blinkPhase());
    }
}

void TestDigMarquee::paintsStripHalf_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("21 high, steady half") << 21 << false;
    QTest::newRow("21 high, blinking hidden") << 21 << true;
    QTest::newRow("40 high") << 40 << false;
    QTest::newRow("19 high") << 19 << true;
    QTest::newRow("15 high, clipped") << 15 << false;
}

void TestDigMarquee::paintsStripHalf()
{
    QFETCH(int, height);
    QFETCH(bool, hidden);

    TDigMarquee marquee;
    marquee.resize(128, height);
    marquee.setCaption(QStringLiteral("a~f b~f c"));
    marquee.setFlashTicks(hidden ? -1 : 0);
    parkAtLeftEdge(marquee);
    QCOMPARE(marquee.xPosition(), 0);
    QCOMPARE(marquee.blinkPhase(), hidden);

    const QImage shown = marquee.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(128, height));
    const int top = (height - H) / 2; // toward zero, so it is negative when the control is short
    const QImage &strip = marquee.strip();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < 128; ++x) {
            const int sy = y - top;
            const bool inStrip = x < strip.width() && sy >= 0 && sy < H;
            const QRgb expected = inStrip ? strip.pixel(x, sy + (hidden ? H : 0)) : qRgb(0, 0, 0);
            if (shown.pixel(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }
    // The blinking B is lit in one phase and gone in the other.
    QCOMPARE(isBlack(shown.copy(W, qMax(0, top), W, qMin(H, height))), hidden);
}

void TestDigMarquee::disabled()
{
    TDigMarquee marquee;
    marquee.setCaption(QStringLiteral("abc"));
    QVERIFY(marquee.isTimerActive());
    parkAtLeftEdge(marquee);
    QVERIFY(!isBlack(marquee.grab().toImage()));

    marquee.setEnabled(false);
    QVERIFY(!marquee.isTimerActive());
    QCOMPARE(marquee.xPosition(), 128);
    parkAtLeftEdge(marquee);
    QCOMPARE(marquee.xPosition(), 0);
    QVERIFY(isBlack(marquee.grab().toImage()));

    marquee.setEnabled(true);
    QVERIFY(marquee.isTimerActive());
    QCOMPARE(marquee.xPosition(), 128);
}

void TestDigMarquee::zeroIntervalStopsTicks()
{
    TDigMarquee marquee;
    marquee.setInterval(0);
    QVERIFY(!marquee.isTimerActive());
    marquee.setInterval(60);
    QVERIFY(marquee.isTimerActive());
    marquee.setEnabled(false);
    marquee.setInterval(70);
    QVERIFY(!marquee.isTimerActive());
}

void TestDigMarquee::dotsOfEqualSize_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::newRow("1") << qreal(1);
    QTest::newRow("1.25") << qreal(1.25);
    QTest::newRow("1.5") << qreal(1.5);
    QTest::newRow("2") << qreal(2);
}

// At a fractional scale every dot is a square of the same size, no two merged into a bar.
void TestDigMarquee::dotsOfEqualSize()
{
    QFETCH(qreal, scale);
    TDigMarquee marquee;
    marquee.resize(128, 21);
    marquee.setCaption(QStringLiteral("HI 80"));
    marquee.setSpeed(100);
    marquee.TimerTick();
    QImage image(int(128 * scale), int(21 * scale), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::blue);
    marquee.render(&image);
    const int dot = TDigMarquee::dotGrid(scale).dot;
    QSet<int> runs;
    int lit = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x <= image.width(); ++x) {
            const QRgb pixel = x < image.width() ? image.pixel(x, y) : qRgb(0, 0, 0);
            QVERIFY(pixel != qRgb(0, 0, 255)); // every pixel painted
            if (pixel != qRgb(0, 0, 0)) {
                ++run;
                ++lit;
            } else if (run > 0) {
                runs.insert(std::exchange(run, 0));
            }
        }
    }
    QVERIFY(lit > 0);
    QCOMPARE(runs, QSet<int>{dot});
}

QTEST_MAIN(TestDigMarquee)
#include "tst_digmarquee.moc"
