#pragma once

#include "settings/atomicfile.h"
#include <QByteArray>
#include <QString>
#include <QVarLengthArray>
#include <vector>

// Raised when the settings file cannot be written; what() is "Unable to write to <path>".
using IniWriteError = FileWriteError;

// A private-profile initialisation file held in memory. Sections and keys match without regard
// to letter case; entries the program does not know survive a rewrite. Writes collect in memory
// and reach the disk only in save(), through one atomic replace, so the file on disk is always
// wholly the old one or wholly the new one.
class IniFile
{
public:
    // Reads the file if it exists; a missing file reads as all defaults and is not created.
    explicit IniFile(const QString &path);

    const QString &path() const { return m_path; }

    bool contains(const QString &section, const QString &key) const { return find(section, key) != nullptr; }
    // The stored value or the default; at most 1023 characters.
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // "0x"/"0X" becomes "$"; blanks, sign, decimal or "$" hex, within 32 bits; anything else: default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);

    // Writes the whole file (UTF-8) in one atomic replace; throws IniWriteError on any failure.
    // The file it replaces is first copied to "<path>.bak", so the user can step back once; a
    // backup that cannot be written does not stop the save.
    void save();
    static QString backupPath(const QString &path) { return path + QStringLiteral(".bak"); }

    // Test seam for the failures a disk can produce. A save takes these file operations in
    // order: create the temporary file, write each block of up to 4 KiB, flush, write the
    // backup, rename over the old file. setSaveFault(n) makes operation n (from 1) fail: in the
    // next save only, or in every save until cleared. A failed write takes half its block, as
    // a full disk does.
    static void setSaveFault(int operation, bool persistent);
    static void clearSaveFault();
    // The operations the last save took, or reached before it failed.
    static int lastSaveOperationCount();

    // Parses file content: UTF-8, or Windows-1252 when it is not valid UTF-8.
    void parse(const QByteArray &content);
    QByteArray serialize() const;

private:
    // Text of the file: a stretch of the decoded content, or (offset < 0) the whole of
    // m_written[-1 - offset], where the values, keys and names written since the parse are kept.
    struct Span {
        qsizetype offset = 0;
        qsizetype length = 0;
    };
    // Positions in the lists below.
    using Index = qsizetype;
    static constexpr Index kNone = -1;
    // A line of a section: a key with its value, or a line kept as it stands in value (comments,
    // lines without "=") so that a rewrite leaves it in place.
    struct Entry {
        Span key;
        Span value;
        Index next = kNone; // the section's next entry
        bool verbatim = false;
    };
    // Item numbers hashed by their folded names; the first item of a name is the one kept.
    class NameIndex
    {
    public:
        bool empty() const { return m_slots.empty(); }
        // matches(item) tells whether an item with the same hash has the name looked for.
        template <typename Matches> Index find(std::size_t hash, Matches matches) const;
        template <typename Matches> void insert(std::size_t hash, Index item, Matches matches);

    private:
        struct Slot {
            std::size_t hash = 0;
            Index item = kNone;
        };
        void grow();
        std::vector<Slot> m_slots;
        std::size_t m_used = 0;
    };
    struct Section {
        Span name;
        bool hasHeader = true; // false only for lines before the first section header
        Index first = kNone;   // entries, chained through Entry::next
        Index last = kNone;
        Index count = 0;
        // Its place in m_keyIndexes, kept only for long sections: an index per section would cost
        // more than the scan in a file of many small sections. Outside the section, so that a
        // section is plain data that the list moves as bytes.
        mutable Index keyIndex = kNone;
        mutable Index lookups = 0; // of keys in a long section, before it is indexed
    };
    class FoldedName;

    QStringView text(Span span) const;
    Span keep(const QString &written);
    // Index of the first entry with the key (as the caller spells it), or kNone.
    Index findEntry(const Section &section, QStringView key) const;
    Index findSection(QStringView name) const;
    bool startsWithMark() const;
    const Entry *find(const QString &section, const QString &key) const;
    Section &sectionFor(const QString &section);
    void addEntry(Section &section, const Entry &entry);
    void indexKey(const Section &section, Index entry) const;

    QString m_path;
    QString m_text; // the decoded content of the last parse
    bool m_textAscii = true;
    // Room inside the object for a small file, so that reading one allocates only its text.
    QVarLengthArray<QString, 4> m_written;
    QVarLengthArray<Section, 8> m_sections;
    QVarLengthArray<Entry, 32> m_entries; // of every section, in the order they were read or added
    // Folded name -> first section with that name; built once lookups make it pay, as most
    // files read are small and asked for a few names.
    mutable NameIndex m_sectionIndex;
    // Folded key -> first entry with that key, of the long sections asked for keys often.
    mutable std::vector<NameIndex> m_keyIndexes;
    mutable Index m_lookups = 0;
    // The section name find() was asked last, as spelled, and the section it found.
    struct Lookup {
        QString name;
        bool valid = false; // whether name and index hold a lookup
        Index index = kNone;
    };
    mutable Lookup m_lastLookup;
};
