#pragma once

#include "calc/localesettings.h"
#include "tests/support/localerecords.h"
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

// The tests' U.S. record: month-day-year with "/" and "." decimals.
inline LocaleSettings monthFirst()
{
    return testsupport::usLocale();
}

// The tests' day-month-year record ("." and "," decimals), with a two-digit year in the pattern so
// that written dates pass through the century window on their way back.
inline LocaleSettings dayFirst()
{
    LocaleSettings s = testsupport::dmyLocale();
    s.shortDatePattern = QStringLiteral("dd.mm.yy");
    return s;
}

} // namespace fuzz
