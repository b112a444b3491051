#pragma once

#include "calc/tablekind.h"
#include <QString>
#include <QStringList>
#include <array>

class ActivityModel;

// The column titles of a table's row 0: "Activity", "Time" / "Amount" / "Frequency", "Per",
// "Start date", "End date", "Total Hrs" / "Total Amt" / "Total Freq".
QStringList columnTitles(TableKind kind);
// Writes them into row 0, as the main window does before it reads the settings file.
void writeColumnTitles(ActivityModel &table, TableKind kind);

// The columns' fixed widths in pixels, the same in all three tables; the printed report takes its
// column widths in characters from them.
constexpr std::array<int, 6> ColumnPixels = {171, 87, 41, 66, 67, 119};

// The rows' height in pixels at a screen scale: 21, or at a fractional scale the next height that
// is a whole number of device pixels, so that every row is as high as the others (at 1.25 × a
// 21-pixel row takes 26 device pixels or 27 by turns).
int rowPixels(double scale);
