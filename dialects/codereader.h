#pragma once

#include "core/bgrcolor.h"
#include "core/styledtext.h"

#include <QList>
#include <QString>

#include <array>

namespace chromanick {

// The colours of the palette codes "·$0" to "·$68" (and "·$,0" to "·$,68").
inline constexpr int kPaletteNumberCount = 69;
using PaletteColours = std::array<BgrColor, kPaletteNumberCount>;

// Reads one line of Messenger Plus! codes into its runs. Colour, style and
// reset codes write no characters; anything that is not a complete code is
// ordinary text, shown as written. Palette numbers take their colour from
// `palette`, which the caller composes from the program's own tables.
QList<StyledRun> readPlusCode(const QString& line, const PaletteColours& palette);

// The visible characters of a reading.
QString visibleText(const QList<StyledRun>& runs);

}  // namespace chromanick
