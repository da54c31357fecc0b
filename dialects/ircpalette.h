#pragma once

#include "core/bgrcolor.h"

#include <array>

namespace chromanick {

// IRC's colour numbers 0 to 98: the 16 standard colours (the palette
// numbers' first 16), then the 83 extended ones. 99 means "no colour".
inline constexpr int kIrcColourCount = 99;
using IrcColours = std::array<BgrColor, kIrcColourCount>;
const IrcColours& ircColours();

// The IRC colour number nearest to `colour` (OKLab, ties to the lower number).
int nearestIrcColour(BgrColor colour);

}  // namespace chromanick
