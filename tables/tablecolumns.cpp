#include "tables/tablecolumns.h"

#include "tables/activitymodel.h"
#include <cmath>

QStringList columnTitles(TableKind kind)
{
    switch (kind) {
    case TableKind::Hours:
        return {QStringLiteral("Activity"),   QStringLiteral("Time"),     QStringLiteral("Per"),
                QStringLiteral("Start date"), QStringLiteral("End date"), QStringLiteral("Total Hrs")};
    case TableKind::Money:
        return {QStringLiteral("Activity"),   QStringLiteral("Amount"),   QStringLiteral("Per"),
                QStringLiteral("Start date"), QStringLiteral("End date"), QStringLiteral("Total Amt")};
    case TableKind::Frequency:
        break;
    }
    return {QStringLiteral("Activity"),   QStringLiteral("Frequency"), QStringLiteral("Per"),
            QStringLiteral("Start date"), QStringLiteral("End date"),  QStringLiteral("Total Freq")};
}

void writeColumnTitles(ActivityModel &table, TableKind kind)
{
    table.setRowTexts(0, columnTitles(kind));
}

int rowPixels(double scale)
{
    constexpr int Natural = 21;
    for (int pixels = Natural; pixels < Natural + 8; ++pixels) {
        const double device = pixels * scale;
        if (std::abs(device - std::round(device)) < 1e-6)
            return pixels;
    }
    return Natural;
}
