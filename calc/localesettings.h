#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

enum class CurrencyPlacement { Before, After, BeforeWithBlank, AfterWithBlank };

// The user's regional settings, read once at start-up and constant afterwards.
// Date patterns use d, dd, m, mm, yy, yyyy (letters in either case), "/" for the date separator.
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

    // Every fallback: what applies when the platform gives no value (a C or POSIX locale).
    static LocaleSettings fallback();
    static LocaleSettings fromQLocale(const QLocale &locale);

    // The record in force. Set once at start-up (tests set the record they need).
    static const LocaleSettings &current();
    static void setCurrent(const LocaleSettings &settings);
};
