#include "results/frmgraph.h"

#include "calc/numbertext.h"
#include "results/chartcolour.h"
#include "results/chartlegend.h"
#include "results/linewriter.h"
#include "results/outputdevices.h"
#include "results/printerchoice.h"
#include "results/report.h"
#include "results/spinningpie.h"
#include "settings/atomicfile.h"
#include "ui_frmgraph.h"
#include "widgets/fonts.h"
#include "widgets/guarded.h"
#include "widgets/prompts.h"
#include "widgets/radiogroup.h"
#include "widgets/savefilechoice.h"
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QCheckBox>
#include <QCursor>
#include <QEvent>
#include <QFileInfo>
#include <QFocusFrame>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalStackedBarSeries>
#include <QKeyEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QMouseEvent>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrinter>
#include <QTimer>
#include <QToolTip>
#include <QValueAxis>
#include <cmath>

namespace {
constexpr qreal PieSize = 0.6;
constexpr qreal ShadowOffset = 0.012;
constexpr qreal LabelArmFactor = 0.06;
constexpr int SpinDegrees = 3;
constexpr int SpinIntervalMs = 50;
} // namespace

TfrmGraph::TfrmGraph(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TfrmGraph>())
{
    ui->setupUi(this);
    // Designer files give point sizes only; the window's face is sized in pixels.
    setFont(sansFont(11));
    // Under a dark desktop the chart is dark too.
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    makeChart(dark);
    addSeries(dark);
    addAxes();
    addFooter();
    setUpView();
    connectControls();
}

void TfrmGraph::makeChart(bool dark)
{
    chart = new QChart;
    // The theme goes first: it recolours every series it finds, and the points carry colours of
    // their own.
    if (dark) {
        chart->setTheme(QChart::ChartThemeDark);
        chart->setBackgroundBrush(palette().color(QPalette::Base));
        chart->legend()->setLabelColor(palette().color(QPalette::Text));
    }
    chart->setTitleFont(serifFont(16, true));
    // Navy, lightened on a dark chart as the main window's navy labels are.
    chart->setTitleBrush(dark ? QColor(150, 170, 255) : QColor(0, 0, 128));
    chart->setBackgroundRoundness(0);
    chart->setPlotAreaBackgroundVisible(false);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setReverseMarkers(true);
    // The chart's own legend draws its swatches half as high as the text; the window draws one
    // whose swatches are as high as the text.
    chart->legend()->hide();
    m_legend = new ChartLegend(chart);
    m_legend->setFont(sansFont(11));
    m_legend->setTextColour(dark ? palette().color(QPalette::Text) : QColor(Qt::black));
}

void TfrmGraph::addSeries(bool dark)
{
    m_pieShadow = new QPieSeries;
    m_pieShadow->setObjectName(QStringLiteral("pieShadow"));
    m_pieShadow->setPieSize(PieSize);
    m_pieShadow->setHorizontalPosition(0.5 + ShadowOffset);
    m_pieShadow->setVerticalPosition(0.5 + ShadowOffset);
    QPieSlice *disc = m_pieShadow->append(QString(), 1);
    disc->setBrush(QColor(0, 0, 0, dark ? 200 : 90));
    disc->setPen(Qt::NoPen);
    Series1 = new QPieSeries;
    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setPieSize(PieSize);
    // The bars join the chart only when they are first wanted, or once the first frame is up: laying
    // out 50 bars and their legend entries that nobody sees yet would double the time to that frame.
    Series2 = new QHorizontalStackedBarSeries(this);
    Series2->setObjectName(QStringLiteral("Series2"));
    Series2->setLabelsVisible(false);
    Series2->setBarWidth(0.7);
    // A point tells on hover what it stands for: its activity, its total and its share (the slices'
    // own labels show the share alone).
    connect(Series1, &QPieSeries::hovered, this,
            [this](QPieSlice *slice, bool on) { showPointTip(on ? Series1->slices().indexOf(slice) : -1); });
    connect(Series2, &QAbstractBarSeries::hovered, this,
            [this](bool on, int, QBarSet *set) { showPointTip(on ? Series2->barSets().indexOf(set) : -1); });
    // The shadow goes in first so that the pie is drawn over it.
    chart->addSeries(m_pieShadow);
    chart->addSeries(Series1);
}

void TfrmGraph::addAxes()
{
    // Bars are laid out along axes: the value axis shows with them, the rows are named by the legend.
    m_valueAxis = new QValueAxis;
    m_rowAxis = new QBarCategoryAxis;
    chart->addAxis(m_valueAxis, Qt::AlignBottom);
    chart->addAxis(m_rowAxis, Qt::AlignLeft);
    chart->setLocalizeNumbers(true);
    m_valueAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_valueAxis->setLabelsFont(sansFont(10));
    m_valueAxis->setVisible(false);
    m_rowAxis->setVisible(false);
}

void TfrmGraph::addFooter()
{
    // The maker's home page in small print at the chart's foot, on screen and on paper.
    m_footer = new QGraphicsSimpleTextItem(report::homePage(), chart);
    m_footer->setFont(sansFont(10));
    m_footer->setBrush(QColor(Qt::darkGray));
    connect(chart, &QGraphicsWidget::geometryChanged, this, &TfrmGraph::placeFooter);
    connect(chart, &QGraphicsWidget::geometryChanged, this, &TfrmGraph::layOutLegend);
    // The plot's size sets which slice labels fit and where the bars end.
    connect(chart, &QChart::plotAreaChanged, this, [this] {
        updatePieMarks();
        placeBarValues();
    });
}

void TfrmGraph::setUpView()
{
    // The view comes from the layout file with a chart of its own, which it does not delete.
    QChart *placeholder = ui->Chart1->chart();
    ui->Chart1->setChart(chart);
    delete placeholder;
    m_spin = new TSpinningPie(ui->Chart1, Series1);
    ui->Chart1->setRenderHint(QPainter::Antialiasing);
    ui->Chart1->setRubberBand(QChartView::NoRubberBand);
    ui->Chart1->setDragMode(QGraphicsView::NoDrag);
    ui->Chart1->viewport()->installEventFilter(this);
    ui->Panel1->installEventFilter(this);
    // The chart from the keyboard: a frame shows it has the focus, and Space or Enter spins the pie
    // as a click does.
    ui->Chart1->setFocusPolicy(Qt::StrongFocus);
    ui->Chart1->installEventFilter(this);
    ui->Chart1->setAccessibleDescription(tr("Click the pie, or press Space or Enter, to start or stop it spinning."));
    m_focusFrame = new QFocusFrame(this);
    m_focusFrame->hide();
}

void TfrmGraph::connectControls()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(SpinIntervalMs);

    // Only printing can fail; the other handlers change the chart and nothing else.
    // The checked state, not the click: arrow keys, screen readers and code check a button without one.
    connect(ui->rbPie, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            rbPieClick();
    });
    connect(ui->rbBar, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            rbBarClick();
    });
    tabIntoCheckedButton({ui->rbPie, ui->rbBar});
    // "Bar" after the caption of "Pie", however long that is in the language in use.
    ui->rbBar->move(qMax(ui->rbBar->x(), ui->rbPie->x() + ui->rbPie->sizeHint().width() + 6), ui->rbBar->y());
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TfrmGraph::SpeedButton1Click);
    connectGuarded(ui->btSaveImage, &QPushButton::clicked, this, &TfrmGraph::btSaveImageClick);
    connectGuarded(ui->btPrint, &QPushButton::clicked, this, &TfrmGraph::btPrintClick);
    // Escape rejects the dialog too, the same as Close.
    connect(ui->btClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(Timer1, &QTimer::timeout, this, &TfrmGraph::Timer1Timer);
}

TfrmGraph::~TfrmGraph() = default;

void TfrmGraph::setTitle(const QString &title)
{
    m_title = title;
    // A screen reader names the focused chart by what it shows.
    ui->Chart1->setAccessibleName(title.simplified());
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
    // Room past the longest bar for its value.
    m_valueAxis->setRange(0, largest > 0 ? largest * 1.15 : 1);
    m_valueAxis->setTickCount(5);
    m_valueAxis->applyNiceNumbers();
    m_rowAxis->setCategories(rows);
}

// The chart's background: the palette's base on a dark desktop, else the light theme's white.
QColor TfrmGraph::chartBackground() const
{
    return palette().color(QPalette::Window).lightness() < 128 ? palette().color(QPalette::Base) : QColor(Qt::white);
}

void TfrmGraph::layOutLegend()
{
    const QColor background = chartBackground();
    QVector<ChartLegend::Entry> entries;
    double sum = 0;
    for (const ChartPoint &point : std::as_const(m_points))
        sum += point.value;
    // With its share, which a slice too thin for a label of its own does not show.
    for (const ChartPoint &point : std::as_const(m_points))
        entries.append({point.label + (sum > 0 ? formatShare(100 * point.value / sum) : QString()),
                        readableChartColour(point.colour, background)});
    m_legend->setEntries(entries);
    const QRectF area = chart->rect();
    const qreal top = 60, bottom = 40;
    const QSizeF size = m_legend->layOut(area.height() - top - bottom);
    m_legend->setPos(area.right() - size.width() - 10,
                     top + std::max<qreal>(0, (area.height() - top - bottom - size.height()) / 2));
    QMargins margins = chart->margins();
    margins.setRight(static_cast<int>(size.width()) + 20);
    if (margins != chart->margins())
        chart->setMargins(margins);
}

void TfrmGraph::placeBarValues()
{
    const bool shown = Series2->chart() && Series2->isVisible();
    const QRectF plot = chart->plotArea();
    for (int i = 0; i < m_barValues.size(); ++i) {
        QGraphicsSimpleTextItem *text = m_barValues[i];
        text->setVisible(shown);
        if (!shown || i >= m_points.size())
            continue;
        const QPointF end = chart->mapToPosition(QPointF(m_points[i].value, i), Series2);
        const QRectF box = text->boundingRect();
        // Past the bar's end, or inside it when the plot ends first.
        qreal x = end.x() + 4;
        if (x + box.width() > plot.right())
            x = end.x() - box.width() - 4;
        text->setPos(x, end.y() - box.height() / 2);
    }
}

QStringList TfrmGraph::barValueTexts() const
{
    QStringList texts;
    for (const QGraphicsSimpleTextItem *text : m_barValues)
        texts.append(text->text());
    return texts;
}

void TfrmGraph::setPoints(const QVector<ChartPoint> &points)
{
    Series1->clear();
    Series2->clear();
    m_points = points;
    // Each series takes its points in one call: the legend rebuilds its markers at every append.
    const QColor background = chartBackground();
    QList<QPieSlice *> slices;
    QList<QBarSet *> sets;
    slices.reserve(points.size());
    sets.reserve(points.size());
    for (qsizetype i = 0; i < points.size(); ++i) {
        const ChartPoint &point = points[i];
        const QColor colour = readableChartColour(point.colour, background);
        auto *slice = new QPieSlice(point.label, point.value);
        slice->setBrush(colour);
        // An outline, so that a white slice (and its legend box) still shows on the white chart.
        slice->setPen(QPen(Qt::darkGray, 1));
        slice->setLabelArmLengthFactor(LabelArmFactor);
        slices.append(slice);

        // Stacked bars, one set per point: each set holds its value in its own row and 0 elsewhere,
        // which gives every bar its own colour and legend entry at full bar height.
        auto *set = new QBarSet(point.label);
        QList<qreal> values(points.size(), 0.0);
        values[i] = point.value;
        set->append(values);
        set->setColor(colour);
        set->setPen(QPen(Qt::darkGray, 1));
        sets.append(set);
    }
    Series1->append(slices);
    Series2->append(sets);
    qDeleteAll(m_barValues);
    m_barValues.clear();
    for (const ChartPoint &point : points) {
        auto *text = new QGraphicsSimpleTextItem(formatWhole(point.value), chart);
        text->setFont(sansFont(10));
        text->setBrush(m_legend->textColour());
        m_barValues.append(text);
    }
    updatePieMarks();
    fitBarAxes();
    layOutLegend();
    placeBarValues();
}

QString TfrmGraph::pointTip(int index) const
{
    if (index < 0 || index >= m_points.size())
        return QString();
    double sum = 0;
    for (const ChartPoint &point : m_points)
        sum += point.value;
    const ChartPoint &point = m_points[index];
    return point.label + QStringLiteral(": ") + formatWhole(point.value) +
           (sum > 0 ? formatShare(100 * point.value / sum) : QString());
}

void TfrmGraph::showPointTip(int index)
{
    const QString tip = pointTip(index);
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(QCursor::pos(), tip, ui->Chart1);
}

void TfrmGraph::removeLastPoint()
{
    settlePie();
    const QList<QPieSlice *> slices = Series1->slices();
    if (slices.isEmpty())
        return;
    Series1->remove(slices.last());
    m_points.removeLast();
    QList<QBarSet *> sets = Series2->barSets();
    Series2->remove(sets.takeLast());
    for (QBarSet *set : sets)
        set->remove(set->count() - 1);
    delete m_barValues.takeLast();
    updatePieMarks();
    fitBarAxes();
    layOutLegend();
    placeBarValues();
}

// The slices show their shares where there is room for them; the legend keeps the points' labels.
void TfrmGraph::updatePieMarks()
{
    const QList<QLegendMarker *> markers = chart->legend()->markers(Series1);
    const QList<QPieSlice *> slices = Series1->slices();
    if (slices.isEmpty())
        return;
    QVector<double> values;
    for (const QPieSlice *slice : slices)
        values.append(slice->value());
    const QRectF plot = chart->plotArea();
    const QSizeF label = QFontMetricsF(slices.first()->labelFont()).size(0, QStringLiteral("100%"));
    const QVector<bool> shown = pieLabelsThatFit(
        values, Series1->pieStartAngle(), PieSize * std::min(plot.width(), plot.height()) / 2, LabelArmFactor, label);
    for (int i = 0; i < slices.size(); ++i) {
        // A thin slice whose label shows is not nothing: a tenth below one per cent.
        const qreal percent = slices[i]->percentage() * 100;
        slices[i]->setLabel((percent < 0.5 ? formatNumber(percent, 1) : QString::number(std::lround(percent))) +
                            QLatin1Char('%'));
        slices[i]->setLabelVisible(shown[i]);
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
    m_pointCount = static_cast<int>(Series1->count());
    ui->SpeedButton1->setVisible(m_pointCount > 3);
    ui->rbPie->setChecked(true);
    rbPieClick();
}

void TfrmGraph::rbPieClick()
{
    Series2->setVisible(false);
    m_valueAxis->setVisible(false);
    placeBarValues();
    m_pieShadow->setVisible(Series1->count() > 0);
    Series1->setVisible(true);
    for (QLegendMarker *marker : chart->legend()->markers(m_pieShadow))
        marker->setVisible(false);
}

void TfrmGraph::addBarsToChart()
{
    if (Series2->chart())
        return;
    chart->addSeries(Series2);
    Series2->attachAxis(m_valueAxis);
    Series2->attachAxis(m_rowAxis);
}

void TfrmGraph::rbBarClick()
{
    addBarsToChart();
    settlePie();
    Series1->setVisible(false);
    m_pieShadow->setVisible(false);
    Series2->setVisible(true);
    m_valueAxis->setVisible(true);
    placeBarValues();
}

void TfrmGraph::Chart1Click()
{
    if (!pieShown())
        return;
    if (Timer1->isActive()) {
        Timer1->stop();
        settlePie();
    } else
        Timer1->start();
}

void TfrmGraph::Timer1Timer()
{
    if (pieShown())
        turnPie();
}

void TfrmGraph::turnPie()
{
    m_rotation = std::fmod(m_rotation + SpinDegrees, 360.0);
    // While the timer runs, the spinning layer draws the turns: the chart would lay out every slice
    // and label twice for each. A turn by hand goes straight to the chart.
    if (!Timer1->isActive()) {
        settlePie();
        return;
    }
    if (!m_spin->isActive())
        m_spin->start();
    m_spin->setTurn(m_rotation - Series1->pieStartAngle());
}

// The chart's own pie takes the angle the spin has reached, and is drawn by the chart again.
void TfrmGraph::settlePie()
{
    m_spin->stop();
    Series1->setPieStartAngle(m_rotation);
    Series1->setPieEndAngle(m_rotation + 360);
    updatePieMarks();
}

void TfrmGraph::SpeedButton1Click()
{
    if (m_pointCount > 3) {
        removeLastPoint();
        --m_pointCount;
    }
    if (m_pointCount <= 3)
        ui->SpeedButton1->hide();
}

void TfrmGraph::Panel1Resize()
{
    QPushButton *close = ui->btClose;
    QPushButton *print = ui->btPrint;
    // 75 pixels wide, or as wide as its caption needs in the face and scale in use.
    for (QPushButton *button : {close, print, ui->btSaveImage}) {
        const int caption = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
        button->resize(qMax(75, caption + 16), button->height());
    }
    close->move(ui->Panel1->width() - close->width() - 5, close->y());
    print->move(close->x() - print->width() - 5, print->y());
    ui->btSaveImage->move(print->x() - ui->btSaveImage->width() - 5, ui->btSaveImage->y());
}

void TfrmGraph::btSaveImageClick()
{
    const QString path = SaveFileChoice::ask(this, tr("Save image"), QStringLiteral("lifetally-chart.png"),
                                             tr("PNG image (*.png);;SVG image (*.svg)"));
    if (path.isEmpty())
        return;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    // The chart's own pie at the angle reached, drawn as shapes; a running spin goes on at its next turn.
    settlePie();
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        const std::unique_ptr<QPaintDevice> svg =
            OutputDevices::newSvg(&buffer, ui->Chart1->size(), ui->Chart1->rect(), m_title);
        QPainter painter(svg.get());
        ui->Chart1->render(&painter);
    } else {
        // As sharp as on the screen: the window's size at its device pixel ratio.
        ui->Chart1->grab().save(&buffer, "PNG");
    }
    // Written whole or not at all, as the settings file is.
    writeFileAtomically(path, buffer.data());
}

void TfrmGraph::btPrintClick()
{
    if (!m_printer)
        m_printer = OutputDevices::newPrinter();
    QPrinter &printer = *m_printer;
    if (!PrinterChoice::ask(printer, this))
        return;
    // The page shows the chart's own pie at the angle reached; a running spin takes over again at its next turn.
    settlePie();
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
    ui->Chart1->render(&painter, target, ui->Chart1->viewport()->rect(), Qt::KeepAspectRatio);
    // Ending the job is what sends the page to the printer; a job that does not end is lost.
    const bool sent = painter.end();
    printer.setPageOrientation(before);
    if (!sent)
        Prompts::showPrintError(this);
}

bool TfrmGraph::eventFilter(QObject *watched, QEvent *event)
{
    // On release, so that the second click of a quick pair counts as well as the first.
    if (watched == ui->Chart1->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        Chart1Click();
    // The spin's picture of the chart no longer fits: the chart lays itself out anew and the next
    // turn takes a new picture.
    else if (watched == ui->Chart1->viewport() && event->type() == QEvent::Resize && m_spin->isActive())
        settlePie();
    else if (watched == ui->Panel1 && event->type() == QEvent::Resize)
        Panel1Resize();
    else if (watched == ui->Chart1 && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        const bool focused = event->type() == QEvent::FocusIn;
        m_focusFrame->setWidget(focused ? ui->Chart1 : nullptr);
        m_focusFrame->setVisible(focused);
    } else if (watched == ui->Chart1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            Chart1Click();
            return true;
        }
    } else if (watched == ui->Chart1->viewport() && event->type() == QEvent::Paint && !Series2->chart())
        QTimer::singleShot(0, this, &TfrmGraph::addBarsToChart);
    return QDialog::eventFilter(watched, event);
}

void TfrmGraph::setLookAhead(int age, const QString &title, const QVector<ChartPoint> &points)
{
    m_todayTitle = m_title;
    m_ageTitle = title;
    m_todayPoints = m_points;
    m_agePoints = points;
    const QString byAge = tr("By age %1").arg(age);
    m_byAge = new QCheckBox(
        tr("By &age %1", "check box: the chart counted up to this age; pick an access key not used in the window")
            .arg(age),
        ui->Panel1);
    m_byAge->setObjectName(QStringLiteral("cbByAge"));
    // Between "Bar" and "Reduce # visible points": after the caption of "Bar", however long it is in
    // the language in use, and up to where the next button starts.
    const int left = qMax(124, ui->rbBar->x() + ui->rbBar->sizeHint().width() + 4);
    m_byAge->setGeometry(left, 12, qMax(100, ui->SpeedButton1->x() - left), 17);
    m_byAge->show();
    connect(m_byAge, &QCheckBox::toggled, this, [this](bool checked) {
        settlePie();
        setTitle(checked ? m_ageTitle : m_todayTitle);
        setPoints(checked ? m_agePoints : m_todayPoints);
        m_pointCount = static_cast<int>(Series1->count());
        ui->SpeedButton1->setVisible(m_pointCount > 3);
        if (pieShown())
            rbPieClick();
    });
}
