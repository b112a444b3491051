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

private:
    Clock() = delete;
};
