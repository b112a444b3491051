#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The consumer price tables the program carries (resources/prices/prices.tsv, made by
// tools/make_prices.py from public tables): a yearly price level per region, with where it came from.

struct PriceSource {
    QString id;       // "BLS", "ONS", "WB"
    QString title;    // the table's publisher and name
    QString licence;  // "Public domain (U.S. federal data)", "Open Government Licence v3.0", "CC BY 4.0"
    QString copyDate; // the day the public copy was taken, YYYY-MM-DD
    QString credit;   // the credit line to show wherever figures from it are shown
};

struct PriceSeries {
    QString region;  // ISO 3166 two-letter code: "US", "GB", "DE"
    QString country; // "United States"
    PriceSource source;
    int firstYear = 0;
    QVector<double> levels; // one a year from firstYear on
    // A month after the last whole year, when the table holds one (the U.S. table): the latest period.
    int latestYear = 0;
    int latestMonth = 0;
    double latestLevel = 0;

    int lastYear() const { return firstYear + int(levels.size()) - 1; }
    // The latest period's level and its middle as a year with a fraction (a year's mean stands
    // for its middle).
    double anchorLevel() const;
    double anchorTime() const;
    // The mean yearly change of the last ten years, in per cent.
    double recentRate() const;
};

class PriceTables
{
public:
    // The tables built into the program.
    static const PriceTables &builtIn();
    // Reads the text the script writes; lines it cannot read are left out.
    static PriceTables parse(const QByteArray &text);

    // Null for a region without a series.
    const PriceSeries *find(const QString &region) const;
    const QVector<PriceSeries> &all() const { return m_series; }

private:
    QVector<PriceSeries> m_series;
};
