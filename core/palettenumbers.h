#pragma once

#include "bgrcolor.h"

#include <array>

namespace chromanick {

// The palette numbers 0 to 68 a code may name instead of a colour.
inline constexpr int kPaletteNumberCount = 69;
using PaletteColours = std::array<BgrColor, kPaletteNumberCount>;

// The colour each palette number is read in: the table the compatible
// clients draw palette numbers from (its 16 first colours are IRC's standard
// ones; 68 is black). The editors' own previews keep their colours;
// Messenger Plus! may shade these slightly.
const PaletteColours& PaletteNumberColours();

// The lowest palette number drawn in exactly `colour`, or -1.
int paletteNumberOf(BgrColor colour);

}  // namespace chromanick
