#pragma once

// Readable failure messages for code readings.
#include "dialects/codeformats.h"

#include <ostream>

namespace chromanick {

inline void PrintTo(const CodeFormat& f, std::ostream* os) {
    *os << codeformat::runsListing({{QStringLiteral("…"), f}}).toStdString();
}

inline void PrintTo(const CodeRun& run, std::ostream* os) {
    *os << codeformat::runsListing({run}).toStdString();
}

}  // namespace chromanick
