#include "settings/atomicfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>
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
    struct stat st {
    };
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
    struct stat opened {
    };
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

// A new file beside `final`, made by this call alone: never an existing file, never a link.
int createTemporary(const QString &final, mode_t mode, QString &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = final + QStringLiteral(".") + QString::number(QRandomGenerator::global()->generate(), 36);
        const int fd =
            ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}
} // namespace

FileWriteError::FileWriteError(const QString &path, const QString &reason)
    : std::runtime_error((reason.isEmpty()
                              ? QCoreApplication::translate("AtomicFile", "Unable to write to %1").arg(path)
                              : QCoreApplication::translate("AtomicFile", "Unable to write to %1: %2",
                                                            "a file, why it could not be written")
                                    .arg(path, reason))
                             .toStdString()),
      m_message(QString::fromStdString(what()))
{}

void writeFileAtomically(const QString &path, const QByteArray &data, const AtomicWriteHooks &hooks, FileAccess access,
                         const QString &ownerFrom)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    const bool ownerOnly = access != FileAccess::Ordinary;
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
    const std::optional<struct stat> old = statOf(final, false);
    if (old && S_ISDIR(old->st_mode))
        throw FileWriteError(fullPath, QCoreApplication::translate("AtomicFile", "It is a folder"));
    if (old && access == FileAccess::OwnerOnly && !S_ISREG(old->st_mode))
        throw FileWriteError(fullPath, QCoreApplication::translate("AtomicFile", "It is not a regular file"));
    const bool replacesFile = old && S_ISREG(old->st_mode);
    // Replacing the file through a temporary one would get past a read-only file; refuse instead.
    if (replacesFile && !QFileInfo(final).isWritable())
        throw FileWriteError(fullPath, systemReason(EACCES));

    // The owner the new file is to have: the old file's, or for a new file beside the settings
    // file, the settings file's.
    std::optional<struct stat> owner = replacesFile ? old : std::nullopt;
    if (!owner && access == FileAccess::Beside && !ownerFrom.isEmpty())
        owner = statOf(ownerFrom, false); // the name's owner: a link there may lead to anyone's file

    const auto next = [&hooks] { return !hooks.step || hooks.step(); };
    if (!next())
        throw FileWriteError(fullPath);
    QString temporary;
    const int fd = createTemporary(final, ownerOnly ? 0600 : 0666, temporary);
    if (fd < 0)
        throw FileWriteError(fullPath, systemReason(errno));
    // Every failure from here removes the temporary file and leaves the old one as it was.
    const auto fail = [&](const QString &reason) {
        ::close(fd);
        ::unlink(QFile::encodeName(temporary).constData());
        return FileWriteError(fullPath, reason);
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
        hooks.beforeReplace(fullPath);
    if (!next())
        throw fail(QString());
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(QFile::encodeName(temporary).constData());
        throw FileWriteError(fullPath, systemReason(error));
    }
    // rename() replaces the name itself: a link there is replaced, never followed.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(final).constData()) != 0) {
        const int error = errno;
        ::unlink(QFile::encodeName(temporary).constData());
        throw FileWriteError(fullPath, systemReason(error));
    }
}
