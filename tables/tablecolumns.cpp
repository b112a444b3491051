#include "tables/tablecolumns.h"

#include "tables/activitymodel.h"
#include <QCoreApplication>
#include <cmath>

QStringList columnTitles(TableKind kind)
{
    const QStringList shared{QCoreApplication::translate("TableColumns", "Activity", "column title"),
                             QString(),
                             QCoreApplication::translate("TableColumns", "Per", "column title: the period"),
                             QCoreApplication::translate("TableColumns", "Start date", "column title"),
                             QCoreApplication::translate("TableColumns", "End date", "column title"),
                             QString()};
    QStringList titles = shared;
    switch (kind) {
    case TableKind::Hours:
        titles[1] = QCoreApplication::translate("TableColumns", "Time", "column title: hours and minutes");
        titles[5] = QCoreApplication::translate("TableColumns", "Total Hrs", "column title: the hours in all, short");
        return titles;
    case TableKind::Money:
        titles[1] = QCoreApplication::translate("TableColumns", "Amount", "column title: money");
        titles[5] = QCoreApplication::translate("TableColumns", "Total Amt", "column title: the money in all, short");
        return titles;
    case TableKind::Frequency:
        break;
    }
    titles[1] = QCoreApplication::translate("TableColumns", "Frequency", "column title: how often");
    titles[5] = QCoreApplication::translate("TableColumns", "Total Freq", "column title: how often in all, short");
    return titles;
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
