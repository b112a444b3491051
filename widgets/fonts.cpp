#include "widgets/fonts.h"

QFont pixelFont(const QString &family, int pixels, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont sansFont(int pixels, bool bold)
{
    return pixelFont(QStringLiteral("MS Sans Serif"), pixels, bold);
}

QFont serifFont(int pixels, bool bold)
{
    return pixelFont(QStringLiteral("Times New Roman"), pixels, bold);
}
