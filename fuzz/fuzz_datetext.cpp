// Strict date conversion under a month-first and a day-first date order. Properties: the
// throwing and the non-throwing conversions agree; a text that converts, written back as short
// date text, converts to the same day; the lenient sort key never fails.
#include "calc/clock.h"
#include "calc/conversionerror.h"
#include "calc/datetext.h"
#include "calc/datevalue.h"
#include "fuzzsupport.h"
#include "tables/tablesort.h"
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool fixed = (Clock::setFixed(encodeDate(2025, 6, 10) + 0.5), true);
    Q_UNUSED(fixed);
    if (size < 1)
        return 0;
    LocaleSettings::setCurrent(data[0] & 1 ? fuzz::dayFirst() : fuzz::monthFirst());
    const QString text = fuzz::text(data + 1, size - 1);

    DateValue value = 0;
    const bool converts = tryStrToDate(text, value);
    bool threw = false;
    try {
        fuzz::check(strToDate(text) == value, "strToDate agrees with tryStrToDate", text);
    } catch (const ConversionError &e) {
        threw = true;
        fuzz::check(e.message() == QStringLiteral("'%1' is not a valid date").arg(text), "message", text);
    }
    fuzz::check(threw != converts, "strToDate throws exactly when tryStrToDate fails", text);

    if (converts) {
        fuzz::check(std::isfinite(value), "a converted date is finite", text);
        const QString written = shortDateText(value);
        DateValue again = 0;
        fuzz::check(tryStrToDate(written, again), "short date text converts", text + QLatin1String(" -> ") + written);
        fuzz::check(std::trunc(again) == std::trunc(value), "short date text gives the same day",
                    text + QLatin1String(" -> ") + written);
    }
    fuzz::check(std::isfinite(dateKey(text)), "the sort key is finite", text);
    return 0;
}
