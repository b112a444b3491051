// The settings-file parser with reading text and integers. Properties: reading never fails on
// any content; a value written and saved reads back unchanged (cut at 1023 characters, line
// breaks blanked); a second parse and serialize changes nothing.
#include "fuzzsupport.h"
#include "settings/inifile.h"

#include <cstring>

namespace {
// The names the program reads, made once: a conversion per input would cost more than the
// parse of a small file under the sanitizers.
struct Names {
    QString sections[6] = {QStringLiteral("Name"),  QStringLiteral("DOB"),     QStringLiteral("Hours"),
                           QStringLiteral("Hour1"), QStringLiteral("Money51"), QStringLiteral("Freq")};
    QString keys[5] = {QStringLiteral("name"), QStringLiteral("Date"), QStringLiteral("Count"), QStringLiteral("Desc"),
                       QStringLiteral("End")};
    QString fallback = QStringLiteral("default");
    QString missing = QStringLiteral("missing");
};

QString expected(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (value.size() <= 1023)
        return value;
    return value.left(value.at(1022).isHighSurrogate() ? 1022 : 1023);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Names names;
    if (size < 1)
        return 0;
    // First byte: which entry to read and write; the rest splits at the first 0xFF into file
    // content and the value to write.
    const QString &section = names.sections[data[0] % 6];
    const QString &key = names.keys[(data[0] / 6) % 5];
    // Views of the input, not copies: a copy per input costs more than a small file's parse.
    const auto *rest = reinterpret_cast<const char *>(data + 1);
    const qsizetype restSize = qsizetype(size - 1);
    const auto *separator = static_cast<const char *>(std::memchr(rest, 0xFF, std::size_t(restSize)));
    const qsizetype split = separator ? separator - rest : restSize;
    const QByteArray content = QByteArray::fromRawData(rest, split);
    const QString value = separator ? QString::fromUtf8(separator + 1, restSize - split - 1) : QString();

    IniFile ini{QString()};
    ini.parse(content);
    const QString read = ini.readString(section, key, names.fallback);
    fuzz::check(read.size() <= 1023, "a read value is at most 1023 characters");
    ini.readInteger(section, key, 5);

    const QByteArray once = ini.serialize();
    IniFile again{QString()};
    again.parse(once);
    fuzz::checkLazily(again.serialize() == once, "serialize(parse(serialize(x))) == serialize(x)",
                      [&] { return QString::fromUtf8(once.left(200)); });

    again.writeString(section, key, value);
    IniFile back{QString()};
    back.parse(again.serialize());
    fuzz::checkLazily(back.readString(section, key, names.missing) == expected(value), "a written value reads back",
                      [&] { return value.left(200); });

    bool ok = false;
    const int number = value.toInt(&ok);
    if (ok) {
        back.writeInteger(section, key, number);
        fuzz::check(back.readInteger(section, key, number == 5 ? 6 : 5) == number, "an integer reads back");
    }
    return 0;
}
