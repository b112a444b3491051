#pragma once

#include "results/chartdata.h"
#include <QDialog>
#include <memory>

class ChartLegend;
class QBarCategoryAxis;
class QCheckBox;
class QChart;
class QFocusFrame;
class QGraphicsSimpleTextItem;
class QHorizontalStackedBarSeries;
class QPieSeries;
class QPrinter;
class QTimer;
class TSpinningPie;
class QValueAxis;

namespace Ui {
class TfrmGraph;
}

// The chart window: the points of one table as a pie or as horizontal bars. The pie spins on a
// click, points can be dropped from the end, and the chart can be printed.
class TfrmGraph : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmGraph(QWidget *parent = nullptr);
    ~TfrmGraph() override;

    void setTitle(const QString &title);
    QString title() const { return m_title; }
    // What the tooltip of point `index` says: "Sleeping: 190,624 (33.33%)", its share of all the
    // points; empty for no point.
    QString pointTip(int index) const;
    // Feeds both series the same points in the same order.
    void setPoints(const QVector<ChartPoint> &points);

    // The title and points by the look-ahead age, after today's: a check box "By age <age>"
    // switches the chart, title and all, to them and back.
    void setLookAhead(int age, const QString &title, const QVector<ChartPoint> &points);

    // One tick of the spin: the timer calls it, tests call it directly.
    void Timer1Timer();

    int pointCount() const { return m_pointCount; }
    const QVector<ChartPoint> &points() const { return m_points; }
    bool pieShown() const;
    qreal pieRotation() const { return m_rotation; }
    // What draws the pie while the timer turns it.
    const TSpinningPie *spinningPie() const { return m_spin; }
    // The legend the window draws, and the value written at the end of each bar.
    const ChartLegend *legend() const { return m_legend; }
    QStringList barValueTexts() const;

    // The chart and its two series are built in code, not in the layout file: they are not
    // widgets, so tests reach them through these members rather than by name.
    QChart *chart = nullptr;
    QPieSeries *Series1 = nullptr;
    QHorizontalStackedBarSeries *Series2 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void rbPieClick();
    void rbBarClick();
    void SpeedButton1Click();
    void btPrintClick();
    // Writes the chart as it stands to a PNG file, or SVG when the chosen name ends in ".svg".
    void btSaveImageClick();

private:
    // The constructor's steps, in order.
    void makeChart(bool dark);
    void addSeries(bool dark);
    void addAxes();
    void addFooter();
    void setUpView();
    void connectControls();

    void FormShow();
    void Chart1Click();
    void Panel1Resize();
    void removeLastPoint();
    void updatePieMarks();
    void showPointTip(int index);
    void turnPie();
    void settlePie();
    void fitBarAxes();
    void addBarsToChart();
    void placeFooter();
    // The legend's entries and place, and the room the chart leaves it.
    QColor chartBackground() const;
    void layOutLegend();
    void placeBarValues();

    std::unique_ptr<Ui::TfrmGraph> ui;
    QTimer *Timer1 = nullptr;
    // A full grey disc under the pie, a little down and to the right, as its shadow.
    QPieSeries *m_pieShadow = nullptr;
    TSpinningPie *m_spin = nullptr;
    QFocusFrame *m_focusFrame = nullptr;
    QValueAxis *m_valueAxis = nullptr;
    QBarCategoryAxis *m_rowAxis = nullptr;
    QGraphicsSimpleTextItem *m_footer = nullptr;
    ChartLegend *m_legend = nullptr;
    QList<QGraphicsSimpleTextItem *> m_barValues;
    QString m_title;
    QVector<ChartPoint> m_points;
    std::unique_ptr<QPrinter> m_printer;
    QCheckBox *m_byAge = nullptr;
    QString m_todayTitle;
    QString m_ageTitle;
    QVector<ChartPoint> m_todayPoints;
    QVector<ChartPoint> m_agePoints;
    int m_pointCount = 0;
    qreal m_rotation = 0;
};
