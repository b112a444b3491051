#pragma once

#include "settings/atomicfile.h"
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Raised when the settings file cannot be written; what() is "Unable to write to <path>".
using IniWriteError = FileWriteError;

// The largest file of entries read. A file with every row of every table filled holds some 40 KB;
// a limit far above that still keeps a wrong file (a disk image, /dev/zero) from filling memory.
constexpr qint64 MaxIniFileBytes = 4 * 1024 * 1024;

// Reads the whole of a regular file of at most MaxIniFileBytes into `content`. Otherwise false,
// with why in `reason` ("It is a folder", "It is not a regular file", "It is larger than 4 MB",
// the system's reason); a device or a pipe is never opened, so it cannot block the reading.
// Links are followed as a write follows them ("It is a link another user made"), and the file is
// read in its folder, opened once.
bool readIniBytes(const QString &path, QByteArray &content, QString &reason);

// A private-profile initialisation file held in memory: an ordered list of sections of entries.
// Sections and keys match without regard to letter case; entries the program does not know survive
// a rewrite. Writes collect in memory and reach the disk only in save(), through one atomic
// replace, so the file on disk is always wholly the old one or wholly the new one.
class IniFile
{
public:
    // Reads the file if it exists; a missing file, or one readIniBytes() refuses, reads as all
    // defaults and is not created.
    explicit IniFile(const QString &path);

    const QString &path() const { return m_path; }

    bool contains(const QString &section, const QString &key) const { return find(section, key) != nullptr; }
    // Every section's name, in file order.
    QStringList sectionNames() const;
    // The stored value or the default; at most 1023 characters.
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // "0x"/"0X" becomes "$"; blanks, sign, decimal or "$" hex, within 32 bits; anything else: default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);

    // Writes the whole file (UTF-8) in one atomic replace; throws IniWriteError on any failure.
    // The file it replaces is first copied to "<name>.bak" beside it (beside the file a link
    // leads to, as the file is replaced there), so the user can step back once; a backup that
    // cannot be written does not stop the save. `hooks` are the atomic write's, with the backup
    // one more step just before the rename; their beforeReplace runs after it.
    void save(const AtomicWriteHooks &hooks = {});
    static QString backupPath(const QString &path) { return path + QStringLiteral(".bak"); }

    // Parses file content: UTF-8, or Windows-1252 when it is not valid UTF-8.
    void parse(const QByteArray &content);
    QByteArray serialize() const;

private:
    // A line of a section: a key with its value, or a line kept as it stands in `value` (comments,
    // lines without "=") so that a rewrite leaves it in place.
    struct Entry {
        QString key;
        QString value;
        bool verbatim = false;
    };
    struct Section {
        QString name;
        bool hasHeader = true; // false only for lines before the first section header
        QList<Entry> entries;
    };

    // The first entry with the key, or -1.
    static qsizetype findEntry(const Section &section, const QString &key);
    const Entry *find(const QString &section, const QString &key) const;
    qsizetype findSection(const QString &name) const;
    Section &sectionFor(const QString &name);
    void addSection(Section section);

    QString m_path;
    QList<Section> m_sections;
    // Folded section name -> the first section of that name.
    QHash<QString, qsizetype> m_sectionIndex;
};
