#pragma once

#include "codereader.h"

#include <array>
#include <optional>

namespace chromanick {

// The colour each palette number is read in: the one the program already
// previews that number in. For N from 0 to 68, the preview colour of the
// first text colour entry whose code is "·$N", else of the first background
// entry whose code is "·$,N", else of the first gradient preset slot (rows,
// then slots, in order) that uses "·$N". The system text colour counts as
// black. The messenger's own colours may differ slightly.
const PaletteColours& PaletteNumberColours();

// The same derivation, with nothing where no table gives the number a colour
// (PaletteNumberColours() shows those in black).
std::array<std::optional<BgrColor>, kPaletteNumberCount> derivePaletteNumberColours();

// The reading of one line with the palette above.
QList<StyledRun> readPlusCode(const QString& line);

}  // namespace chromanick
