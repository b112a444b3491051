#include "settings/pricessection.h"

#include "settings/inifile.h"

namespace {
const QString Section = QStringLiteral("Prices");
const QString TodayKey = QStringLiteral("Today");
const QString RateKey = QStringLiteral("Rate");
const QString RegionKey = QStringLiteral("Region");
} // namespace

PricesChoice readPricesChoice(const IniFile &ini)
{
    PricesChoice choice;
    choice.today = ini.readString(Section, TodayKey, QString()).trimmed() == QLatin1String("1");
    bool ok = false;
    const double rate = ini.readString(Section, RateKey, QString()).trimmed().toDouble(&ok);
    if (ok && rate >= MinPriceRate && rate <= MaxPriceRate)
        choice.rate = rate;
    const QString region = ini.readString(Section, RegionKey, QString()).trimmed().toUpper();
    if (euroRegions().contains(region))
        choice.euroRegion = region;
    return choice;
}

void writePricesChoice(IniFile &ini, const PricesChoice &choice)
{
    const bool present =
        ini.contains(Section, TodayKey) || ini.contains(Section, RateKey) || ini.contains(Section, RegionKey);
    if (!present && choice == PricesChoice())
        return;
    ini.writeString(Section, TodayKey, choice.today ? QStringLiteral("1") : QStringLiteral("0"));
    ini.writeString(Section, RateKey, choice.rate ? QString::number(*choice.rate, 'g', 6) : QString());
    ini.writeString(Section, RegionKey, choice.euroRegion);
}
