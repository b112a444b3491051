#pragma once

#include "settings/entries.h"
#include "settings/fileformat.h"
#include "settings/inifile.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

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
// A file that is not a regular file or is larger than MaxIniFileBytes is Unreadable, and is never
// opened or read.
SettingsFileCheck checkSettingsFile(const QString &path);
// The same check, keeping what was read in `ini`, and in `fingerprint` (when given) what
// fileFingerprint() gives: a file read at start is read once.
SettingsFileCheck loadSettingsFile(const QString &path, IniFile &ini, std::optional<QByteArray> *fingerprint);
// The same check of a file's content, read already; kept in `ini`.
SettingsFileCheck checkSettingsContent(const QByteArray &content, IniFile &ini);

// Reads every value with its default; an empty birth date becomes today's date text.
// A missing file reads as all defaults and is not created. Dates and amounts come back in the
// current regional format where the file's own format is recorded or can be told; the result
// says which.
FileFormatState readSettingsFile(const QString &path, Entries &entries, struct RowsPastCapacity *past = nullptr);
// The same from a file already read.
FileFormatState readSettingsFile(const IniFile &ini, Entries &entries, struct RowsPastCapacity *past = nullptr);
// Rows a hand-edited or generated file holds past the last row a table has, per table. The window
// cannot show them; every save keeps them in the file as they are.
struct RowsPastCapacity {
    int hours = 0;
    int money = 0;
    int freq = 0;
    bool any() const { return hours > 0 || money > 0 || freq > 0; }
};
// Rewrites every entry in one atomic replace; throws IniWriteError ("Unable to write to <path>").
// `readAs` is how the entries were read: a file whose format could not be told gets a format
// record only once its texts read in the current format. The file and its backup are left
// readable by their owner only. `hooks` go to IniFile::save().
void writeSettingsFile(const QString &path, const Entries &entries, FileFormatState readAs = FileFormatState::Recorded,
                       const AtomicWriteHooks &hooks = {});

// What writeSettingsFile would write over the file at `path` (which may be missing).
QByteArray settingsFileContent(const QString &path, const Entries &entries, FileFormatState readAs);
// Entries not yet saved are kept beside the settings file in a file of the same form.
QString recoveryFilePath(const QString &settingsPath);

// What the file held when last read or written, to tell a change made by someone else:
// none for a missing file.
std::optional<QByteArray> fileFingerprint(const QString &path);

// The settings file with its links resolved: two names of one file are one file, with one lock.
QString canonicalSettingsPath(const QString &settingsPath);
// What an output file `output` would write over, when it is the settings file at `settingsPath`,
// its backup, its recovery file or its lock file (links and hard links resolved): "the settings
// file /home/ann/lfy.ini", "the settings file's backup /home/ann/lfy.ini.bak"; otherwise empty.
QString settingsFileAt(const QString &output, const QString &settingsPath);
// The same for an output already open as `outputFd` (standard output, given as "-").
QString settingsFileAt(int outputFd, const QString &settingsPath);
