#pragma once

#include "core/bgrcolor.h"
#include "gradient/gradient.h"

#include <QList>
#include <QString>

#include <optional>

namespace chromanick {

// The smooth gradient: the nickname cut into groups of `step` characters, each
// group one colour, interpolated in OKLab between any number of colour stops.
// Characters are what a reader sees as one (grapheme clusters, see
// core/graphemes.h): a group never cuts an emoji or a letter from its accent.

inline constexpr int kSmoothStepMax = 50;  // characters per colour, from 1
inline constexpr int kSmoothStopsMax = 16;

// A piece of the nickname drawn in one colour; no colour means no colour code
// (the chat's own text colour).
struct ColourRun {
    QString text;
    std::optional<BgrColor> colour;
    bool operator==(const ColourRun&) const = default;
};

// The colour stops of a scheme row: the five preview colours of a preset row,
// or for the custom row the custom colours that are set, in slot order.
QList<BgrColor> smoothStopsOfRow(const GradientSettings& settings, int row);

// The colours of the groups of a nickname of `length` characters: it is cut
// into ceil(length / step) groups of `step` characters (a step below 1 counts
// as 1), the last one shorter; group g of G takes the stop itself when there
// is one stop, otherwise the OKLab mix at g / (G - 1) of the way along the
// stops. Only the groups holding the first `limit` characters are given (all
// when `limit` is negative); none without stops.
QList<BgrColor> smoothGroupColours(const QList<BgrColor>& stops, qsizetype length, int step,
                                   qsizetype limit = -1);

// The nickname's runs: its groups, each group whose colour equals the one
// before joining that one's run. Without stops the whole nickname is one
// uncoloured run.
QList<ColourRun> smoothRuns(const QString& nickname, const QList<BgrColor>& stops, int step);

// The line: the style operations of the five-segment gradient, then each
// run's colour (when it has one) and characters, then the reset.
CodeOps smoothGradientOps(const GradientSettings& settings, const QList<BgrColor>& stops, int step);

// smoothGradientOps() written as Plus! 3 codes.
QString smoothGradientCode(const GradientSettings& settings, const QList<BgrColor>& stops,
                           int step);

}  // namespace chromanick
