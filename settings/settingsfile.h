#pragma once

#include "calc/lookahead.h"
#include "calc/todayprices.h"
#include "settings/fileformat.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// What the biography page keeps in the settings file.
struct BioFields {
    QString name;
    QString birthDate; // the birth-date field's text, as the user left it
    int income = 0;
    // The results page's look-ahead age, kept with the biography it depends on.
    int lookAheadAge = DefaultLookAheadAge;
    // Money in today's prices, with the rate and the euro country the user chose.
    PricesChoice prices = {};
};

// One activity table as the file sees it: rows 0 to TableRows - 1 of cell texts, row 0 the column
// titles (never stored). Reading writes rows 1 to 50 in place, so pass the table's current cells.
using TableCells = QVector<QStringList>;
constexpr int TableRows = 51;

// The settings file "lfy.ini": name, birth-date text, income and the first five cells of every
// activity row. Totals are never stored.
QString settingsFilePath();
// The file named on the command line (one file per person) instead of "lfy.ini" in the program's
// folder; an empty path goes back to the default.
void setSettingsFilePath(const QString &path);
// Whether a settings file can be read and holds entries of this program.
enum class SettingsFileStatus { Missing, Readable, Unreadable, NoEntries };
struct SettingsFileCheck {
    SettingsFileStatus status;
    QString reason; // for people: "No such file or directory", "Permission denied", "It is a folder", ...
};
// NoEntries: readable, but with neither a biography section (DOB, Name, Income) nor a table
// section (Hours, Money, Freq or a row section of theirs) holding one of its keys.
SettingsFileCheck checkSettingsFile(const QString &path);

// Reads every value with its default; an empty birth date becomes today's date text.
// A missing file reads as all defaults and is not created. Dates and amounts come back in the
// current regional format where the file's own format is recorded or can be told; the result
// says which.
FileFormatState readSettingsFile(const QString &path, BioFields &bio, TableCells &hours, TableCells &money,
                                 TableCells &freq);
// Rewrites every entry in one atomic replace; throws IniWriteError ("Unable to write to <path>").
// `readAs` is how the entries were read: a file whose format could not be told gets a format
// record only once its texts read in the current format. The file and its backup are left
// readable by their owner only.
void writeSettingsFile(const QString &path, const BioFields &bio, const TableCells &hours, const TableCells &money,
                       const TableCells &freq, FileFormatState readAs = FileFormatState::Recorded);

// What writeSettingsFile would write over the file at `path` (which may be missing).
QByteArray settingsFileContent(const QString &path, const BioFields &bio, const TableCells &hours,
                               const TableCells &money, const TableCells &freq, FileFormatState readAs);
// Entries not yet saved are kept beside the settings file in a file of the same form.
QString recoveryFilePath(const QString &settingsPath);

// What the file held when last read or written, to tell a change made by someone else:
// none for a missing file.
std::optional<QByteArray> fileFingerprint(const QString &path);
