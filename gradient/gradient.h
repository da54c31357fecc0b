#pragma once

#include "core/bgrcolor.h"
#include "core/codeops.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace chromanick {

struct GradientPreset {
    int family;                   // index into gradientFamilyTitles()
    std::array<CodeOp, 5> codes;  // palette-number text colours, slot 1 first
    std::array<BgrColor, 5> previewColours;
};

// The 36 preset schemes, rows 0 to 35, six families of six rows.
const QList<GradientPreset>& gradientPresets();
// "Dégradé de rouge :", "Dégradé de bleu :", ... "Autre :", in row order.
const QStringList& gradientFamilyTitles();

inline constexpr int kGradientCustomRow = 36;
inline constexpr int kGradientRowCount = 37;
// Preview colours of the custom row before the user picks any.
std::array<BgrColor, 5> customRowInitialPreview();

inline const QString kGradientPlaceholder = QStringLiteral("Chromanick Dégradé par Tiwakan !");
inline constexpr int kGradientMaxLength = 50;

struct GradientSettings {
    QString nickname;
    int presetRow = 0;
    std::array<std::optional<BgrColor>, 5> customColours;
    bool backgroundEnabled = false;
    BgrColor backgroundColour = 0;
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool strikethrough = false;
    bool autoCopy = true;
};

struct SegmentSplit {
    int k = 1;
    std::array<QString, 5> segments;
    bool operator==(const SegmentSplit&) const = default;
};

// Five consecutive segments of k = max(1, ceil(n / 5)) characters (grapheme
// clusters: an emoji or a letter with its accent is one), the last ones short
// or empty. Any length is covered, so the code always holds the whole text.
SegmentSplit Decoupe_Pseudo(const QString& nickname);

// What the gradient line starts with: strikethrough, italic, underline,
// bold, then the background colour, each when it is on.
CodeOps gradientStyleOps(const GradientSettings& settings);

// The gradient line: the style operations, then for each of the five slots
// its colour (a custom slot without one has none) and its segment, even an
// empty one, then the reset.
CodeOps gradientOps(const GradientSettings& settings, const SegmentSplit& split);

// gradientOps() written as Plus! 3 codes.
QString Genere_Degrade(const GradientSettings& settings, const SegmentSplit& split);

}  // namespace chromanick
