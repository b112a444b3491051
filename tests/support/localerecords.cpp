#include "localerecords.h"

namespace testsupport {

LocaleSettings usLocale()
{
    // The fallback brings the English month names.
    LocaleSettings s = LocaleSettings::fallback();
    s.shortDatePattern = QStringLiteral("M/d/yyyy");
    s.dateSeparator = QLatin1Char('/');
    s.timeSeparator = QLatin1Char(':');
    s.longTimeFormat = QStringLiteral("h:mm:ss AMPM");
    s.amText = QStringLiteral("AM");
    s.pmText = QStringLiteral("PM");
    s.thousandsSeparator = QLatin1Char(',');
    s.decimalSeparator = QLatin1Char('.');
    s.currencySymbol = QStringLiteral("$");
    s.currencyPlacement = CurrencyPlacement::Before;
    s.territory = QStringLiteral("US");
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

} // namespace testsupport
