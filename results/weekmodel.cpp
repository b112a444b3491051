#include "results/weekmodel.h"

#include "calc/conversionerror.h"
#include "calc/datetext.h"
#include "calc/numbertext.h"
#include "calc/periodtext.h"
#include "tables/activitymodel.h"
#include <QCoreApplication>
#include <algorithm>
#include <cmath>

WeekModel::WeekModel(LifeWeeks weeks, QObject *parent) : QAbstractTableModel(parent), m_weeks(std::move(weeks)) {}

QVector<WeekActivity> WeekModel::activitiesOf(const ActivityModel &hours, const LookAhead &ahead)
{
    QVector<WeekActivity> activities;
    for (int row : hours.usedRows()) {
        const QStringList cells = hours.rowTexts(row);
        const TotalBreakdown total = projectedBreakdown(TableKind::Hours, cells, ahead, 0);
        const QString &name = cells.at(Column::Activity);
        auto same = std::find_if(activities.begin(), activities.end(),
                                 [&name](const WeekActivity &a) { return a.name == name; });
        if (same == activities.end())
            same = activities.insert(activities.end(), WeekActivity{name, {}});
        if (const std::optional<DailyLoad> load = dailyLoad(total))
            same->loads.append(*load);
    }
    return activities;
}

QVector<WeekEvent> WeekModel::eventsOf(const ActivityModel &table, bool isMoney)
{
    QVector<WeekEvent> events;
    for (int row : table.usedRows()) {
        const QStringList cells = table.rowTexts(row);
        if (!isOnce(cells.at(Column::Per)))
            continue;
        try {
            const TotalBreakdown b = moneyBreakdown(cells.at(Column::Amount), cells.at(Column::Per),
                                                    cells.at(Column::Start), cells.at(Column::End), isMoney, 0);
            QString amount;
            if (isMoney)
                amount = formatMoney(b.total, 2);
            else if (std::abs(b.total - 1) > 1e-9)
                amount = QStringLiteral("\u00d7") + formatWhole(b.total);
            events.append({cells.at(Column::Activity), amount, strToDate(cells.at(Column::Start))});
        } catch (const ConversionError &) {
        }
    }
    return events;
}

void WeekModel::setHighlighted(int activity)
{
    if (activity == m_highlighted)
        return;
    m_highlighted = activity;
    m_peak = 0;
    for (int y = 0; activity >= 0 && y < m_weeks.years(); ++y) {
        for (int k = 0; k < WeeksPerYear; ++k)
            m_peak = std::max(m_peak, m_weeks.hours(y, k, activity) / m_weeks.days(y, k));
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void WeekModel::setLook(WeekLook look)
{
    if (look == m_look)
        return;
    m_look = look;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int WeekModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_weeks.years();
}

int WeekModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : WeeksPerYear;
}

QVariant WeekModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::AccessibleTextRole && role != Qt::ToolTipRole))
        return {};
    return m_weeks.description(index.row(), index.column());
}

QVariant WeekModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // Every row and column has a name for screen readers, though few show a label.
    if (role == Qt::AccessibleTextRole)
        return orientation == Qt::Vertical ? QCoreApplication::translate("Weeks", "Age %1").arg(section)
                                           : QCoreApplication::translate("Weeks", "Week %1").arg(section + 1);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical) {
        const int step = m_weeks.years() <= 30 ? 5 : 10;
        return section % step == 0 ? QVariant(QString::number(section)) : QVariant();
    }
    const int week = section + 1;
    return week == 1 || week % 10 == 0 ? QVariant(QString::number(week)) : QVariant();
}
