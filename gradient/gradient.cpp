#include "gradient.h"

#include "core/graphemes.h"
#include "dialects/plus3.h"

#include <algorithm>
#include <iterator>

namespace chromanick {

namespace {

using Kind = CodeOp::Kind;

// One preset as written in the table below: palette numbers of the five slot
// codes and the preview colours as 0xRRGGBB, red first, the way a colour
// picker shows them.
struct PresetRow {
    int family;
    int codes[5];
    quint32 previewRgb[5];
};

// clang-format off
constexpr PresetRow kPresetRows[] = {
    {0, {55, 46, 37, 19, 18}, {0x800000, 0xC00000, 0xFF0000, 0xFF8080, 0xFFC080}},  // 0
    {0, {18, 19, 37, 46, 54}, {0xFFC080, 0xFF8080, 0xFF0000, 0xC00000, 0x800000}},  // 1
    {0, {37, 19, 18, 19, 37}, {0xFF0000, 0xFF8000, 0xFFC080, 0xFF8000, 0xFF0000}},  // 2
    {0, {18, 19, 37, 19, 18}, {0xFFC080, 0xFF8000, 0xFF0000, 0xFF8000, 0xFFC080}},  // 3
    {0, {37, 19, 37, 19, 37}, {0xFF0000, 0xFF8080, 0xFF0000, 0xFF8080, 0xFF0000}},  // 4
    {0, {19, 37, 37, 37, 19}, {0xFF8080, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF8080}},  // 5
    {1, {64, 21, 12, 21, 64}, {0x000080, 0xC0C0FF, 0x0000FF, 0xC0C0FF, 0x000080}},  // 6
    {1, {21, 30, 12, 30, 21}, {0xC0C0FF, 0x8080FF, 0x0000FF, 0x8080FF, 0xC0C0FF}},  // 7
    {1, {21, 30, 12, 39, 64}, {0xC0C0FF, 0x8080FF, 0x0000FF, 0x0000C0, 0x000080}},  // 8
    {1, {30, 12, 30, 12, 30}, {0x8080FF, 0x0000FF, 0x8080FF, 0x0000FF, 0x8080FF}},  // 9
    {1, {64, 39, 12, 30, 21}, {0x000080, 0x0000C0, 0x0000FF, 0x8080FF, 0xC0C0FF}},  // 10
    {1, {12, 30, 21, 30, 12}, {0x0000C0, 0x8080FF, 0xC0C0FF, 0x8080FF, 0x0000FF}},  // 11
    {2, {3, 50, 9, 32, 23}, {0x008000, 0x00C000, 0x00FF00, 0x80FF80, 0xC0FFC0}},  // 12
    {2, {23, 32, 9, 50, 3}, {0xC0FFC0, 0x80FF80, 0x00FF00, 0x00C000, 0x008000}},  // 13
    {2, {3, 9, 3, 9, 3}, {0x008000, 0x00FF00, 0x008000, 0x00FF00, 0x008000}},  // 14
    {2, {32, 9, 32, 9, 32}, {0x80FF80, 0x00FF00, 0x80FF80, 0x00FF00, 0x80FF80}},  // 15
    {2, {3, 50, 3, 50, 3}, {0x008000, 0x00C000, 0x008000, 0x00C000, 0x008000}},  // 16
    {2, {3, 9, 23, 9, 3}, {0x008000, 0x00FF00, 0x80FF80, 0x00FF00, 0x008000}},  // 17
    {3, {42, 24, 42, 24, 42}, {0xFFFF00, 0xFFFFC0, 0xFFFF00, 0xFFFFC0, 0xFFFF00}},  // 18
    {3, {42, 33, 24, 33, 42}, {0xFFFF00, 0xFFFF80, 0xFFFFC0, 0xFFFF80, 0xFFFF00}},  // 19
    {3, {42, 42, 33, 33, 24}, {0xFFFF00, 0xFFFF00, 0xFFFF80, 0xFFFF80, 0xFFFFC0}},  // 20
    {3, {24, 33, 33, 42, 42}, {0xFFFFC0, 0xFFFF80, 0xFFFF80, 0xFFFF00, 0xFFFF00}},  // 21
    {3, {24, 33, 42, 33, 24}, {0xFFFFC0, 0xFFFF80, 0xFFFF00, 0xFFFF80, 0xFFFFC0}},  // 22
    {3, {42, 24, 33, 42, 24}, {0xFFFF00, 0xFFFFC0, 0xFFFF80, 0xFFFF00, 0xFFFFC0}},  // 23
    {4, {47, 29, 13, 38, 20}, {0x800080, 0xC000C0, 0xFF00FF, 0xFF80FF, 0xFFC0FF}},  // 24
    {4, {20, 38, 13, 29, 47}, {0xFFC0FF, 0xFF80FF, 0xFF00FF, 0xC000C0, 0x800080}},  // 25
    {4, {13, 38, 20, 38, 13}, {0xFF00FF, 0xFF80FF, 0xFFC0FF, 0xFF80FF, 0xFF00FF}},  // 26
    {4, {20, 13, 47, 13, 20}, {0xFF80FF, 0xFF00FF, 0xC000C0, 0xFF00FF, 0xFF80FF}},  // 27
    {4, {13, 20, 13, 20, 13}, {0xFF00FF, 0xFF80FF, 0xFF00FF, 0xFF80FF, 0xFF00FF}},  // 28
    {4, {13, 47, 13, 47, 13}, {0xFF00FF, 0xC000C0, 0xFF00FF, 0xC000C0, 0xFF00FF}},  // 29
    {5, {50, 9, 42, 19, 37}, {0x00C000, 0x00FF00, 0xFFFF00, 0xFF8080, 0xFF0000}},  // 30
    {5, {9, 42, 42, 42, 37}, {0x00FF00, 0xFFFF00, 0xFFFF00, 0xFFFF00, 0xFF0000}},  // 31
    {5, {12, 12, 0, 38, 4}, {0x0000FF, 0x0000FF, 0xFFFFFF, 0xFF0000, 0xFF0000}},  // 32
    {5, {11, 11, 40, 31, 31}, {0x00FFFF, 0x00FFFF, 0x80FFFF, 0xC0FFFF, 0xC0FFFF}},  // 33
    {5, {31, 31, 40, 11, 11}, {0xC0FFFF, 0xC0FFFF, 0x80FFFF, 0x00FFFF, 0x00FFFF}},  // 34
    {5, {1, 52, 43, 15, 16}, {0x000000, 0x404040, 0x808080, 0xC0C0C0, 0xC0C0C0}},  // 35
};
// clang-format on

static_assert(std::size(kPresetRows) == 36);

constexpr BgrColor fromRgb(quint32 rgb) {
    return bgrFromRgb(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

QList<GradientPreset> buildPresets() {
    QList<GradientPreset> presets;
    presets.reserve(std::size(kPresetRows));
    for (const PresetRow& row : kPresetRows) {
        GradientPreset preset{row.family, {}, {}};
        for (int slot = 0; slot < 5; ++slot) {
            preset.codes[slot] = CodeOp::paletteTextColour(row.codes[slot]);
            preset.previewColours[slot] = fromRgb(row.previewRgb[slot]);
        }
        presets.append(preset);
    }
    return presets;
}

// The slot's colour: the preset's, or the custom one when it is set.
std::optional<CodeOp> slotColour(const GradientSettings& settings, int slot) {
    if (settings.presetRow >= 0 && settings.presetRow < gradientPresets().size())
        return gradientPresets()[settings.presetRow].codes[slot];
    const std::optional<BgrColor>& custom = settings.customColours[slot];
    if (!custom) return std::nullopt;
    return CodeOp::textColour(*custom);
}

}  // namespace

const QList<GradientPreset>& gradientPresets() {
    static const QList<GradientPreset> presets = buildPresets();
    return presets;
}

const QStringList& gradientFamilyTitles() {
    static const QStringList titles = {
        QStringLiteral("Dégradé de rouge :"), QStringLiteral("Dégradé de bleu :"),
        QStringLiteral("Dégradé de vert :"),  QStringLiteral("Dégradé de jaune"),
        QStringLiteral("Dégradé de rose :"),  QStringLiteral("Autre :"),
    };
    return titles;
}

std::array<BgrColor, 5> customRowInitialPreview() {
    return {fromRgb(0x000000), fromRgb(0x404040), fromRgb(0x808080), fromRgb(0xC0C0C0),
            fromRgb(0xC0C0C0)};
}

SegmentSplit Decoupe_Pseudo(const QString& nickname) {
    // k is the smallest length from 1 up with five segments of k covering the
    // whole text: ceil(n / 5), at least 1, counted in characters as a reader
    // sees them.
    const QList<qsizetype> starts = graphemes::boundaries(nickname);
    const qsizetype n = starts.size() - 1;
    SegmentSplit split;
    split.k = int(std::max<qsizetype>(1, (n + 4) / 5));
    for (int slot = 0; slot < 5; ++slot) {
        const qsizetype first = qsizetype(slot) * split.k;
        if (first >= n) break;
        const qsizetype end = std::min(n, first + split.k);
        split.segments[slot] = nickname.mid(starts[first], starts[end] - starts[first]);
    }
    return split;
}

CodeOps gradientStyleOps(const GradientSettings& settings) {
    CodeOps ops;
    if (settings.strikethrough) ops.append(CodeOp::style(Kind::Strikethrough));
    if (settings.italic) ops.append(CodeOp::style(Kind::Italic));
    if (settings.underline) ops.append(CodeOp::style(Kind::Underline));
    if (settings.bold) ops.append(CodeOp::style(Kind::Bold));
    if (settings.backgroundEnabled) ops.append(CodeOp::background(settings.backgroundColour));
    return ops;
}

CodeOps gradientOps(const GradientSettings& settings, const SegmentSplit& split) {
    CodeOps ops = gradientStyleOps(settings);
    for (int slot = 0; slot < 5; ++slot) {
        if (const std::optional<CodeOp> colour = slotColour(settings, slot)) ops.append(*colour);
        ops.append(CodeOp::plainText(split.segments[slot]));
    }
    ops.append(CodeOp::style(Kind::Reset));
    return ops;
}

QString Genere_Degrade(const GradientSettings& settings, const SegmentSplit& split) {
    return plus3::write(gradientOps(settings, split));
}

}  // namespace chromanick
