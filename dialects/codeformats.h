#pragma once

#include "core/styledtext.h"

#include <QList>
#include <QString>

#include <array>

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

// The chats' own codes. Each writes what, read back by that chat, shows the
// same characters in the same colours and styles, as far as it can show
// them; a colour equal to one of its palette is written as its number.
//
// Messenger Plus! 3 dot codes, as the editors write them (plus3.cpp spells
// them): style toggles, a text colour as a palette number or RGB and a
// background after a comma, a reset where a colour goes back to none and at
// the end.
QString plus3(const QList<StyledRun>& runs);
// Messenger Plus! Live tags: [b] [u] [i] [s] around runs sharing their
// styles, and [a=X] [c=X] around each coloured run.
QString pluslive(const QList<StyledRun>& runs);
// IRC control codes; each colour the nearest of IRC's 99 (OKLab). Control
// characters of the text become U+FFFD.
QString irc(const QList<StyledRun>& runs);
// A Discord "ansi" code block: bold, underline and the nearest of its 8 text
// colours and 8 backgrounds; italic and strikethrough are not shown.
QString discord(const QList<StyledRun>& runs);
// Whether Discord has `colour` among its text colours (or its backgrounds).
bool discordShows(BgrColor colour, bool background);
// --- Minecraft ---

// The colours of Minecraft's codes 0 to 9 and a to f, in that order; the
// MiniMessage colour names are the same colours.
inline constexpr int kMinecraftColourCount = 16;
using MinecraftColours = std::array<BgrColor, kMinecraftColourCount>;
const MinecraftColours& minecraftColours();

// The runs as Minecraft shows them: without backgrounds, neighbours that
// then look the same joined.
QList<StyledRun> shownInMinecraft(const QList<StyledRun>& runs);

// "&#RRGGBB" (or "&r" for no colour) then "&l" "&n" "&o" "&m" before each
// run that looks different from the one before; a "&" or "§" of the text
// that would start a code is followed by the run's codes again, which keeps
// it text.
QString minecraft(const QList<StyledRun>& runs);
// A chat line with "&" or "§" codes, either case: colours 0-9 a-f, "&#RRGGBB"
// and "&x&R&R&G&G&B&B" (each turns the styles off), "l" bold, "o" italic,
// "n" underline, "m" strikethrough, "k" (obfuscated: shown as is), "r"
// reset. A marker before anything else is text.
QList<StyledRun> readMinecraft(const QString& line);

// --- MiniMessage ---

// Runs with the same styles grouped in <b> <u> <i> <st>, each coloured run
// in <#RRGGBB>…</#RRGGBB>; "\" and "<" of the text escaped with "\".
QString miniMessage(const QList<StyledRun>& runs);
// A MiniMessage line: colour tags (<#RRGGBB>, <color:X>, <colour:X>, <c:X>,
// the 16 names), <gradient:X:Y[:…]>, the styles (<bold> <b>, <italic> <i>
// <em>, <underlined> <u>, <strikethrough> <st>, negated with "!"), <reset>.
// A closing tag closes the innermost open tag of its name, and every tag
// opened inside it; tags left open run to the end; "\<" and "\\" are text,
// as are an unknown tag and a closing tag that closes nothing.
QList<StyledRun> readMiniMessage(const QString& line);

}  // namespace chromanick::codeformat
