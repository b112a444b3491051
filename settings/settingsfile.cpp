#include "settings/settingsfile.h"

#include "calc/clock.h"
#include "calc/datetext.h"
#include "calc/localesettings.h"
#include "settings/fileformat.h"
#include "settings/inifile.h"
#include "settings/programfolder.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {

struct TableKeys {
    const char *countSection;
    const char *rowSection;
    const char *amountKey;
    std::optional<AmountKind> amountKind; // none: a duration text, the same in every format
};

const TableKeys HoursKeys{"Hours", "Hour", "HrMin", std::nullopt};
const TableKeys MoneyKeys{"Money", "Money", "Amount", AmountKind::Money};
const TableKeys FreqKeys{"Freq", "Freq", "Amount", AmountKind::Count};

enum Column { AmountColumn = 1, StartColumn = 3, EndColumn = 4 };

QString &chosenPath()
{
    static QString path;
    return path;
}

QStringList rowKeys(const TableKeys &t)
{
    return {QStringLiteral("Desc"), QLatin1String(t.amountKey), QStringLiteral("Per"), QStringLiteral("Start"),
            QStringLiteral("End")};
}

void readTable(const IniFile &ini, const TableKeys &t, const FormatConversion &conversion, TableCells &table)
{
    table.resize(TableRows);
    const int count = ini.readInteger(QLatin1String(t.countSection), QStringLiteral("Count"), 5);
    const QStringList keys = rowKeys(t);
    // Rows past the table's last activity row have no place; their sections are ignored.
    const int last = qMin(count, TableRows - 1);
    for (int n = 1; n <= last; ++n) {
        const QString section = QLatin1String(t.rowSection) + QString::number(n);
        QStringList &row = table[n];
        if (row.size() < keys.size())
            row.resize(keys.size());
        for (int col = 0; col < keys.size(); ++col)
            row[col] = ini.readString(section, keys[col], QString());
        if (t.amountKind)
            row[AmountColumn] = conversion.amount(row[AmountColumn], *t.amountKind);
        row[StartColumn] = conversion.date(row[StartColumn]);
        row[EndColumn] = conversion.date(row[EndColumn]);
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

bool holdsEntries(const IniFile &ini)
{
    const auto any = [&ini](const QString &section, const QStringList &keys) {
        for (const QString &key : keys)
            if (ini.contains(section, key))
                return true;
        return false;
    };
    if (any(QStringLiteral("DOB"), {QStringLiteral("Date")}) || any(QStringLiteral("Name"), {QStringLiteral("name")}) ||
        any(QStringLiteral("Income"), {QStringLiteral("income")}))
        return true;
    for (const TableKeys *t : {&HoursKeys, &MoneyKeys, &FreqKeys}) {
        if (any(QLatin1String(t->countSection), {QStringLiteral("Count")}))
            return true;
        const QStringList keys = rowKeys(*t);
        for (int n = 1; n <= TableRows; ++n)
            if (any(QLatin1String(t->rowSection) + QString::number(n), keys))
                return true;
    }
    return false;
}

// Takes group and other users' access away and leaves the owner's as it is: a read-only file
// stays read-only, so a save still refuses it.
void keepToOwner(const QString &path)
{
    const QFileDevice::Permissions own = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                         QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    const QFileDevice::Permissions now = QFile::permissions(path);
    if (QFileInfo::exists(path) && (now & ~own))
        QFile::setPermissions(path, now & own);
}

} // namespace

SettingsFileCheck checkSettingsFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {SettingsFileStatus::Missing, QStringLiteral("No such file or directory")};
    if (info.isDir())
        return {SettingsFileStatus::Unreadable, QStringLiteral("It is a folder")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {SettingsFileStatus::Unreadable, file.errorString()};
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {SettingsFileStatus::Unreadable, file.errorString()};
    IniFile ini{QString()};
    ini.parse(content);
    if (!holdsEntries(ini))
        return {SettingsFileStatus::NoEntries, QStringLiteral("It holds no Lifetally entries")};
    return {SettingsFileStatus::Readable, QString()};
}

QString settingsFilePath()
{
    return chosenPath().isEmpty() ? programFolder() + QStringLiteral("lfy.ini") : chosenPath();
}

void setSettingsFilePath(const QString &path)
{
    // Absolute, so that the messages name the file whatever the working folder.
    chosenPath() = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

bool settingsFileChosen()
{
    return !chosenPath().isEmpty();
}

void readSettingsFile(const QString &path, BioFields &bio, TableCells &hours, TableCells &money, TableCells &freq)
{
    const IniFile ini(path);
    const LocaleSettings &current = LocaleSettings::current();
    // A file from before the format was recorded is taken as written in the current format.
    LocaleSettings written = current;
    readFileFormat(ini, current, written);
    const FormatConversion conversion(written, current);

    bio.name = ini.readString(QStringLiteral("Name"), QStringLiteral("name"), QStringLiteral("Your name"));
    bio.birthDate = conversion.date(ini.readString(QStringLiteral("DOB"), QStringLiteral("Date"), QString()));
    if (bio.birthDate.isEmpty())
        bio.birthDate = shortDateText(Clock::now());
    bio.income = ini.readInteger(QStringLiteral("Income"), QStringLiteral("income"), 250000);
    readTable(ini, HoursKeys, conversion, hours);
    readTable(ini, MoneyKeys, conversion, money);
    readTable(ini, FreqKeys, conversion, freq);
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
    // Last, so that a new file has every earlier section where it always was.
    writeFileFormat(ini, LocaleSettings::current());
    // The file holds a person's birth date and income. Tightened before the save as well as after:
    // the backup is the old file itself, and the new one may take over the old one's permissions.
    keepToOwner(path);
    ini.save();
    keepToOwner(path);
    keepToOwner(IniFile::backupPath(path));
}
