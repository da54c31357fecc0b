#pragma once

#include "bgrcolor.h"
#include "codeops.h"

#include <QList>
#include <QString>

namespace chromanick {

enum class EntryRole {
    Fixed,    // writes its own code, shows its own preview colour
    Default,  // background "Défaut" (Option20): no code
    Custom,   // "Couleur perso": code and colour come from a colour dialog
};

struct PaletteEntry {
    QString option;  // option-button name, stored in project files
    QString caption;
    CodeOps code;            // its colour; none for Default and Custom entries
    BgrColor previewColour;  // text colour (foreground) or background colour
    BgrColor captionColour;  // background palette only; kSystemButtonText otherwise
    EntryRole role;
};

// Nickname colours: 76 entries, the custom one last.
const QList<PaletteEntry>& ForegroundPalette();
// Background colours: 60 entries, "Défaut" first and the custom one last.
const QList<PaletteEntry>& BackgroundPalette();

const PaletteEntry* findForegroundEntry(const QString& option);
const PaletteEntry* findBackgroundEntry(const QString& option);

inline const QString kDefaultForegroundOption = QStringLiteral("Option9");
inline const QString kDefaultBackgroundOption = QStringLiteral("Option20");
inline const QString kCustomForegroundOption = QStringLiteral("optcouleurperso1");
inline const QString kCustomBackgroundOption = QStringLiteral("optaperso");

}  // namespace chromanick
