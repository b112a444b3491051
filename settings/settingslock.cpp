#include "settings/settingslock.h"

#include "settings/atomicfile.h"
#include "settings/settingsfile.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

QString SettingsLock::lockPath(const QString &settingsPath)
{
    // Not beside a file another user's link leads to (root's run in their folder): a lock there
    // could stop, or take over, another program's lock of that name (/etc/passwd.lock).
    try {
        followLinks(QFileInfo(settingsPath).absoluteFilePath());
    } catch (const FileWriteError &) {
        return QFileInfo(settingsPath).absoluteFilePath() + QStringLiteral(".lock");
    }
    return canonicalSettingsPath(settingsPath) + QStringLiteral(".lock");
}

QString SettingsLock::lockName(const QString &settingsPath)
{
    const QString file = QFileInfo(settingsPath).absoluteFilePath();
    try {
        return QFileInfo(followLinks(file)).absoluteFilePath() + QStringLiteral(".lock");
    } catch (const FileWriteError &) {
        return file + QStringLiteral(".lock");
    }
}

namespace {
// The folder open as `fd`, by a name that leads to it alone whatever becomes of its own name;
// empty where the system has none.
QString nameOfOpenFolder(int fd)
{
    const QString name = QStringLiteral("/proc/self/fd/%1").arg(fd);
    return QFileInfo(name).isDir() ? name : QString();
}
} // namespace

SettingsLock::SettingsLock(const QString &settingsPath)
    : m_settings(settingsPath), m_path(lockPath(settingsPath)),
      m_folder(std::make_unique<OpenFolder>(QFileInfo(lockName(settingsPath)).absolutePath())),
      m_lockFile([this, &settingsPath] {
          if (!m_folder->isOpen())
              return QString();
          const QString folder = nameOfOpenFolder(m_folder->fd());
          if (!folder.isEmpty())
              return folder + QLatin1Char('/') + QFileInfo(lockName(settingsPath)).fileName();
          // Without such a name the lock goes by path, which another user could turn into a link
          // between making and removing it: only in a folder of this user's or root's.
          struct stat owner {};
          const bool ours = ::fstat(m_folder->fd(), &owner) == 0 && (owner.st_uid == ::geteuid() || owner.st_uid == 0);
          return ours ? m_path : QString();
      }()),
      m_lock(m_lockFile.isEmpty() ? m_path : m_lockFile)
{
    // A window stays open for hours: only a holder that no longer runs makes a lock stale, never
    // its age.
    m_lock.setStaleLockTime(0);
}

SettingsLock::Result SettingsLock::tryLock()
{
    // A device or a pipe is no file of entries: no lock file is made beside it (in /dev).
    const QFileInfo settings(m_settings);
    if (settings.exists() && !settings.isFile())
        return Result::NotPossible;
    // Its folder cannot be opened, or only through another user's link: a lock made by name
    // there would land where that link leads.
    if (m_lockFile.isEmpty())
        return Result::NotPossible;
    if (!plainLockFile())
        return Result::Doubtful;
    if (m_lock.tryLock(0))
        return Result::Locked;
    const QFileInfo file(m_lockFile);
    // A folder in its place makes no lock, yet stops every copy from making one.
    if (file.isDir())
        return Result::Doubtful;
    if (m_lock.error() != QLockFile::LockFailedError)
        return Result::NotPossible;
    qint64 pid = 0;
    QString host;
    if (!holder(pid, host))
        return Result::Doubtful;
    // A holder here that no longer runs, whose lock could not be removed (another user's, in a
    // shared folder): a leftover, not a running copy.
    if (host == QSysInfo::machineHostName() && pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return Result::Doubtful;
    // Whether a copy on another computer still runs cannot be told from here; one that has held
    // the file for a day is more likely one that ended with its computer.
    if (host != QSysInfo::machineHostName() &&
        file.lastModified().secsTo(QDateTime::currentDateTime()) > ForeignLockSeconds)
        return Result::Doubtful;
    return Result::HeldByOther;
}

bool SettingsLock::takeOver()
{
    // Judged and removed in the lock's folder, opened once.
    if (m_lockFile.isEmpty())
        return false;
    const QString name = QFileInfo(m_lockFile).fileName();
    if (const std::optional<struct stat> found = m_folder->status(name))
        m_folder->remove(name, S_ISDIR(found->st_mode));
    return m_lock.tryLock(0);
}

bool SettingsLock::plainLockFile() const
{
    // Only a regular file is a lock: a pipe or a link to a device at its name would hold or flood
    // the reading of it. Judged in the folder, the name itself.
    if (m_lockFile.isEmpty())
        return true;
    const std::optional<struct stat> found = m_folder->status(QFileInfo(m_lockFile).fileName());
    return !found || S_ISREG(found->st_mode);
}

bool SettingsLock::holder(qint64 &pid, QString &host) const
{
    QString application;
    return plainLockFile() && m_lock.getLockInfo(&pid, &host, &application);
}

qint64 SettingsLock::holderPid() const
{
    qint64 pid = 0;
    QString host, application;
    if (!plainLockFile() || !m_lock.getLockInfo(&pid, &host, &application))
        return 0;
    // Only a copy of this program on this computer is asked to show itself. The lock names the
    // holder by its program file or by its application name, depending on how Qt found it.
    const bool same = application.compare(QCoreApplication::applicationName(), Qt::CaseInsensitive) == 0 ||
                      application == QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return host == QSysInfo::machineHostName() && same ? pid : 0;
}
