#pragma once

#include "bgrcolor.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace chromanick {

// How a stretch of a code line looks in the messenger.
struct CodeFormat {
    std::optional<BgrColor> foreground;  // nothing: the default text colour
    std::optional<BgrColor> background;  // nothing: no background
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool strikethrough = false;

    bool operator==(const CodeFormat&) const = default;
};

// The longest stretch of visible characters sharing one format; never empty.
struct CodeRun {
    QString text;
    CodeFormat format;

    bool operator==(const CodeRun&) const = default;
};

// The colours of palette numbers 0 to 68, in the dot codes ("·$N", "·$,N")
// and in the colour tags ("[c=N]", "[a=N]", and the colour names, which are
// numbers 0 to 15).
inline constexpr int kPaletteNumberCount = 69;
using PaletteColours = std::array<BgrColor, kPaletteNumberCount>;

// Reads one line of Messenger Plus! codes into its runs: the dot codes
// ("·#", "·@", "·&", "·'", "·0", "·$" with a text colour and/or "," and a
// background) and the tag codes ("[b]", "[i]", "[u]", "[s]", their closers,
// "[c=X]" and "[a=X]" with "[/c]", "[/a]" and the fading "[/c=Y]", "[/a=Y]").
// Codes write no characters; anything that is not a complete code is
// ordinary text, shown as written. A fade gives each grapheme cluster its
// tag coloured one colour, from X to Y. Palette numbers take their colour
// from `palette`.
QList<CodeRun> readPlusCode(const QString& line, const PaletteColours& palette);

// The visible characters of a reading.
QString visibleText(const QList<CodeRun>& runs);

}  // namespace chromanick
