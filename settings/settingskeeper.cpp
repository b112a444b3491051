#include "settings/settingskeeper.h"

#include "settings/atomicfile.h"
#include <QDateTime>
#include <QDir>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace {
// Why `path` could not be written, as far as can be told afterwards.
QString whyNotWritten(const QString &path, qint64 size, const FileWriteError &error)
{
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    // The folder's name now leads elsewhere through another user's link: the write refused it.
    const OpenFolder opened(folder);
    if (!opened.isOpen() && QFileInfo::exists(folder))
        return opened.whyNotOpen();
    // Deleted while the window was open: no permission is missing, the folder is.
    if (!QFileInfo::exists(folder))
        return QCoreApplication::translate("SettingsKeeper", "%1 no longer exists").arg(QDir::toNativeSeparators(folder));
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.isReadOnly())
        return QCoreApplication::translate("SettingsKeeper", "%1 is on a disk that is read-only").arg(QDir::toNativeSeparators(folder));
    if (!QFileInfo(folder).isWritable())
        return QCoreApplication::translate("SettingsKeeper", "no permission to write in %1").arg(QDir::toNativeSeparators(folder));
    if (file.exists() && !file.isWritable())
        return QCoreApplication::translate("SettingsKeeper", "%1 is read-only").arg(QDir::toNativeSeparators(path));
    if (disk.isValid() && disk.bytesAvailable() < size + 4096)
        return QCoreApplication::translate("SettingsKeeper", "the disk is full");
    // What the write itself found (a link another user made), where it said.
    if (!error.reason().isEmpty())
        return error.reason();
    return QCoreApplication::translate("SettingsKeeper", "the file could not be written");
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

SettingsKeeper::DiskChange SettingsKeeper::changeOnDisk() const
{
    if (settingsFilePath() != m_path || !m_unreadable.isEmpty())
        return DiskChange::None;
    // The file is still where it was read; only its folder's name now leads elsewhere, through
    // another user's link. Nothing to ask: the save refuses it and says why.
    const QString folder = QFileInfo(m_path).absolutePath();
    if (QFileInfo::exists(folder) && !OpenFolder(folder).isOpen())
        return DiskChange::Unreachable;
    const std::optional<QByteArray> now = fileFingerprint(m_path);
    if (now == m_fingerprint)
        return DiskChange::None;
    if (now)
        return DiskChange::Changed;
    return QFileInfo(QFileInfo(m_path).absolutePath()).isDir() ? DiskChange::Removed : DiskChange::FolderRemoved;
}

void SettingsKeeper::write(const Entries &entries)
{
    const QString path = settingsFilePath();
    // Replacing a file that could not be read would lose whatever it holds.
    if (path == m_path && !m_unreadable.isEmpty())
        throw FileWriteError(path, m_unreadable);
    writeSettingsFile(path, entries, m_format, m_hooks);
    // A save, backup or recovery write killed midway left its temporary file; this one went well.
    const QFileInfo saved(followLinks(QFileInfo(path).absoluteFilePath()));
    const OpenFolder folder(saved.absolutePath());
    for (const QString &name : {saved.fileName(), IniFile::backupPath(saved.fileName()), recoveryFilePath(saved.fileName())})
        removeLeftTemporaries(folder, name);
    m_path = path;
    m_unreadable.clear();
    m_fingerprint = fileFingerprint(path);
    dropUnsaved();
}

QString SettingsKeeper::keepUnsaved(const Entries &entries)
{
    if (m_recoveryBroken)
        return QCoreApplication::translate("SettingsKeeper", "%1 cannot be read and was kept as it is")
            .arg(QDir::toNativeSeparators(recoveryPath()));
    const QByteArray content = settingsFileContent(settingsFilePath(), entries, m_format);
    if (content == m_unsaved)
        return {};
    try {
        writeFileAtomically(recoveryPath(), content, {}, FileAccess::Beside, settingsFilePath());
    } catch (const FileWriteError &e) {
        return whyNotWritten(recoveryPath(), content.size(), e);
    }
    m_unsaved = content;
    return {};
}

void SettingsKeeper::dropUnsaved()
{
    if (m_recoveryBroken)
        return;
    const QFileInfo where(recoveryPath());
    const OpenFolder folder(where.absolutePath());
    if (folder.isOpen())
        folder.remove(where.fileName());
    m_unsaved.clear();
}

SettingsFileStatus SettingsKeeper::findUnsaved(Entries &entries, QString &reason)
{
    const QFileInfo where(recoveryPath());
    const QString name = where.fileName();
    // Every step below acts in one folder, opened once, so that a name moved or swapped for a
    // link meanwhile is never removed, read or renamed in another one.
    const OpenFolder folder(where.absolutePath());
    const std::optional<struct stat> found = folder.status(name);
    if (!found)
        return SettingsFileStatus::Missing;
    // This program writes its recovery file as a file of its own, never a link: a link there was
    // planted, and reading through it would offer another file's entries to be saved here.
    if (S_ISLNK(found->st_mode)) {
        folder.remove(name);
        return SettingsFileStatus::Missing;
    }
    QByteArray content;
    const bool read = folder.read(name, MaxIniFileBytes, content, reason);
    // Nothing was kept in it: a crash between making the file and writing it.
    if (read && content.trimmed().isEmpty() && folder.remove(name))
        return SettingsFileStatus::Missing;
    IniFile ini{QString()};
    SettingsFileStatus status = SettingsFileStatus::Unreadable;
    if (read) {
        const SettingsFileCheck check = checkSettingsContent(content, ini);
        status = check.status;
        reason = check.reason;
    }
    if (status == SettingsFileStatus::Readable) {
        m_unsavedFormat = readSettingsFile(ini, entries);
        m_found = content;
        return status;
    }
    const QString aside =
        name + QStringLiteral(".unreadable-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!folder.status(aside) && folder.rename(name, aside))
        m_setAside = folder.filePath(aside);
    else
        m_recoveryBroken = true;
    return status;
}

void SettingsKeeper::adoptUnsaved()
{
    m_format = m_unsavedFormat;
    m_unsaved = m_found;
}
