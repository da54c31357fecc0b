#pragma once

#include "ui/platform.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// What both editors do the same way, through the platform: the automatic
// copy of a generated code, the text export and the question asked when an
// editor is left.
namespace chromanick {

// The file type the text export's dialog offers.
inline const QString kTextFileFilter = QStringLiteral("Fichier Texte.|*.txt");

enum class SaveResult { Written, Cancelled, Failed };

// The path a file dialog gave, or nothing when it was cancelled.
std::optional<QString> chosenPath(const std::optional<QString>& path);

// What the output box shows once `code` was generated: with the automatic
// copy the code goes onto the clipboard, and the box shows what the clipboard
// gives back.
QString copyGenerated(Platform& platform, const QString& code, bool autoCopy);

// The characters a Messenger name keeps, codes included.
inline constexpr qsizetype kMessengerNameLength = 129;

// What both editors show under their output box: the length of the code it
// holds, with a warning when a Messenger name would not keep it whole.
struct CodeLengthNote {
    QString text;  // "Longueur du code : N caractères"
    bool tooLong = false;
};
CodeLengthNote codeLengthNote(const QString& code);

// Tells the user that `path` could not be written.
void reportSaveFailure(Platform& platform, const QString& path);

// Asks for a text file in the dialog "cmdialsave" and writes `lines()` to it.
// A cancelled dialog writes nothing; a failed write is reported and the
// program goes on, so the user's work is never lost to a save error.
SaveResult exportTextFile(Platform& platform, const std::function<QStringList()>& lines);

// Asks `question` with Yes, No and Cancel when an editor is left; Yes runs
// `save`. True when the editor may be left: on No, or on Yes once the file
// was written. Cancel, a cancelled dialog or a failed write keep it open.
bool askToSaveOnLeaving(Platform& platform, const QString& question, const QString& title,
                        const std::function<SaveResult()>& save);

}  // namespace chromanick
