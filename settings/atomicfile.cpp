#include "settings/atomicfile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr qsizetype kWriteBlock = 4096;
} // namespace

FileWriteError::FileWriteError(const QString &path)
    : std::runtime_error(("Unable to write to " + path).toStdString()),
      m_message(QStringLiteral("Unable to write to ") + path)
{}

void writeFileAtomically(const QString &path, const QByteArray &data, const AtomicWriteHooks &hooks, FileAccess access)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    const QFileInfo info(fullPath);
    // Replacing the file through a temporary one would get past a read-only file; refuse instead.
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        throw FileWriteError(fullPath);

    const auto next = [&hooks] { return !hooks.step || hooks.step(); };
    QSaveFile file(fullPath);
    if (!next() || !file.open(QIODevice::WriteOnly))
        throw FileWriteError(fullPath);
    // commit() has been seen to report success after a short write (a full disk); check every
    // step first. An uncommitted QSaveFile removes its temporary file and leaves the old one.
    const auto fail = [&file, &fullPath] {
        file.cancelWriting();
        return FileWriteError(fullPath);
    };
    // On the temporary file, before its first byte: the rename then puts the file in place with
    // these permissions, whatever the old file had.
    if (access == FileAccess::OwnerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        throw fail();
    for (qsizetype at = 0; at < data.size(); at += kWriteBlock) {
        const qsizetype size = qMin(kWriteBlock, data.size() - at);
        const qsizetype given = next() ? size : size / 2;
        if (file.write(data.constData() + at, given) != size)
            throw fail();
    }
    if (!next() || !file.flush() || file.error() != QFileDevice::NoError)
        throw fail();
    if (hooks.beforeReplace)
        hooks.beforeReplace(fullPath);
    if (!next())
        throw fail();
    if (!file.commit())
        throw FileWriteError(fullPath);
}
