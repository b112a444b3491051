#pragma once

#include "calc/datevalue.h"
#include <QString>

// Counts handed back by datePhrase; only those of the branch taken are set.
struct PhraseCounts {
    int days = 0;
    int weeks = 0;
    int months = 0;
    int years = 0;
};

// Describes `described` as seen from `reference`: "Today", "Last week", "3 yrs 2 mons ago", "11 wks".
QString datePhrase(DateValue reference, DateValue described, PhraseCounts &counts);
QString datePhraseFromNow(DateValue described);
// The phrase from now, and the user's age on that date when it lies after the birth date.
QString dateWhenText(DateValue described, DateValue birthDate);
QString pluralS(int n); // "s" when n > 1
