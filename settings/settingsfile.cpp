#include "settings/settingsfile.h"

#include "calc/clock.h"
#include "calc/datetext.h"
#include "settings/inifile.h"
#include "settings/programfolder.h"

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

void readTable(const IniFile &ini, const TableKeys &t, TableCells &table)
{
    table.resize(TableRows);
    const int count = ini.readInteger(QLatin1String(t.countSection), QStringLiteral("Count"), 5);
    const QStringList keys = rowKeys(t);
    // Rows past the table's last activity row have no place; their sections are ignored.
    const int last = qMin(count, TableRows - 1);
    for (int n = 1; n <= last; ++n) {
        const QString section = QLatin1String(t.rowSection) + QString::number(n);
        QStringList &row = table[n];
        while (row.size() < keys.size())
            row.append(QString());
        for (int col = 0; col < keys.size(); ++col)
            row[col] = ini.readString(section, keys[col], QString());
    }
}

void writeTable(IniFile &ini, const TableKeys &t, const TableCells &table)
{
    ini.writeInteger(QLatin1String(t.countSection), QStringLiteral("Count"), TableRows);
    const QStringList keys = rowKeys(t);
    // Section 51 is written too, always empty, as every earlier version of the file has it.
    for (int n = 1; n <= TableRows; ++n) {
        const QString section = QLatin1String(t.rowSection) + QString::number(n);
        const QStringList row = n < table.size() ? table[n] : QStringList();
        for (int col = 0; col < keys.size(); ++col)
            ini.writeString(section, keys[col], row.value(col));
    }
}

} // namespace

QString settingsFilePath()
{
    return programFolder() + QStringLiteral("lfy.ini");
}

void readSettingsFile(const QString &path, BioFields &bio, TableCells &hours, TableCells &money, TableCells &freq)
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

void writeSettingsFile(const QString &path, const BioFields &bio, const TableCells &hours, const TableCells &money,
                       const TableCells &freq)
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
