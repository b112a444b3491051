// The spinning pie's disc drawn from its tables: where the wedges stand, which way it turns, and
// how it meets what lies beneath.
#include "results/largepages.h"
#include "results/piedisc.h"

#include <QColor>
#include <QTest>
#include <numeric>

class TestPieDisc : public QObject
{
    Q_OBJECT
private slots:
    void wedgesTurnClockwiseFromTwelve()
    {
        // A red quarter from 12 to 3 o'clock, the rest blue, outlined in black, centred on a pixel
        // corner so that a quarter turn maps pixels onto pixels.
        TPieDisc disc;
        disc.setWedges({{0, 90, qRgb(255, 0, 0), qRgb(0, 0, 0), 1}, {90, 270, qRgb(0, 0, 255), qRgb(0, 0, 0), 1}});
        disc.setGeometry(QPointF(50, 50), 40);
        const QImage still = disc.render(0).copy();
        auto at = [&](const QImage &image, int x, int y) {
            return image.pixel(x - disc.origin().x(), y - disc.origin().y());
        };
        QCOMPARE(at(still, 65, 35), qRgb(255, 0, 0)); // upper right
        QCOMPARE(at(still, 35, 65), qRgb(0, 0, 255)); // lower left
        QCOMPARE(qAlpha(at(still, 80, 80)), 0);       // outside, by the image's corner
        QVERIFY(qRed(at(still, 50, 30)) < 160);       // half on the outline along 12 o'clock

        const QImage turned = disc.render(90).copy();
        QCOMPARE(at(turned, 65, 65), qRgb(255, 0, 0)); // now lower right
        QCOMPARE(at(turned, 65, 35), qRgb(0, 0, 255));
        int differing = 0;
        for (int y = 12; y < 88; ++y)
            for (int x = 12; x < 88; ++x) {
                // A quarter turn clockwise takes (x, y) to (100 - y, x), in pixel centres about (50, 50).
                const QRgb a = at(still, x, y), b = at(turned, 99 - y, x);
                differing += qAbs(qRed(a) - qRed(b)) + qAbs(qBlue(a) - qBlue(b)) + qAbs(qAlpha(a) - qAlpha(b)) > 24;
            }
        QCOMPARE(differing, 0);
    }

    void backdropShowsAroundAndThroughTheEdge()
    {
        TPieDisc disc;
        disc.setWedges({{0, 360, qRgb(255, 255, 255), 0, 0}});
        disc.setGeometry(QPointF(30.5, 30.5), 20);
        QImage backdrop(100, 100, QImage::Format_RGB32);
        backdrop.fill(qRgb(0, 0, 0));
        disc.setBackdrop(backdrop, QPoint(-10, -10));
        QVERIFY(disc.hasBackdrop());
        const QImage &image = disc.renderOnBackdrop(45);
        auto at = [&](int x, int y) { return image.pixel(x - disc.origin().x(), y - disc.origin().y()); };
        QCOMPARE(at(30, 30), qRgb(255, 255, 255));
        QCOMPARE(at(disc.origin().x(), disc.origin().y()), qRgb(0, 0, 0));
        // Half in: half the fill over the backdrop.
        const int edge = qGray(at(30, 10));
        QVERIFY2(edge > 64 && edge < 192, qPrintable(QString::number(edge)));
        // A backdrop that does not cover the disc is refused.
        disc.setBackdrop(backdrop.copy(0, 0, 20, 20), QPoint());
        QVERIFY(!disc.hasBackdrop());
    }

    // A turn drawn only where the edges swept, over the picture of the turn before, gives the
    // picture of the new turn: many thin wedges and a few wide ones, small turns, one across
    // 12 o'clock, and one too far for the bookkeeping.
    void aTurnRedrawnWhereTheEdgesSweptIsTheWholeTurn()
    {
        for (const int count : {14, 5}) {
            std::vector<TPieDisc::Wedge> wedges;
            for (int i = 0; i < count; ++i)
                wedges.push_back({360.0 * i / count + 1.3, 360.0 / count, qRgb(40 * i % 256, 90 * i % 256, 255 - i),
                                  qRgb(90, 90, 90), 1.5});
            TPieDisc disc;
            disc.setWedges(wedges);
            disc.setGeometry(QPointF(150.3, 140.6), 120);
            QImage backdrop(320, 320, QImage::Format_RGB32);
            backdrop.fill(qRgb(200, 220, 240));
            disc.setBackdrop(backdrop, QPoint(-5, -5));
            // Also with only the disc's own pixels of each row drawn and copied, the rest left to
            // the backdrop already there.
            for (const bool beside : {true, false})
                for (const auto &[from, to] : {std::pair{0.0, 3.0}, {357.0, 360.0}, {90.0, 99.0}, {10.0, 80.0}}) {
                    QImage screen = disc.renderOnBackdrop(from).copy();
                    std::vector<QRect> rects;
                    disc.changedBetween(from, to, rects);
                    for (const QRect &rect : rects) {
                        const QImage &piece = disc.renderRectOnBackdrop(to, rect, beside);
                        for (int y = 0; y < rect.height(); ++y) {
                            const auto [x0, x1] =
                                beside ? std::pair{rect.left(), rect.right() + 1} : disc.rowSpan(rect.top() + y, rect);
                            for (int x = x0; x < x1; ++x)
                                screen.setPixel(x, rect.top() + y, piece.pixel(x, y));
                        }
                    }
                    QCOMPARE(screen, disc.renderOnBackdrop(to));
                }
        }
    }

    void largePagesKeepWhatIsWritten()
    {
        // Either side of the size from which pictures and tables take memory of their own.
        for (const int rows : {8, 300, 1200}) {
            QImage image = LargePages::image(333, rows, QImage::Format_RGB32);
            QCOMPARE(image.bytesPerLine(), QImage(333, 1, QImage::Format_RGB32).bytesPerLine());
            image.fill(qRgb(1, 2, 3));
            image.setPixel(332, rows - 1, qRgb(4, 5, 6));
            const QImage kept = image;
            image.fill(qRgb(7, 8, 9)); // a picture shared meanwhile is copied before it is written
            QCOMPARE(kept.pixel(332, rows - 1), qRgb(4, 5, 6));
            QCOMPARE(kept.pixel(0, 0), qRgb(1, 2, 3));
            QCOMPARE(image.pixel(332, rows - 1), qRgb(7, 8, 9));
        }
        std::vector<int, LargePages::Allocator<int>> values;
        for (int i = 0; i < 1'000'000; ++i)
            values.push_back(i);
        QCOMPARE(std::accumulate(values.begin(), values.end(), 0LL), 499'999'500'000LL);
    }
};

QTEST_GUILESS_MAIN(TestPieDisc)
#include "tst_piedisc.moc"
