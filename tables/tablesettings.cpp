#include "tables/tablesettings.h"

#include "tables/activitymodel.h"

FileFormatState readTables(const QString &path, BioFields &bio, ActivityModel &hours, ActivityModel &money, ActivityModel &freq)
{
    Entries read{bio, hours.table(), money.table(), freq.table()};
    const FileFormatState state = readSettingsFile(path, read);
    bio = read.bio;
    hours.setTable(read.hours);
    money.setTable(read.money);
    freq.setTable(read.freq);
    return state;
}
