// Contrast by the WCAG measure, and colours lifted or deepened until they reach it.
#include "results/chartcolour.h"
#include "widgets/contrast.h"

#include <QTest>

class TestContrast : public QObject
{
    Q_OBJECT
private slots:
    void ratio()
    {
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(contrastRatio(Qt::white, Qt::white), 1.0);
        // The WCAG's own example: #777 on white is just under 4.5.
        QVERIFY(qAbs(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) - 4.48) < 0.01);
    }

    void readable_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("kept");
        const QColor nearBlack(0x2d, 0x2d, 0x2d);
        // clang-format off
        QTest::newRow("navy on near-black: lifted") << 0x800000u << nearBlack << false;
        QTest::newRow("yellow on white: deepened") << 0x00FFFFu << QColor(Qt::white) << false;
        QTest::newRow("green on white: deepened") << 0x00FF00u << QColor(Qt::white) << false;
        QTest::newRow("red on white: kept") << 0x0000FFu << QColor(Qt::white) << true;
        QTest::newRow("orange on near-black: kept") << 0x1E8CF0u << nearBlack << true;
        QTest::newRow("black on near-black: lifted to grey") << 0x000000u << nearBlack << false;
        QTest::newRow("white Other on white: kept, it is outlined") << 0xFFFFFFu << QColor(Qt::white) << true;
        // clang-format on
    }
    void readable()
    {
        QFETCH(quint32, value);
        QFETCH(QColor, background);
        QFETCH(bool, kept);
        const QColor colour = readableChartColour(value, background);
        QCOMPARE(colour == chartColour(value), kept);
        if (value != 0xFFFFFF)
            QVERIFY2(contrastRatio(colour, background) >= 3, qPrintable(colour.name()));
        // The hue stays where there is one.
        if (!kept && chartColour(value).hslSaturation() > 0)
            QVERIFY(qAbs(colour.hslHue() - chartColour(value).hslHue()) <= 2);
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
