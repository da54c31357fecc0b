#pragma once

#include "bgrcolor.h"

#include <QString>

#include <optional>

namespace chromanick {

// How a stretch of text looks: its colours and styles. A format is an output
// language (HTML, BBCode...); this is what every format writes or reads.
struct Style {
    std::optional<BgrColor> foreground;  // nothing: the default text colour
    std::optional<BgrColor> background;  // nothing: no background
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool strikethrough = false;

    bool operator==(const Style&) const = default;
};

// The longest stretch of visible characters sharing one style; never empty.
struct StyledRun {
    QString text;
    Style style;

    bool operator==(const StyledRun&) const = default;
};

}  // namespace chromanick
