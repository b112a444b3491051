#include "about/gradientback.h"

#include <QTest>

class TestGradientBack : public QObject
{
    Q_OBJECT

private slots:
    void bands_data();
    void bands();
};

void TestGradientBack::bands_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("allBlue");
    QTest::newRow("blue, 255 high") << 255 << true;
    QTest::newRow("blue, 316 high (about window)") << 316 << true;
    QTest::newRow("blue to red, 316 high") << 316 << false;
    QTest::newRow("blue, 100 high (bands overlap)") << 100 << true;
}

// Band i >= 1 starts at row floor((i - 1) * height / 255) and is int(step + 1) rows high, band 1
// covering band 0, so each row shows the last band that starts at or above it. The expectation is
// worked out in exact integer arithmetic, independently of the control's float step.
void TestGradientBack::bands()
{
    QFETCH(int, height);
    QFETCH(bool, allBlue);

    TGradientBack back;
    back.setIsAllBlue(allBlue);
    back.resize(37, height);
    const QImage image = back.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(37, height));

    for (int y = 0; y < height; ++y) {
        int band = 1;
        while (band < 255 && (band * height) / 255 <= y)
            ++band;
        const QRgb expected = allBlue ? qRgb(0, 0, 255 - band) : qRgb(band, 0, 255 - band);
        for (int x : {0, 36}) {
            if (image.pixel(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("row %1, column %2: got #%3, expected band %4 #%5")
                                     .arg(y)
                                     .arg(x)
                                     .arg(image.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                     .arg(band)
                                     .arg(expected & 0xFFFFFF, 6, 16, QLatin1Char('0'))));
        }
    }
    // Bright blue at the top, black (or red) at the bottom.
    QVERIFY(qBlue(image.pixel(0, 0)) >= 250);
    QCOMPARE(qBlue(image.pixel(0, height - 1)), 0);
}

QTEST_MAIN(TestGradientBack)
#include "tst_gradientback.moc"
