#pragma once

#include "calc/datevalue.h"
#include "calc/localesettings.h"
#include "calc/pricetable.h"
#include "calc/totals.h"
#include <QString>
#include <QStringList>
#include <optional>

// Money in today's prices: a money row's total as paid, spread over the calendar years it was paid
// in, each year's part brought to today's price level.

constexpr double MinPriceRate = -5;
constexpr double MaxPriceRate = 50;
// The rate for every year where the amounts' region has no table, unless the user sets one.
constexpr double NoTablePriceRate = 2;

// The choice as the settings file keeps it (section [Prices]).
struct PricesChoice {
    bool today = false;
    std::optional<double> rate; // per cent a year, when the user set one
    QString euroRegion;         // the euro country whose table measures amounts in euros, when chosen
    bool operator==(const PricesChoice &o) const
    {
        return today == o.today && rate == o.rate && euroRegion == o.euroRegion;
    }
};

// The countries whose currency is the euro, by two-letter code; the first is the default.
QStringList euroRegions();
// The region whose prices measure the amounts: the user's own (`territory`) when the amounts are in
// its currency, otherwise the currency's home ("$": US, "£": GB, "€": `euroRegion` or the default
// euro country, "CHF": CH); empty when the currency has no known home.
QString priceRegionFor(const QString &territory, const QString &territoryCurrency, const QString &amountCurrency,
                       const QString &euroRegion);

class PriceBasis
{
public:
    // `series` may be null: the rate then applies to every year.
    PriceBasis(const PriceSeries *series, double ratePercent, DateValue today);

    const PriceSeries *series() const { return m_series; }
    double ratePercent() const { return m_rate; }
    int todayYear() const;
    DateValue today() const { return m_today; }
    // The price level of a year: the table's, or carried from its first year backwards or from
    // its latest period forwards at the rate.
    double levelOfYear(int year) const;
    // The latest period's level carried forward to today at the rate.
    double todayLevel() const;
    double factor(int year) const { return todayLevel() / levelOfYear(year); }

private:
    const PriceSeries *m_series;
    double m_rate;
    DateValue m_today;
};

// The region whose table measures the amounts under `locale`, for the choice.
QString priceRegionOf(const PricesChoice &choice, const LocaleSettings &locale);
// The basis of the choice under `locale` on `today`; none when money is shown as paid.
std::optional<PriceBasis> priceBasisOf(const PricesChoice &choice, const LocaleSettings &locale, DateValue today);

// The rate the user set, or the table's mean of its last ten years, or NoTablePriceRate.
double priceRateFor(const PricesChoice &choice, const PriceSeries *series);

// A money row's total in today's prices. The total as paid is spread over the calendar years of
// the row's span in proportion to its days in each (a "Once" row: all in the year of its date);
// each part up to today is multiplied by factor(year), each part after today counts at face value.
double inTodaysPrices(const TotalBreakdown &b, const PriceBasis &basis);

// The basis the program's figures are shown with, when money is shown in today's prices.
namespace todayprices {
const PriceBasis *inForce();
void setInForce(const std::optional<PriceBasis> &basis);
// The total cell text of a breakdown as the tables show it: for a money row with prices in force,
// the total in today's prices without a share; otherwise totalText.
QString shownTotalText(const TotalBreakdown &b);
// "2026 prices" for the year of today.
QString yearPrices(const PriceBasis &basis);
// "In 2026 prices: $1,234,567 — prices rose 2.4 × since 1990 on average."
QString sentence(const TotalBreakdown &b, const PriceBasis &basis);
// "United States, 1913 to 2025 (monthly to May 2026)"; "Japan: no price table".
QString tableInUse(const PriceBasis &basis, const QString &region);
// The same breakdown with its total in today's prices and no share, for the texts that show it.
TotalBreakdown inTodaysPricesBreakdown(const TotalBreakdown &b, const PriceBasis &basis);
// What the figures in today's prices rest on, for the report: the table and the rate, the table's
// publisher and name, its licence and the date of the copy, and its credit line.
QStringList creditLines(const PriceBasis &basis, const QString &region);
// The day a table's public copy was taken, as the user's short date (kept as YYYY-MM-DD).
QString copyDateText(const PriceSource &source);
// Why the money totals show no share of the lifetime income in today's prices.
QString noShareSentence();
} // namespace todayprices
