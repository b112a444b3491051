#pragma once

#include "settings/atomicfile.h"
#include <QLockFile>
#include <QString>
#include <memory>

// One copy of the program per settings file: two windows on one file would each save over the
// other's entries. A lock file beside the settings file is held while a window has it open.
class SettingsLock
{
public:
    enum class Result { Locked, HeldByOther, Doubtful, NotPossible };

    explicit SettingsLock(const QString &settingsPath);
    // Beside the file the name leads to, links resolved: two names of one file share one lock;
    // beside the name itself when another user's link leads to a file not theirs.
    static QString lockPath(const QString &settingsPath);
    const QString &path() const { return m_path; }

    // Locked: this copy now holds the file (a lock left by a copy that has ended is taken over).
    // HeldByOther: a running copy holds it. Doubtful: a lock that cannot be judged, one that
    // cannot be read (empty, garbage, a folder of that name) or one from another computer older
    // than a day; the user may take it over. NotPossible: no lock file can be made there (a
    // read-only folder), so no copy can hold one; nor beside a device or a pipe.
    Result tryLock();
    // Removes a doubtful lock and takes it; false when it could not be taken.
    bool takeOver();
    // The process of the copy that holds it, on this computer; 0 when unknown.
    qint64 holderPid() const;
    // What the lock file says of its holder; false when it cannot be read.
    bool holder(qint64 &pid, QString &host) const;

    // How old another computer's lock must be before it is offered to be taken over.
    static constexpr qint64 ForeignLockSeconds = 24 * 60 * 60;

private:
    // The folder of the lock, opened once (and not through another user's link to a folder not
    // theirs); and the name QLockFile is given, through that open folder where the system offers
    // one (/proc/self/fd), so that the lock is made and removed there even when the folder's name
    // is moved away or replaced by a link meanwhile.
    static QString lockName(const QString &settingsPath);
    // Whether what is at the lock's name, if anything, is a regular file that may be read.
    bool plainLockFile() const;
    QString m_settings;
    QString m_path;
    std::unique_ptr<OpenFolder> m_folder;
    QString m_lockFile;
    QLockFile m_lock; // after the folder: let go before the folder is closed
};
