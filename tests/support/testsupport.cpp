#include "testsupport.h"

#include "calc/clock.h"
#include "settings/programfolder.h"
#include "settings/settingsfile.h"
#include <QDir>

namespace testsupport {

static QStringList englishMonths()
{
    return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
            QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
            QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
            QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
}

LocaleSettings usLocale()
{
    LocaleSettings s = LocaleSettings::fallback();
    s.shortDatePattern = QStringLiteral("M/d/yyyy");
    s.dateSeparator = QLatin1Char('/');
    s.longMonthNames = englishMonths();
    s.timeSeparator = QLatin1Char(':');
    s.longTimeFormat = QStringLiteral("h:mm:ss AMPM");
    s.amText = QStringLiteral("AM");
    s.pmText = QStringLiteral("PM");
    s.thousandsSeparator = QLatin1Char(',');
    s.decimalSeparator = QLatin1Char('.');
    s.currencySymbol = QStringLiteral("$");
    s.currencyPlacement = CurrencyPlacement::Before;
    return s;
}

LocaleSettings dmyLocale()
{
    LocaleSettings s = LocaleSettings::fallback();
    s.shortDatePattern = QStringLiteral("dd.mm.yyyy");
    s.dateSeparator = QLatin1Char('.');
    s.longMonthNames = {QStringLiteral("Januar"),  QStringLiteral("Februar"),  QStringLiteral("März"),
                        QStringLiteral("April"),   QStringLiteral("Mai"),      QStringLiteral("Juni"),
                        QStringLiteral("Juli"),    QStringLiteral("August"),   QStringLiteral("September"),
                        QStringLiteral("Oktober"), QStringLiteral("November"), QStringLiteral("Dezember")};
    s.timeSeparator = QLatin1Char(':');
    s.longTimeFormat = QStringLiteral("hh:mm:ss");
    s.thousandsSeparator = QLatin1Char('.');
    s.decimalSeparator = QLatin1Char(',');
    s.currencySymbol = QStringLiteral("€");
    s.currencyPlacement = CurrencyPlacement::AfterWithBlank;
    return s;
}

LocaleSettings germanLocale()
{
    return LocaleSettings::fromQLocale(QLocale(QLocale::German, QLocale::Germany));
}

LocaleSettings britishLocale()
{
    return LocaleSettings::fromQLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

LocaleSettings frenchLocale()
{
    return LocaleSettings::fromQLocale(QLocale(QLocale::French, QLocale::France));
}

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
    setProgramFolder(QString());
    setSettingsFilePath(QString());
}

} // namespace testsupport
