#include "about/gradientback.h"

#include <QPainter>

TGradientBack::TGradientBack(QWidget *parent) : QWidget(parent)
{
    for (int i = 0; i < Bands; ++i) {
        m_blue[i] = qRgb(0, 0, 255 - i);
        m_blueToRed[i] = qRgb(i, 0, 255 - i);
    }
    // The bands cover every pixel, so erasing first would only make the window flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

QRgb TGradientBack::bandColour(int i) const
{
    return m_isAllBlue ? m_blue.at(i) : m_blueToRed.at(i);
}

void TGradientBack::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The step is kept in single precision on purpose: the band edges follow from its rounding.
    const float step = float(height()) / 255.0f;
    const int bandHeight = int(step + 1.0f);
    int top = 0;
    for (int i = 0; i < Bands; ++i) {
        painter.fillRect(0, top, width(), bandHeight, QColor(bandColour(i)));
        top = int(double(i) * double(step));
    }
}
