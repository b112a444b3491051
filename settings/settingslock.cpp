#include "settings/settingslock.h"

#include "settings/atomicfile.h"
#include "settings/settingsfile.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

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
          return folder.isEmpty() ? m_path
                                  : folder + QLatin1Char('/') + QFileInfo(lockName(settingsPath)).fileName();
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

bool SettingsLock::holder(qint64 &pid, QString &host) const
{
    QString application;
    return m_lock.getLockInfo(&pid, &host, &application);
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
