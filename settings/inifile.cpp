#include "settings/inifile.h"

#include "calc/strictnumber.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <optional>
#include <sys/stat.h>
#include <utility>

namespace {
constexpr qsizetype kMaxValueLength = 1023;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned bytes map to the
// control characters of the same number, as the platform's own conversion does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

QString decode(QByteArrayView content)
{
    // Exactly one byte-order mark is taken off; a second one is a character of the first line.
    if (content.startsWith("\xEF\xBB\xBF"))
        content = content.sliced(3);
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(content);
    // Files from older versions of the program are in the Windows 8-bit code page.
    return utf8.hasError() ? fromCp1252(content) : text;
}

QString folded(QStringView name)
{
    return name.trimmed().toString().toCaseFolded();
}

// A line break inside a value would split it into two lines, or open a section, on the next read.
QString singleLine(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

// At most the longest value a read returns, never a character cut in half: a lone surrogate
// would not survive the next save.
QStringView capped(QStringView value)
{
    if (value.size() <= kMaxValueLength)
        return value;
    return value.first(value.at(kMaxValueLength - 1).isHighSurrogate() ? kMaxValueLength - 1 : kMaxValueLength);
}
} // namespace

IniFile::IniFile(const QString &path) : m_path(path)
{
    // No path: a file held in memory only, with nothing to read.
    if (path.isEmpty())
        return;
    QByteArray content;
    QString reason;
    if (readIniBytes(path, content, reason))
        parse(content);
}

bool readIniBytes(const QString &path, QByteArray &content, QString &reason)
{
    content.clear();
    // Read under the rule a write follows: through another user's link (on the file or on a
    // folder on the way) this process could read a file that is not theirs (root's), show it and
    // keep it in a recovery file in their folder.
    QString landing;
    try {
        landing = followLinks(QFileInfo(path).absoluteFilePath());
    } catch (const FileWriteError &) {
        reason = QCoreApplication::translate("IniFile", "It is a link another user made");
        return false;
    }
    const QFileInfo info(landing);
    const OpenFolder folder(info.absolutePath());
    if (!folder.isOpen()) {
        reason = folder.whyNotOpen();
        return false;
    }
    // Judged before it is opened: a device or a pipe is never opened at all.
    const std::optional<struct stat> found = folder.status(info.fileName());
    if (found && S_ISDIR(found->st_mode))
        reason = QCoreApplication::translate("IniFile", "It is a folder");
    else if (found && !S_ISREG(found->st_mode) && !S_ISLNK(found->st_mode))
        reason = QCoreApplication::translate("IniFile", "It is not a regular file");
    else if (found && found->st_size > MaxIniFileBytes)
        reason = QCoreApplication::translate("IniFile", "It is larger than %1 MB").arg(MaxIniFileBytes >> 20);
    if (!reason.isEmpty())
        return false;
    return folder.read(info.fileName(), MaxIniFileBytes, content, reason);
}

void IniFile::addSection(Section section)
{
    if (section.hasHeader) {
        const QString key = folded(section.name);
        if (!m_sectionIndex.contains(key))
            m_sectionIndex.insert(key, m_sections.size());
    }
    m_sections.append(std::move(section));
}

void IniFile::parse(const QByteArray &content)
{
    m_sections.clear();
    m_sectionIndex.clear();
    const QString text = decode(content);
    const auto addLine = [this](QStringView line) {
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty())
            return;
        if (trimmed.front() == QLatin1Char('[')) {
            const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
            Section section;
            section.name = trimmed.sliced(1, (close < 0 ? trimmed.size() : close) - 1).trimmed().toString();
            addSection(std::move(section));
            return;
        }
        if (m_sections.isEmpty()) {
            Section preamble;
            preamble.hasHeader = false;
            addSection(std::move(preamble));
        }
        Entry entry;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || trimmed.front() == QLatin1Char(';')) {
            entry.verbatim = true;
            entry.value = line.toString();
        } else {
            entry.key = line.first(equals).trimmed().toString();
            // The value is the rest of the line as it stands, blanks at either end included.
            entry.value = line.sliced(equals + 1).toString();
        }
        m_sections.last().entries.append(std::move(entry));
    };
    // Lines end at LF, CR or CR LF; the empty line between a CR and its LF is skipped like any
    // blank line.
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == QLatin1Char('\n') || text[i] == QLatin1Char('\r')) {
            addLine(QStringView(text).sliced(start, i - start));
            start = i + 1;
        }
    }
}

qsizetype IniFile::findSection(const QString &name) const
{
    return m_sectionIndex.value(folded(name), -1);
}

qsizetype IniFile::findEntry(const Section &section, const QString &key)
{
    const QStringView wanted = QStringView(key).trimmed();
    for (qsizetype e = 0; e < section.entries.size(); ++e) {
        const Entry &entry = section.entries[e];
        if (!entry.verbatim && entry.key.compare(wanted, Qt::CaseInsensitive) == 0)
            return e;
    }
    return -1;
}

const IniFile::Entry *IniFile::find(const QString &section, const QString &key) const
{
    const qsizetype s = findSection(section);
    const qsizetype e = s < 0 ? -1 : findEntry(m_sections[s], key);
    return e < 0 ? nullptr : &m_sections[s].entries[e];
}

IniFile::Section &IniFile::sectionFor(const QString &name)
{
    const qsizetype s = findSection(name);
    if (s >= 0)
        return m_sections[s];
    Section created;
    created.name = name.trimmed();
    addSection(std::move(created));
    return m_sections.last();
}

QStringList IniFile::sectionNames() const
{
    QStringList names;
    for (const Section &section : m_sections)
        names << section.name;
    return names;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Entry *entry = find(section, key);
    return capped(entry ? entry->value : defaultValue).toString();
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const Entry *entry = find(section, key);
    QString text = entry ? capped(entry->value).toString() : QString();
    if (text.size() > 2 && text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        text.replace(0, 2, QLatin1Char('$'));
    int value = 0;
    return parseIntegerText(text, false, value) ? value : defaultValue;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Section &target = sectionFor(section);
    const qsizetype e = findEntry(target, key);
    if (e >= 0)
        target.entries[e].value = singleLine(value);
    else
        target.entries.append(Entry{key.trimmed(), singleLine(value), false});
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

QByteArray IniFile::serialize() const
{
    QString text;
    // A first line that begins with U+FEFF would read back as a byte-order mark and lose it; a
    // line "\uFEFF[Name]" would even turn into a section that shadows the real one. A mark in
    // front keeps the character a character.
    if (!m_sections.isEmpty() && !m_sections.first().hasHeader) {
        const Entry &first = m_sections.first().entries.first();
        if ((first.verbatim ? first.value : first.key).startsWith(QChar(0xFEFF)))
            text += QChar(0xFEFF);
    }
    for (const Section &section : m_sections) {
        if (&section != &m_sections.first())
            text += QLatin1Char('\n');
        if (section.hasHeader)
            text += QLatin1Char('[') + section.name + QLatin1String("]\n");
        for (const Entry &entry : section.entries) {
            if (!entry.verbatim)
                text += entry.key + QLatin1Char('=');
            text += entry.value + QLatin1Char('\n');
        }
    }
    // toUtf8() writes "?" for a surrogate without its partner, which a written value may hold.
    return text.toUtf8();
}

void IniFile::save(const AtomicWriteHooks &hooks)
{
    AtomicWriteHooks steps;
    steps.step = hooks.step;
    steps.beforeReplace = [&hooks](const OpenFolder &folder, const QString &name) {
        // The backup is a convenience: the new file matters more than a copy of the old one.
        QByteArray old;
        QString reason;
        if ((!hooks.step || hooks.step()) && folder.read(name, MaxIniFileBytes, old, reason)) {
            try {
                // In the folder the save is writing in, beside the file it replaces, and never
                // through a link found there.
                writeFileAtomically(folder, backupPath(name), old, {}, FileAccess::Beside, name);
            } catch (const FileWriteError &) {
            }
        }
        if (hooks.beforeReplace)
            hooks.beforeReplace(folder, name);
    };
    // The file holds a person's birth date and income: readable by its owner only from the start.
    writeFileAtomically(m_path, serialize(), steps, FileAccess::OwnerOnly);
}
