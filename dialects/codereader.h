#pragma once

#include "core/bgrcolor.h"

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

// The colours of the palette codes "·$0" to "·$68" (and "·$,0" to "·$,68").
inline constexpr int kPaletteNumberCount = 69;
using PaletteColours = std::array<BgrColor, kPaletteNumberCount>;

// Reads one line of Messenger Plus! codes into its runs. Colour, style and
// reset codes write no characters; anything that is not a complete code is
// ordinary text, shown as written. Palette numbers take their colour from
// `palette`, which the caller composes from the program's own tables.
QList<CodeRun> readPlusCode(const QString& line, const PaletteColours& palette);

// The visible characters of a reading.
QString visibleText(const QList<CodeRun>& runs);

}  // namespace chromanick
