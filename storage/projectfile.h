#pragma once

#include "core/bgrcolor.h"
#include "core/nicksettings.h"

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace chromanick {

// Line procedures of the project save. Both rewrite the file with one extra
// CR LF at its end. They return false when the file cannot be read or written.
bool SupprLigne(qint16 lineNumber, const QString& path, QString* error = nullptr);
bool Insere_FicTxt(const QString& text, const QString& path, qint16 lineNumber,
                   QString* error = nullptr);

// What the editor hands to a project save.
struct ProjectSnapshot {
    NickSettings settings;  // ForegroundOption / BackgroundOption may be the custom entries
    int combo1Index = -1;
    int combo2Index = -1;
};

// Saves through the working file "<path>.tmp" (emptied first, removed in
// every case) and replaces the project file atomically.
bool saveProject(const QString& path, const ProjectSnapshot& snapshot, QString* error = nullptr);

// A project file read and validated; nothing of it is applied yet.
struct NickProject {
    QString ForegroundOption;  // raw line 2
    QString BackgroundOption;  // raw line 4
    QString Nickname;
    int Combo1Index = 0;
    int Combo2Index = 0;
    bool Bold = false;  // true only for exactly "Oui"
    bool Underline = false;
    bool Italic = false;
    bool Strikethrough = false;
    bool SpecialChars = false;
    std::optional<BgrColor> CustomForeground;  // present when its three lines are filled
    std::optional<BgrColor> CustomBackground;
    std::optional<BgrColor> DitColour;
};

// Reads and validates a whole project file. Fails (nullopt) for an unreadable
// file, a negative or non-numeric channel or index, an index outside
// -1..count-1 of its list, or an empty present line 8 or 10.
std::optional<NickProject> readProject(const QString& path, int combo1Count, int combo2Count);

// "Bob(7 12 26)": nickname, "(", day without leading zero, month and year on two digits, ")".
QString proposedProjectName(const QString& nickname, const QDate& today);

}  // namespace chromanick
