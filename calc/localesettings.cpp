#include "calc/localesettings.h"

namespace {
QStringList englishMonthNames()
{
    return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
            QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
            QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
            QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
}

LocaleSettings &currentRecord()
{
    static LocaleSettings record = LocaleSettings::fallback();
    return record;
}

bool isPatternLetter(QChar c)
{
    return c.isLetter();
}

// Qt's short date format (M/d/yy, dd.MM.yyyy, y-MM-dd ...) in the d/m/y pattern letters, with the
// first separator that stands between two fields turned into "/". Quoted text is copied as it is;
// weekday names have no place in a short date and are dropped.
void mapShortDateFormat(const QString &qtFormat, QString &pattern, QChar &separator)
{
    pattern.clear();
    separator = QChar();
    bool seenField = false;
    const qsizetype n = qtFormat.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = qtFormat[i];
        if (c == QLatin1Char('\'')) {
            qsizetype j = i + 1;
            while (j < n && qtFormat[j] != QLatin1Char('\''))
                pattern.append(qtFormat[j++]);
            i = j + 1;
            continue;
        }
        if (isPatternLetter(c)) {
            qsizetype j = i;
            while (j < n && qtFormat[j] == c)
                ++j;
            const qsizetype run = j - i;
            i = j;
            if (c == QLatin1Char('d')) {
                if (run <= 2)
                    pattern.append(run == 1 ? QStringLiteral("d") : QStringLiteral("dd"));
                else
                    continue; // weekday name
            } else if (c == QLatin1Char('M') || c == QLatin1Char('L')) {
                pattern.append(run == 1 ? QStringLiteral("m") : QStringLiteral("mm"));
            } else if (c == QLatin1Char('y')) {
                pattern.append(run == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"));
            } else {
                continue;
            }
            seenField = true;
            continue;
        }
        if (seenField && separator.isNull() && !c.isSpace())
            separator = c;
        pattern.append(c == separator ? QLatin1Char('/') : c);
        ++i;
    }
    // Strip separators and blanks left hanging where a weekday name was dropped.
    while (!pattern.isEmpty() && !pattern.front().isLetter() && pattern.front() != QLatin1Char('/'))
        pattern.remove(0, 1);
}

QString withoutQuotedText(const QString &format)
{
    QString out;
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted)
            out.append(c);
    }
    return out;
}

// The first non-letter between the hour and the minutes of Qt's time format.
QChar timeSeparatorOf(const QString &qtTimeFormat)
{
    const qsizetype hour = qtTimeFormat.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    if (hour < 0)
        return QChar();
    for (qsizetype i = hour; i < qtTimeFormat.size(); ++i) {
        const QChar c = qtTimeFormat[i];
        if (!c.isLetter() && !c.isSpace())
            return c;
    }
    return QChar();
}

QChar firstCharOr(const QString &text, QChar fallback)
{
    return text.isEmpty() ? fallback : text.front();
}

CurrencyPlacement placementOf(const QString &sample, const QString &symbol)
{
    const qsizetype at = symbol.isEmpty() ? -1 : sample.indexOf(symbol);
    qsizetype firstDigit = -1;
    qsizetype lastDigit = -1;
    for (qsizetype i = 0; i < sample.size(); ++i) {
        if (sample[i].isDigit()) {
            if (firstDigit < 0)
                firstDigit = i;
            lastDigit = i;
        }
    }
    if (at < 0 || firstDigit < 0)
        return CurrencyPlacement::Before;
    auto blankBetween = [&sample](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i) {
            if (sample[i].isSpace())
                return true;
        }
        return false;
    };
    if (at < firstDigit)
        return blankBetween(at + symbol.size(), firstDigit) ? CurrencyPlacement::BeforeWithBlank
                                                            : CurrencyPlacement::Before;
    return blankBetween(lastDigit + 1, at) ? CurrencyPlacement::AfterWithBlank : CurrencyPlacement::After;
}
} // namespace

LocaleSettings LocaleSettings::fallback()
{
    LocaleSettings s;
    s.longMonthNames = englishMonthNames();
    return s;
}

LocaleSettings LocaleSettings::fromQLocale(const QLocale &locale)
{
    return fromCategories(locale, locale, locale);
}

LocaleSettings LocaleSettings::fromCategories(const QLocale &time, const QLocale &numeric, const QLocale &monetary)
{
    LocaleSettings s = fallback();
    // The C locale stands for "no regional settings" in its category.
    if (time.language() != QLocale::C) {
        QString pattern;
        QChar separator;
        mapShortDateFormat(time.dateFormat(QLocale::ShortFormat), pattern, separator);
        if (pattern.contains(QLatin1Char('d')) && pattern.contains(QLatin1Char('m')) &&
            pattern.contains(QLatin1Char('y'))) {
            s.shortDatePattern = pattern;
            if (!separator.isNull())
                s.dateSeparator = separator;
        }

        QStringList months;
        for (int m = 1; m <= 12; ++m)
            months.append(time.standaloneMonthName(m, QLocale::LongFormat));
        if (!months.contains(QString()))
            s.longMonthNames = months;

        const QString timeFormat = withoutQuotedText(time.timeFormat(QLocale::LongFormat));
        const QChar timeSeparator = timeSeparatorOf(timeFormat);
        if (!timeSeparator.isNull())
            s.timeSeparator = timeSeparator;
        const bool leadingZero = timeFormat.contains(QLatin1String("hh"), Qt::CaseInsensitive);
        const bool twelveHour = timeFormat.contains(QLatin1Char('a'), Qt::CaseInsensitive);
        s.longTimeFormat = (leadingZero ? QStringLiteral("hh") : QStringLiteral("h")) + QStringLiteral(":mm:ss") +
                           (twelveHour ? QStringLiteral(" AMPM") : QString());
        if (!time.amText().isEmpty())
            s.amText = time.amText();
        if (!time.pmText().isEmpty())
            s.pmText = time.pmText();
    }
    if (numeric.language() != QLocale::C) {
        s.thousandsSeparator = firstCharOr(numeric.groupSeparator(), s.thousandsSeparator);
        s.decimalSeparator = firstCharOr(numeric.decimalPoint(), s.decimalSeparator);
    }
    if (monetary.language() != QLocale::C) {
        s.currencySymbol = monetary.currencySymbol(QLocale::CurrencySymbol);
        s.currencyPlacement = placementOf(monetary.toCurrencyString(1234.0), s.currencySymbol);
        s.territory = QLocale::territoryToCode(monetary.territory());
        s.regionCurrency = s.currencySymbol;
    }
    return s;
}

LocaleSettings LocaleSettings::withCurrency(const QString &currency) const
{
    LocaleSettings s = *this;
    s.regionCurrency = homeCurrency();
    s.currencySymbol = currency.isEmpty() ? s.regionCurrency : currency;
    return s;
}

LocaleSettings LocaleSettings::fromEnvironment()
{
    return fromCategories(regionalLocale("LC_TIME"), regionalLocale("LC_NUMERIC"), regionalLocale("LC_MONETARY"));
}

QLocale regionalLocale(const char *category)
{
    // The order POSIX gives; QLocale::system() would take currency placement from the interface
    // language instead (LANGUAGE, LC_MESSAGES), so the money would change with the menus' language.
    for (const char *variable : {"LC_ALL", category, "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return QLocale(name);
    }
    return QLocale::c();
}

const LocaleSettings &LocaleSettings::current()
{
    return currentRecord();
}

void LocaleSettings::setCurrent(const LocaleSettings &settings)
{
    currentRecord() = settings;
}
