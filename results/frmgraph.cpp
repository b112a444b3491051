#include "results/frmgraph.h"

#include "results/chartcolour.h"
#include "results/linewriter.h"
#include "results/printerchoice.h"
#include "results/report.h"
#include "settings/atomicfile.h"
#include "widgets/guarded.h"
#include "widgets/savefilechoice.h"
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBoxLayout>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalStackedBarSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QMouseEvent>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgGenerator>
#include <QTimer>
#include <QToolButton>
#include <QValueAxis>
#include <cmath>

namespace {
constexpr qreal PieSize = 0.6;
constexpr qreal ShadowOffset = 0.012;
constexpr qreal LabelArmFactor = 0.06;
constexpr int SpinDegrees = 3;
constexpr int SpinIntervalMs = 50;

QFont sansFont(int pixels)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(pixels);
    return f;
}
} // namespace

TfrmGraph::TfrmGraph(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmGraph"));
    setWindowTitle(QStringLiteral("Activity Graph"));
    setFont(sansFont(11));
    resize(640, 418);

    chart = new QChart;
    QFont titleFont(QStringLiteral("Times New Roman"));
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->setTitleBrush(QColor(0, 0, 128));
    chart->setBackgroundRoundness(0);
    chart->setPlotAreaBackgroundVisible(false);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setReverseMarkers(true);

    m_pieShadow = new QPieSeries;
    m_pieShadow->setObjectName(QStringLiteral("pieShadow"));
    m_pieShadow->setPieSize(PieSize);
    m_pieShadow->setHorizontalPosition(0.5 + ShadowOffset);
    m_pieShadow->setVerticalPosition(0.5 + ShadowOffset);
    QPieSlice *disc = m_pieShadow->append(QString(), 1);
    disc->setBrush(QColor(0, 0, 0, 90));
    disc->setPen(Qt::NoPen);
    Series1 = new QPieSeries;
    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setPieSize(PieSize);
    Series2 = new QHorizontalStackedBarSeries;
    Series2->setObjectName(QStringLiteral("Series2"));
    Series2->setLabelsVisible(false);
    Series2->setBarWidth(0.7);
    // The shadow goes in first so that the pie is drawn over it.
    chart->addSeries(m_pieShadow);
    chart->addSeries(Series1);
    chart->addSeries(Series2);
    // Bars are laid out only along axes; the axes are there, but never shown.
    m_valueAxis = new QValueAxis;
    m_rowAxis = new QBarCategoryAxis;
    chart->addAxis(m_valueAxis, Qt::AlignBottom);
    chart->addAxis(m_rowAxis, Qt::AlignLeft);
    Series2->attachAxis(m_valueAxis);
    Series2->attachAxis(m_rowAxis);
    m_valueAxis->setVisible(false);
    m_rowAxis->setVisible(false);

    // The maker's home page in small print at the chart's foot, on screen and on paper.
    m_footer = new QGraphicsSimpleTextItem(report::homePage(), chart);
    m_footer->setFont(sansFont(10));
    m_footer->setBrush(QColor(Qt::darkGray));
    connect(chart, &QGraphicsWidget::geometryChanged, this, &TfrmGraph::placeFooter);

    Chart1 = new QChartView(chart, this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setRenderHint(QPainter::Antialiasing);
    Chart1->setRubberBand(QChartView::NoRubberBand);
    Chart1->setDragMode(QGraphicsView::NoDrag);
    Chart1->viewport()->installEventFilter(this);

    auto *panel = new QFrame(this);
    Panel1 = panel;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setFixedHeight(41);
    panel->installEventFilter(this);
    rbPie = new QRadioButton(QStringLiteral("Pie"), panel);
    rbPie->setObjectName(QStringLiteral("rbPie"));
    rbPie->setGeometry(8, 12, 113, 17);
    rbPie->setChecked(true);
    rbBar = new QRadioButton(QStringLiteral("Bar"), panel);
    rbBar->setObjectName(QStringLiteral("rbBar"));
    rbBar->setGeometry(75, 12, 82, 17);
    // The pie button's box reaches under the bar button; keep "Bar" clickable on top.
    rbBar->raise();
    SpeedButton1 = new QToolButton(panel);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Reduce # visible points"));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setGeometry(224, 8, 169, 25);
    btPrint = new QPushButton(QStringLiteral("&Print"), panel);
    btPrint->setObjectName(QStringLiteral("btPrint"));
    btPrint->setGeometry(456, 8, 75, 25);
    btPrint->setAutoDefault(false);
    btClose = new QPushButton(QStringLiteral("Close"), panel);
    btClose->setObjectName(QStringLiteral("btClose"));
    btClose->setGeometry(544, 8, 75, 25);
    btClose->setAutoDefault(false);
    // Save image: left of Print, in the room between it and "Reduce # visible points", and kept
    // there when the window's width changes (Panel1Resize), so the other controls keep their places.
    btSaveImage = new QPushButton(QStringLiteral("Save image…"), panel);
    btSaveImage->setObjectName(QStringLiteral("btSaveImage"));
    btSaveImage->setGeometry(btPrint->x() - 75 - 5, 8, 75, 25);
    btSaveImage->setAutoDefault(false);
    connect(btSaveImage, &QPushButton::clicked, this, &TfrmGraph::btSaveImageClick);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Chart1, 1);
    layout->addWidget(panel);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(SpinIntervalMs);

    connect(rbPie, &QRadioButton::clicked, this, &TfrmGraph::rbPieClick);
    connect(rbBar, &QRadioButton::clicked, this, &TfrmGraph::rbBarClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TfrmGraph::SpeedButton1Click);
    connect(btPrint, &QPushButton::clicked, this, &TfrmGraph::btPrintClick);
    // Escape rejects the dialog too, the same as Close.
    connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(Timer1, &QTimer::timeout, this, &TfrmGraph::Timer1Timer);
}

TfrmGraph::~TfrmGraph() = default;

void TfrmGraph::setTitle(const QString &title)
{
    m_title = title;
    // The chart lays its title out as rich text, which would fold the double blanks.
    chart->setTitle(title.toHtmlEscaped().replace(QStringLiteral("  "), QStringLiteral("&nbsp; ")));
}

void TfrmGraph::placeFooter()
{
    const QRectF area = chart->rect();
    const QRectF text = m_footer->boundingRect();
    m_footer->setPos(area.right() - text.width() - 20, area.bottom() - text.height() - 12);
}

void TfrmGraph::fitBarAxes()
{
    double largest = 0;
    QStringList rows;
    for (const ChartPoint &point : std::as_const(m_points)) {
        largest = qMax(largest, point.value);
        rows.append(QString::number(rows.size() + 1));
    }
    m_valueAxis->setRange(0, largest > 0 ? largest * 1.05 : 1);
    m_rowAxis->setCategories(rows);
}

void TfrmGraph::setPoints(const QVector<ChartPoint> &points)
{
    Series1->clear();
    Series2->clear();
    m_points = points;
    for (const ChartPoint &point : points)
        addPoint(point);
    updatePieMarks();
    fitBarAxes();
}

void TfrmGraph::addPoint(const ChartPoint &point)
{
    const QColor colour = chartColour(point.colour);
    QPieSlice *slice = Series1->append(point.label, point.value);
    slice->setBrush(colour);
    // An outline, so that a white slice (and its legend box) still shows on the white chart.
    slice->setPen(QPen(Qt::darkGray, 1));
    slice->setLabelVisible(true);
    slice->setLabelArmLengthFactor(LabelArmFactor);

    // Stacked bars, one set per point: each set holds its value in its own row and 0 elsewhere,
    // which gives every bar its own colour and legend entry at full bar height.
    const int index = Series2->count();
    for (QBarSet *set : Series2->barSets())
        set->append(0);
    auto *set = new QBarSet(point.label);
    for (int i = 0; i < index; ++i)
        set->append(0);
    set->append(point.value);
    set->setColor(colour);
    set->setPen(QPen(Qt::darkGray, 1));
    Series2->append(set);
}

void TfrmGraph::removeLastPoint()
{
    const QList<QPieSlice *> slices = Series1->slices();
    if (slices.isEmpty())
        return;
    Series1->remove(slices.last());
    m_points.removeLast();
    QList<QBarSet *> sets = Series2->barSets();
    Series2->remove(sets.takeLast());
    for (QBarSet *set : sets)
        set->remove(set->count() - 1);
    updatePieMarks();
    fitBarAxes();
}

// The slices show their shares; the legend keeps the points' labels.
void TfrmGraph::updatePieMarks()
{
    const QList<QLegendMarker *> markers = chart->legend()->markers(Series1);
    const QList<QPieSlice *> slices = Series1->slices();
    for (int i = 0; i < slices.size(); ++i) {
        slices[i]->setLabel(QString::number(std::lround(slices[i]->percentage() * 100)) + QLatin1Char('%'));
        if (i < markers.size() && i < m_points.size())
            markers[i]->setLabel(m_points[i].label);
    }
}

bool TfrmGraph::pieShown() const
{
    return Series1->isVisible();
}

void TfrmGraph::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmGraph::FormShow()
{
    guarded(this, [&] {
        m_pointCount = static_cast<int>(Series1->count());
        SpeedButton1->setVisible(m_pointCount > 3);
        rbPieClick();
    });
}

void TfrmGraph::rbPieClick()
{
    guarded(this, [&] {
        Series2->setVisible(false);
        m_pieShadow->setVisible(Series1->count() > 0);
        Series1->setVisible(true);
        for (QLegendMarker *marker : chart->legend()->markers(m_pieShadow))
            marker->setVisible(false);
    });
}

void TfrmGraph::rbBarClick()
{
    guarded(this, [&] {
        Series1->setVisible(false);
        m_pieShadow->setVisible(false);
        Series2->setVisible(true);
    });
}

void TfrmGraph::Chart1Click()
{
    guarded(this, [&] {
        if (!pieShown())
            return;
        if (Timer1->isActive())
            Timer1->stop();
        else
            Timer1->start();
    });
}

void TfrmGraph::Timer1Timer()
{
    guarded(this, [&] {
        if (pieShown())
            turnPie();
    });
}

void TfrmGraph::turnPie()
{
    m_rotation = std::fmod(m_rotation + SpinDegrees, 360.0);
    Series1->setPieStartAngle(m_rotation);
    Series1->setPieEndAngle(m_rotation + 360);
}

void TfrmGraph::SpeedButton1Click()
{
    guarded(this, [&] {
        if (m_pointCount > 3) {
            removeLastPoint();
            --m_pointCount;
        }
        if (m_pointCount <= 3)
            SpeedButton1->hide();
    });
}

void TfrmGraph::Panel1Resize()
{
    guarded(this, [&] {
        btClose->move(Panel1->width() - btClose->width() - 5, btClose->y());
        btPrint->move(btClose->x() - btPrint->width() - 5, btPrint->y());
        btSaveImage->move(btPrint->x() - btSaveImage->width() - 5, btSaveImage->y());
    });
}

void TfrmGraph::btPrintClick()
{
    guarded(this, [&] {
        if (!m_printer)
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QPrinter &printer = *m_printer;
        if (!PrinterChoice::ask(printer, this))
            return;
        const QPageLayout::Orientation before = printer.pageLayout().orientation();
        printer.setPageOrientation(QPageLayout::Landscape);
        QPainter painter;
        if (!painter.begin(&printer)) {
            printer.setPageOrientation(before);
            throw PrintError("The printer could not start the print job");
        }
        // Margins of 5 % of the paper on each side, in the painter's coordinates, which start
        // at the printable area's corner.
        const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
        const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
        QRectF target =
            paper.adjusted(paper.width() * 0.05, paper.height() * 0.05, -paper.width() * 0.05, -paper.height() * 0.05);
        target = target.intersected(printable).translated(-printable.topLeft());
        Chart1->render(&painter, target, Chart1->viewport()->rect(), Qt::KeepAspectRatio);
        painter.end();
        printer.setPageOrientation(before);
    });
}

void TfrmGraph::btSaveImageClick()
{
    guarded(this, [&] {
        const QString path =
            SaveFileChoice::ask(this, QStringLiteral("Save image"), QStringLiteral("lifetally-chart.png"),
                                QStringLiteral("PNG image (*.png);;SVG image (*.svg)"));
        if (path.isEmpty())
            return;
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            svg.setSize(Chart1->size());
            svg.setViewBox(Chart1->rect());
            svg.setTitle(m_title);
            QPainter painter(&svg);
            Chart1->render(&painter);
        } else {
            // As sharp as on the screen: the window's size at its device pixel ratio.
            Chart1->grab().save(&buffer, "PNG");
        }
        // Written whole or not at all, as the settings file is.
        writeFileAtomically(path, buffer.data());
    });
}

bool TfrmGraph::eventFilter(QObject *watched, QEvent *event)
{
    // On release, so that the second click of a quick pair counts as well as the first.
    if (watched == Chart1->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        Chart1Click();
    else if (watched == Panel1 && event->type() == QEvent::Resize)
        Panel1Resize();
    return QDialog::eventFilter(watched, event);
}
