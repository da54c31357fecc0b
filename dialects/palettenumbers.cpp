#include "palettenumbers.h"

#include "core/palettes.h"
#include "gradient/gradient.h"

namespace chromanick {

namespace {

// The system text colour counts as black: the messenger draws on white.
BgrColor withBlackText(BgrColor preview) {
    return preview == kSystemButtonText ? BgrColor(0) : preview;
}

// The first entry of `palette` whose code is `code`.
std::optional<BgrColor> firstEntryColour(const QList<PaletteEntry>& palette, const QString& code) {
    for (const PaletteEntry& entry : palette) {
        if (entry.role == EntryRole::Fixed && entry.code == code)
            return withBlackText(entry.previewColour);
    }
    return std::nullopt;
}

std::optional<BgrColor> firstPresetColour(const QString& code) {
    for (const GradientPreset& preset : GradientPresets()) {
        for (std::size_t slot = 0; slot < preset.codes.size(); ++slot) {
            if (preset.codes[slot] == code) return withBlackText(preset.previewColours[slot]);
        }
    }
    return std::nullopt;
}

}  // namespace

std::array<std::optional<BgrColor>, kPaletteNumberCount> derivePaletteNumberColours() {
    std::array<std::optional<BgrColor>, kPaletteNumberCount> colours;
    for (int n = 0; n < kPaletteNumberCount; ++n) {
        const QString text = QStringLiteral("·$%1").arg(n);
        const QString background = QStringLiteral("·$,%1").arg(n);
        std::optional<BgrColor>& colour = colours[std::size_t(n)];
        colour = firstEntryColour(ForegroundPalette(), text);
        if (!colour) colour = firstEntryColour(BackgroundPalette(), background);
        if (!colour) colour = firstPresetColour(text);
    }
    return colours;
}

const PaletteColours& PaletteNumberColours() {
    static const PaletteColours colours = [] {
        PaletteColours table{};
        const auto derived = derivePaletteNumberColours();
        for (std::size_t n = 0; n < table.size(); ++n) table[n] = derived[n].value_or(0);
        return table;
    }();
    return colours;
}

QList<StyledRun> readPlusCode(const QString& line) {
    return readPlusCode(line, PaletteNumberColours());
}

}  // namespace chromanick
