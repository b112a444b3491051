// A GUI test runs from a folder of its own, where the program's output library would not be
// found; calling into it once keeps it linked and loaded before anything prints.
#include "results/outputfunctions.h"

namespace {
const OutputFunctions *const loaded = lifetallyOutputFunctions();
} // namespace
