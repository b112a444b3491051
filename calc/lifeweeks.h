#pragma once

#include "calc/datevalue.h"
#include "calc/overlap.h"
#include <QString>
#include <QStringList>
#include <QVector>

// A life as weeks: a row per year of age, 52 weeks a row. Year y begins on the y-th birthday and
// its week k 7k days after it; week 51 runs to the day before the next birthday (8 or 9 days), so
// the weeks of a year cover it without a gap.

constexpr int WeeksPerYear = 52;

// How the weeks are coloured: by the activity that took most of each week, or every hour stacked.
enum class WeekLook { MainActivity, AllHours };
constexpr double HoursPerWeek = 168;

// The first day of week `week` of year of age `year`.
DateValue weekFirstDay(DateValue birth, int year, int week);
// The days of that week: 7, or 8 or 9 for week 51.
int weekDays(DateValue birth, int year, int week);
// The hours a row at its even daily rate spends within `days` days from `first`.
double hoursWithin(const DailyLoad &load, DateValue first, int days);
// "Week of 3/15/1990, age 4: Sleep 56 h, TV 14 h", "Week of 12/13/2026, age 40, ahead: ...",
// "...: nothing entered"; a longer week 51 says its length: "Week of 3/7/2027 (8 days), age 40: ...".
// Activities with at least half an hour, largest first, table order on ties.
QString weekDescription(DateValue first, int year, bool ahead, const QStringList &names, const QVector<double> &hours,
                        int days = 7);
// The activity that colours a week: the one with the most hours, sleep (`sleep`, or -1 for none)
// only where nothing else was entered; the first in table order on a tie; -1 when nothing was
// entered. Under half an hour a week counts as nothing, as in the description.
int dominantActivity(const QVector<double> &hours, int sleep);

// Something that happened once, from the money and frequency tables: "Car", "$24,500.00".
struct WeekEvent {
    QString name;
    QString amount;
    DateValue day = 0;
    // "Car $24,500.00", or the name alone without an amount.
    QString text() const { return amount.isEmpty() ? name : name + QLatin1Char(' ') + amount; }
};

// One activity: the hours rows of one name, in table order of their first row.
struct WeekActivity {
    QString name;
    QVector<DailyLoad> loads;
};

struct WeekIndex {
    int year = -1;
    int week = -1;
    bool isValid() const { return year >= 0; }
};

// The weeks from birth to the look-ahead age with the hours each activity spent in each.
class LifeWeeks
{
public:
    LifeWeeks() = default;
    LifeWeeks(DateValue birth, int years, DateValue today, const QVector<WeekActivity> &activities);

    int years() const { return m_years; }
    int activityCount() const { return int(m_names.size()); }
    const QStringList &names() const { return m_names; }
    DateValue firstDay(int year, int week) const { return weekFirstDay(m_birth, year, week); }
    int days(int year, int week) const { return weekDays(m_birth, year, week); }
    // The hours of activity `activity` in the week.
    double hours(int year, int week, int activity) const;
    QVector<double> hours(int year, int week) const;
    double totalHours(int year, int week) const;
    // Its first day lies after today.
    bool isAhead(int year, int week) const;
    // The week holding today; invalid when today lies outside the years drawn.
    WeekIndex currentWeek() const { return m_current; }
    QString description(int year, int week) const;
    // The activity that colours the week, or -1 (dominantActivity); sleep is the activity named
    // "Sleep".
    int dominant(int year, int week) const;
    int sleepActivity() const { return m_sleep; }

    // The events drawn on the weeks: those between birth and the last week drawn, by date.
    void setEvents(const QVector<WeekEvent> &events);
    const QVector<WeekEvent> &events() const { return m_events; }
    // The events of a week, as indexes into events().
    QVector<int> eventsIn(int year, int week) const;
    // The week holding `day`; invalid outside the years drawn.
    WeekIndex weekOf(DateValue day) const;

private:
    DateValue m_birth = 0;
    DateValue m_today = 0;
    int m_years = 0;
    QStringList m_names;
    // year-major, then week, then activity
    QVector<double> m_hours;
    WeekIndex m_current;
    int m_sleep = -1;
    QVector<WeekEvent> m_events;
    // year * WeeksPerYear + week of each event
    QVector<int> m_eventWeeks;
};
