#pragma once

#include <QString>

namespace chromanick::bench {

// A nickname of exactly `length` characters, mixed case with spaces, accents
// and most letters the look-alike transform rewrites.
QString sampleNickname(int length);

}  // namespace chromanick::bench
