#pragma once

#include "calc/localesettings.h"
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Shared by the fuzz targets: turning input bytes into texts, two locale records, and a check
// that stops the run with a message (libFuzzer keeps the input that did it).
namespace fuzz {

// UTF-8 input is what a user types or a file holds; invalid sequences become U+FFFD.
inline QString text(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline void check(bool ok, const char *what, const QString &detail = QString())
{
    if (ok)
        return;
    std::fprintf(stderr, "property broken: %s [%s]\n", what, detail.toUtf8().constData());
    std::abort();
}

// As check(), with the detail made only when the property is broken: detail() is called then.
template <typename Detail> void checkLazily(bool ok, const char *what, Detail detail)
{
    if (!ok)
        check(false, what, detail());
}

inline QStringList months()
{
    return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
            QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
            QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
            QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
}

// Month-day-year with "/" and "." decimals.
inline LocaleSettings monthFirst()
{
    LocaleSettings s = LocaleSettings::fallback();
    s.shortDatePattern = QStringLiteral("M/d/yyyy");
    s.dateSeparator = QLatin1Char('/');
    s.longMonthNames = months();
    s.thousandsSeparator = QLatin1Char(',');
    s.decimalSeparator = QLatin1Char('.');
    s.currencySymbol = QStringLiteral("$");
    return s;
}

// Day-month-year with "." and "," decimals, two-digit year in the pattern.
inline LocaleSettings dayFirst()
{
    LocaleSettings s = LocaleSettings::fallback();
    s.shortDatePattern = QStringLiteral("dd.mm.yy");
    s.dateSeparator = QLatin1Char('.');
    s.longMonthNames = months();
    s.thousandsSeparator = QLatin1Char('.');
    s.decimalSeparator = QLatin1Char(',');
    s.currencySymbol = QStringLiteral("€");
    s.currencyPlacement = CurrencyPlacement::AfterWithBlank;
    return s;
}

} // namespace fuzz
