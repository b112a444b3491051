#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <stdexcept>

// A file that could not be written; message() is "Unable to write to <full path>".
class FileWriteError : public std::runtime_error
{
public:
    explicit FileWriteError(const QString &path);
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

// Who may read the file written. OwnerOnly is for files that hold a person's entries: the new
// file is readable and writable by its owner alone (0600) from before its first byte is written.
enum class FileAccess { Ordinary, OwnerOnly };

// Replaces the file at `path` with `data` through a temporary file beside it that is renamed over
// it only when every byte is written, so the file is always wholly the old one or wholly the new
// one and a failure leaves no partial file. An existing file that is read-only is refused.
// Throws FileWriteError.
void writeFileAtomically(const QString &path, const QByteArray &data, const AtomicWriteHooks &hooks = {},
                         FileAccess access = FileAccess::Ordinary);
