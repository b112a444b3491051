#include "widgets/menuframe.h"

#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace {
class MenuFrameStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        const QColor window = option->palette.color(QPalette::Window);
        if ((element != PE_FrameMenu && element != PE_PanelMenu) || window.lightness() >= 128)
            return;
        painter->save();
        painter->setPen(window.lighter(220));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};
} // namespace

void keepMenuFrameVisible(QMenu *menu)
{
    auto *style = new MenuFrameStyle;
    // A widget does not own the style it is given.
    style->setParent(menu);
    menu->setStyle(style);
}
