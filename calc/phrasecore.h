#pragma once

#include "calc/datephrase.h"

// The decision behind a relative date phrase, shared by the phrase text and the date difference
// (which needs the counts but not the words).
namespace phrasecore {

enum class Kind { None, Today, Yesterday, Tomorrow, ThisWeek, NextWeek, LastWeek, Weeks, Months, Years };

// Sets the counts of the branch taken (years and months normalised for Kind::Years).
Kind classify(DateValue reference, DateValue described, PhraseCounts &counts);

} // namespace phrasecore
