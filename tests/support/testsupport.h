#pragma once

#include "calc/datevalue.h"
#include "calc/localesettings.h"
#include <QString>
#include <QTemporaryDir>

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

// Fixes the clock to a moment (local time).
void fixClock(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
DateValue ymdValue(int year, int month, int day);

// A temporary folder that stands in for the program's folder while it lives.
class TempProgramFolder
{
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const; // with trailing separator
    QString file(const QString &name) const;
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};

// Resets the shared state tests may change: clock, locale (U.S.), program folder, settings file.
void resetSharedState();

} // namespace testsupport
