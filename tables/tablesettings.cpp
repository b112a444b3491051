#include "tables/tablesettings.h"

#include "tables/activitymodel.h"

void readTables(const QString &path, BioFields &bio, ActivityModel &hours, ActivityModel &money, ActivityModel &freq)
{
    TableCells h = hours.table(), m = money.table(), f = freq.table();
    readSettingsFile(path, bio, h, m, f);
    hours.setTable(h);
    money.setTable(m);
    freq.setTable(f);
}
