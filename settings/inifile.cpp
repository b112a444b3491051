#include "settings/inifile.h"

#include "calc/strictnumber.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#ifdef Q_OS_UNIX
#include <cstdio>
#include <unistd.h>
#endif

namespace {
constexpr qsizetype kMaxValueLength = 1023;
constexpr std::size_t kIndexFrom = 16;  // entries in a section before its keys are hashed
constexpr std::size_t kSharedKeys = 16; // distinct key spellings parse() shares
constexpr std::size_t kRowKeys = 5;     // the keys of a table row: Desc, amount, Per, Start, End

struct SaveFault {
    int operation = 0; // 0: none
    bool persistent = false;
    int lastCount = 0;
};

SaveFault &saveFault()
{
    static SaveFault fault;
    return fault;
}

// Counts the file operations of one save and answers whether the next one may succeed.
class SaveSteps
{
public:
    bool next()
    {
        SaveFault &f = saveFault();
        f.lastCount = ++m_count;
        if (f.operation == 0 || m_count != f.operation)
            return true;
        if (!f.persistent)
            f.operation = 0;
        return false;
    }

private:
    int m_count = 0;
};

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned bytes map to the
// control characters of the same number, as the platform's own conversion does.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromCp1252(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *dst++ = QChar(u >= 0x80 && u < 0xA0 ? kCp1252High[u - 0x80] : char16_t(u));
    }
    return out;
}

QString decodeContent(QByteArrayView content)
{
    if (content.startsWith("\xEF\xBB\xBF"))
        content = content.sliced(3);
    // Exactly one mark is taken off above; a second one is a character of the first line.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(content);
    // Files from older versions of the program are in the Windows 8-bit code page.
    if (utf8.hasError())
        return fromCp1252(content);
    return text;
}

// Section and key names are matched folded. Nearly all are ASCII, whose folding is the lower
// case: one pass, without the Unicode tables.
QString fold(QStringView name)
{
    name = name.trimmed();
    QString folded(name.size(), Qt::Uninitialized);
    QChar *out = folded.data();
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            return name.toString().toCaseFolded();
        *out++ = QChar(u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u);
    }
    return folded;
}

// A name already in its matching form is shared instead of copied.
QString fold(const QString &name)
{
    for (const QChar c : name) {
        if (c.unicode() >= 0x80 || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
            return fold(QStringView(name));
    }
    return QStringView(name).trimmed().size() == name.size() ? name : fold(QStringView(name));
}

// A line break inside a value would split it into two lines, or open a section, on the next read.
QString singleLine(const QString &value)
{
    if (!value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')))
        return value;
    QString out = value;
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

bool writeWhole(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data) != data.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
// The old file becomes the backup. Where the file system allows it, the backup is a second name
// for the old file's data (a hard link, placed by rename): the replace that follows gives the
// file new data under a new inode, so nothing is copied or synced twice. Elsewhere, a copy.
void keepBackup(const QString &file, const QString &backup)
{
#ifdef Q_OS_UNIX
    const QByteArray from = QFile::encodeName(file);
    const QByteArray to = QFile::encodeName(backup);
    const QByteArray linked = to + ".new";
    ::unlink(linked.constData());
    if (::link(from.constData(), linked.constData()) == 0) {
        const bool placed = ::rename(linked.constData(), to.constData()) == 0;
        // A backup that already is a name of this data (a replace that failed after it was made)
        // leaves the rename nothing to do, and the extra name behind.
        ::unlink(linked.constData());
        if (placed)
            return;
    }
#endif
    QFile old(file);
    if (old.open(QIODevice::ReadOnly))
        writeWhole(backup, old.readAll());
}
} // namespace

IniFile::IniFile(const QString &path) : m_path(path)
{
    // No path: a file held in memory only, with nothing to read.
    if (path.isEmpty())
        return;
    QFile file(path);
    if (file.exists() && file.open(QIODevice::ReadOnly))
        parse(file.readAll());
}

void IniFile::addEntry(Section &section, Entry entry)
{
    section.entries.push_back(std::move(entry));
    if (section.indexed) {
        const Entry &added = section.entries.back();
        if (!added.verbatim) {
            const QString folded = fold(added.key);
            if (!section.keyIndex.contains(folded))
                section.keyIndex.insert(folded, section.entries.size() - 1);
        }
    } else if (section.entries.size() > kIndexFrom) {
        section.indexed = true;
        for (std::size_t i = section.entries.size(); i-- > 0;) {
            if (!section.entries[i].verbatim)
                section.keyIndex.insert(fold(section.entries[i].key), i);
        }
    }
}

std::ptrdiff_t IniFile::findEntry(const Section &section, QStringView key)
{
    key = key.trimmed();
    if (section.indexed) {
        const auto e = section.keyIndex.constFind(fold(key));
        return e == section.keyIndex.cend() ? -1 : std::ptrdiff_t(*e);
    }
    // A short section is scanned, each key compared without regard to case: neither it nor the
    // key asked for is folded into a new string.
    for (std::size_t i = 0; i < section.entries.size(); ++i) {
        const Entry &entry = section.entries[i];
        // Simple case folding keeps a character's length, so keys of another length never match;
        // a key spelled as asked, the usual case, matches without a case-blind comparison.
        if (!entry.verbatim && entry.key.size() == key.size() &&
            (entry.key == key || QStringView(entry.key).compare(key, Qt::CaseInsensitive) == 0))
            return std::ptrdiff_t(i);
    }
    return -1;
}

void IniFile::parse(const QByteArray &content)
{
    m_sections.clear();
    m_sectionIndex.clear();
    m_lastLookup = {};
    const QString text = decodeContent(content);
    const QChar *p = text.constData();
    const QChar *end = p + text.size();
    Section *current = nullptr;
    // Every row of a table has the same few keys: each spelling is kept once and shared.
    std::vector<QString> keys;
    while (p < end) {
        const QChar *lineStart = p;
        while (p < end && *p != QLatin1Char('\n') && *p != QLatin1Char('\r'))
            ++p;
        const QStringView line(lineStart, p - lineStart);
        if (p < end && *p == QLatin1Char('\r'))
            ++p;
        if (p < end && *p == QLatin1Char('\n'))
            ++p;

        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.front() == QLatin1Char('[')) {
            qsizetype close = trimmed.indexOf(QLatin1Char(']'));
            if (close < 0)
                close = trimmed.size();
            Section section;
            // Room for a row of a table, the most common section, so it is not grown key by key.
            section.entries.reserve(kRowKeys);
            section.name = trimmed.mid(1, close - 1).trimmed().toString();
            const QString key = fold(section.name);
            // The first of several sections with one name is the one read and written.
            if (!m_sectionIndex.contains(key))
                m_sectionIndex.insert(key, m_sections.size());
            m_sections.push_back(std::move(section));
            current = &m_sections.back();
            continue;
        }
        if (!current) {
            Section preamble;
            preamble.hasHeader = false;
            m_sections.push_back(std::move(preamble));
            current = &m_sections.back();
        }
        Entry entry;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || trimmed.front() == QLatin1Char(';')) {
            entry.verbatim = true;
            entry.value = line.toString();
        } else {
            const QStringView key = line.left(equals).trimmed();
            const auto known = std::find_if(keys.cbegin(), keys.cend(), [key](const QString &k) { return k == key; });
            if (known != keys.cend()) {
                entry.key = *known;
            } else {
                entry.key = key.toString();
                if (keys.size() < kSharedKeys)
                    keys.push_back(entry.key);
            }
            // The value is the rest of the line as it stands, blanks at either end included.
            entry.value = line.mid(equals + 1).toString();
        }
        addEntry(*current, std::move(entry));
    }
}

const IniFile::Entry *IniFile::find(const QString &section, const QString &key) const
{
    // A reader asks for the keys of one section one after another: the section found for the
    // name asked last is kept, so its name is folded and looked up once.
    if (!m_lastLookup.valid || m_lastLookup.name != section) {
        const auto s = m_sectionIndex.constFind(fold(section));
        m_lastLookup = {section, true, s == m_sectionIndex.cend() ? std::ptrdiff_t(-1) : std::ptrdiff_t(*s)};
    }
    if (m_lastLookup.index < 0)
        return nullptr;
    const Section &found = m_sections[std::size_t(m_lastLookup.index)];
    const std::ptrdiff_t e = findEntry(found, key);
    return e < 0 ? nullptr : &found.entries[std::size_t(e)];
}

IniFile::Section &IniFile::sectionFor(const QString &section)
{
    const QString key = fold(section);
    const auto s = m_sectionIndex.constFind(key);
    if (s != m_sectionIndex.cend())
        return m_sections[*s];
    Section created;
    created.name = section.trimmed();
    m_lastLookup = {};
    m_sectionIndex.insert(key, m_sections.size());
    m_sections.push_back(std::move(created));
    return m_sections.back();
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Entry *entry = find(section, key);
    const QString &value = entry ? entry->value : defaultValue;
    if (value.size() <= kMaxValueLength)
        return value;
    // Never cut a character in half: a lone surrogate would not survive the next save.
    qsizetype length = kMaxValueLength;
    if (value.at(length - 1).isHighSurrogate())
        --length;
    return value.left(length);
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    QString text = readString(section, key, QString());
    if (text.size() > 2 && text.at(0) == QLatin1Char('0') &&
        (text.at(1) == QLatin1Char('x') || text.at(1) == QLatin1Char('X')))
        text.replace(0, 2, QStringLiteral("$"));
    int value = 0;
    return parseIntegerText(text, false, value) ? value : defaultValue;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Section &target = sectionFor(section);
    const std::ptrdiff_t e = findEntry(target, key);
    if (e >= 0) {
        target.entries[std::size_t(e)].value = singleLine(value);
        return;
    }
    addEntry(target, Entry{key.trimmed(), singleLine(value), false});
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

QByteArray IniFile::serialize() const
{
    QString text;
    qsizetype estimate = 0;
    for (const Section &section : m_sections) {
        estimate += section.name.size() + 4;
        for (const Entry &entry : section.entries)
            estimate += entry.key.size() + entry.value.size() + 2;
    }
    text.reserve(estimate);
    bool first = true;
    for (const Section &section : m_sections) {
        if (!first)
            text += QLatin1Char('\n');
        first = false;
        if (section.hasHeader) {
            text += QLatin1Char('[');
            text += section.name;
            text += QLatin1String("]\n");
        }
        for (const Entry &entry : section.entries) {
            if (!entry.verbatim) {
                text += entry.key;
                text += QLatin1Char('=');
            }
            text += entry.value;
            text += QLatin1Char('\n');
        }
    }
    // A first line that begins with U+FEFF would read back as a byte-order mark and lose it; a
    // line "\uFEFF[Name]" would even turn into a section that shadows the real one. A mark in
    // front keeps the character a character.
    if (text.startsWith(QChar(0xFEFF)))
        return "\xEF\xBB\xBF" + text.toUtf8();
    return text.toUtf8();
}

void IniFile::save()
{
    saveFault().lastCount = 0;
    SaveSteps steps;
    AtomicWriteHooks hooks;
    hooks.step = [&steps] { return steps.next(); };
    hooks.beforeReplace = [&steps](const QString &fullPath) {
        // The backup is a convenience: the new file matters more than a copy of the old one.
        if (!steps.next() || !QFileInfo::exists(fullPath))
            return;
        keepBackup(fullPath, backupPath(fullPath));
    };
    writeFileAtomically(m_path, serialize(), hooks);
}

void IniFile::setSaveFault(int operation, bool persistent)
{
    saveFault().operation = operation;
    saveFault().persistent = persistent;
}

void IniFile::clearSaveFault()
{
    saveFault().operation = 0;
}

int IniFile::lastSaveOperationCount()
{
    return saveFault().lastCount;
}
