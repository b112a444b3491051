#include "widgets/icons.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

QIcon calendarIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const QPalette pal = QApplication::palette();
    p.setPen(pal.color(QPalette::WindowText));
    p.setBrush(pal.color(QPalette::Base));
    p.drawRect(1, 2, 13, 12);
    p.fillRect(2, 3, 12, 3, QColor(0xc0, 0x20, 0x20));
    p.setPen(pal.color(QPalette::WindowText));
    for (int y = 8; y <= 12; y += 2)
        for (int x = 3; x <= 12; x += 3)
            p.drawPoint(x, y);
    p.drawLine(4, 1, 4, 3);
    p.drawLine(11, 1, 11, 3);
    return QIcon(pm);
}

QIcon programIcon()
{
    // The resources live in a static library: register them before the first use.
    Q_INIT_RESOURCE(lifetally);
    return QIcon(QStringLiteral(":/icons/lifetally.png"));
}
