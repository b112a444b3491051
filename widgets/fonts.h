#pragma once

#include <QFont>
#include <QString>

// The windows' faces at the pixel sizes of their design; Designer files can only give point sizes.
QFont pixelFont(const QString &family, int pixels, bool bold = false);
QFont sansFont(int pixels, bool bold = false);  // "MS Sans Serif"
QFont serifFont(int pixels, bool bold = false); // "Times New Roman"
