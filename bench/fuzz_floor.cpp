// The floor under the settings-file fuzz target's speed: a target that does the least its property
// asks of any parser, with the same split of the input, under the same instrumentation. Three
// parses (the content, the first serialization, the serialization after a write), three
// serializations into a buffer each (one compared with the first), the value read and the value
// written turned into text. Its parse is as cheap as a parse can be: lines cut with memchr,
// nothing decoded, no sections, names compared byte for byte. It checks nothing that could fail, so
// the fuzzer finds nothing in it; what it measures is the speed no version of the real target can
// pass. Built by bench/fuzz_rate.sh, never by the project's build.
#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {
struct Span {
    int offset = 0;
    int length = 0;
};
struct Line {
    Span key;
    Span value;
    bool verbatim = false;
};

// The lines of a buffer the caller keeps alive; room for a small file inside the object, as the
// real parser has.
class Lines
{
public:
    void parse(const char *data, int size)
    {
        m_data = data;
        m_count = 0;
        m_more.clear();
        for (int pos = 0; pos < size;) {
            const auto *lf = static_cast<const char *>(std::memchr(data + pos, '\n', std::size_t(size - pos)));
            const int end = lf ? int(lf - data) : size;
            int first = pos;
            int last = end;
            while (first < last && data[first] == ' ')
                ++first;
            while (last > first && data[last - 1] == ' ')
                --last;
            if (last > first) {
                const auto *eq = static_cast<const char *>(std::memchr(data + first, '=', std::size_t(last - first)));
                Line line;
                line.verbatim = eq == nullptr;
                if (eq) {
                    const int at = int(eq - data);
                    line.key = {first, at - first};
                    line.value = {at + 1, end - at - 1};
                } else {
                    line.value = {first, last - first};
                }
                add(line);
            }
            pos = end + 1;
        }
    }

    // Room: the bytes of the text the lines point into, and of anything appended after them.
    QByteArray serialize(int room) const
    {
        QByteArray out(room + 2 * m_count, Qt::Uninitialized);
        char *p = out.data();
        for (int i = 0; i < m_count; ++i) {
            const Line &line = at(i);
            if (!line.verbatim) {
                p = std::copy_n(m_data + line.key.offset, line.key.length, p);
                *p++ = '=';
            }
            p = std::copy_n(m_data + line.value.offset, line.value.length, p);
            *p++ = '\n';
        }
        out.truncate(p - out.constData());
        return out;
    }

    QString read(const char *key, int keyLength) const
    {
        for (int i = 0; i < m_count; ++i) {
            const Line &line = at(i);
            if (!line.verbatim && line.key.length == keyLength &&
                std::memcmp(m_data + line.key.offset, key, std::size_t(keyLength)) == 0)
                return QString::fromUtf8(m_data + line.value.offset, line.value.length);
        }
        return QString();
    }

private:
    static constexpr int kInline = 32;
    void add(const Line &line)
    {
        if (m_count < kInline)
            m_inline[m_count] = line;
        else
            m_more.push_back(line);
        ++m_count;
    }
    const Line &at(int i) const { return i < kInline ? m_inline[i] : m_more[std::size_t(i - kInline)]; }

    const char *m_data = nullptr;
    Line m_inline[kInline];
    std::vector<Line> m_more;
    int m_count = 0;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // As the real target: the first byte chooses the entry, the rest splits at the first 0xFF
    // into file content and the value to write.
    const auto *rest = reinterpret_cast<const char *>(data + 1);
    const int restSize = int(size - 1);
    const auto *separator = static_cast<const char *>(std::memchr(rest, 0xFF, std::size_t(restSize)));
    const int split = separator ? int(separator - rest) : restSize;
    const QString value = separator ? QString::fromUtf8(separator + 1, restSize - split - 1) : QString();

    Lines first;
    first.parse(rest, split);
    const QString read = first.read("Date", 4);
    const QByteArray once = first.serialize(split);

    Lines again;
    again.parse(once.constData(), int(once.size()));
    const bool same = again.serialize(int(once.size())) == once;

    // The write: the value appended as a line, then the whole saved and read back.
    const QByteArray written = value.toUtf8();
    QByteArray saved = again.serialize(int(once.size()) + int(written.size()) + 6);
    saved += "Date=";
    saved += written;
    Lines back;
    back.parse(saved.constData(), int(saved.size()));
    const QString readBack = back.read("Date", 4);
    // Results used, so that the optimiser keeps the work.
    static volatile qsizetype sink = 0;
    sink = read.size() + readBack.size() + (same ? 1 : 0);
    return 0;
}
