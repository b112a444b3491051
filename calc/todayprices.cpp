#include "calc/todayprices.h"

#include "calc/datetext.h"
#include "calc/numbertext.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <cmath>

QStringList euroRegions()
{
    return {QStringLiteral("DE"), QStringLiteral("AT"), QStringLiteral("BE"), QStringLiteral("HR"),
            QStringLiteral("CY"), QStringLiteral("EE"), QStringLiteral("FI"), QStringLiteral("FR"),
            QStringLiteral("GR"), QStringLiteral("IE"), QStringLiteral("IT"), QStringLiteral("LV"),
            QStringLiteral("LT"), QStringLiteral("LU"), QStringLiteral("MT"), QStringLiteral("NL"),
            QStringLiteral("PT"), QStringLiteral("SK"), QStringLiteral("SI"), QStringLiteral("ES")};
}

namespace {
// The country of a currency other than the three above, from its ISO 4217 code, whose first two
// letters name it (CHF: CH). Empty for a symbol several currencies share ("kr") and for a code of
// several countries (XOF).
QString homeOfCurrency(const QString &symbol)
{
    static const QHash<QString, QString> codes = [] {
        QHash<QString, QString> bySymbol; // empty where the symbol stands for several codes
        const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        for (const QLocale &l : locales) {
            const QString code = l.currencySymbol(QLocale::CurrencyIsoCode);
            if (code.size() != 3)
                continue;
            for (const QString &s : {l.currencySymbol(QLocale::CurrencySymbol), code}) {
                const auto it = bySymbol.constFind(s);
                if (it == bySymbol.constEnd())
                    bySymbol.insert(s, code);
                else if (*it != code)
                    bySymbol[s] = QString();
            }
        }
        return bySymbol;
    }();
    const QString code = codes.value(symbol);
    return code.isEmpty() || code.startsWith(QLatin1Char('X')) ? QString() : code.left(2);
}
} // namespace

QString priceRegionFor(const QString &territory, const QString &territoryCurrency, const QString &amountCurrency,
                       const QString &euroRegion)
{
    // A region that names no country (the C locale, Europe: "150") has no currency of its own: the
    // amounts' tells.
    if (amountCurrency.isEmpty() || (amountCurrency == territoryCurrency && territory.size() == 2))
        return territory;
    if (amountCurrency == QLatin1String("$"))
        return QStringLiteral("US");
    if (amountCurrency == QStringLiteral("£"))
        return QStringLiteral("GB");
    if (amountCurrency == QStringLiteral("€")) {
        const QStringList euro = euroRegions();
        if (euro.contains(euroRegion))
            return euroRegion;
        return euro.contains(territory) ? territory : euro.first();
    }
    return homeOfCurrency(amountCurrency);
}

namespace {
// A day as a year with a fraction: 1 July 2026 is about 2026.5.
double yearTime(DateValue day)
{
    int y = 0, m = 0, d = 0;
    decodeDate(day, y, m, d);
    const double start = encodeDate(y, 1, 1);
    return y + (day - start) / (encodeDate(y + 1, 1, 1) - start);
}

int yearOf(DateValue day)
{
    int y = 0, m = 0, d = 0;
    decodeDate(day, y, m, d);
    return y;
}
} // namespace

PriceBasis::PriceBasis(const PriceSeries *series, double ratePercent, DateValue today)
    : m_series(series), m_rate(qBound(MinPriceRate, ratePercent, MaxPriceRate)), m_today(today)
{}

int PriceBasis::todayYear() const
{
    return yearOf(m_today);
}

double PriceBasis::levelOfYear(int year) const
{
    const double growth = 1 + m_rate / 100;
    if (!m_series)
        return std::pow(growth, year + 0.5 - yearTime(m_today));
    const PriceSeries &s = *m_series;
    if (year < s.firstYear)
        return s.levels.first() * std::pow(growth, year - s.firstYear);
    if (year <= s.lastYear())
        return s.levels[year - s.firstYear];
    return s.anchorLevel() * std::pow(growth, year + 0.5 - s.anchorTime());
}

double PriceBasis::todayLevel() const
{
    if (!m_series)
        return 1;
    return m_series->anchorLevel() * std::pow(1 + m_rate / 100, yearTime(m_today) - m_series->anchorTime());
}

QString priceRegionOf(const PricesChoice &choice, const LocaleSettings &locale)
{
    return priceRegionFor(locale.territory, locale.homeCurrency(), locale.currencySymbol, choice.euroRegion);
}

std::optional<PriceBasis> priceBasisOf(const PricesChoice &choice, const LocaleSettings &locale, DateValue today)
{
    if (!choice.today)
        return std::nullopt;
    const PriceSeries *series = PriceTables::builtIn().find(priceRegionOf(choice, locale));
    return PriceBasis(series, priceRateFor(choice, series), today);
}

double priceRateFor(const PricesChoice &choice, const PriceSeries *series)
{
    if (choice.rate)
        return qBound(MinPriceRate, *choice.rate, MaxPriceRate);
    return series ? series->recentRate() : NoTablePriceRate;
}

double inTodaysPrices(const TotalBreakdown &b, const PriceBasis &basis)
{
    const DateValue today = basis.today();
    if (b.basis == PeriodBasis::Once)
        return b.from > today ? b.total : b.total * basis.factor(yearOf(b.from));
    const double days = b.to - b.from;
    if (days <= 0)
        return b.total;
    // Weighted days: a day up to today weighs its year's factor, a day after it weighs 1.
    double weighted = 0;
    for (DateValue day = b.from; day < b.to;) {
        const int year = yearOf(day);
        const DateValue next = qMin(b.to, DateValue(encodeDate(year + 1, 1, 1)));
        const double past = qBound(0.0, today - day, next - day);
        weighted += past * basis.factor(year) + (next - day - past);
        day = next;
    }
    return b.total * weighted / days;
}

namespace todayprices {
namespace {
std::optional<PriceBasis> &record()
{
    static std::optional<PriceBasis> basis;
    return basis;
}
} // namespace

const PriceBasis *inForce()
{
    return record() ? &*record() : nullptr;
}

void setInForce(const std::optional<PriceBasis> &basis)
{
    record() = basis;
}

QString shownTotalText(const TotalBreakdown &b)
{
    const PriceBasis *basis = inForce();
    if (!basis || b.kind != TableKind::Money)
        return totalText(b);
    return formatMoneyWhole(inTodaysPrices(b, *basis));
}

QString yearPrices(const PriceBasis &basis)
{
    return QCoreApplication::translate("TodayPrices", "%1 prices", "a year's price level, as in: in 2025 prices")
        .arg(basis.todayYear());
}

QString sentence(const TotalBreakdown &b, const PriceBasis &basis)
{
    const double today = inTodaysPrices(b, basis);
    QString text = QCoreApplication::translate("TodayPrices", "In %1: %2", "in 2025 prices: an amount")
                       .arg(yearPrices(basis), formatMoneyWhole(today));
    if (b.total > 0 && b.from <= basis.today()) {
        int y = 0, m = 0, d = 0;
        decodeDate(b.from, y, m, d);
        // A rate below zero (or a country's falling prices) brings the amounts down: say so.
        const QString factor = formatNumber(today / b.total, 1) + QStringLiteral(" \u00d7");
        text +=
            QStringLiteral(" \u2014 ") +
            (today >= b.total ? QCoreApplication::translate("TodayPrices", "prices rose %1 since %2 on average",
                                                            "a factor such as 2.5 ×, a year")
                              : QCoreApplication::translate("TodayPrices", "prices fell to %1 those of %2 on average",
                                                            "a factor such as 0.8 ×, a year"))
                .arg(factor)
                .arg(y);
    }
    return text + QLatin1Char('.');
}

QString tableInUse(const PriceBasis &basis, const QString &region)
{
    const PriceSeries *s = basis.series();
    if (!s)
        return QCoreApplication::translate("TodayPrices", "%1: no price table", "a country, or: This currency")
            .arg(region.isEmpty() ? QCoreApplication::translate("TodayPrices", "This currency")
                                  : QLocale::territoryToString(QLocale::codeToTerritory(region)));
    QString text = QCoreApplication::translate("TodayPrices", "%1, %2 to %3", "a country, the first and last year")
                       .arg(s->country)
                       .arg(s->firstYear)
                       .arg(s->lastYear());
    if (s->latestMonth > 0)
        text += QLatin1Char(' ') + QCoreApplication::translate("TodayPrices", "(monthly to %1 %2)", "a month, a year")
                                       .arg(longMonthName(s->latestMonth))
                                       .arg(s->latestYear);
    return text;
}

TotalBreakdown inTodaysPricesBreakdown(const TotalBreakdown &b, const PriceBasis &basis)
{
    TotalBreakdown today = b;
    today.total = inTodaysPrices(b, basis);
    today.share = 0;
    return today;
}

QStringList creditLines(const PriceBasis &basis, const QString &region)
{
    const QString rate = QCoreApplication::translate("TodayPrices", "%1 % a year", "a rate of rising prices")
                             .arg(formatNumber(basis.ratePercent(), 1));
    const PriceSeries *s = basis.series();
    if (!s)
        return {QCoreApplication::translate("TodayPrices", "%1: %2 for every year.", "no price table: a rate")
                    .arg(tableInUse(basis, region), rate)};
    return {QCoreApplication::translate("TodayPrices", "Table: %1; %2 after it and before it.", "a table, a rate")
                .arg(tableInUse(basis, region), rate),
            s->source.title + QStringLiteral("."),
            QCoreApplication::translate("TodayPrices", "%1; copy of %2.", "a licence, a date")
                .arg(s->source.licence, copyDateText(s->source)),
            s->source.credit};
}

QString copyDateText(const PriceSource &source)
{
    const QStringList parts = source.copyDate.split(QLatin1Char('-'));
    if (parts.size() != 3)
        return source.copyDate;
    return shortDateText(encodeDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt()));
}

QString noShareSentence()
{
    return QCoreApplication::translate("TodayPrices",
                                       "In today's prices no share of the lifetime income is shown: the income is "
                                       "one sum, earned in years the program does not know.");
}
} // namespace todayprices
