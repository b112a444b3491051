#include "settings/settingslock.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSysInfo>

SettingsLock::SettingsLock(const QString &settingsPath) : m_lock(lockPath(settingsPath))
{
    // A window stays open for hours: only a holder that no longer runs makes a lock stale, never
    // its age.
    m_lock.setStaleLockTime(0);
}

SettingsLock::Result SettingsLock::tryLock()
{
    if (m_lock.tryLock(0))
        return Result::Locked;
    return m_lock.error() == QLockFile::LockFailedError ? Result::HeldByOther : Result::NotPossible;
}

qint64 SettingsLock::holderPid() const
{
    qint64 pid = 0;
    QString host, application;
    if (!m_lock.getLockInfo(&pid, &host, &application))
        return 0;
    // Only a copy of this program on this computer is asked to show itself. The lock names the
    // holder by its program file or by its application name, depending on how Qt found it.
    const bool same = application.compare(QCoreApplication::applicationName(), Qt::CaseInsensitive) == 0 ||
                      application == QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return host == QSysInfo::machineHostName() && same ? pid : 0;
}
