#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

enum class CurrencyPlacement { Before, After, BeforeWithBlank, AfterWithBlank };

// The user's regional settings, read once at start-up and constant afterwards.
// Date patterns use d, dd, m, mm, yy, yyyy (letters in either case), "/" for the date separator.
// The locale the C library uses for one category ("LC_TIME", "LC_PAPER", ...): LC_ALL, else the
// category's own variable, else LANG; "C" when none is set.
QLocale regionalLocale(const char *category);

struct LocaleSettings {
    QString shortDatePattern = QStringLiteral("m/d/yy");
    QChar dateSeparator = QLatin1Char('/');
    QStringList longMonthNames;
    QChar timeSeparator = QLatin1Char(':');
    QString longTimeFormat = QStringLiteral("h:mm:ss AMPM");
    QString amText = QStringLiteral("am");
    QString pmText = QStringLiteral("pm");
    QChar thousandsSeparator = QLatin1Char(',');
    QChar decimalSeparator = QLatin1Char('.');
    QString currencySymbol;
    CurrencyPlacement currencyPlacement = CurrencyPlacement::Before;
    // The region itself (ISO 3166 two-letter code) and its own currency symbol: amounts keep the
    // currency they were entered in, so currencySymbol may be another region's.
    QString territory;
    QString regionCurrency;

    // The region's own currency symbol, or currencySymbol for a record that does not say.
    QString homeCurrency() const { return regionCurrency.isEmpty() ? currencySymbol : regionCurrency; }
    // This record with amounts in `currency` (the region's own when empty).
    LocaleSettings withCurrency(const QString &currency) const;

    // Every fallback: what applies when the platform gives no value (a C or POSIX locale).
    static LocaleSettings fallback();
    static LocaleSettings fromQLocale(const QLocale &locale);
    // Dates and times, numbers and money each from their own category, as the C library reads them.
    static LocaleSettings fromCategories(const QLocale &time, const QLocale &numeric, const QLocale &monetary);
    // The record for this process's environment: LC_TIME, LC_NUMERIC and LC_MONETARY (LC_ALL over
    // each, LANG under each), never the language of the user interface (LANGUAGE, LC_MESSAGES).
    static LocaleSettings fromEnvironment();

    // The record in force. Set once at start-up (tests set the record they need).
    static const LocaleSettings &current();
    static void setCurrent(const LocaleSettings &settings);
};
