#pragma once

#include <QLockFile>
#include <QString>

// One copy of the program per settings file: two windows on one file would each save over the
// other's entries. A lock file beside the settings file is held while a window has it open.
class SettingsLock
{
public:
    enum class Result { Locked, HeldByOther, NotPossible };

    explicit SettingsLock(const QString &settingsPath);
    static QString lockPath(const QString &settingsPath) { return settingsPath + QStringLiteral(".lock"); }

    // Locked: this copy now holds the file (a lock left by a copy that has ended is taken over).
    // HeldByOther: a running copy holds it. NotPossible: no lock file can be made there (a
    // read-only folder), so no copy can hold one.
    Result tryLock();
    // The process of the copy that holds it, on this computer; 0 when unknown.
    qint64 holderPid() const;

private:
    QLockFile m_lock;
};
