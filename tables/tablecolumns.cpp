#include "tables/tablecolumns.h"

#include "tables/activitymodel.h"

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
