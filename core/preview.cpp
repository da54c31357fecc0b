#include "preview.h"

#include "palettes.h"

namespace chromanick {

void PreviewModel::refresh(const NickSettings& s) {
    const PaletteEntry* text = findForegroundEntry(s.ForegroundOption);
    const bool custom = text != nullptr && text->role == EntryRole::Custom;
    if (custom) {
        state_.text = s.Nickname;
        state_.textColour = s.CustomForeground;
        applyStylesAndBackground(s);
    }
    state_.strikethrough = s.Strikethrough;
    if (text != nullptr && !custom) {
        state_.text = s.Nickname;
        state_.textColour = text->previewColour;
        applyStylesAndBackground(s);
    }
    state_.text = s.Prefix + s.Nickname + s.Suffix;
}

// Only reached while a text colour entry is selected. The custom background
// keeps whatever colour its dialog last set.
void PreviewModel::applyStylesAndBackground(const NickSettings& s) {
    state_.bold = s.Bold;
    state_.underline = s.Underline;
    state_.italic = s.Italic;
    const PaletteEntry* background = findBackgroundEntry(s.BackgroundOption);
    if (background != nullptr && background->role != EntryRole::Custom) {
        state_.backgroundColour = background->previewColour;
    }
}

void PreviewModel::defaultBackgroundPicked() {
    state_.backgroundColour = kSystemButtonFace;
}

void PreviewModel::setTextColour(BgrColor colour) {
    state_.textColour = colour;
}

void PreviewModel::setBackgroundColour(BgrColor colour) {
    state_.backgroundColour = colour;
}

void PreviewModel::setFontSize(double points) {
    state_.fontSize = points;
}

void PreviewModel::reset() {
    state_.text.clear();
    state_.textColour = 0;
    state_.backgroundColour = kSystemButtonFace;
}

QStringList previewFontSizes() {
    return {QStringLiteral("8"),  QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14"),
            QStringLiteral("18"), QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24")};
}

}  // namespace chromanick
