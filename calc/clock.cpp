#include "calc/clock.h"

#include <optional>

namespace {
std::optional<DateValue> &fixedMoment()
{
    static std::optional<DateValue> moment;
    return moment;
}
} // namespace

DateValue Clock::now()
{
    if (fixedMoment())
        return *fixedMoment();
    return fromQDateTime(QDateTime::currentDateTime());
}

void Clock::setFixed(DateValue moment)
{
    fixedMoment() = moment;
}

void Clock::reset()
{
    fixedMoment().reset();
}
