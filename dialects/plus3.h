#pragma once

#include "core/codeops.h"
#include "core/nicksettings.h"
#include "core/palettenumbers.h"
#include "core/styledtext.h"

#include <QList>
#include <QString>

namespace chromanick {

// Messenger Plus! 3 codes, written and read. plus3.cpp is the only file
// that spells them: everything else says what it writes as operations
// (core/codeops.h) and reads runs.
namespace plus3 {

// The operations as one line of codes, a text colour right before a
// background in one code; text is written as it is, so a text holding code
// characters reads as codes.
QString write(const CodeOps& ops);

// The runs as a line that readPlusCode() reads back into the same runs: a
// shortest list of operations (unfold()), and in the text every character
// that would start or continue a code followed by a style switched twice.
QString writeRuns(const QList<StyledRun>& runs);

// Whether a line holds a character that may start a code; a line without
// one is all text.
bool mayHoldCodes(const QString& line);

// How the codes are spelled, for help texts: every code the reader takes
// (the dot codes, with a note on the background form), the palette-number
// form, and the custom colour's form with RRR,VVV,BBB in place of a colour.
QString readCodesSummary();
QString paletteNumberForm();
QString customColourForm(bool background);
// The format's French name in the table of formats, and its help line: the
// codes the chat writer uses.
QString formatLabel();
QString writtenCodesSummary();

}  // namespace plus3

// The main editor's code line: composeOps() written as Plus! 3 codes. Never
// fails; the result is used whole.
QString ComposeNickCode(const NickSettings& settings);

// Reads one line of Messenger Plus! codes into its runs: the dot codes (the
// four styles, the reset, a text colour and/or a background as a palette
// number, rrr,ggg,bbb or #RRGGBB) and the tag codes ("[b]", "[i]", "[u]",
// "[s]", their closers, "[c=X]" and "[a=X]" with "[/c]", "[/a]" and the
// fading "[/c=Y]", "[/a=Y]") and IRC's control codes, which act on the same
// state: 0x02 bold, 0x1D italic, 0x1F underline, 0x1E strikethrough
// (toggles), 0x0F reset, 0x16 and 0x11 (nothing shown), 0x03 with IRC colour
// numbers ("N[,N]", one or two digits, 99 for none) and 0x04 with
// "RRGGBB[,RRGGBB]"; either one alone removes both colours. Codes write no characters; anything
// that is not a complete code is ordinary text, shown as written. A fade gives each grapheme
// cluster its tag coloured one colour, from X to Y. Palette numbers take their colour from
// `palette`.
QList<StyledRun> readPlusCode(const QString& line, const PaletteColours& palette);

// The reading of one line with the palette numbers' colours of
// PaletteNumberColours().
QList<StyledRun> readPlusCode(const QString& line);

}  // namespace chromanick
