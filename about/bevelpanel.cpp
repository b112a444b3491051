#include "about/bevelpanel.h"

#include <QPainter>
#include <qdrawutil.h>

TBevelPanel::TBevelPanel(QWidget *parent) : QWidget(parent) {}

void TBevelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QBrush face = palette().brush(QPalette::Button);
    qDrawShadePanel(&painter, rect(), palette(), true, 3, &face);
    qDrawShadePanel(&painter, rect().adjusted(3, 3, -3, -3), palette(), false, 3, &face);
}
