#pragma once

// Readable failure messages for code readings.
#include "dialects/codeformats.h"

#include <ostream>

namespace chromanick {

inline void PrintTo(const Style& f, std::ostream* os) {
    *os << codeformat::runsListing({{QStringLiteral("…"), f}}).toStdString();
}

inline void PrintTo(const StyledRun& run, std::ostream* os) {
    *os << codeformat::runsListing({run}).toStdString();
}

}  // namespace chromanick
