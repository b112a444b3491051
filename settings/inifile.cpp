#include "settings/inifile.h"

#include "calc/strictnumber.h"

#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <utility>
#ifdef Q_OS_UNIX
#include <cstdio>
#include <unistd.h>
#endif

namespace {
constexpr qsizetype kMaxValueLength = 1023;
constexpr qsizetype kIndexFrom = 16;        // entries in a section before its keys match folded
constexpr qsizetype kScanSections = 8;      // sections a lookup always scans
constexpr qsizetype kScannedLookups = 2;    // lookups that scan a larger file before it is indexed
constexpr qsizetype kScannedKeyLookups = 3; // lookups that scan a long section before it is indexed

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
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The character of each byte, so that decoding looks a byte up rather than testing it.
constexpr std::array<char16_t, 256> kCp1252 = [] {
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b);
    return table;
}();

QChar *fromCp1252(QChar *out, QByteArrayView bytes)
{
    for (char b : bytes)
        *out++ = QChar(kCp1252[static_cast<unsigned char>(b)]);
    return out;
}

// Decodes into text; ascii: whether the text is all ASCII, known without a look at each character.
void decodeContent(QByteArrayView content, QString &text, bool &ascii)
{
    if (content.startsWith("\xEF\xBB\xBF"))
        content = content.sliced(3);
    // Exactly one mark is taken off above; a second one is a character of the first line.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    // Room for either decoding, which both make at most a character of a byte.
    text.resize(std::max(utf8.requiredSpace(content.size()), content.size()));
    QChar *end = utf8.appendToBuffer(text.data(), content);
    if (utf8.hasError()) {
        // Files from older versions of the program are in the Windows 8-bit code page; such a
        // file has a byte outside ASCII, or it would have been valid UTF-8.
        end = fromCp1252(text.data(), content);
        ascii = false;
    } else {
        // Every other character takes more bytes in UTF-8 than in UTF-16.
        ascii = end - text.constData() == content.size();
    }
    text.truncate(end - text.constData());
}

bool isAscii(QStringView name)
{
    return std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; });
}

char16_t asciiLower(char16_t u)
{
    return u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u;
}

// Seeded, so that a file cannot be made of names that all land in one slot.
std::size_t loweredHash(QStringView name)
{
    std::size_t h = std::size_t(QHashSeed::globalSeed()) ^ std::size_t(0xcbf29ce484222325ULL);
    for (const QChar c : name)
        h = (h ^ asciiLower(c.unicode())) * std::size_t(0x100000001b3ULL);
    return h;
}

// Section and key names are matched folded. Nearly all are ASCII, whose folding is the lower
// case, compared and hashed as they stand; only other names are folded into a new string.
QString foldedString(QStringView name)
{
    return name.toString().toCaseFolded();
}
} // namespace

class IniFile::FoldedName
{
public:
    explicit FoldedName(QStringView name) : m_name(name.trimmed()), m_ascii(isAscii(m_name))
    {
        if (!m_ascii)
            m_folded = foldedString(m_name);
    }
    std::size_t hash() const { return loweredHash(folded()); }
    // Whether a stored name, trimmed, folds to this one. Folding keeps a name's length, and Qt's
    // case-blind comparison folds character by character as toCaseFolded() does; a name spelled
    // as asked, the usual case, matches without it.
    bool matches(QStringView stored) const
    {
        return stored.size() == m_name.size() && (stored == m_name || stored.compare(m_name, Qt::CaseInsensitive) == 0);
    }

private:
    // ASCII letters in either case; the lower case is taken where it is hashed.
    QStringView folded() const { return m_ascii ? m_name : QStringView(m_folded); }

    QStringView m_name;
    bool m_ascii;
    QString m_folded; // only for a name that is not ASCII
};

namespace {
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

// At most the longest value a read returns, never a character cut in half: a lone surrogate
// would not survive the next save.
QStringView capped(QStringView value)
{
    if (value.size() <= kMaxValueLength)
        return value;
    return value.first(value.at(kMaxValueLength - 1).isHighSurrogate() ? kMaxValueLength - 1 : kMaxValueLength);
}

QString capped(const QString &value)
{
    return value.size() <= kMaxValueLength ? value : capped(QStringView(value)).toString();
}

// QString::toUtf8() for text that is not valid UTF-16: a surrogate without its partner becomes
// "?" there, where an encoder would write a replacement character.
char *appendUtf8(char *out, QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80) {
            *out++ = char(u);
        } else if (u < 0x800) {
            *out++ = char(0xC0 | (u >> 6));
            *out++ = char(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t c = QChar::surrogateToUcs4(u, text[++i].unicode());
            *out++ = char(0xF0 | (c >> 18));
            *out++ = char(0x80 | ((c >> 12) & 0x3F));
            *out++ = char(0x80 | ((c >> 6) & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isSurrogate(u)) {
            *out++ = '?';
        } else {
            *out++ = char(0xE0 | (u >> 12));
            *out++ = char(0x80 | ((u >> 6) & 0x3F));
            *out++ = char(0x80 | (u & 0x3F));
        }
    }
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

template <typename Matches> IniFile::Index IniFile::NameIndex::find(std::size_t hash, Matches matches) const
{
    if (m_slots.empty())
        return kNone;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.item == kNone)
            return kNone;
        if (slot.hash == hash && matches(slot.item))
            return slot.item;
    }
}

template <typename Matches> void IniFile::NameIndex::insert(std::size_t hash, Index item, Matches matches)
{
    if (find(hash, matches) != kNone)
        return;
    // At most half full, so that a miss ends soon.
    if (2 * (m_used + 1) > m_slots.size())
        grow();
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = hash & mask;
    while (m_slots[i].item != kNone)
        i = (i + 1) & mask;
    m_slots[i] = Slot{hash, item};
    ++m_used;
}

void IniFile::NameIndex::grow()
{
    const std::vector<Slot> old =
        std::exchange(m_slots, std::vector<Slot>(std::max<std::size_t>(32, 2 * m_slots.size())));
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot &slot : old) {
        if (slot.item == kNone)
            continue;
        std::size_t i = slot.hash & mask;
        while (m_slots[i].item != kNone)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

QStringView IniFile::text(Span span) const
{
    if (span.offset < 0)
        return m_written[-1 - span.offset];
    return QStringView(m_text.constData() + span.offset, span.length);
}

IniFile::Span IniFile::keep(const QString &written)
{
    m_written.push_back(written);
    return Span{-qsizetype(m_written.size()), written.size()};
}

void IniFile::addEntry(Section &section, const Entry &entry)
{
    const Index added = m_entries.size();
    m_entries.push_back(entry);
    if (section.last == kNone)
        section.first = added;
    else
        m_entries[section.last].next = added;
    section.last = added;
    ++section.count;
    if (section.keyIndex != kNone && !entry.verbatim)
        indexKey(section, added);
}

void IniFile::indexKey(const Section &section, Index e) const
{
    const FoldedName key(text(m_entries[e].key));
    m_keyIndexes[std::size_t(section.keyIndex)].insert(
        key.hash(), e, [&](Index other) { return key.matches(text(m_entries[other].key)); });
}

IniFile::Index IniFile::findEntry(const Section &section, QStringView key) const
{
    key = key.trimmed();
    const Entry *entries = m_entries.constData();
    if (section.count > kIndexFrom) {
        // A long section matches keys folded. Its first lookups scan; the index is made for a
        // section asked again and again.
        const FoldedName folded(key);
        if (section.keyIndex == kNone && ++section.lookups > kScannedKeyLookups) {
            section.keyIndex = Index(m_keyIndexes.size());
            m_keyIndexes.emplace_back();
            for (Index e = section.first; e != kNone; e = entries[e].next) {
                if (!entries[e].verbatim)
                    indexKey(section, e);
            }
        }
        if (section.keyIndex != kNone)
            return m_keyIndexes[std::size_t(section.keyIndex)].find(
                folded.hash(), [&](Index e) { return folded.matches(text(entries[e].key)); });
        for (Index e = section.first; e != kNone; e = entries[e].next) {
            if (!entries[e].verbatim && folded.matches(text(entries[e].key)))
                return e;
        }
        return kNone;
    }
    // A short section is scanned, each key compared without regard to case: neither it nor the
    // key asked for is folded into a new string.
    for (Index e = section.first; e != kNone; e = entries[e].next) {
        const Entry &entry = entries[e];
        // Simple case folding keeps a character's length, so keys of another length never match;
        // a key spelled as asked, the usual case, matches without a case-blind comparison.
        if (entry.verbatim || entry.key.length != key.size())
            continue;
        const QStringView stored = text(entry.key);
        if (stored == key || stored.compare(key, Qt::CaseInsensitive) == 0)
            return e;
    }
    return kNone;
}

IniFile::Index IniFile::findSection(QStringView name) const
{
    const FoldedName folded(name);
    const Section *sections = m_sections.constData();
    const auto matches = [&](Index s) { return folded.matches(text(sections[s].name)); };
    // A few lookups in a small file cost less as a scan than as an index; the program's own
    // file, with its many sections, is indexed at its third lookup.
    if (m_sectionIndex.empty() && (m_sections.size() <= kScanSections || ++m_lookups <= kScannedLookups)) {
        for (Index s = 0; s < m_sections.size(); ++s) {
            if (sections[s].hasHeader && matches(s))
                return s;
        }
        return kNone;
    }
    if (m_sectionIndex.empty()) {
        for (Index s = 0; s < m_sections.size(); ++s) {
            if (!m_sections[s].hasHeader)
                continue;
            const FoldedName stored(text(m_sections[s].name));
            m_sectionIndex.insert(stored.hash(), s,
                                  [&](Index other) { return stored.matches(text(m_sections[other].name)); });
        }
    }
    return m_sectionIndex.find(folded.hash(), matches);
}

void IniFile::parse(const QByteArray &content)
{
    decodeContent(content, m_text, m_textAscii);
    m_written.clear();
    m_sections.clear();
    m_entries.clear();
    m_sectionIndex = {};
    m_keyIndexes.clear();
    m_lookups = 0;
    m_lastLookup = {};
    // Room for the entries at once, instead of growing the list line by line: the program's own
    // file has an entry for about every 12 bytes, and a guess costs no pass over the content, as
    // counting its lines did (a third of the parse). A file of shorter lines grows the list.
    m_entries.reserve(content.size() / 12 + 1);

    const QStringView all(m_text);
    const QChar *chars = all.data();
    const auto spanOf = [chars](QStringView part) { return Span{part.data() - chars, part.size()}; };
    Section *current = nullptr;
    const auto addLine = [&](QStringView line) {
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty())
            return;
        if (trimmed.front() == QLatin1Char('[')) {
            qsizetype close = trimmed.indexOf(QLatin1Char(']'));
            if (close < 0)
                close = trimmed.size();
            Section section;
            section.name = spanOf(trimmed.sliced(1, close - 1).trimmed());
            m_sections.push_back(std::move(section));
            current = &m_sections.back();
            return;
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
            entry.value = spanOf(line);
        } else {
            entry.key = spanOf(line.first(equals).trimmed());
            // The value is the rest of the line as it stands, blanks at either end included.
            entry.value = spanOf(line.sliced(equals + 1));
        }
        addEntry(*current, entry);
    };
    // Lines end at LF, CR or CR LF: the text is cut at each LF, and each piece at its CRs (the
    // empty line a CR LF makes is skipped like any blank line). Qt's searches do the scanning,
    // once per line, and a file without CRs is searched for one only once.
    qsizetype cr = all.indexOf(QLatin1Char('\r'));
    for (qsizetype pos = 0, size = all.size(); pos < size;) {
        const qsizetype lf = all.indexOf(QLatin1Char('\n'), pos);
        const qsizetype end = lf < 0 ? size : lf;
        for (; cr >= 0 && cr < end; cr = all.indexOf(QLatin1Char('\r'), pos)) {
            addLine(QStringView(chars + pos, cr - pos));
            pos = cr + 1;
        }
        addLine(QStringView(chars + pos, end - pos));
        pos = end + 1;
    }
}

const IniFile::Entry *IniFile::find(const QString &section, const QString &key) const
{
    // A reader asks for the keys of one section one after another: the section found for the
    // name asked last is kept, so it is looked up once.
    if (!m_lastLookup.valid || m_lastLookup.name != section)
        m_lastLookup = {section, true, findSection(section)};
    if (m_lastLookup.index == kNone)
        return nullptr;
    const Index e = findEntry(m_sections[m_lastLookup.index], key);
    return e == kNone ? nullptr : &m_entries[e];
}

IniFile::Section &IniFile::sectionFor(const QString &section)
{
    const Index found = findSection(section);
    if (found != kNone)
        return m_sections[found];
    Section created;
    created.name = keep(section.trimmed());
    m_lastLookup = {};
    m_sections.push_back(std::move(created));
    const Index added = m_sections.size() - 1;
    if (!m_sectionIndex.empty()) {
        m_sectionIndex.insert(FoldedName(text(m_sections[added].name)).hash(), added, [](Index) { return false; });
    }
    return m_sections.back();
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Entry *entry = find(section, key);
    if (!entry)
        return capped(defaultValue);
    if (entry->value.offset < 0)
        return capped(m_written[-1 - entry->value.offset]);
    return capped(text(entry->value)).toString();
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const Entry *entry = find(section, key);
    const QStringView text = entry ? capped(this->text(entry->value)) : QStringView();
    int value = 0;
    if (text.size() > 2 && text.at(0) == QLatin1Char('0') &&
        (text.at(1) == QLatin1Char('x') || text.at(1) == QLatin1Char('X'))) {
        QString dollar = QStringLiteral("$");
        dollar += text.sliced(2);
        return parseIntegerText(dollar, false, value) ? value : defaultValue;
    }
    return parseIntegerText(text, false, value) ? value : defaultValue;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Section &target = sectionFor(section);
    const Index e = findEntry(target, key);
    if (e != kNone) {
        Span &stored = m_entries[e].value;
        // A value written before is replaced where it is kept.
        if (stored.offset < 0) {
            QString &kept = m_written[-1 - stored.offset];
            kept = singleLine(value);
            stored.length = kept.size();
        } else {
            stored = keep(singleLine(value));
        }
        return;
    }
    Entry entry;
    entry.key = keep(key.trimmed());
    entry.value = keep(singleLine(value));
    addEntry(target, entry);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

bool IniFile::startsWithMark() const
{
    // Only lines before the first header can come before one.
    if (m_sections.empty() || m_sections.front().hasHeader)
        return false;
    const Entry &first = m_entries[m_sections.front().first];
    return text(first.verbatim ? first.value : first.key).startsWith(QChar(0xFEFF));
}

QByteArray IniFile::serialize() const
{
    // Room for the worst case, three bytes a character, except where the text is known to be
    // ASCII: one buffer for the whole file.
    qsizetype room =
        3 + (m_textAscii ? 1 : 3) * m_text.size() + 4 * qsizetype(m_sections.size()) + 2 * qsizetype(m_entries.size());
    for (const QString &written : m_written)
        room += 3 * written.size();
    QByteArray out(room, Qt::Uninitialized);
    char *p = out.data();
    // A first line that begins with U+FEFF would read back as a byte-order mark and lose it; a
    // line "\uFEFF[Name]" would even turn into a section that shadows the real one. A mark in
    // front keeps the character a character.
    if (startsWithMark())
        p = std::copy_n("\xEF\xBB\xBF", 3, p);
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const auto put = [&](Span span) {
        const QStringView piece = text(span);
        // The file's own text decoded from UTF-8 or the code page, and so is valid UTF-16.
        p = span.offset >= 0 || piece.isValidUtf16() ? utf8.appendToBuffer(p, piece) : appendUtf8(p, piece);
    };
    const Entry *entries = m_entries.constData();
    bool first = true;
    for (const Section &section : m_sections) {
        if (!first)
            *p++ = '\n';
        first = false;
        if (section.hasHeader) {
            *p++ = '[';
            put(section.name);
            *p++ = ']';
            *p++ = '\n';
        }
        for (Index e = section.first; e != kNone; e = entries[e].next) {
            const Entry &entry = entries[e];
            if (!entry.verbatim) {
                put(entry.key);
                *p++ = '=';
            }
            put(entry.value);
            *p++ = '\n';
        }
    }
    out.truncate(p - out.constData());
    return out;
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
