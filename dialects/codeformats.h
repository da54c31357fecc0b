#pragma once

#include "core/styledtext.h"

#include <QList>
#include <QString>

namespace chromanick {

// The visible characters of a reading.
QString visibleText(const QList<StyledRun>& runs);

}  // namespace chromanick

// A reading written out for use outside the messenger. Colours are written
// #RRGGBB, red first.
namespace chromanick::codeformat {

// "#RRGGBB".
QString hexColour(BgrColor colour);

// One line per run: foreground, background ("#RRGGBB" or "-"), the styles as
// letters in the order b u i s (or "-") and the text, separated by tabs.
QString runsListing(const QList<StyledRun>& runs);
// One <span style="..."> per run; the text escaped so that it never becomes markup.
QString html(const QList<StyledRun>& runs);
// [color=#RRGGBB] and [b] [u] [i] [s] per run, nested and closed; a
// background has no BBCode form.
QString bbcode(const QList<StyledRun>& runs);
// 24-bit colour and style escape sequences, ending with a reset. Control
// characters of the text are shown as U+FFFD so that they cannot drive the
// terminal.
QString ansi(const QList<StyledRun>& runs);

}  // namespace chromanick::codeformat
