#include "tables/tablesettings.h"

#include "tables/activitymodel.h"

FileFormatState readTables(const QString &path, BioFields &bio, ActivityModel &hours, ActivityModel &money, ActivityModel &freq)
{
    TableCells h = hours.table(), m = money.table(), f = freq.table();
    const FileFormatState state = readSettingsFile(path, bio, h, m, f);
    hours.setTable(h);
    money.setTable(m);
    freq.setTable(f);
    return state;
}
