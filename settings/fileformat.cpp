#include "settings/fileformat.h"

#include "calc/datetext.h"
#include "calc/numbertext.h"
#include "settings/inifile.h"
#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <optional>

namespace {
const QString Section = QStringLiteral("Format");
const QString ShortDateKey = QStringLiteral("ShortDate");
const QString DateSeparatorKey = QStringLiteral("DateSeparator");
const QString DecimalKey = QStringLiteral("Decimal");
const QString ThousandsKey = QStringLiteral("Thousands");
const QString CurrencyKey = QStringLiteral("Currency");
const QString PlacementKey = QStringLiteral("CurrencyPlacement");

const struct {
    CurrencyPlacement placement;
    const char *name;
} Placements[] = {{CurrencyPlacement::Before, "Before"},
                  {CurrencyPlacement::After, "After"},
                  {CurrencyPlacement::BeforeWithBlank, "BeforeWithBlank"},
                  {CurrencyPlacement::AfterWithBlank, "AfterWithBlank"}};

QString placementName(CurrencyPlacement placement)
{
    for (const auto &p : Placements) {
        if (p.placement == placement)
            return QLatin1String(p.name);
    }
    return QString();
}

bool placementOf(const QString &name, CurrencyPlacement &placement)
{
    for (const auto &p : Placements) {
        if (name == QLatin1String(p.name)) {
            placement = p.placement;
            return true;
        }
    }
    return false;
}

QString charText(QChar c)
{
    return c.isNull() ? QString() : QString(c);
}

bool oneChar(const QString &text, QChar &c)
{
    if (text.size() != 1)
        return false;
    c = text.front();
    return true;
}

} // namespace

void writeFileFormat(IniFile &ini, const LocaleSettings &locale)
{
    ini.writeString(Section, ShortDateKey, locale.shortDatePattern);
    ini.writeString(Section, DateSeparatorKey, charText(locale.dateSeparator));
    ini.writeString(Section, DecimalKey, charText(locale.decimalSeparator));
    ini.writeString(Section, ThousandsKey, charText(locale.thousandsSeparator));
    ini.writeString(Section, CurrencyKey, locale.currencySymbol);
    ini.writeString(Section, PlacementKey, placementName(locale.currencyPlacement));
}

bool readFileFormat(const IniFile &ini, const LocaleSettings &base, LocaleSettings &recorded)
{
    for (const QString &key : {ShortDateKey, DateSeparatorKey, DecimalKey, ThousandsKey, CurrencyKey, PlacementKey}) {
        if (!ini.contains(Section, key))
            return false;
    }
    LocaleSettings format = base;
    format.shortDatePattern = ini.readString(Section, ShortDateKey, QString());
    for (const char letter : {'d', 'm', 'y'}) {
        if (!format.shortDatePattern.contains(QLatin1Char(letter), Qt::CaseInsensitive))
            return false;
    }
    format.currencySymbol = ini.readString(Section, CurrencyKey, QString());
    if (!oneChar(ini.readString(Section, DateSeparatorKey, QString()), format.dateSeparator) ||
        !oneChar(ini.readString(Section, DecimalKey, QString()), format.decimalSeparator) ||
        !oneChar(ini.readString(Section, ThousandsKey, QString()), format.thousandsSeparator) ||
        !placementOf(ini.readString(Section, PlacementKey, QString()), format.currencyPlacement))
        return false;
    recorded = format;
    return true;
}

FormatConversion::FormatConversion(const LocaleSettings &from, const LocaleSettings &to)
    : m_from(from), m_to(to),
      m_dates(from.shortDatePattern != to.shortDatePattern || from.dateSeparator != to.dateSeparator),
      m_numbers(from.decimalSeparator != to.decimalSeparator || from.thousandsSeparator != to.thousandsSeparator),
      m_money(m_numbers || from.currencySymbol != to.currencySymbol || from.currencyPlacement != to.currencyPlacement)
{}

// A two-digit year takes the current century when it is parsed here, as it would when the cell is
// read; the new text always carries four digits, so the day stays the one read now.
QString FormatConversion::date(const QString &text) const
{
    DateValue day = 0;
    if (!m_dates || !tryStrToDate(text, day, m_from))
        return text;
    const QString converted = shortDateText(day, m_to);
    DateValue back = 0;
    return tryStrToDate(converted, back, m_to) && back == day ? converted : text;
}

QString FormatConversion::amount(const QString &text, AmountKind kind) const
{
    if (!(kind == AmountKind::Money ? m_money : m_numbers))
        return text;
    const std::optional<AmountText> amount = readAmount(text, kind, m_from);
    if (!amount)
        return text;
    const QString converted = kind == AmountKind::Money ? formatMoney(amount->value, amount->decimals, m_to)
                                                        : formatNumber(amount->value, amount->decimals, m_to);
    // A number the new text would not carry digit for digit (more digits than a double holds, or
    // separators of the new format that clash) leaves the text as it was.
    const std::optional<AmountText> back = readAmount(converted, kind, m_to);
    return back && back->digits == amount->digits ? converted : text;
}

bool textsReadIn(const StoredTexts &texts, const LocaleSettings &format)
{
    DateValue day = 0;
    for (const QString &text : texts.dates) {
        if (!tryStrToDate(text, day, format))
            return false;
    }
    for (const QString &text : texts.money) {
        if (!readAmount(text, AmountKind::Money, format))
            return false;
    }
    for (const QString &text : texts.counts) {
        if (!readAmount(text, AmountKind::Count, format))
            return false;
    }
    return true;
}

namespace {
// Whether a text that does not read in `current` reads in `other`: the file was written elsewhere.
// Amounts count as dates do, or an amount of another region would be taken digit by digit.
bool readsOnlyIn(const StoredTexts &texts, const LocaleSettings &other, const LocaleSettings &current)
{
    DateValue day = 0;
    for (const QString &text : texts.dates) {
        if (!tryStrToDate(text, day, current) && tryStrToDate(text, day, other))
            return true;
    }
    const auto amounts = [&](const QStringList &list, AmountKind kind) {
        return std::any_of(list.begin(), list.end(), [&](const QString &text) {
            return !readAmount(text, kind, current) && readAmount(text, kind, other);
        });
    };
    return amounts(texts.money, AmountKind::Money) || amounts(texts.counts, AmountKind::Count);
}
} // namespace

FileFormatState guessFileFormat(const StoredTexts &texts, const LocaleSettings &current, LocaleSettings &found)
{
    if (textsReadIn(texts, current))
        return FileFormatState::Current;
    // The regional formats an earlier file may have been written in: each distinct order of day,
    // month and year, date separator, decimal and grouping marks and currency among them.
    static const char *const Regions[] = {
        "en_US", "en_GB", "en_CA", "en_AU", "en_IN", "en_ZA", "en_IE", "de_DE", "de_AT", "de_CH", "fr_FR", "fr_CA",
        "fr_CH", "fr_BE", "nl_NL", "nl_BE", "it_IT", "it_CH", "es_ES", "es_MX", "pt_PT", "pt_BR", "sv_SE", "da_DK",
        "nb_NO", "fi_FI", "pl_PL", "cs_CZ", "hu_HU", "ru_RU", "uk_UA", "tr_TR", "ja_JP", "zh_CN", "ko_KR", "C"};
    std::optional<QStringList> agreed;
    bool readElsewhere = false;
    for (const char *region : Regions) {
        const LocaleSettings format = LocaleSettings::fromQLocale(QLocale(QLatin1String(region)));
        if (!textsReadIn(texts, format)) {
            readElsewhere = readElsewhere || readsOnlyIn(texts, format, current);
            continue;
        }
        // Two formats that read every text alike are one answer, not a doubt.
        const FormatConversion conversion(format, current);
        QStringList converted;
        for (const QString &text : texts.dates)
            converted << conversion.date(text);
        for (const QString &text : texts.money)
            converted << conversion.amount(text, AmountKind::Money);
        for (const QString &text : texts.counts)
            converted << conversion.amount(text, AmountKind::Count);
        if (!agreed) {
            agreed = converted;
            found = format;
        } else if (*agreed != converted) {
            return FileFormatState::Foreign;
        }
    }
    if (agreed)
        return FileFormatState::Detected;
    return readElsewhere ? FileFormatState::Foreign : FileFormatState::Unknown;
}

QString foreignFormatHint(const QString &path)
{
    return QCoreApplication::translate("FileFormat",
                                       "The dates and amounts in %1 are written in another regional format than yours "
                                       "(%2), and Lifetally cannot tell which one. Correct them on the tables' pages, "
                                       "or start Lifetally under the regional settings they were written in",
                                       "a file, a date pattern such as m/d/yyyy")
        .arg(QDir::toNativeSeparators(path), shortDatePatternText());
}
