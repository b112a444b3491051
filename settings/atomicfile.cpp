#include "settings/atomicfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QDateTime>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr qsizetype kWriteBlock = 4096;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

std::optional<struct stat> statOf(const QString &path, bool followLink)
{
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    if ((followLink ? ::stat(name.constData(), &st) : ::lstat(name.constData(), &st)) != 0)
        return std::nullopt;
    return st;
}

} // namespace

QString followLinks(const QString &path)
{
    QString at = path;
    std::vector<uid_t> linkOwners;
    for (int hops = 0; hops < 40; ++hops) {
        const std::optional<struct stat> st = statOf(at, false);
        if (!st || !S_ISLNK(st->st_mode))
            break;
        linkOwners.push_back(st->st_uid);
        at = QFileInfo(at).symLinkTarget();
    }
    const std::optional<struct stat> target = statOf(at, true);
    const uid_t me = ::geteuid();
    // Root's links (/dev/stdout) are the system's own.
    for (uid_t owner : linkOwners)
        if (owner != me && owner != 0 && (!target || owner != target->st_uid))
            throw FileWriteError(path, QCoreApplication::translate("AtomicFile", "It is a link another user made"));
    return at;
}

namespace {
// A device or a pipe takes the bytes as they come; there is no file to replace.
// `chosen` is what the name led to when it was judged; a name changed since is refused.
void writeDirectly(const QString &path, const QByteArray &data, const struct stat &chosen)
{
    // A disk written as a file would lose whatever is on it.
    if (S_ISBLK(chosen.st_mode))
        throw FileWriteError(path, QCoreApplication::translate("AtomicFile", "It is not a regular file"));
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw FileWriteError(path, systemReason(errno));
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || opened.st_dev != chosen.st_dev || opened.st_ino != chosen.st_ino) {
        ::close(fd);
        throw FileWriteError(path, QCoreApplication::translate("AtomicFile", "It changed while it was written"));
    }
    for (qsizetype at = 0; at < data.size();) {
        const ssize_t written = ::write(fd, data.constData() + at, size_t(data.size() - at));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = errno;
            ::close(fd);
            throw FileWriteError(path, systemReason(error));
        }
        at += written;
    }
    ::close(fd);
}

// A new file in `folder` beside `final`, made by this call alone: never an existing file, never a link.
int createTemporary(const OpenFolder &folder, const QString &final, mode_t mode, QString &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = final + QStringLiteral(".") + QString::number(QRandomGenerator::global()->generate(), 36) +
               QStringLiteral(".tmp");
        const int fd = ::openat(folder.fd(), QFile::encodeName(name).constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void writeInFolder(const OpenFolder &folder, const QString &name, const QString &shownPath, const QByteArray &data,
                   const AtomicWriteHooks &hooks, FileAccess access, const QString &ownerFrom);
} // namespace

FileWriteError::FileWriteError(const QString &path, const QString &reason)
    : std::runtime_error((reason.isEmpty()
                              ? QCoreApplication::translate("AtomicFile", "Unable to write to %1").arg(path)
                              : QCoreApplication::translate("AtomicFile", "Unable to write to %1: %2",
                                                            "a file, why it could not be written")
                                    .arg(path, reason))
                             .toStdString()),
      m_message(QString::fromStdString(what())), m_reason(reason)
{}

namespace {
// A folder is held only to act in it by name: a folder this user may pass through but not list
// (mode 0711) opens as well.
#ifdef O_PATH
constexpr int FolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
#else
constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif

// Set by walkFolders when a link on the way is another user's that leads to a folder not theirs.
constexpr int ForeignLink = -2;

// Goes down `names` from the folder open as `at` one name at a time, never letting the system
// follow a link on its own: a link is read and followed here only when this user, root or the
// owner of the folder it leads to made it, as followLinks() does for a file. Takes `at` over;
// returns the folder reached, or -1 with errno set (or ForeignLink in `error`).
int walkFolders(int at, const QStringList &names, int &hops, int &error)
{
    for (const QString &name : names) {
        if (name.isEmpty() || name == QLatin1String("."))
            continue;
        const QByteArray encoded = QFile::encodeName(name);
        int next = ::openat(at, encoded.constData(), FolderFlags | O_NOFOLLOW);
        if (next < 0) {
            error = errno;
            struct stat link {}, again {};
            if ((error != ELOOP && error != ENOTDIR) ||
                ::fstatat(at, encoded.constData(), &link, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(link.st_mode) ||
                ++hops > 40) {
                ::close(at);
                return -1;
            }
            QByteArray target(4096, Qt::Uninitialized);
            const ssize_t size = ::readlinkat(at, encoded.constData(), target.data(), size_t(target.size()));
            // The same link read as was judged: one put in its place meanwhile is not followed.
            if (size <= 0 || size >= target.size() ||
                ::fstatat(at, encoded.constData(), &again, AT_SYMLINK_NOFOLLOW) != 0 ||
                again.st_ino != link.st_ino || again.st_dev != link.st_dev) {
                error = ELOOP;
                ::close(at);
                return -1;
            }
            target.truncate(size);
            const QString leadsTo = QFile::decodeName(target);
            if (leadsTo.startsWith(QLatin1Char('/'))) {
                ::close(at);
                at = ::open("/", FolderFlags);
                error = errno;
            }
            next = at < 0 ? -1 : walkFolders(at, leadsTo.split(QLatin1Char('/')), hops, error);
            if (next < 0)
                return -1;
            struct stat reached {};
            const uid_t me = ::geteuid();
            if (::fstat(next, &reached) != 0 ||
                (link.st_uid != me && link.st_uid != 0 && link.st_uid != reached.st_uid)) {
                error = ForeignLink;
                ::close(next);
                return -1;
            }
        } else {
            ::close(at);
        }
        at = next;
    }
    return at;
}
} // namespace

OpenFolder::OpenFolder(const QString &path) : m_path(path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    int hops = 0;
    const int root = ::open("/", FolderFlags);
    m_fd = root < 0 ? -1 : walkFolders(root, absolute.split(QLatin1Char('/')), hops, m_error);
    if (root < 0)
        m_error = errno;
}

OpenFolder::~OpenFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString OpenFolder::whyNotOpen() const
{
    if (m_error == ENOENT)
        return QCoreApplication::translate("AtomicFile", "The folder %1 does not exist").arg(m_path);
    if (m_error == ForeignLink)
        return QCoreApplication::translate("AtomicFile", "Its folder %1 is reached through a link another user made").arg(m_path);
    return systemReason(m_error);
}

std::optional<struct stat> OpenFolder::status(const QString &name) const
{
    struct stat st {};
    if (m_fd < 0 || ::fstatat(m_fd, QFile::encodeName(name).constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return st;
}

bool OpenFolder::read(const QString &name, qint64 limit, QByteArray &content, QString &reason) const
{
    content.clear();
    // Non-blocking, so that a pipe put there cannot hold the open; it is refused below.
    const int fd = ::openat(m_fd, QFile::encodeName(name).constData(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        reason = errno == ELOOP ? QCoreApplication::translate("AtomicFile", "It is a link") : systemReason(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        reason = systemReason(errno);
    else if (S_ISDIR(st.st_mode))
        reason = QCoreApplication::translate("AtomicFile", "It is a folder");
    else if (!S_ISREG(st.st_mode))
        reason = QCoreApplication::translate("AtomicFile", "It is not a regular file");
    for (char block[kWriteBlock]; reason.isEmpty();) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            reason = systemReason(errno);
        if (got <= 0)
            break;
        content.append(block, got);
        // One byte more than the limit tells a file that grew since it was looked at.
        if (content.size() > limit)
            reason = QCoreApplication::translate("AtomicFile", "It is larger than %1 MB").arg(limit >> 20);
    }
    ::close(fd);
    if (!reason.isEmpty())
        content.clear();
    return reason.isEmpty();
}

bool OpenFolder::remove(const QString &name, bool folder) const
{
    return ::unlinkat(m_fd, QFile::encodeName(name).constData(), folder ? AT_REMOVEDIR : 0) == 0;
}

bool OpenFolder::rename(const QString &from, const QString &to) const
{
    return ::renameat(m_fd, QFile::encodeName(from).constData(), m_fd, QFile::encodeName(to).constData()) == 0;
}

void writeFileAtomically(const QString &path, const QByteArray &data, const AtomicWriteHooks &hooks,
                         FileAccess access, const QString &ownerFrom)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    QString final = fullPath;
    // An export, too, goes through another user's link only to that user's own file: a link
    // planted in a shared folder such as /tmp could lead to any file root may write.
    if (access != FileAccess::Beside)
        final = followLinks(fullPath);
    if (access == FileAccess::Ordinary) {
        // Through the system's own links, which /dev/stdout and /dev/fd/N are.
        const std::optional<struct stat> chosen = statOf(fullPath, true);
        if (chosen && !S_ISREG(chosen->st_mode) && !S_ISDIR(chosen->st_mode))
            return writeDirectly(fullPath, data, *chosen);
    }
    const QFileInfo landing(final);
    const OpenFolder folder(landing.absolutePath());
    if (!folder.isOpen())
        throw FileWriteError(fullPath, folder.whyNotOpen());
    writeInFolder(folder, landing.fileName(), fullPath, data, hooks, access,
                  ownerFrom.isEmpty() ? QString() : QFileInfo(ownerFrom).fileName());
}

void writeFileAtomically(const OpenFolder &folder, const QString &name, const QByteArray &data,
                         const AtomicWriteHooks &hooks, FileAccess access, const QString &ownerFrom)
{
    writeInFolder(folder, name, folder.filePath(name), data, hooks, access, ownerFrom);
}

namespace {
void writeInFolder(const OpenFolder &folder, const QString &name, const QString &shownPath, const QByteArray &data,
                   const AtomicWriteHooks &hooks, FileAccess access, const QString &ownerFrom)
{
    const bool ownerOnly = access != FileAccess::Ordinary;
    const QByteArray encodedName = QFile::encodeName(name);
    const std::optional<struct stat> old = folder.status(name);
    if (old && S_ISDIR(old->st_mode))
        throw FileWriteError(shownPath, QCoreApplication::translate("AtomicFile", "It is a folder"));
    if (old && access == FileAccess::OwnerOnly && !S_ISREG(old->st_mode))
        throw FileWriteError(shownPath, QCoreApplication::translate("AtomicFile", "It is not a regular file"));
    const bool replacesFile = old && S_ISREG(old->st_mode);
    // Replacing the file through a temporary one would get past a read-only file; refuse instead.
    // Root may write any file, yet one that nobody may write was made read-only on purpose.
    if (replacesFile && (::faccessat(folder.fd(), encodedName.constData(), W_OK, AT_EACCESS) != 0 ||
                         (::geteuid() == 0 && (old->st_mode & 0222) == 0)))
        throw FileWriteError(shownPath, systemReason(EACCES));

    // The owner the new file is to have: the old file's, or for a new file beside the settings
    // file, the settings file's. Not a link's: who made a link says nothing of whose entries these are.
    std::optional<struct stat> owner = replacesFile ? old : std::nullopt;
    if (!owner && access == FileAccess::Beside && !ownerFrom.isEmpty()) {
        owner = folder.status(ownerFrom);
        if (owner && !S_ISREG(owner->st_mode))
            owner.reset();
    }
    // Root making a person's file anew in another user's folder (the settings file deleted
    // meanwhile) gives it to that user, who could not read it otherwise.
    struct stat folderStatus {};
    if (!owner && ownerOnly && ::geteuid() == 0 && ::fstat(folder.fd(), &folderStatus) == 0)
        owner = folderStatus;

    const auto next = [&hooks] { return !hooks.step || hooks.step(); };
    if (!next())
        throw FileWriteError(shownPath);
    QString temporary;
    const int fd = createTemporary(folder, name, ownerOnly ? 0600 : 0666, temporary);
    if (fd < 0)
        throw FileWriteError(shownPath, systemReason(errno));
    // Every failure from here removes the temporary file and leaves the old one as it was.
    const auto fail = [&](const QString &reason) {
        ::close(fd);
        folder.remove(temporary);
        return FileWriteError(shownPath, reason);
    };
    // On the temporary file, before its first byte: the rename then puts the file in place with
    // these permissions, whatever the old file had.
    const mode_t mode = ownerOnly ? 0600 : replacesFile ? (old->st_mode & 07777) : 0;
    if (mode != 0 && ::fchmod(fd, mode) != 0)
        throw fail(systemReason(errno));
    if (owner && (owner->st_uid != ::geteuid() || owner->st_gid != ::getegid()) &&
        ::fchown(fd, owner->st_uid, owner->st_gid) != 0 && access == FileAccess::OwnerOnly &&
        owner->st_uid != ::geteuid())
        throw fail(QCoreApplication::translate("AtomicFile", "It belongs to another user"));
    for (qsizetype at = 0; at < data.size(); at += kWriteBlock) {
        const qsizetype size = qMin(kWriteBlock, data.size() - at);
        if (!next()) {
            // As a full disk does: half the block, then no more.
            [[maybe_unused]] const ssize_t half = ::write(fd, data.constData() + at, size_t(size / 2));
            throw fail(QString());
        }
        for (qsizetype done = 0; done < size;) {
            const ssize_t written = ::write(fd, data.constData() + at + done, size_t(size - done));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                throw fail(systemReason(written < 0 ? errno : ENOSPC));
            done += written;
        }
    }
    if (!next())
        throw fail(QString());
    // Some file systems report a full disk only when the data reaches it.
    if (::fsync(fd) != 0)
        throw fail(systemReason(errno));
    if (hooks.beforeReplace)
        hooks.beforeReplace(folder, name);
    if (!next())
        throw fail(QString());
    if (::close(fd) != 0) {
        const int error = errno;
        folder.remove(temporary);
        throw FileWriteError(shownPath, systemReason(error));
    }
    // The name itself is replaced: a link there is replaced, never followed.
    if (!folder.rename(temporary, name)) {
        const int error = errno;
        folder.remove(temporary);
        throw FileWriteError(shownPath, systemReason(error));
    }
}
} // namespace

int removeLeftTemporaries(const OpenFolder &folder, const QString &name)
{
    if (!folder.isOpen())
        return 0;
    const int listed = ::openat(folder.fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = listed < 0 ? nullptr : ::fdopendir(listed);
    if (!dir) {
        if (listed >= 0)
            ::close(listed);
        return 0;
    }
    // As createTemporary() names them: a 32-bit number in base 36.
    const QRegularExpression made(QRegularExpression::anchoredPattern(QRegularExpression::escape(name) +
                                                                      QStringLiteral("\\.[0-9a-z]{1,7}\\.tmp")));
    // A write in progress (another copy's export) is never that old.
    const qint64 before = QDateTime::currentSecsSinceEpoch() - 60 * 60;
    QStringList left;
    while (const dirent *entry = ::readdir(dir)) {
        const QString found = QFile::decodeName(entry->d_name);
        const std::optional<struct stat> st = made.match(found).hasMatch() ? folder.status(found) : std::nullopt;
        if (st && S_ISREG(st->st_mode) && st->st_uid == ::geteuid() && st->st_mtime < before)
            left.append(found);
    }
    ::closedir(dir);
    int removed = 0;
    for (const QString &found : left)
        removed += folder.remove(found) ? 1 : 0;
    return removed;
}
