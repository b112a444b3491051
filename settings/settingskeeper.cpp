#include "settings/settingskeeper.h"

#include "settings/atomicfile.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace {
// Why `path` could not be written, as far as can be told afterwards.
QString whyNotWritten(const QString &path, qint64 size)
{
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    // Deleted while the window was open: no permission is missing, the folder is.
    if (!QFileInfo::exists(folder))
        return QStringLiteral("%1 no longer exists").arg(QDir::toNativeSeparators(folder));
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.isReadOnly())
        return QStringLiteral("%1 is on a disk that is read-only").arg(QDir::toNativeSeparators(folder));
    if (!QFileInfo(folder).isWritable())
        return QStringLiteral("no permission to write in %1").arg(QDir::toNativeSeparators(folder));
    if (file.exists() && !file.isWritable())
        return QStringLiteral("%1 is read-only").arg(QDir::toNativeSeparators(path));
    if (disk.isValid() && disk.bytesAvailable() < size + 4096)
        return QStringLiteral("the disk is full");
    return QStringLiteral("the file could not be written");
}

bool isBlank(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.size() < 4096 && file.open(QIODevice::ReadOnly) &&
           file.readAll().trimmed().isEmpty();
}

} // namespace

void SettingsKeeper::read(Entries &entries)
{
    const QString path = settingsFilePath();
    m_path = path;
    // Read once: what was checked is what is shown.
    IniFile ini{QString()};
    const SettingsFileCheck check = loadSettingsFile(path, ini, &m_fingerprint);
    m_unreadable = check.status == SettingsFileStatus::Unreadable ? check.reason : QString();
    m_format = readSettingsFile(ini, entries, &m_past);
}

bool SettingsKeeper::changedOnDisk() const
{
    return settingsFilePath() == m_path && m_unreadable.isEmpty() && fileFingerprint(m_path) != m_fingerprint;
}

void SettingsKeeper::write(const Entries &entries)
{
    const QString path = settingsFilePath();
    // Replacing a file that could not be read would lose whatever it holds.
    if (path == m_path && !m_unreadable.isEmpty())
        throw FileWriteError(path);
    writeSettingsFile(path, entries, m_format, m_hooks);
    m_path = path;
    m_unreadable.clear();
    m_fingerprint = fileFingerprint(path);
    dropUnsaved();
}

QString SettingsKeeper::keepUnsaved(const Entries &entries)
{
    if (m_recoveryBroken)
        return QStringLiteral("%1 cannot be read and was kept as it is")
            .arg(QDir::toNativeSeparators(recoveryPath()));
    const QByteArray content = settingsFileContent(settingsFilePath(), entries, m_format);
    if (content == m_unsaved)
        return {};
    try {
        writeFileAtomically(recoveryPath(), content, {}, FileAccess::Beside, settingsFilePath());
    } catch (const FileWriteError &) {
        return whyNotWritten(recoveryPath(), content.size());
    }
    m_unsaved = content;
    return {};
}

void SettingsKeeper::dropUnsaved()
{
    if (m_recoveryBroken)
        return;
    QFile::remove(recoveryPath());
    m_unsaved.clear();
}

SettingsFileStatus SettingsKeeper::findUnsaved(Entries &entries, QString &reason)
{
    const QString path = recoveryPath();
    // This program writes its recovery file as a file of its own, never a link: a link there was
    // planted, and reading through it would offer another file's entries to be saved here.
    if (QFileInfo(path).isSymLink()) {
        QFile::remove(path);
        return SettingsFileStatus::Missing;
    }
    // Nothing was kept in it: a crash between making the file and writing it.
    if (isBlank(path) && QFile::remove(path))
        return SettingsFileStatus::Missing;
    const SettingsFileCheck check = checkSettingsFile(path);
    reason = check.reason;
    if (check.status == SettingsFileStatus::Readable) {
        m_unsavedFormat = readSettingsFile(path, entries);
    } else if (check.status != SettingsFileStatus::Missing) {
        const QString aside =
            path + QStringLiteral(".unreadable-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (!QFileInfo::exists(aside) && QFile::rename(path, aside))
            m_setAside = aside;
        else
            m_recoveryBroken = true;
    }
    return check.status;
}

void SettingsKeeper::adoptUnsaved()
{
    m_format = m_unsavedFormat;
    QString reason;
    if (!readIniBytes(recoveryPath(), m_unsaved, reason))
        m_unsaved.clear();
}
