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
