#pragma once

#include "results.h"

namespace chromanick::bench {

// Prints each figure with its target beside it, "OK" or "MANQUÉ", and
// returns the number of targets missed (a figure that did not run counts as
// missed).
int printTargetTable(const CollectingReporter& results);

}  // namespace chromanick::bench
