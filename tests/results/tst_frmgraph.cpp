// The chart window driven as a user would, and the graph buttons of the main window.
#include "app/frmmain.h"
#include "calc/clock.h"
#include "results/chartcolour.h"
#include "results/chartlegend.h"
#include "results/frmgraph.h"
#include "results/printerchoice.h"
#include "results/spinningpie.h"
#include "support/testsupport.h"
#include "tables/activitymodel.h"
#include "widgets/fonts.h"
#include "widgets/prompts.h"
#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

namespace {
// The text of a PDF, by pdftotext; null when it is not installed.
QString pdfText(const QString &pdf)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (program.isEmpty())
        return QString();
    QProcess run;
    run.start(program, {pdf, QStringLiteral("-")});
    run.waitForFinished();
    return QString::fromUtf8(run.readAllStandardOutput());
}

QVector<ChartPoint> makePoints(int count, bool withOther)
{
    QVector<ChartPoint> points;
    if (withOther)
        points.append({100, QStringLiteral("Other"), 0xFFFFFF});
    for (int i = points.size(); i < count; ++i)
        points.append({10.0 * (i + 1), QStringLiteral("Row %1").arg(i + 1), 0x000011u * static_cast<quint32>(i + 1)});
    return points;
}

QStringList sliceLabelsOfLegend(const TfrmGraph &graph)
{
    QStringList labels;
    for (QLegendMarker *marker : graph.chart->legend()->markers(graph.Series1))
        labels.append(marker->label());
    return labels;
}

// On the round indicator: a radio button takes clicks on its indicator and text only.
void clickRadio(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

template <typename T> T *child(TfrmGraph &graph, const char *name)
{
    T *found = graph.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Pixels of `a` that are near none of the pixels around the same place in `b`. At a fractional
// scale, or with one picture a fraction of a pixel off the other, the outlines' edges shade
// differently: a few along them are expected.
int unmatchedPixels(const QImage &a, const QImage &b)
{
    int unmatched = 0;
    for (int y = 1; y + 1 < a.height(); ++y)
        for (int x = 1; x + 1 < a.width(); ++x) {
            int best = 255;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    best = qMin(best, qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x + dx, y + dy))));
            unmatched += best > 32;
        }
    return unmatched;
}

void clickChart(TfrmGraph &graph)
{
    QWidget *viewport = child<QChartView>(graph, "Chart1")->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, viewport->rect().center());
}
} // namespace

class TestFrmGraph : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testsupport::resetSharedState();
        Prompts::setTestMode(true);
    }
    void cleanup()
    {
        PrinterChoice::setAnswer({});
        Prompts::setTestMode(false);
        testsupport::resetSharedState();
    }

    void colourValueHasRedInLowByte_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("red") << 0x0000FFu << QColor(255, 0, 0);
        QTest::newRow("green") << 0x00FF00u << QColor(0, 255, 0);
        QTest::newRow("blue") << 0xFF0000u << QColor(0, 0, 255);
        QTest::newRow("mixed") << 0x123456u << QColor(0x56, 0x34, 0x12);
        QTest::newRow("largest random draw") << 9999998u << QColor(0x7E, 0x96, 0x98);
    }
    void colourValueHasRedInLowByte()
    {
        QFETCH(quint32, value);
        QFETCH(QColor, colour);
        QCOMPARE(chartColour(value), colour);
    }

    void bothSeriesGetTheSamePointsInOrder()
    {
        TfrmGraph graph;
        graph.setPoints({{300, QStringLiteral("Other"), 0xFFFFFF}, {100, QStringLiteral("Sleep"), 0x0000FF}});
        graph.show();
        const QList<QPieSlice *> slices = graph.Series1->slices();
        QCOMPARE(slices.size(), 2);
        QCOMPARE(slices[0]->value(), 300.0);
        QCOMPARE(slices[0]->brush().color(), QColor(Qt::white));
        QCOMPARE(slices[1]->brush().color(), QColor(Qt::red));
        // The slices show their shares; the legend names the points, last point on top.
        QCOMPARE(slices[0]->label(), QStringLiteral("75%"));
        QCOMPARE(slices[1]->label(), QStringLiteral("25%"));
        QVERIFY(slices[0]->isLabelVisible());
        QCOMPARE(sliceLabelsOfLegend(graph), (QStringList{QStringLiteral("Other"), QStringLiteral("Sleep")}));
        QVERIFY(graph.chart->legend()->reverseMarkers());

        const QList<QBarSet *> sets = graph.Series2->barSets();
        QCOMPARE(sets.size(), 2);
        QCOMPARE(sets[0]->label(), QStringLiteral("Other"));
        QCOMPARE(sets[1]->color(), QColor(Qt::red));
        // Each bar sits in its own row: its value there, nothing in the other rows.
        QCOMPARE(sets[0]->at(0), 300.0);
        QCOMPARE(sets[0]->at(1), 0.0);
        QCOMPARE(sets[1]->at(0), 0.0);
        QCOMPARE(sets[1]->at(1), 100.0);
        QVERIFY(!graph.Series2->isLabelsVisible());
        QCOMPARE(graph.windowTitle(), QStringLiteral("Activity Graph"));
    }

    void reduceVisiblePoints_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("clicksPossible");
        QTest::newRow("5 points: two presses") << 5 << 2;
        QTest::newRow("4 points: one press") << 4 << 1;
        QTest::newRow("3 points: hidden from the start") << 3 << 0;
        QTest::newRow("no points: hidden from the start") << 0 << 0;
    }
    void reduceVisiblePoints()
    {
        QFETCH(int, count);
        QFETCH(int, clicksPossible);
        TfrmGraph graph;
        graph.setPoints(makePoints(count, count > 0));
        graph.show();
        QCOMPARE(graph.pointCount(), count);
        auto *reduce = child<QToolButton>(graph, "SpeedButton1");
        for (int i = 0; i < clicksPossible; ++i) {
            QVERIFY(reduce->isVisible());
            QTest::mouseClick(reduce, Qt::LeftButton);
        }
        QVERIFY(!reduce->isVisible());
        const int left = count - clicksPossible;
        QCOMPARE(graph.pointCount(), left);
        QCOMPARE(graph.Series1->count(), left);
        QCOMPARE(graph.Series2->count(), left);
        for (QBarSet *set : graph.Series2->barSets())
            QCOMPARE(set->count(), left);
        // The points go from the end; "Other", being first, stays.
        if (left > 0) {
            QCOMPARE(graph.points().first().label, QStringLiteral("Other"));
            QCOMPARE(sliceLabelsOfLegend(graph).last(), QStringLiteral("Row %1").arg(left));
        }
        // A press past the limit (the hidden button still takes a programmatic click) changes nothing.
        reduce->click();
        QCOMPARE(graph.Series1->count(), left);
    }

    void clickSpinsOnlyThePie()
    {
        TfrmGraph graph;
        graph.setPoints(makePoints(4, false));
        graph.show();
        auto *timer = child<QTimer>(graph, "Timer1");
        auto *pie = child<QRadioButton>(graph, "rbPie");
        auto *bar = child<QRadioButton>(graph, "rbBar");
        QVERIFY(graph.pieShown());
        QVERIFY(!timer->isActive());
        QCOMPARE(timer->interval(), 50);
        clickChart(graph);
        QVERIFY(timer->isActive());
        clickChart(graph);
        QVERIFY(!timer->isActive());
        // From the keyboard, on the focused chart, as a click.
        auto *chart = child<QWidget>(graph, "Chart1");
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
            QTest::keyClick(chart, key);
            QVERIFY(timer->isActive());
            QTest::keyClick(chart, key);
            QVERIFY(!timer->isActive());
        }

        clickRadio(bar);
        QVERIFY(!graph.pieShown());
        QVERIFY(graph.Series2->isVisible());
        clickChart(graph);
        QVERIFY(!timer->isActive());

        // Switched on for the pie, the timer keeps running under the bars but turns nothing.
        clickRadio(pie);
        clickChart(graph);
        clickRadio(bar);
        QVERIFY(timer->isActive());
        // From here the ticks come by hand, so a slow machine cannot add real ones.
        timer->stop();
        const qreal before = graph.pieRotation();
        graph.Timer1Timer();
        QCOMPARE(graph.pieRotation(), before);
        clickRadio(pie);
        graph.Timer1Timer();
        QCOMPARE(graph.pieRotation(), before + 3);
        QCOMPARE(graph.Series1->pieStartAngle(), before + 3);
        QCOMPARE(graph.Series1->pieEndAngle(), before + 363);
    }

    // However the button is checked (a click, the arrow keys, a screen reader, code), the chart follows.
    void eachPointSaysWhatItStandsForOnHover()
    {
        TfrmGraph graph;
        graph.setPoints({{30, QStringLiteral("Sleeping"), 0x0000FF}, {10, QStringLiteral("Eating"), 0x00FF00}});
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        emit graph.Series1->hovered(graph.Series1->slices().at(1), true);
        QCOMPARE(QToolTip::text(), QStringLiteral("Eating: 10 (25.00%)"));
        emit graph.Series2->hovered(true, 0, graph.Series2->barSets().at(0));
        QCOMPARE(QToolTip::text(), QStringLiteral("Sleeping: 30 (75.00%)"));
        emit graph.Series2->hovered(false, 0, graph.Series2->barSets().at(0));
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void chartFollowsTheCheckedButton_data()
    {
        QTest::addColumn<bool>("byClick");
        QTest::newRow("mouse click") << true;
        QTest::newRow("checked without a click") << false;
    }
    void chartFollowsTheCheckedButton()
    {
        QFETCH(bool, byClick);
        TfrmGraph graph;
        graph.setPoints(makePoints(4, false));
        graph.show();
        auto choose = [&](const char *name) {
            auto *button = child<QRadioButton>(graph, name);
            if (byClick)
                clickRadio(button);
            else
                button->setChecked(true);
        };
        choose("rbBar");
        QVERIFY(!graph.pieShown());
        QVERIFY(graph.Series2->isVisible());
        QVERIFY(graph.chart->series().contains(graph.Series2));
        QCOMPARE(graph.Series2->attachedAxes().size(), 2);
        choose("rbPie");
        QVERIFY(graph.pieShown());
        QVERIFY(!graph.Series2->isVisible());
    }

    // The bars join the chart once its first frame is up, hidden, their legend entries too.
    void barsJoinTheChartAfterTheFirstFrame()
    {
        TfrmGraph graph;
        graph.setPoints(makePoints(5, true));
        graph.show();
        QTRY_VERIFY(graph.chart->series().contains(graph.Series2));
        QCOMPARE(graph.Series2->attachedAxes().size(), 2);
        QVERIFY(graph.pieShown());
        QVERIFY(!graph.Series2->isVisible());
        const QList<QLegendMarker *> markers = graph.chart->legend()->markers(graph.Series2);
        QCOMPARE(markers.size(), 5);
        for (const QLegendMarker *marker : markers)
            QVERIFY(!marker->isVisible());
    }

    // Swatches as high as the legend's text; the bars with a value axis and their values.
    void legendSwatchesAndBarValues()
    {
        TfrmGraph graph;
        graph.setPoints(makePoints(5, true));
        graph.resize(900, 600);
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        QVERIFY(!graph.chart->legend()->isVisible());
        QCOMPARE(graph.legend()->entries().size(), 5);
        QCOMPARE(graph.legend()->entries()[0].text, QStringLiteral("Other (41.67%)"));
        QVERIFY(graph.legend()->swatchSize() >= QFontMetrics(sansFont(11)).height());
        // A name of 300 letters is shortened rather than pushing the pie and the buttons off the screen.
        ChartLegend longName;
        longName.setFont(sansFont(11));
        longName.setEntries({{QString(300, QLatin1Char('L')) + QStringLiteral(" (0.84%)"), Qt::red}});
        QVERIFY(longName.layOut(400).width() < QFontMetrics(sansFont(11)).averageCharWidth() * 50);
        // Right of the plot, clear of the pie.
        QVERIFY(graph.legend()->mapRectToScene(graph.legend()->boundingRect()).left() >=
                graph.chart->plotArea().right());

        child<QRadioButton>(graph, "rbBar")->click();
        QTRY_VERIFY(graph.Series2->isVisible());
        QVERIFY(graph.Series2->attachedAxes().constFirst()->isVisible() ||
                graph.Series2->attachedAxes().constLast()->isVisible());
        QCOMPARE(graph.barValueTexts(), (QStringList{QStringLiteral("100"), QStringLiteral("20"), QStringLiteral("30"),
                                                     QStringLiteral("40"), QStringLiteral("50")}));
        child<QToolButton>(graph, "SpeedButton1")->click();
        QCOMPARE(graph.barValueTexts().size(), 4);
        QCOMPARE(graph.legend()->entries().size(), 4);
    }

    void tabReachesEveryControl()
    {
        TfrmGraph graph;
        graph.setPoints(makePoints(5, false));
        graph.show();
        graph.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&graph));
        child<QRadioButton>(graph, "rbPie")->setFocus();
        // The radio pair is one stop, on its checked button.
        QStringList order;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order,
                 (QStringList{QStringLiteral("SpeedButton1"), QStringLiteral("btSaveImage"), QStringLiteral("btPrint"),
                              QStringLiteral("btClose"), QStringLiteral("Chart1"), QStringLiteral("rbPie")}));
        // Space on the focused button drops a point, as a click does.
        child<QToolButton>(graph, "SpeedButton1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(graph.pointCount(), 4);
    }

    // A dark desktop gives a dark chart with light texts; the points keep their own colours.
    void darkPaletteKeepsPointColours()
    {
        const QPalette before = QApplication::palette();
        QPalette dark = before;
        dark.setColor(QPalette::Window, QColor(45, 45, 48));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        QApplication::setPalette(dark);
        TfrmGraph graph;
        QApplication::setPalette(before);
        graph.setPoints({{300, QStringLiteral("Other"), 0xFFFFFF}, {100, QStringLiteral("Sleep"), 0x0000FF}});
        graph.show();
        QVERIFY(graph.chart->backgroundBrush().color().lightness() < 128);
        QVERIFY(graph.chart->titleBrush().color().lightness() > 128);
        QVERIFY(graph.chart->legend()->labelColor().lightness() > 128);
        const QList<QPieSlice *> slices = graph.Series1->slices();
        QCOMPARE(slices[0]->brush().color(), QColor(Qt::white));
        QCOMPARE(slices[1]->brush().color(), QColor(Qt::red));
        QVERIFY(slices[1]->labelBrush().color().lightness() > 128);
        QCOMPARE(graph.Series2->barSets().at(1)->color(), QColor(Qt::red));
    }

    // While the timer turns the pie, its picture turns from tick to tick, with every label beside
    // the pie; stopped, the chart's own pie stands at the same angle and looks the same, upright
    // labels included (pixels may differ only in their anti-aliasing).
    void spinningPieTurnsAndLooksLikeTheChartsOwn()
    {
        TfrmGraph graph;
        graph.setPoints(makePoints(6, true));
        graph.resize(640, 418);
        graph.show();
        clickChart(graph);
        auto *timer = child<QTimer>(graph, "Timer1");
        QVERIFY(timer->isActive());
        // No real tick from here on, only those by hand.
        timer->setInterval(3600 * 1000);
        graph.Timer1Timer();
        const QImage first = graph.grab().toImage();
        const QVector<QRectF> labelsBefore = graph.spinningPie()->labelRects();
        graph.Timer1Timer();
        const QImage second = graph.grab().toImage();
        const QVector<QRectF> labels = graph.spinningPie()->labelRects();
        QVERIFY(first != second);
        // A repaint within the pie is answered from the picture kept beneath it: the same pixels
        // as the whole scene drawn afresh.
        auto *view = child<QChartView>(graph, "Chart1");
        const QRect middle(view->mapFromScene(graph.chart->plotArea().center()) - QPoint(60, 60), QSize(120, 120));
        const QImage part = view->viewport()->grab(middle).toImage();
        const qreal ratio = second.devicePixelRatio();
        const QImage whole = second.copy(
            QRectF(QPointF(view->viewport()->mapTo(&graph, middle.topLeft())) * ratio, QSizeF(middle.size()) * ratio)
                .toRect());
        QCOMPARE(part.size(), whole.size());
        const int unmatched = unmatchedPixels(part, whole);
        QVERIFY2(unmatched < part.width() * part.height() / 100, qPrintable(QString::number(unmatched)));
        QCOMPARE(labels.size(), 6);
        const QRectF pie = graph.chart->plotArea();
        for (int i = 0; i < labels.size(); ++i) {
            QVERIFY(labels[i] != labelsBefore[i]);
            QCOMPARE(labels[i].size(), labelsBefore[i].size());
            QVERIFY(pie.contains(labels[i]));
        }

        clickChart(graph);
        QVERIFY(!timer->isActive());
        QCOMPARE(graph.Series1->pieStartAngle(), graph.pieRotation());
        const QImage still = graph.grab().toImage();
        QCOMPARE(still.size(), second.size());
        int different = 0;
        for (int y = 0; y < still.height(); ++y) {
            for (int x = 0; x < still.width(); ++x) {
                const QColor a = still.pixelColor(x, y), b = second.pixelColor(x, y);
                if (qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) > 192)
                    ++different;
            }
        }
        QVERIFY2(different < still.width() * still.height() / 200, qPrintable(QString::number(different)));
    }

    // A few wide slices, and a full table's worth in a large window, whose edges sweep most of
    // the disc at each turn.
    void spinningPieLeavesNoTraceOnScreen_data()
    {
        QTest::addColumn<int>("slices");
        QTest::addColumn<QSize>("size");
        QTest::newRow("6 slices") << 6 << QSize(640, 418);
        QTest::newRow("51 slices, large") << 51 << QSize(1000, 800);
    }

    // Turns painted one over another on the screen leave no trace of the labels' old places: the
    // same pixels as the pie drawn whole, as a grab draws it.
    void spinningPieLeavesNoTraceOnScreen()
    {
        QFETCH(int, slices);
        QFETCH(QSize, size);
        TfrmGraph graph;
        graph.setPoints(makePoints(slices, true));
        graph.resize(size);
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        clickChart(graph);
        child<QTimer>(graph, "Timer1")->setInterval(3600 * 1000);
        for (int i = 0; i < 10; ++i) {
            graph.Timer1Timer();
            QTest::qWait(1);
            // Resized halfway, the window's picture is made anew under the turns.
            if (i == 4)
                graph.resize(size + QSize(37, 23));
        }
        auto *view = child<QChartView>(graph, "Chart1");
        const QRect pie = graph.spinningPie()->turnArea();
        const QImage whole = view->viewport()->grab(pie).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage screen = graph.screen()->grabWindow(graph.winId()).toImage();
        if (screen.size() != graph.size() * whole.devicePixelRatio())
            QSKIP("this platform gives the screen's picture only at another scale");
        const qreal ratio = whole.devicePixelRatio();
        const QImage turned = screen
                                  .copy(QRectF(QPointF(view->viewport()->mapTo(&graph, pie.topLeft())) * ratio,
                                               QSizeF(pie.size()) * ratio)
                                            .toRect())
                                  .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(turned.size(), whole.size());
        QCOMPARE(turned, whole);
    }

    void rotationWrapsAt360()
    {
        TfrmGraph graph;
        graph.setPoints(makePoints(3, false));
        graph.show();
        for (int i = 0; i < 119; ++i)
            graph.Timer1Timer();
        QCOMPARE(graph.pieRotation(), 357.0);
        graph.Timer1Timer();
        QCOMPARE(graph.pieRotation(), 0.0);
    }

    void rightButtonsFollowTheRightEdge()
    {
        TfrmGraph graph;
        graph.show();
        auto *panel = child<QWidget>(graph, "Panel1");
        QCOMPARE(panel->height(), 41);
        for (int width : {640, 1000}) {
            graph.resize(width, 500);
            QCOMPARE(panel->width(), width);
            QCOMPARE(child<QPushButton>(graph, "btClose")->geometry(), QRect(width - 80, 8, 75, 25));
            QCOMPARE(child<QPushButton>(graph, "btPrint")->geometry(), QRect(width - 160, 8, 75, 25));
            QCOMPARE(child<QToolButton>(graph, "SpeedButton1")->geometry(), QRect(224, 8, 169, 25));
        }
    }

    void escapeCloses()
    {
        TfrmGraph graph;
        graph.show();
        QTest::keyClick(&graph, Qt::Key_Escape);
        QCOMPARE(graph.result(), int(QDialog::Rejected));
        QVERIFY(!graph.isVisible());
    }

    void printOnLandscapePage_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed") << true;
        QTest::newRow("cancelled") << false;
    }
    void printOnLandscapePage()
    {
        QFETCH(bool, confirm);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
        QPrinter *used = nullptr;
        PrinterChoice::setAnswer([&](QPrinter &printer) {
            used = &printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageOrientation(QPageLayout::Portrait);
            return confirm;
        });
        TfrmGraph graph;
        graph.setPoints(makePoints(4, true));
        graph.show();
        QTest::mouseClick(child<QPushButton>(graph, "btPrint"), Qt::LeftButton);
        QVERIFY(used);
        QCOMPARE(used->pageLayout().orientation(), QPageLayout::Portrait);
        QCOMPARE(QFile::exists(pdf), confirm);
        QVERIFY(Prompts::shown().isEmpty());
        if (!confirm)
            return;
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        // One page, wider than high.
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
        const int box = bytes.indexOf("/MediaBox [");
        QVERIFY(box > 0);
        const QList<QByteArray> numbers =
            bytes.mid(box + 11, bytes.indexOf(']', box) - box - 11).simplified().split(' ');
        QCOMPARE(numbers.size(), 4);
        QVERIFY(numbers[2].toDouble() > numbers[3].toDouble());
        // The page shows what the window does: the legend with its shares.
        if (const QString text = pdfText(pdf); !text.isNull())
            QVERIFY2(text.contains(QStringLiteral("Other (52.63%)")), qPrintable(text));
    }

    // A PDF in a folder that does not exist fails as the job starts (Qt's PDF engine never fails at
    // the end of a job, so that branch cannot be reached from here): the failure ends the press
    // in the application error box, the printer keeps its orientation and the window stays open.
    void printerThatCannotStart()
    {
        QTemporaryDir dir;
        QPrinter *used = nullptr;
        PrinterChoice::setAnswer([&](QPrinter &printer) {
            used = &printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(QStringLiteral("missing/chart.pdf")));
            printer.setPageOrientation(QPageLayout::Portrait);
            return true;
        });
        TfrmGraph graph;
        graph.setPoints(makePoints(4, true));
        graph.show();
        QTest::mouseClick(child<QPushButton>(graph, "btPrint"), Qt::LeftButton);
        QVERIFY(used);
        QCOMPARE(used->pageLayout().orientation(), QPageLayout::Portrait);
        QCOMPARE(Prompts::shown().size(), 1);
        QCOMPARE(Prompts::shown().first().kind, Prompts::Kind::ApplicationError);
        QCOMPARE(Prompts::shown().first().text, QStringLiteral("The printer could not start the print job."));
        QVERIFY(graph.isVisible());
    }

    // The main window's graph buttons, up to the chart window they open.
    void graphButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("hours, with Other")
            << QStringLiteral("btGrHour") << QStringLiteral("Hours spent for Ann Lee  Age: 67 years")
            << QStringList{QStringLiteral("Other"), QStringLiteral("Sleeping"), QStringLiteral("Reading")};
        QTest::newRow("money, income 0") << QStringLiteral("btGrMoney")
                                         << QStringLiteral("Money spent for Ann Lee  Lifetime income: $0")
                                         << QStringList{QStringLiteral("Rent")};
        QTest::newRow("frequency") << QStringLiteral("btGrFreq")
                                   << QStringLiteral("Frequency of activities for Ann Lee")
                                   << QStringList{QStringLiteral("Haircut")};
    }
    void graphButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QStringList, labels);
        testsupport::fixClock(2024, 3, 5, 12);
        TfrmMain main;
        main.findChild<QLineEdit *>(QStringLiteral("edName"))->setText(QStringLiteral("Ann Lee"));
        main.findChild<QLineEdit *>(QStringLiteral("edDOB"))->setText(QStringLiteral("3/15/1956"));
        main.findChild<QLabel *>(QStringLiteral("Label10"))->setText(QStringLiteral("Age: 67 years"));
        main.findChild<QLabel *>(QStringLiteral("label11"))->setText(QStringLiteral("Lifetime income: $0"));
        main.ShowBirthDate();
        main.hoursModel().setRowTexts(1, {QStringLiteral("Sleeping"), QString(), QString(), QString(), QString(),
                                          QStringLiteral("200,000 (33.61%)")});
        main.hoursModel().setRowTexts(
            2, {QStringLiteral("Idle"), QString(), QString(), QString(), QString(), QStringLiteral("0 (0.00%)")});
        main.hoursModel().setRowTexts(3, {QStringLiteral("Reading"), QString(), QString(), QString(), QString(),
                                          QStringLiteral("1,000 (0.17%)")});
        main.moneyModel().setRowTexts(
            1, {QStringLiteral("Rent"), QString(), QString(), QString(), QString(), QStringLiteral("$90,000 (0.00%)")});
        main.freqModel().setRowTexts(
            1, {QStringLiteral("Haircut"), QString(), QString(), QString(), QString(), QStringLiteral("600")});

        QString seenTitle, seenName;
        QVector<ChartPoint> seenPoints;
        bool maximised = false;
        QTimer::singleShot(0, this, [&] {
            auto *graph = qobject_cast<TfrmGraph *>(QApplication::activeModalWidget());
            if (!graph)
                return;
            seenTitle = graph->title();
            seenName = child<QWidget>(*graph, "Chart1")->accessibleName();
            seenPoints = graph->points();
            maximised = graph->windowState().testFlag(Qt::WindowMaximized);
            child<QPushButton>(*graph, "btClose")->click();
        });
        main.findChild<QPushButton *>(button)->click();

        QCOMPARE(seenTitle, title);
        QCOMPARE(seenName, title.simplified());
        QStringList seenLabels;
        for (const ChartPoint &p : seenPoints)
            seenLabels.append(p.label);
        QCOMPARE(seenLabels, labels);
        QVERIFY(maximised);
        // Rows take the colours of their row numbers: Reading is row 3 behind the skipped row 2.
        if (button == QStringLiteral("btGrHour")) {
            QCOMPARE(seenPoints[0].colour, 0xFFFFFFu);
            QCOMPARE(seenPoints[0].value, main.hoursAlive() - 201000);
            QCOMPARE(seenPoints[2].colour, main.colors()[2]);
        }
        // The window is gone once closed.
        QVERIFY(main.findChildren<TfrmGraph *>().isEmpty());
        QVERIFY(Prompts::shown().isEmpty());
    }

    void invalidTotalShowsErrorAndNoWindow()
    {
        TfrmMain main;
        main.freqModel().setRowTexts(
            1, {QStringLiteral("Haircut"), QString(), QString(), QString(), QString(), QStringLiteral("600")});
        main.freqModel().setRowTexts(2,
                                     {QStringLiteral("Broken"), QString(), QString(), QString(), QString(), QString()});
        main.findChild<QPushButton *>(QStringLiteral("btGrFreq"))->click();
        QCOMPARE(Prompts::shown().size(), 1);
        QCOMPARE(Prompts::shown().first().kind, Prompts::Kind::ApplicationError);
        QCOMPARE(Prompts::shown().first().text, QStringLiteral("'' is not a valid floating point value."));
        QVERIFY(main.findChildren<TfrmGraph *>().isEmpty());
    }
};

QTEST_MAIN(TestFrmGraph)
#include "tst_frmgraph.moc"
