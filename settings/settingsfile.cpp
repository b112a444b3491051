#include "settings/settingsfile.h"

#include "calc/clock.h"
#include "calc/datetext.h"
#include "calc/localesettings.h"
#include "settings/fileformat.h"
#include "settings/inifile.h"
#include "settings/pricessection.h"
#include "settings/programfolder.h"

#include "calc/tablerow.h"
#include "settings/atomicfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <sys/stat.h>

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
        if (row.size() < keys.size())
            row.resize(keys.size());
        for (int col = 0; col < keys.size(); ++col)
            row[col] = ini.readString(section, keys[col], QString());
    }
}

// The dates and amounts of a table that a regional format decides, from row 1 on.
void collectTexts(const TableKeys &t, const TableCells &table, StoredTexts &texts)
{
    for (int n = 1; n < table.size(); ++n) {
        const QStringList &row = table[n];
        if (t.amountKind && !row.value(Column::Amount).isEmpty())
            (*t.amountKind == AmountKind::Money ? texts.money : texts.counts) << row.value(Column::Amount);
        for (int col : {Column::Start, Column::End}) {
            const QString text = row.value(col);
            if (!text.isEmpty() && !isNow(text))
                texts.dates << text;
        }
    }
}

void convertTable(const TableKeys &t, const FormatConversion &conversion, TableCells &table)
{
    for (int n = 1; n < table.size(); ++n) {
        QStringList &row = table[n];
        if (row.size() <= Column::End)
            continue;
        if (t.amountKind)
            row[Column::Amount] = conversion.amount(row[Column::Amount], *t.amountKind);
        row[Column::Start] = conversion.date(row[Column::Start]);
        row[Column::End] = conversion.date(row[Column::End]);
    }
}

StoredTexts storedTexts(const Entries &e)
{
    StoredTexts texts;
    if (!e.bio.birthDate.isEmpty())
        texts.dates << e.bio.birthDate;
    collectTexts(HoursKeys, e.hours, texts);
    collectTexts(MoneyKeys, e.money, texts);
    collectTexts(FreqKeys, e.freq, texts);
    return texts;
}

// The rows of `t` that `ini` holds past the table's last row (any of their keys not empty).
int rowsPastCapacity(const IniFile &ini, const TableKeys &t)
{
    const int count = ini.readInteger(QLatin1String(t.countSection), QStringLiteral("Count"), 5);
    const QString prefix = QLatin1String(t.rowSection);
    const QStringList keys = rowKeys(t);
    int past = 0;
    for (const QString &section : ini.sectionNames()) {
        if (!section.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        bool number = false;
        const int n = QStringView(section).sliced(prefix.size()).toInt(&number);
        if (!number || n < TableRows || n > count)
            continue;
        past += std::any_of(keys.begin(), keys.end(),
                            [&](const QString &key) { return !ini.readString(section, key, QString()).isEmpty(); });
    }
    return past;
}

void writeTable(IniFile &ini, const TableKeys &t, const TableCells &table)
{
    // Rows past the table's last one are the file's, not the window's: they stay, and so does the
    // count that reaches them.
    const bool keepPast = rowsPastCapacity(ini, t) > 0;
    const int count = ini.readInteger(QLatin1String(t.countSection), QStringLiteral("Count"), 5);
    ini.writeInteger(QLatin1String(t.countSection), QStringLiteral("Count"),
                     keepPast ? qMax(count, TableRows) : TableRows);
    const QStringList keys = rowKeys(t);
    // Section 51 is written too, always empty, as every earlier version of the file has it.
    for (int n = 1; n <= (keepPast ? TableRows - 1 : TableRows); ++n) {
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

} // namespace

SettingsFileCheck checkSettingsFile(const QString &path)
{
    IniFile ini{QString()};
    return loadSettingsFile(path, ini, nullptr);
}

SettingsFileCheck loadSettingsFile(const QString &path, IniFile &ini, std::optional<QByteArray> *fingerprint)
{
    if (fingerprint)
        *fingerprint = std::nullopt;
    if (!QFileInfo::exists(path))
        return {SettingsFileStatus::Missing, QCoreApplication::translate("SettingsFile", "No such file or directory")};
    QByteArray content;
    QString reason;
    const bool read = readIniBytes(path, content, reason);
    if (fingerprint)
        *fingerprint = read ? QCryptographicHash::hash(content, QCryptographicHash::Sha256) : QByteArray("unreadable");
    if (!read)
        return {SettingsFileStatus::Unreadable, reason};
    return checkSettingsContent(content, ini);
}

SettingsFileCheck checkSettingsContent(const QByteArray &content, IniFile &ini)
{
    ini.parse(content);
    if (!holdsEntries(ini))
        return {SettingsFileStatus::NoEntries,
                QCoreApplication::translate("SettingsFile", "It holds no Lifetally entries")};
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

namespace {
const QString ProjectionSection = QStringLiteral("Projection");
const QString AgeKey = QStringLiteral("Age");

// A whole number from 1 to the highest age; anything else reads as no value.
int readLookAheadAge(const IniFile &ini)
{
    const QString text = ini.readString(ProjectionSection, AgeKey, QString()).trimmed();
    bool ok = false;
    const int age = text.toInt(&ok, 10);
    const bool digits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    return ok && digits && age >= 1 && age <= MaxLookAheadAge ? age : DefaultLookAheadAge;
}
} // namespace

FileFormatState readSettingsFile(const QString &path, Entries &entries, RowsPastCapacity *past)
{
    return readSettingsFile(IniFile(path), entries, past);
}

FileFormatState readSettingsFile(const IniFile &ini, Entries &entries, RowsPastCapacity *past)
{
    BioFields &bio = entries.bio;
    if (past)
        *past = {rowsPastCapacity(ini, HoursKeys), rowsPastCapacity(ini, MoneyKeys), rowsPastCapacity(ini, FreqKeys)};
    const LocaleSettings region = LocaleSettings::current().withCurrency(QString());
    bio.name = ini.readString(QStringLiteral("Name"), QStringLiteral("name"), QStringLiteral("Your name"));
    bio.birthDate = ini.readString(QStringLiteral("DOB"), QStringLiteral("Date"), QString());
    bio.income = ini.readInteger(QStringLiteral("Income"), QStringLiteral("income"), 250000);
    bio.lookAheadAge = readLookAheadAge(ini);
    readTable(ini, HoursKeys, entries.hours);
    readTable(ini, MoneyKeys, entries.money);
    readTable(ini, FreqKeys, entries.freq);

    // A file from before the format was recorded, or written by hand, says nothing of its format:
    // its texts tell.
    LocaleSettings written = region;
    FileFormatState state = FileFormatState::Recorded;
    bool currencyKnown = true;
    if (!readFileFormat(ini, region, written)) {
        const StoredTexts texts = storedTexts(entries);
        state = guessFileFormat(texts, region, written);
        // An old file's amounts name their currency when every one of them carries its symbol.
        currencyKnown =
            state == FileFormatState::Detected && !texts.money.isEmpty() && !written.currencySymbol.isEmpty() &&
            std::all_of(texts.money.cbegin(), texts.money.cend(),
                        [&written](const QString &amount) { return amount.contains(written.currencySymbol); });
    }
    if (state == FileFormatState::Foreign || state == FileFormatState::Unknown)
        written = region;
    // Amounts keep the currency they were entered in: dollars stay dollars under German settings,
    // written the German way. A new file, or one that does not say, takes the region's.
    const LocaleSettings current = region.withCurrency(currencyKnown ? written.currencySymbol : QString());
    LocaleSettings::setCurrent(current);
    bio.prices = readPricesChoice(ini);
    const FormatConversion conversion(written, current);
    bio.birthDate = conversion.date(bio.birthDate);
    convertTable(HoursKeys, conversion, entries.hours);
    convertTable(MoneyKeys, conversion, entries.money);
    convertTable(FreqKeys, conversion, entries.freq);
    if (bio.birthDate.isEmpty())
        bio.birthDate = shortDateText(Clock::now());
    return state;
}

namespace {
// Every entry of the file, over what `ini` holds: sections the program does not know stay.
void fillFile(IniFile &ini, const Entries &entries, FileFormatState readAs)
{
    const BioFields &bio = entries.bio;
    ini.writeString(QStringLiteral("DOB"), QStringLiteral("Date"), bio.birthDate);
    ini.writeString(QStringLiteral("Name"), QStringLiteral("name"), bio.name);
    ini.writeInteger(QStringLiteral("Income"), QStringLiteral("income"), bio.income);
    writeTable(ini, HoursKeys, entries.hours);
    writeTable(ini, MoneyKeys, entries.money);
    writeTable(ini, FreqKeys, entries.freq);
    // Texts whose format nobody could tell are not stamped with the current one, or the next
    // change of regional settings would convert them wrongly for good; once they read in the
    // current format, they are. Last, so that a new file has every earlier section where it
    // always was.
    if ((readAs != FileFormatState::Foreign && readAs != FileFormatState::Unknown) ||
        textsReadIn(storedTexts(entries), LocaleSettings::current()))
        writeFileFormat(ini, LocaleSettings::current());
    // Only a chosen age is written, so a file that never had one stays as it was; once written, a
    // return to the default must be written too.
    if (bio.lookAheadAge != DefaultLookAheadAge || ini.contains(ProjectionSection, AgeKey))
        ini.writeInteger(ProjectionSection, AgeKey, bio.lookAheadAge);
    writePricesChoice(ini, bio.prices);
}
} // namespace

void writeSettingsFile(const QString &path, const Entries &entries, FileFormatState readAs,
                       const AtomicWriteHooks &hooks)
{
    IniFile ini(path);
    fillFile(ini, entries, readAs);
    // The save gives the file and its backup to their owner alone (0600).
    ini.save(hooks);
}

bool sameStoredCells(const TableCells &a, const TableCells &b)
{
    for (int row = 1; row < TableRows; ++row) {
        const QStringList left = a.value(row), right = b.value(row);
        for (int col = 0; col < Column::Total; ++col) {
            if (left.value(col) != right.value(col))
                return false;
        }
    }
    return true;
}

QString recoveryFilePath(const QString &settingsPath)
{
    return settingsPath + QStringLiteral(".recovery");
}

QByteArray settingsFileContent(const QString &path, const Entries &entries, FileFormatState readAs)
{
    IniFile ini(path);
    fillFile(ini, entries, readAs);
    return ini.serialize();
}

std::optional<QByteArray> fileFingerprint(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    // As loadSettingsFile() tells it, so that a file read at start is read once.
    QByteArray content;
    QString reason;
    if (!readIniBytes(path, content, reason))
        return QByteArray("unreadable");
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256);
}

namespace {
// Where a write to `path` lands: the file its links lead to, even one that does not exist yet.
QString landingPath(const QString &path)
{
    QFileInfo info(QFileInfo(path).absoluteFilePath());
    for (int hops = 0; hops < 40 && info.isSymLink(); ++hops)
        info.setFile(info.symLinkTarget());
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

bool sameFile(const QString &a, const QString &b)
{
    if (landingPath(a) == landingPath(b))
        return true;
    // Two names of one file (a hard link): the same device and file number.
    struct stat sa {
    }, sb{};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
} // namespace

QString canonicalSettingsPath(const QString &settingsPath)
{
    return landingPath(settingsPath);
}

namespace {
// The settings file and the files kept beside it, under every name they go by.
template <typename Same> QString settingsFileWhere(const QString &settingsPath, Same same)
{
    const QString canonical = canonicalSettingsPath(settingsPath);
    const struct {
        QString path;
        const char *what;
    } inputs[] = {
        {settingsPath, QT_TRANSLATE_NOOP("SettingsFile", "the settings file")},
        {IniFile::backupPath(settingsPath), QT_TRANSLATE_NOOP("SettingsFile", "the settings file's backup")},
        {recoveryFilePath(settingsPath), QT_TRANSLATE_NOOP("SettingsFile", "the settings file's recovery file")},
        {settingsPath + QStringLiteral(".lock"), QT_TRANSLATE_NOOP("SettingsFile", "the settings file's lock file")},
        {IniFile::backupPath(canonical), QT_TRANSLATE_NOOP("SettingsFile", "the settings file's backup")},
        {recoveryFilePath(canonical), QT_TRANSLATE_NOOP("SettingsFile", "the settings file's recovery file")},
        {canonical + QStringLiteral(".lock"), QT_TRANSLATE_NOOP("SettingsFile", "the settings file's lock file")},
    };
    for (const auto &input : inputs)
        if (same(input.path))
            return QCoreApplication::translate("SettingsFile", "%1 %2", "which file it is, its path")
                .arg(QCoreApplication::translate("SettingsFile", input.what), input.path);
    return QString();
}
} // namespace

QString settingsFileAt(const QString &output, const QString &settingsPath)
{
    return settingsFileWhere(settingsPath, [&output](const QString &input) { return sameFile(output, input); });
}

QString settingsFileAt(int outputFd, const QString &settingsPath)
{
    struct stat out {};
    if (::fstat(outputFd, &out) != 0)
        return QString();
    return settingsFileWhere(settingsPath, [&out](const QString &input) {
        struct stat st {};
        return ::stat(QFile::encodeName(input).constData(), &st) == 0 && st.st_dev == out.st_dev &&
               st.st_ino == out.st_ino;
    });
}
