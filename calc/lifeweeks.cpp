#include "calc/lifeweeks.h"

#include "calc/datetext.h"
#include "calc/lookahead.h"
#include "calc/numbertext.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
// A share of a week that is half an hour less dust from dividing weekly minutes by 7.
constexpr double kDust = 1e-6;

double wholeHours(double hours)
{
    return std::floor(hours + 0.5 + kDust);
}
} // namespace

DateValue weekFirstDay(DateValue birth, int year, int week)
{
    return birthdayAt(wholeDay(birth), year) + 7 * week;
}

int weekDays(DateValue birth, int year, int week)
{
    if (week < WeeksPerYear - 1)
        return 7;
    return int(birthdayAt(wholeDay(birth), year + 1) - weekFirstDay(birth, year, week));
}

double hoursWithin(const DailyLoad &load, DateValue first, int days)
{
    const double from = std::max(load.from, first);
    const double to = std::min(load.to, first + days);
    return to > from ? (to - from) * load.minutesPerDay / 60 : 0;
}

QString weekDescription(DateValue first, int year, bool ahead, const QStringList &names, const QVector<double> &hours,
                        int days)
{
    QVector<int> shown;
    for (int i = 0; i < hours.size(); ++i) {
        if (wholeHours(hours[i]) >= 1)
            shown.append(i);
    }
    // By the hours the text shows, so that equal figures keep the table's order.
    std::stable_sort(shown.begin(), shown.end(),
                     [&hours](int a, int b) { return wholeHours(hours[a]) > wholeHours(hours[b]); });
    const QString week = days != 7 ? QCoreApplication::translate("LifeWeeks", "Week of %1 (%n days)",
                                                                 "a short week at the end of a year of age", days)
                                         .arg(shortDateText(first))
                                   : QCoreApplication::translate("LifeWeeks", "Week of %1").arg(shortDateText(first));
    QString text = ahead ? QCoreApplication::translate("LifeWeeks", "%1, age %2, ahead: ", "a week, an age")
                         : QCoreApplication::translate("LifeWeeks", "%1, age %2: ", "a week, an age");
    text = text.arg(week).arg(year);
    if (shown.isEmpty())
        return text + QCoreApplication::translate("LifeWeeks", "nothing entered", "a week without activities");
    for (int n = 0; n < shown.size(); ++n) {
        if (n > 0)
            text += QStringLiteral(", ");
        text += names.value(shown[n]) + QLatin1Char(' ') + formatWhole(wholeHours(hours[shown[n]])) +
                QCoreApplication::translate("LifeWeeks", " h", "short for hours, after a number");
    }
    return text;
}

int dominantActivity(const QVector<double> &hours, int sleep)
{
    int best = -1;
    for (int a = 0; a < hours.size(); ++a) {
        if (a != sleep && wholeHours(hours[a]) >= 1 && (best < 0 || hours[a] > hours[best]))
            best = a;
    }
    if (best < 0 && sleep >= 0 && sleep < hours.size() && wholeHours(hours[sleep]) >= 1)
        best = sleep;
    return best;
}

LifeWeeks::LifeWeeks(DateValue birth, int years, DateValue today, const QVector<WeekActivity> &activities)
    : m_birth(wholeDay(birth)), m_today(wholeDay(today)), m_years(std::max(years, 0))
{
    const int n = int(activities.size());
    for (const WeekActivity &a : activities) {
        if (m_sleep < 0 && a.name.trimmed().compare(QLatin1String("Sleep"), Qt::CaseInsensitive) == 0)
            m_sleep = int(m_names.size());
        m_names.append(a.name);
    }
    m_hours.resize(qsizetype(m_years) * WeeksPerYear * n);
    double *out = m_hours.data();
    for (int y = 0; y < m_years; ++y) {
        for (int k = 0; k < WeeksPerYear; ++k) {
            const DateValue first = weekFirstDay(m_birth, y, k);
            const int days = weekDays(m_birth, y, k);
            if (m_today >= first && m_today < first + days)
                m_current = {y, k};
            for (const WeekActivity &a : activities) {
                double sum = 0;
                for (const DailyLoad &load : a.loads)
                    sum += hoursWithin(load, first, days);
                *out++ = sum;
            }
        }
    }
}

double LifeWeeks::hours(int year, int week, int activity) const
{
    return m_hours.value((qsizetype(year) * WeeksPerYear + week) * activityCount() + activity);
}

QVector<double> LifeWeeks::hours(int year, int week) const
{
    const int n = activityCount();
    const qsizetype at = (qsizetype(year) * WeeksPerYear + week) * n;
    return m_hours.mid(at, n);
}

double LifeWeeks::totalHours(int year, int week) const
{
    const QVector<double> h = hours(year, week);
    return std::accumulate(h.begin(), h.end(), 0.0);
}

bool LifeWeeks::isAhead(int year, int week) const
{
    return firstDay(year, week) > m_today;
}

QString LifeWeeks::description(int year, int week) const
{
    QString text =
        weekDescription(firstDay(year, week), year, isAhead(year, week), m_names, hours(year, week), days(year, week));
    for (int e : eventsIn(year, week))
        text += QStringLiteral(" \u00b7 ") + m_events[e].text();
    return text;
}

int LifeWeeks::dominant(int year, int week) const
{
    return dominantActivity(hours(year, week), m_sleep);
}

WeekIndex LifeWeeks::weekOf(DateValue day) const
{
    day = wholeDay(day);
    const int year = wholeYearsOld(m_birth, day);
    if (day < m_birth || year >= m_years)
        return {};
    return {year, std::min(WeeksPerYear - 1, int(day - birthdayAt(m_birth, year)) / 7)};
}

void LifeWeeks::setEvents(const QVector<WeekEvent> &events)
{
    m_events.clear();
    m_eventWeeks.clear();
    QVector<WeekEvent> sorted = events;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const WeekEvent &a, const WeekEvent &b) { return a.day < b.day; });
    for (const WeekEvent &event : sorted) {
        const WeekIndex at = weekOf(event.day);
        if (!at.isValid())
            continue;
        m_events.append(event);
        m_eventWeeks.append(at.year * WeeksPerYear + at.week);
    }
}

QVector<int> LifeWeeks::eventsIn(int year, int week) const
{
    QVector<int> found;
    const int at = year * WeeksPerYear + week;
    for (int e = 0; e < m_eventWeeks.size(); ++e) {
        if (m_eventWeeks[e] == at)
            found.append(e);
    }
    return found;
}
