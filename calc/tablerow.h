#pragma once

#include <QLatin1String>
#include <QString>

// The cells of an activity row, in the order every table, the settings file and the exports keep
// them. The second holds the time, amount or frequency; the total is counted, never stored.
namespace Column {
enum Index { Activity = 0, Amount = 1, Per = 2, Start = 3, End = 4, Total = 5, Count = 6 };
}

// The end-date text of a row that is still going on, in the table and in the settings file.
inline const QLatin1String NowText("Now");

inline bool isNow(const QString &endText)
{
    return endText == NowText;
}
