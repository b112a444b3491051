#pragma once

#include "calc/datevalue.h"
#include "localerecords.h"
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

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
