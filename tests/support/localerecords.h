#pragma once

#include "calc/localesettings.h"

// The locale records the tests and the fuzz targets set, so both read numbers and dates the same way.
namespace testsupport {

// U.S. settings: m/d/yyyy with "/", "," thousands, "." decimals, "$" before the amount, 12-hour clock.
LocaleSettings usLocale();
// Day-month-year with "." as date separator, "." thousands, "," decimals, "€" after with a blank, 24-hour clock.
LocaleSettings dmyLocale();
// Qt's own records of three regions: German (dd.mm.yy, "." thousands, "," decimals, "€" after with a
// blank), British (dd/mm/yyyy, "£" before) and French (dd/mm/yyyy, narrow no-break space thousands,
// "," decimals, "€" after with a blank).
LocaleSettings germanLocale();
LocaleSettings britishLocale();
LocaleSettings frenchLocale();

} // namespace testsupport
