#pragma once

#include "core/bgrcolor.h"
#include "core/styledtext.h"

#include <QList>
#include <QString>

#include <array>

namespace chromanick {

// The colours of palette numbers 0 to 68, in the dot codes ("·$N", "·$,N")
// and in the colour tags ("[c=N]", "[a=N]", and the colour names, which are
// numbers 0 to 15).
inline constexpr int kPaletteNumberCount = 69;
using PaletteColours = std::array<BgrColor, kPaletteNumberCount>;

// Reads one line of Messenger Plus! codes into its runs: the dot codes
// ("·#", "·@", "·&", "·'", "·0", "·$" with a text colour and/or "," and a
// background) and the tag codes ("[b]", "[i]", "[u]", "[s]", their closers,
// "[c=X]" and "[a=X]" with "[/c]", "[/a]" and the fading "[/c=Y]", "[/a=Y]")
// and IRC's control codes, which act on the same state: 0x02 bold, 0x1D
// italic, 0x1F underline, 0x1E strikethrough (toggles), 0x0F reset, 0x16 and
// 0x11 (nothing shown), 0x03 with IRC colour numbers ("N[,N]", one or two
// digits, 99 for none) and 0x04 with "RRGGBB[,RRGGBB]"; either one alone
// removes both colours.
// Codes write no characters; anything that is not a complete code is
// ordinary text, shown as written. A fade gives each grapheme cluster its
// tag coloured one colour, from X to Y. Palette numbers take their colour
// from `palette`.
QList<StyledRun> readPlusCode(const QString& line, const PaletteColours& palette);

// The visible characters of a reading.
QString visibleText(const QList<StyledRun>& runs);

}  // namespace chromanick
