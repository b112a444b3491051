#pragma once

#include "settings/settingsfile.h"
#include <optional>
#include <utility>

// The settings file as a window keeps it from its start to its close: whether it could be read,
// how its regional format was told, what it held (to notice a change made by someone else), and
// the entries not yet saved, kept beside it in a recovery file so that a crash or a power cut
// loses none of them.
class SettingsKeeper
{
public:
    // Reads the settings file into `entries` and remembers it. The file is settingsFilePath()
    // whenever it is used.
    void read(Entries &entries);
    // Why the file could not be read, when it exists and could not: it is then never replaced.
    const QString &unreadableReason() const { return m_unreadable; }
    FileFormatState formatState() const { return m_format; }
    const RowsPastCapacity &rowsPastCapacity() const { return m_past; }
    // What became of the file since it was read or written here: nothing; changed by someone
    // else; removed (deleted, or moved away) from a folder still there; gone with its folder; or
    // out of reach, its folder's name now leading elsewhere through another user's link.
    enum class DiskChange { None, Changed, Removed, FolderRemoved, Unreachable };
    DiskChange changeOnDisk() const;
    // Writes the file, then drops the recovery file. Throws FileWriteError.
    void write(const Entries &entries);
    // What every later write() hands IniFile::save(): tests fail its steps this way.
    void setWriteHooks(AtomicWriteHooks hooks) { m_hooks = std::move(hooks); }

    QString recoveryPath() const { return recoveryFilePath(settingsFilePath()); }
    // Keeps the entries in the recovery file, unless it holds them already. Empty when they are
    // kept; otherwise why they could not be ("the disk is full", ...).
    QString keepUnsaved(const Entries &entries);
    void dropUnsaved();
    // At start-up, a recovery file left by a run that did not end well: Missing; Readable with
    // its entries in `entries`; or why it cannot be read, in `reason`. An empty one is removed and
    // reads as Missing. One that cannot be read is never written over or removed, as it may be all
    // that is left of the entries: it is set aside under another name (setAsidePath()), so that
    // this run keeps its own; where it cannot be renamed, this run keeps none.
    SettingsFileStatus findUnsaved(Entries &entries, QString &reason);
    // Where an unreadable recovery file was moved; empty when it was not.
    const QString &setAsidePath() const { return m_setAside; }
    // The entries found are the ones shown now; their file stays until they are saved or dropped.
    void adoptUnsaved();

private:
    QString m_path; // the file as it was last read or written
    QString m_unreadable;
    FileFormatState m_format = FileFormatState::Recorded;
    std::optional<QByteArray> m_fingerprint;
    QByteArray m_unsaved; // what the recovery file holds, when this window wrote it
    QByteArray m_found;   // what findUnsaved() read from it
    FileFormatState m_unsavedFormat = FileFormatState::Recorded;
    bool m_recoveryBroken = false;
    QString m_setAside;
    RowsPastCapacity m_past;
    AtomicWriteHooks m_hooks;
};
