#include "calc/clock.h"

#include <optional>

namespace {
std::optional<DateValue> &fixedMoment()
{
    static std::optional<DateValue> moment;
    return moment;
}

struct PassState {
    int depth = 0;
    std::optional<DateValue> moment;
};

PassState &pass()
{
    static PassState state;
    return state;
}
} // namespace

DateValue Clock::now()
{
    if (fixedMoment())
        return *fixedMoment();
    PassState &p = pass();
    if (p.depth > 0) {
        if (!p.moment)
            p.moment = fromQDateTime(QDateTime::currentDateTime());
        return *p.moment;
    }
    return fromQDateTime(QDateTime::currentDateTime());
}

Clock::Pass::Pass()
{
    ++pass().depth;
}

Clock::Pass::~Pass()
{
    if (--pass().depth == 0)
        pass().moment.reset();
}

void Clock::setFixed(DateValue moment)
{
    fixedMoment() = moment;
}

void Clock::reset()
{
    fixedMoment().reset();
}
