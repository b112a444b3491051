#include "app/settingsfile.h"

#include "app/datetext.h"
#include "app/inifile.h"
#include "app/programfolder.h"
#include "calc/clock.h"
#include "tables/activitymodel.h"

namespace {

struct TableKeys {
    const char *countSection;
    const char *rowSection;
    const char *amountKey;
};

const TableKeys HoursKeys{"Hours", "Hour", "HrMin"};
const TableKeys MoneyKeys{"Money", "Money", "Amount"};
const TableKeys FreqKeys{"Freq", "Freq", "Amount"};

QStringList rowKeys(const TableKeys &t)
{
    return {QStringLiteral("Desc"), QLatin1String(t.amountKey), QStringLiteral("Per"), QStringLiteral("Start"),
            QStringLiteral("End")};
}

void readTable(const IniFile &ini, const TableKeys &t, ActivityModel &table)
{
    const int count = ini.readInteger(QLatin1String(t.countSection), QStringLiteral("Count"), 5);
    const QStringList keys = rowKeys(t);
    // Rows past the table's last activity row have no place; their sections are ignored.
    const int last = qMin(count, ActivityModel::RowCount - 1);
    for (int n = 1; n <= last; ++n) {
        const QString section = QLatin1String(t.rowSection) + QString::number(n);
        for (int col = 0; col < keys.size(); ++col)
            table.setCell(n, col, ini.readString(section, keys[col], QString()));
    }
}

void writeTable(IniFile &ini, const TableKeys &t, const ActivityModel &table)
{
    ini.writeInteger(QLatin1String(t.countSection), QStringLiteral("Count"), ActivityModel::RowCount);
    const QStringList keys = rowKeys(t);
    // Section 51 is written too, always empty, as every earlier version of the file has it.
    for (int n = 1; n <= ActivityModel::RowCount; ++n) {
        const QString section = QLatin1String(t.rowSection) + QString::number(n);
        for (int col = 0; col < keys.size(); ++col)
            ini.writeString(section, keys[col], table.cell(n, col));
    }
}

} // namespace

QString settingsFilePath()
{
    return programFolder() + QStringLiteral("lfy.ini");
}

void readSettingsFile(const QString &path, BioFields &bio, ActivityModel &hours, ActivityModel &money,
                      ActivityModel &freq)
{
    const IniFile ini(path);
    bio.name = ini.readString(QStringLiteral("Name"), QStringLiteral("name"), QStringLiteral("Your name"));
    bio.birthDate = ini.readString(QStringLiteral("DOB"), QStringLiteral("Date"), QString());
    if (bio.birthDate.isEmpty())
        bio.birthDate = shortDateText(Clock::now());
    bio.income = ini.readInteger(QStringLiteral("Income"), QStringLiteral("income"), 250000);
    readTable(ini, HoursKeys, hours);
    readTable(ini, MoneyKeys, money);
    readTable(ini, FreqKeys, freq);
}

void writeSettingsFile(const QString &path, const BioFields &bio, const ActivityModel &hours,
                       const ActivityModel &money, const ActivityModel &freq)
{
    IniFile ini(path);
    ini.writeString(QStringLiteral("DOB"), QStringLiteral("Date"), bio.birthDate);
    ini.writeString(QStringLiteral("Name"), QStringLiteral("name"), bio.name);
    ini.writeInteger(QStringLiteral("Income"), QStringLiteral("income"), bio.income);
    writeTable(ini, HoursKeys, hours);
    writeTable(ini, MoneyKeys, money);
    writeTable(ini, FreqKeys, freq);
    ini.save();
}
