#include "calc/overlap.h"

#include "calc/clock.h"
#include "calc/datetext.h"
#include "calc/explain.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double kDayMinutes = 24 * 60;
constexpr double kReported = kDayMinutes + 0.5;
// Sums that differ by less than this are one sum: adding and taking away leaves rounding dust.
constexpr double kSameSum = 1e-6;

struct Event {
    double day;
    double delta;
};
} // namespace

std::optional<DailyLoad> dailyLoad(const TotalBreakdown &hours)
{
    const double a = wholeDay(hours.from);
    const double b = wholeDay(hours.to);
    const double days = hours.span.totalDays;
    if (days <= 0 || hours.total == 0)
        return std::nullopt;
    return DailyLoad{std::min(a, b), std::max(a, b), hours.total * 60 / days};
}

std::optional<Overload> firstOverload(const QVector<DailyLoad> &loads)
{
    std::vector<Event> events;
    events.reserve(std::size_t(loads.size()) * 2);
    for (const DailyLoad &load : loads) {
        if (load.to > load.from && load.minutesPerDay != 0) {
            events.push_back({load.from, load.minutesPerDay});
            events.push_back({load.to, -load.minutesPerDay});
        }
    }
    std::sort(events.begin(), events.end(), [](const Event &x, const Event &y) { return x.day < y.day; });

    // The sum of the day after all events of that day have been applied; i moves past them.
    auto step = [&events](std::size_t &i, double sum) {
        const double day = events[i].day;
        for (; i < events.size() && events[i].day == day; ++i)
            sum += events[i].delta;
        return sum;
    };
    double sum = 0;
    for (std::size_t i = 0; i < events.size();) {
        const double day = events[i].day;
        sum = step(i, sum);
        if (sum <= kReported)
            continue;
        while (i < events.size()) {
            const double next = events[i].day;
            const double after = step(i, sum);
            if (std::fabs(after - sum) > kSameSum)
                return Overload{day, next, sum};
        }
        return Overload{day, events.back().day, sum};
    }
    return std::nullopt;
}

QString overloadMessage(const Overload &overload)
{
    const bool today = overload.to == wholeDay(Clock::now());
    return QCoreApplication::translate("Overlap", "From %1 to %2 your activities add up to %3 a day.",
                                       "two dates, or a date and today; a duration such as 26 hours 15 minutes")
        .arg(shortDateText(overload.from),
             today ? QCoreApplication::translate("Overlap", "today", "the end of a span of dates")
                   : shortDateText(overload.to),
             durationWords(overload.minutesPerDay));
}
