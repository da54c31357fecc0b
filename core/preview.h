#pragma once

#include "bgrcolor.h"
#include "nicksettings.h"

#include <QString>
#include <QStringList>

namespace chromanick {

// What the preview label shows.
struct PreviewState {
    QString text;
    BgrColor textColour = 0;
    BgrColor backgroundColour = kSystemButtonFace;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    double fontSize = 9.75;  // points

    bool operator==(const PreviewState&) const = default;
};

// The preview is stateful: some events set colours directly and a refresh
// only overwrites what its branch reaches.
class PreviewModel {
public:
    const PreviewState& state() const { return state_; }

    // The refresh ("Aperçu."), run after most editor events.
    void refresh(const NickSettings& settings);
    // "Défaut" picked: background back to the button face, no refresh.
    void defaultBackgroundPicked();
    // A custom colour was chosen; the caller refreshes afterwards.
    void setTextColour(BgrColor colour);
    void setBackgroundColour(BgrColor colour);
    // Combo3 pick: the size in points; the caller refreshes afterwards.
    void setFontSize(double points);
    // "Nouveau": empty text, black text on button face; keeps the size.
    void reset();

private:
    void applyStylesAndBackground(const NickSettings& settings);

    PreviewState state_;
};

// Entries of the preview size list, in order.
QStringList previewFontSizes();
inline const QString kPreviewSizePrompt = QStringLiteral("Taille de l'aperçu");

}  // namespace chromanick
