#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The windows' faces at the pixel sizes of their design; Designer files can only give point sizes.
QFont pixelFont(const QString &family, int pixels, bool bold = false);
QFont sansFont(int pixels, bool bold = false);  // "MS Sans Serif"
QFont serifFont(int pixels, bool bold = false); // "Times New Roman"

// The families of the list that are installed, in order; the list as it stands when none is.
// Qt asks font-config for a stand-in for each family that is not installed before it tries the
// next one; a list without them draws the same face without those queries.
QStringList installedFamilies(const QStringList &families);

class QLabel;
class QWidget;
// The wizard's title: a decorative face where one is installed, 48 pixels, bold and italic.
QFont titleFont();
// Headings are navy; on a dark desktop theme navy would vanish, so a light blue stands in.
void paintNavy(QWidget *label);

// Gives `label` the face `font` at its size, or as many pixels smaller, down to `smallestPixels`, as
// its text needs to fit the label's box (on one line, or wrapped where the label wraps): a longer
// language keeps the fixed layout and still shows every word. Call it again when the text changes.
void fitLabelFont(QLabel *label, QFont font, int smallestPixels);
