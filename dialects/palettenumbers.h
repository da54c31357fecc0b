#pragma once

#include "codereader.h"

namespace chromanick {

// The colour each palette number is read in: the table the compatible
// clients draw palette numbers from (its 16 first colours are IRC's standard
// ones; 68 is black). The editors' own previews keep their colours;
// Messenger Plus! may shade these slightly.
const PaletteColours& PaletteNumberColours();

// The lowest palette number drawn in exactly `colour`, or -1.
int paletteNumberOf(BgrColor colour);

// The reading of one line with the palette above.
QList<StyledRun> readPlusCode(const QString& line);

}  // namespace chromanick
