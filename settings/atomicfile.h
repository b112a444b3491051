#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <stdexcept>

// A file that could not be written; message() is "Unable to write to <full path>", followed by
// ": <reason>" when the system said why ("No space left on device", "Permission denied").
class FileWriteError : public std::runtime_error
{
public:
    explicit FileWriteError(const QString &path, const QString &reason = QString());
    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};

// What a caller may add to an atomic write. The file operations of one write are, in order:
// create the temporary file, write each block of up to 4 KiB, flush, rename it over the old file.
struct AtomicWriteHooks {
    // Asked before each operation; false makes that operation fail (a failed block write takes
    // half its block, as a full disk does). Tests use it to fail any step of a save.
    std::function<bool()> step;
    // Runs after the flush and before the rename, while the old file is still in place; gets the
    // full path.
    std::function<void(const QString &)> beforeReplace;
};

// Who may read the file written, and what its name may be.
// Ordinary: an export to a name the user chose. A link there is followed as for OwnerOnly; a
// device or a pipe (/dev/stdout, a FIFO) is written directly, as it cannot be replaced; a disk
// device is refused.
// OwnerOnly: a file of a person's entries, readable and writable by its owner alone (0600) from
// before its first byte. A link at the name is followed only when this user or the owner of the
// file it leads to made it; the file keeps its owner (root writing another user's file), or the
// write is refused.
// Beside: a file the program keeps beside the settings file (the backup, the recovery file),
// 0600 as OwnerOnly. The name itself is replaced: a link or anything else there that is not a
// file becomes a file of its own, so nothing is written through a link someone planted. It takes
// the owner of `ownerFrom` where this process may give it (root).
enum class FileAccess { Ordinary, OwnerOnly, Beside };

// Replaces the file at `path` with `data` through a temporary file beside it that is renamed over
// it only when every byte is written, so the file is always wholly the old one or wholly the new
// one and a failure leaves no partial file. An existing file that is read-only is refused; every
// mode and owner change acts on the temporary file, never through a name.
// Throws FileWriteError.
void writeFileAtomically(const QString &path, const QByteArray &data, const AtomicWriteHooks &hooks = {},
                         FileAccess access = FileAccess::Ordinary, const QString &ownerFrom = QString());

// The file a chain of links at `path` ends at. A link is followed only when this user, root or
// the owner of that file made it: another user's link could lead anywhere this process may
// write. Throws FileWriteError ("It is a link another user made") otherwise.
QString followLinks(const QString &path);
