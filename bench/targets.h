#pragma once

#include "results.h"

namespace chromanick::bench {

// Prints each figure with its target beside it, "OK" or "MANQUÉ", and
// returns the number of targets missed: a row whose benchmark failed counts
// as missed; one that was not run (left out by --benchmark_filter) is shown
// as not measured and does not count.
int printTargetTable(const CollectingReporter& results);

}  // namespace chromanick::bench
