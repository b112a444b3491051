#include "widgets/fieldframe.h"

#include "widgets/contrast.h"
#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace {
class FieldFrameStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element == PE_FrameLineEdit)
            drawVisibleFrame(option, painter);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_SpinBox)
            if (const auto *spin = qstyleoption_cast<const QStyleOptionSpinBox *>(option); spin && spin->frame)
                drawVisibleFrame(option, painter);
    }

private:
    static void drawVisibleFrame(const QStyleOption *option, QPainter *painter)
    {
        const QPalette &palette = option->palette;
        const QColor base = palette.color(QPalette::Base);
        if (base.lightness() >= 128)
            return;
        painter->save();
        painter->setPen(visibleLine(palette.color(QPalette::Mid), base, palette.color(QPalette::Text)));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};
} // namespace

void keepFieldFramesVisible()
{
    // The style in force (the desktop's, or one chosen with -style) underneath.
    QApplication::setStyle(new FieldFrameStyle(QStyleFactory::create(QApplication::style()->name())));
}
