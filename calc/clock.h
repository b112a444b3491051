#pragma once

#include "calc/datevalue.h"

// The one place that reads "now": the local date and time, read afresh at each call.
// Tests fix it to a moment; nothing else in the program asks the system clock.
class Clock
{
public:
    static DateValue now();
    static void setFixed(DateValue moment);
    static void reset();

    // While one is alive, now() reads the system clock once and gives that moment to every call:
    // a pass over all the totals counts to one moment and does not read the time zone a hundred
    // times over.
    class Pass
    {
    public:
        Pass();
        ~Pass();
        Pass(const Pass &) = delete;
        Pass &operator=(const Pass &) = delete;
    };

private:
    Clock() = delete;
};
