#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <stdexcept>
#include <sys/stat.h>

// A file that could not be written; message() is "Unable to write to <full path>", followed by
// ": <reason>" when the system said why ("No space left on device", "Permission denied").
class FileWriteError : public std::runtime_error
{
public:
    explicit FileWriteError(const QString &path, const QString &reason = QString());
    const QString &message() const noexcept { return m_message; }
    const QString &reason() const noexcept { return m_reason; }

private:
    QString m_message;
    QString m_reason;
};

// A folder opened once. Every step of one write (and any removal or renaming beside the settings
// file) acts in the folder that was opened, by names within it: a folder's name that someone
// moves away or replaces by a link in the meantime changes nothing, as no step looks the name up
// again. Not copyable; closed with the object.
class OpenFolder
{
public:
    // A link on the way is followed only when this user, root or the owner of the folder it
    // leads to made it (another user's link could lead root into /etc); isOpen() tells whether
    // the folder could be opened.
    explicit OpenFolder(const QString &path);
    ~OpenFolder();
    OpenFolder(const OpenFolder &) = delete;
    OpenFolder &operator=(const OpenFolder &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // Why it could not be opened, for people: "The folder /x does not exist", or the system's reason.
    QString whyNotOpen() const;
    int fd() const { return m_fd; }
    const QString &path() const { return m_path; }
    QString filePath(const QString &name) const { return m_path + QLatin1Char('/') + name; }

    // What is at `name`: a link itself, never what it leads to.
    std::optional<struct stat> status(const QString &name) const;
    // The whole of a regular file of at most `limit` bytes, never through a link, never a device
    // or a pipe (which could block). Otherwise false, with why in `reason`.
    bool read(const QString &name, qint64 limit, QByteArray &content, QString &reason) const;
    // Removes a file or a link (the link itself); a folder only with `folder`, when it is empty.
    bool remove(const QString &name, bool folder = false) const;
    bool rename(const QString &from, const QString &to) const;

private:
    QString m_path;
    int m_fd = -1;
    int m_error = 0; // errno, or a link another user made

};

// What a caller may add to an atomic write. The file operations of one write are, in order:
// create the temporary file, write each block of up to 4 KiB, flush, rename it over the old file.
struct AtomicWriteHooks {
    // Asked before each operation; false makes that operation fail (a failed block write takes
    // half its block, as a full disk does). Tests use it to fail any step of a save, or to change
    // the disk between two steps.
    std::function<bool()> step;
    // Runs after the flush and before the rename, while the old file is still in place; gets the
    // folder the write acts in and the file's name there.
    std::function<void(const OpenFolder &, const QString &)> beforeReplace;
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
// the owner of `ownerFrom`, a file in the same folder (not a link there), where this process may
// give it (root). A file of either kind that root makes anew belongs to the folder's owner.
enum class FileAccess { Ordinary, OwnerOnly, Beside };

// Replaces the file at `path` with `data` through a temporary file beside it that is renamed over
// it only when every byte is written, so the file is always wholly the old one or wholly the new
// one and a failure leaves no partial file. An existing file that is read-only is refused (for root
// too, when nobody may write it); every
// mode and owner change acts on the temporary file, never through a name.
// Its folder is opened once, after links are resolved: should the folder's name be moved away or
// replaced by a link while the write goes on, the write still lands in the folder it began in.
// Throws FileWriteError.
void writeFileAtomically(const QString &path, const QByteArray &data, const AtomicWriteHooks &hooks = {},
                         FileAccess access = FileAccess::Ordinary, const QString &ownerFrom = QString());
// The same in a folder already open, to the file `name` in it (a link there is not followed);
// `ownerFrom` is a name in that folder too.
void writeFileAtomically(const OpenFolder &folder, const QString &name, const QByteArray &data,
                         const AtomicWriteHooks &hooks = {}, FileAccess access = FileAccess::Ordinary,
                         const QString &ownerFrom = QString());

// Removes the temporary files that writes to `name` in `folder` left behind when the process was
// killed midway: this user's, older than an hour. Returns how many.
int removeLeftTemporaries(const OpenFolder &folder, const QString &name);

// The file a chain of links at `path` ends at. A link is followed only when this user, root or
// the owner of that file made it: another user's link could lead anywhere this process may
// write. Throws FileWriteError ("It is a link another user made") otherwise.
QString followLinks(const QString &path);
