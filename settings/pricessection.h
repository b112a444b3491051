#pragma once

#include "calc/todayprices.h"

class IniFile;

// The [Prices] section: whether money is shown in today's prices ("Today=1"), the yearly rate the
// user set ("Rate=2.5", "." whatever the region) and the euro country chosen ("Region=FR").
// A value that cannot be read is taken as not set.
PricesChoice readPricesChoice(const IniFile &ini);
// Written only once the section exists or the choice is not the default, so a file that never
// had it stays as it was.
void writePricesChoice(IniFile &ini, const PricesChoice &choice);
