#pragma once

#include "results/piedisc.h"

#include <QBrush>
#include <QFont>
#include <QGraphicsItem>
#include <QImage>
#include <QPen>
#include <QStaticText>
#include <QTransform>
#include <memory>
#include <vector>

class QChart;
class QGraphicsView;
class QObject;
class QPaintEvent;
class QPainter;
class QRegion;
class QPieSeries;

// The pie while it spins, drawn over the chart in its place: the same slices, outlines, label arms
// and upright labels, at any angle, without the chart laying out every slice and label anew at each
// turn. The chart's own pie is made transparent meanwhile and takes the final angle when the spin
// stops; its legend and the shadow beneath stay the chart's.
//
// A turn repaints only the pie: what lies beneath it is kept as a picture while the pie spins, and
// a repaint of the view that stays within the pie is answered from that picture and the disc,
// without the chart's other items being drawn again.
class TSpinningPie : public QGraphicsItem
{
public:
    TSpinningPie(QChart *chart, QPieSeries *series);
    ~TSpinningPie() override;

    // The view that shows the chart, whose repaints within the pie the spin answers itself.
    void attach(QGraphicsView *view);

    // Takes over from the series, whose slices now stand at `seriesAngle`.
    void start();
    // Hands the pie back to the series.
    void stop();
    bool isActive() const { return m_active; }
    // The turn, in degrees clockwise, from where the series stood when the spin began.
    void setTurn(qreal degrees);
    // The label texts' rectangles at the present turn, in chart coordinates.
    QVector<QRectF> labelRects() const;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    struct Slice {
        qreal start = 0; // degrees clockwise from 12 o'clock, at no turn
        qreal span = 0;
        QPen pen;
        QBrush brush;
        bool labelled = false;
        QStaticText label;
        QFont labelFont;
        QFont screenFont; // resolved as the viewport's painter would
        QPen armPen;
        QSizeF labelSize;
        QRectF ink; // the drawn glyphs' reach, from where the text is drawn
        qreal armFactor = 0;
    };
    void layOut();
    bool paintAlone(QPaintEvent *event);
    // A turn drawn straight into the window's picture and sent to the screen, where the last turn
    // is there already; false where it cannot be.
    bool paintStraight();
    // The turn in `region` of the viewport, with `painter` on the window's picture or anything a
    // repaint goes to; `base` places the viewport on the painter's device, and pixels are written
    // straight only within `allowedOnDevice` (or the painter's own limits, when empty).
    // `screenDevice`, when given, is the window's picture the painter's device shares its pixels with.
    bool paintTurn(QPainter &painter, const QRegion &region, const QRect &bounds, const QTransform &toView,
                   const QTransform &base, const QRect &allowedOnDevice, const QPaintDevice *screenDevice);
    void paintWedges(QPainter *painter);
    enum class DiscPicture { None, Alone, OnBackdrop };
    DiscPicture prepareDisc(QPainter *painter);
    bool paintDisc(QPainter *painter);
    QRectF labelRect(const Slice &slice, QPointF *armStart, QPointF *elbow, QPointF *armEnd) const;
    // Where each drawn label and its arm touch the viewport, with room for anti-aliasing.
    void labelAreas(const QTransform &toView, std::vector<QRect> &areas) const;

    QChart *m_chart;
    QPieSeries *m_series;
    std::vector<Slice> m_slices;
    std::vector<QPointF> m_outline; // reused for every slice, so a turn allocates nothing
    QRectF m_plot;
    QPointF m_centre;
    qreal m_radius = 0;
    qreal m_turn = 0;
    QRectF m_bounds;
    bool m_active = false;

    TPieDisc m_disc;
    qreal m_discScale = 0;
    QGraphicsView *m_view = nullptr;
    bool m_viewWasOpaque = false;
    std::unique_ptr<QObject> m_paintFilter;
    QImage m_backdrop;    // the view beneath the pie, without it
    QRect m_backdropRect; // in the viewport
    QRectF m_backdropPlot;
    bool m_hidden = false;       // while the backdrop is drawn
    bool m_onBackdrop = false;   // while a repaint is answered from the backdrop
    bool m_straight = false;     // while a turn is drawn straight into the window's picture
    QPoint m_backdropOrigin;     // in device pixels of the painter at hand
    QPoint m_discBackdropOrigin; // where the disc took its backdrop from
    // What the last turn left in the window's backing store: the next one need only clear where
    // labels stood, as the disc's square is repainted whole and nothing else moves.
    struct Frame {
        bool valid = false;
        const QPaintDevice *device = nullptr;
        QRect bounds;
        QTransform deviceTransform;
        qreal turn = 0;
        std::vector<QRect> labels;
    };
    Frame m_lastFrame;
    std::vector<QRect> m_labelAreas; // reused, so a turn allocates nothing for them
    std::vector<QRect> m_discRects;  // the disc's pieces this paint draws, in its picture's pixels
    // While a paint copies pictures straight into the window's: it, where the paint may write in
    // it, and where the viewport's pixels stand in it.
    QImage *m_screen = nullptr;
    QRect m_screenClip;
    QPoint m_screenOffset;
    const uchar *m_screenAdvised = nullptr; // the window's picture last gathered into large pages
    QImage m_straightPicture;               // the window's pixels, for turns drawn straight into them
};
