#include "calc/pricetable.h"

#include <QFile>
#include <cmath>

// Outside any namespace, as the resource's start-up function must be called.
static QByteArray builtInText()
{
    Q_INIT_RESOURCE(prices);
    QFile file(QStringLiteral(":/prices/prices.tsv"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double PriceSeries::anchorLevel() const
{
    if (latestMonth > 0)
        return latestLevel;
    return levels.isEmpty() ? 1.0 : levels.last();
}

double PriceSeries::anchorTime() const
{
    if (latestMonth > 0)
        return latestYear + (latestMonth - 0.5) / 12.0;
    return lastYear() + 0.5;
}

double PriceSeries::recentRate() const
{
    const int span = qMin(10, int(levels.size()) - 1);
    if (span < 1 || levels[levels.size() - 1 - span] <= 0)
        return 2.0;
    return 100 * (std::pow(levels.last() / levels[levels.size() - 1 - span], 1.0 / span) - 1);
}

const PriceTables &PriceTables::builtIn()
{
    static const PriceTables tables = parse(builtInText());
    return tables;
}

PriceTables PriceTables::parse(const QByteArray &text)
{
    PriceTables tables;
    QVector<PriceSource> sources;
    for (const QByteArray &rawLine : text.split('\n')) {
        const QStringList f = QString::fromUtf8(rawLine).split(QLatin1Char('\t'));
        if (f.value(0) == QLatin1String("S") && f.size() == 6) {
            sources.append({f[1], f[2], f[3], f[4], f[5]});
            continue;
        }
        if (f.value(0) != QLatin1String("R") || f.size() != 8)
            continue;
        PriceSeries s;
        s.region = f[1];
        s.country = f[2];
        for (const PriceSource &source : sources)
            if (source.id == f[3])
                s.source = source;
        bool ok = false;
        s.firstYear = f[4].toInt(&ok);
        ok = ok && !s.source.id.isEmpty();
        for (const QString &level : f[7].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            bool good = false;
            const double value = level.toDouble(&good);
            ok = ok && good && value > 0;
            s.levels.append(value);
        }
        if (f[5] != QLatin1String("-")) {
            const QStringList month = f[5].split(QLatin1Char('-'));
            bool y = false, m = false, l = false;
            s.latestYear = month.value(0).toInt(&y);
            s.latestMonth = month.value(1).toInt(&m);
            s.latestLevel = f[6].toDouble(&l);
            ok = ok && y && m && l && s.latestLevel > 0;
        }
        if (ok && !s.levels.isEmpty())
            tables.m_series.append(s);
    }
    return tables;
}

const PriceSeries *PriceTables::find(const QString &region) const
{
    for (const PriceSeries &s : m_series)
        if (s.region == region)
            return &s;
    return nullptr;
}
