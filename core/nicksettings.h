#pragma once

#include "bgrcolor.h"
#include "palettes.h"

#include <QString>

namespace chromanick {

// The instruction the nickname box starts with.
inline const QString kNicknameHint =
    QStringLiteral("Inscrit ici ton pseudo que tu désires mettre en couleur.");

// Every choice of the main editor that code generation reads.
struct NickSettings {
    QString Nickname = kNicknameHint;
    QString Prefix;
    QString Suffix;
    QString ForegroundOption = kDefaultForegroundOption;
    QString BackgroundOption = kDefaultBackgroundOption;
    bool Bold = false;
    bool Underline = false;
    bool Italic = false;
    bool Strikethrough = false;
    bool SpecialChars = false;  // not read by generation: the transform rewrites the nickname
    BgrColor CustomForeground = 0;
    BgrColor CustomBackground = 0;
    bool DitColourOn = false;
    BgrColor DitColour = 0;
    bool DitSuppressed = false;
    bool AutoCopy = true;

    bool operator==(const NickSettings&) const = default;
};

}  // namespace chromanick
