#include "compose.h"

#include "palettes.h"
#include "pluscodes.h"

namespace chromanick {

namespace {

// The text colour code: the entry's own code, or the RGB form of the custom colour.
QString foregroundCode(const NickSettings& s) {
    const PaletteEntry* entry = findForegroundEntry(s.ForegroundOption);
    if (entry == nullptr) return {};
    if (entry->role == EntryRole::Custom) return pluscode::rgbText(s.CustomForeground);
    return entry->code;
}

// The background code; "Défaut" (and an unknown name) writes none.
QString backgroundCode(const NickSettings& s) {
    const PaletteEntry* entry = findBackgroundEntry(s.BackgroundOption);
    if (entry == nullptr) return {};
    if (entry->role == EntryRole::Custom) return pluscode::rgbBackground(s.CustomBackground);
    return entry->code;
}

}  // namespace

// The line is grown around a working string, inner pieces first, so the
// order of the steps below is the order of the codes read from the right:
// strikethrough, background, italic, underline, bold, text colour, then the
// decorated nickname, the reset, and the two "Dit" codes after it.
QString ComposeNickCode(const NickSettings& s) {
    QString line = foregroundCode(s) + s.Prefix + s.Nickname + s.Suffix + pluscode::reset();
    if (s.Bold) line.prepend(pluscode::bold());
    if (s.Underline) line.prepend(pluscode::underline());
    if (s.Italic) line.prepend(pluscode::italic());
    line.prepend(backgroundCode(s));
    if (s.DitColourOn) line.append(pluscode::rgbText(s.DitColour));
    if (s.DitSuppressed) line.append(pluscode::ditSuppression());
    if (s.Strikethrough) line.prepend(pluscode::strikethrough());
    return line;
}

}  // namespace chromanick
