// digitsOnly, the strict real and integer conversions, the amount reader and the lenient sort keys.
// Properties: digitsOnly keeps only digits and the decimal separator; throwing and non-throwing
// conversions agree; an amount read is finite, and the writer's text of it reads back to the same
// digits; the sort keys never fail and intOrZero matches a plain decimal reading.
#include "calc/conversionerror.h"
#include "calc/numbertext.h"
#include "calc/periodtext.h"
#include "calc/strictnumber.h"
#include "fuzzsupport.h"
#include "tables/tablesort.h"
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const LocaleSettings locale = data[0] & 1 ? fuzz::dayFirst() : fuzz::monthFirst();
    LocaleSettings::setCurrent(locale);
    const QString text = fuzz::text(data + 1, size - 1);

    const QString digits = digitsOnly(text);
    for (const QChar c : digits)
        fuzz::check((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == locale.decimalSeparator,
                    "digitsOnly keeps digits and the decimal separator", text);

    for (const QString &candidate : {text, digits}) {
        double real = 0;
        const bool isReal = tryStrToFloat(candidate, real);
        fuzz::check(!isReal || std::isfinite(real), "a converted real is finite", candidate);
        try {
            const double thrown = strToFloat(candidate);
            fuzz::check(isReal && (thrown == real || (std::isnan(thrown) && std::isnan(real))), "strToFloat agrees",
                        candidate);
        } catch (const ConversionError &) {
            fuzz::check(!isReal, "strToFloat throws exactly when tryStrToFloat fails", candidate);
        }
        int whole = 0;
        const bool isInt = tryStrToInt(candidate, whole);
        try {
            const int thrown = strToInt(candidate);
            fuzz::check(isInt && thrown == whole, "strToInt agrees", candidate);
        } catch (const ConversionError &) {
            fuzz::check(!isInt, "strToInt throws exactly when tryStrToInt fails", candidate);
        }
    }

    for (const AmountKind kind : {AmountKind::Money, AmountKind::Count}) {
        const std::optional<AmountText> amount = readAmount(text, kind, locale);
        if (!amount)
            continue;
        fuzz::check(std::isfinite(amount->value) && amount->decimals >= 0, "an amount read is finite", text);
        // Past a double's digits the writer cannot carry every digit; the settings file then keeps
        // the text as it was.
        if (amount->digits.size() > 15)
            continue;
        const QString written = kind == AmountKind::Money ? formatMoney(amount->value, amount->decimals, locale)
                                                          : formatNumber(amount->value, amount->decimals, locale);
        const std::optional<AmountText> back = readAmount(written, kind, locale);
        fuzz::check(back && back->digits == amount->digits, "the written amount reads back", text);
    }

    const double key = numberKey(text);
    fuzz::check(!std::isnan(key), "numberKey is a number", text);
    fuzz::check(!std::isnan(dateKey(text)), "dateKey is a number", text);
    bool ok = false;
    const int plain = text.toInt(&ok, 10);
    fuzz::check(intOrZero(text) == (ok ? plain : 0), "intOrZero", text);
    return 0;
}
