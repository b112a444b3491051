#include "settings/settingskeeper.h"

#include "settings/atomicfile.h"
#include <QFile>

namespace {
bool sameRows(const TableCells &a, const TableCells &b)
{
    for (int row = 1; row < TableRows; ++row) {
        const QStringList left = a.value(row), right = b.value(row);
        for (int col = 0; col < 5; ++col) {
            if (left.value(col) != right.value(col))
                return false;
        }
    }
    return true;
}
} // namespace

bool Entries::operator==(const Entries &other) const
{
    return bio.name == other.bio.name && bio.birthDate == other.bio.birthDate && bio.income == other.bio.income &&
           bio.lookAheadAge == other.bio.lookAheadAge &&
           bio.prices == other.bio.prices && sameRows(hours, other.hours) && sameRows(money, other.money) &&
           sameRows(freq, other.freq);
}

void SettingsKeeper::read(Entries &entries)
{
    const QString path = settingsFilePath();
    m_path = path;
    const SettingsFileCheck check = checkSettingsFile(path);
    m_unreadable = check.status == SettingsFileStatus::Unreadable ? check.reason : QString();
    m_format = readSettingsFile(path, entries.bio, entries.hours, entries.money, entries.freq);
    m_fingerprint = fileFingerprint(path);
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
    writeSettingsFile(path, entries.bio, entries.hours, entries.money, entries.freq, m_format);
    m_path = path;
    m_unreadable.clear();
    m_fingerprint = fileFingerprint(path);
    dropUnsaved();
}

bool SettingsKeeper::keepUnsaved(const Entries &entries)
{
    if (m_recoveryBroken)
        return false;
    const QByteArray content =
        settingsFileContent(settingsFilePath(), entries.bio, entries.hours, entries.money, entries.freq, m_format);
    if (content == m_unsaved)
        return true;
    try {
        writeFileAtomically(recoveryPath(), content, {}, FileAccess::OwnerOnly);
    } catch (const FileWriteError &) {
        return false;
    }
    m_unsaved = content;
    return true;
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
    const SettingsFileCheck check = checkSettingsFile(recoveryPath());
    reason = check.reason;
    if (check.status == SettingsFileStatus::Readable)
        m_unsavedFormat = readSettingsFile(recoveryPath(), entries.bio, entries.hours, entries.money, entries.freq);
    else if (check.status != SettingsFileStatus::Missing)
        m_recoveryBroken = true;
    return check.status;
}

void SettingsKeeper::adoptUnsaved()
{
    m_format = m_unsavedFormat;
    QFile file(recoveryPath());
    if (file.open(QIODevice::ReadOnly))
        m_unsaved = file.readAll();
}
