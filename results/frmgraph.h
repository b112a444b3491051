#pragma once

#include "results/chartdata.h"
#include <QDialog>
#include <memory>

class QBarCategoryAxis;
class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QHorizontalStackedBarSeries;
class QPieSeries;
class QPrinter;
class QRadioButton;
class QPushButton;
class QTimer;
class QValueAxis;
class QToolButton;
class QWidget;

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
    // Feeds both series the same points in the same order.
    void setPoints(const QVector<ChartPoint> &points);

    void FormShow();
    void rbPieClick();
    void rbBarClick();
    void Chart1Click();
    void Timer1Timer();
    void SpeedButton1Click();
    void Panel1Resize();
    void btPrintClick();
    // Writes the chart as it stands to a PNG file, or SVG when the chosen name ends in ".svg".
    void btSaveImageClick();

    int pointCount() const { return m_pointCount; }
    const QVector<ChartPoint> &points() const { return m_points; }
    bool pieShown() const;
    qreal pieRotation() const { return m_rotation; }

    QChartView *Chart1 = nullptr;
    QChart *chart = nullptr;
    QPieSeries *Series1 = nullptr;
    QHorizontalStackedBarSeries *Series2 = nullptr;
    QWidget *Panel1 = nullptr;
    QRadioButton *rbPie = nullptr;
    QRadioButton *rbBar = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QPushButton *btPrint = nullptr;
    QPushButton *btClose = nullptr;
    QPushButton *btSaveImage = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addPoint(const ChartPoint &point);
    void removeLastPoint();
    void updatePieMarks();
    void turnPie();
    void fitBarAxes();
    void placeFooter();

    // A full grey disc under the pie, a little down and to the right, as its shadow.
    QPieSeries *m_pieShadow = nullptr;
    QValueAxis *m_valueAxis = nullptr;
    QBarCategoryAxis *m_rowAxis = nullptr;
    QGraphicsSimpleTextItem *m_footer = nullptr;
    QString m_title;
    QVector<ChartPoint> m_points;
    std::unique_ptr<QPrinter> m_printer;
    int m_pointCount = 0;
    qreal m_rotation = 0;
};
