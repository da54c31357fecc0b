#pragma once

#include "core/bgrcolor.h"
#include "core/nicksettings.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace chromanick {

// Line procedures of the project save, on files of CR LF lines.
// SupprLigne removes line n (from 1) and adds an empty line at the end, so a
// file keeps its number of lines; an n beyond the end removes nothing.
// Insere_FicTxt inserts `text` as line n, shifting the following lines down,
// and also adds one CR LF at the end; an n beyond the line ends found
// inserts nothing. Both return false, with a reason, when the file cannot be
// read or written.
bool SupprLigne(qint16 lineNumber, const QString& path, QString* error = nullptr);
bool Insere_FicTxt(const QString& text, const QString& path, qint16 lineNumber,
                   QString* error = nullptr);

// What the editor hands to a project save.
struct ProjectSnapshot {
    NickSettings settings;  // ForegroundOption / BackgroundOption may be the custom entries
    int combo1Index = -1;
    int combo2Index = -1;
};

// The working file of a save to `path`: "<path>.tmp", beside the file at
// the end of its links when `path` is a link.
QString projectWorkingPath(const QString& path);

// Builds the file line by line in its working file (nativefile::Replacement:
// emptied first, held by one save at a time), which then takes the project
// file's place; a link is followed to its file and stays a link. On failure
// the previous project file is left as it was and nothing beside it.
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

    bool operator==(const NickProject&) const = default;
};

// Reads and validates a whole project file. Fails (nullopt) for an unreadable
// file, a negative or non-numeric channel or index, an index outside
// -1..count-1 of its list, or an empty present line 8 or 10. Channels above
// 255 count as 255; a missing line 8 or 10 gives index 0.
std::optional<NickProject> readProject(const QString& path, int combo1Count, int combo2Count);
// The same validation over the lines of a project file already read.
std::optional<NickProject> parseProject(const QStringList& lines, int combo1Count, int combo2Count);

// "Bob(7 12 26).nkp": nickname, "(", day without leading zero, month and
// year on two digits, ")", then the project extension so that the open
// dialog's filter finds the file again. Characters that would make the name
// point into a folder or be refused by some systems become "_"
// (see safeFileName).
QString proposedProjectName(const QString& nickname, const QDate& today);
// `name` with each of / \ : * ? " < > | replaced by "_". For names the
// program proposes; a name the user types is used as typed.
QString safeFileName(QString name);

}  // namespace chromanick
