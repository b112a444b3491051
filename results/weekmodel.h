#pragma once

#include "calc/lifeweeks.h"
#include "calc/lookahead.h"
#include <QAbstractTableModel>

class ActivityModel;

// The weeks of a life for a view: a row per year of age, 52 columns. Each cell tells its week in
// words as its accessible text and tooltip; the painting reads the hours from weeks().
class WeekModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit WeekModel(LifeWeeks weeks, QObject *parent = nullptr);

    // The hours table's rows as activities, one per name in table order, each row at its even daily
    // rate over its span; a row still going on runs to the look-ahead day. A row that does not
    // convert throws ConversionError, as its total would.
    static QVector<WeekActivity> activitiesOf(const ActivityModel &hours, const LookAhead &ahead);

    // The "Once" rows of a money (isMoney) or frequency table as events: "Car $24,500.00", "Move".
    // A row that does not convert is left out: the weeks do not depend on it.
    static QVector<WeekEvent> eventsOf(const ActivityModel &table, bool isMoney);

    const LifeWeeks &weeks() const { return m_weeks; }
    // The activity shown alone, or -1 for all.
    int highlighted() const { return m_highlighted; }
    // The most hours a day the activity shown alone took in any week: its weeks are drawn against
    // that, so that an hour or two a week can still be seen.
    double highlightedPeak() const { return m_peak; }
    void setHighlighted(int activity);
    // Main activity (the default) or all hours.
    WeekLook look() const { return m_look; }
    void setLook(WeekLook look);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Ages every ten years down the side (every five for a short life), weeks 1, 10, 20, ... along the
    // top; every row and column as "Age 40", "Week 39" for screen readers.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    LifeWeeks m_weeks;
    int m_highlighted = -1;
    double m_peak = 0;
    WeekLook m_look = WeekLook::MainActivity;
};
