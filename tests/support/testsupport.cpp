#include "testsupport.h"

#include "calc/clock.h"
#include "calc/todayprices.h"
#include "settings/programfolder.h"
#include "settings/settingsfile.h"
#include <QDir>

namespace testsupport {

DateValue ymdValue(int year, int month, int day)
{
    return encodeDate(year, month, day);
}

void fixClock(int year, int month, int day, int hour, int minute, int second)
{
    Clock::setFixed(encodeDate(year, month, day) + (hour * 3600 + minute * 60 + second) / 86400.0);
}

TempProgramFolder::TempProgramFolder()
{
    setProgramFolder(path());
}

TempProgramFolder::~TempProgramFolder()
{
    setProgramFolder(QString());
}

QString TempProgramFolder::path() const
{
    return QDir(m_dir.path()).absolutePath() + QLatin1Char('/');
}

QString TempProgramFolder::file(const QString &name) const
{
    return path() + name;
}

void resetSharedState()
{
    Clock::reset();
    LocaleSettings::setCurrent(usLocale());
    todayprices::setInForce(std::nullopt);
    setProgramFolder(QString());
    setSettingsFilePath(QString());
}

} // namespace testsupport
