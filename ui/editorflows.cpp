#include "ui/editorflows.h"

#include "core/appinfo.h"
#include "storage/textexport.h"

namespace chromanick {

namespace {

const QString kSaveFailure = QStringLiteral("Impossible d'enregistrer le fichier : ");

}  // namespace

CodeLengthNote codeLengthNote(const QString& code) {
    const qsizetype length = code.size();
    QString text = QStringLiteral("Longueur du code : %1 ").arg(length) +
                   (length > 1 ? QStringLiteral("caractères") : QStringLiteral("caractère"));
    const bool tooLong = length > kMessengerNameLength;
    if (tooLong)
        text += QStringLiteral(" (un pseudo Messenger en garde %1)").arg(kMessengerNameLength);
    return {text, tooLong};
}

std::optional<QString> chosenPath(const std::optional<QString>& path) {
    if (!path || path->isEmpty()) return std::nullopt;
    return path;
}

QString copyGenerated(Platform& platform, const QString& code, bool autoCopy) {
    if (!autoCopy) return code;
    platform.clearClipboard();
    platform.setClipboardText(code);
    return platform.clipboardHasText() ? platform.clipboardText() : code;
}

void reportSaveFailure(Platform& platform, const QString& path) {
    platform.message(kSaveFailure + path, appinfo::kProgramTitle, MessageIcon::Critical,
                     MessageButtons::Ok);
}

SaveResult exportTextFile(Platform& platform, const std::function<QStringList()>& lines) {
    const auto path =
        chosenPath(platform.saveFileName(QStringLiteral("cmdialsave"), kTextFileFilter, QString()));
    if (!path) return SaveResult::Cancelled;
    if (!writeExport(*path, lines())) {
        reportSaveFailure(platform, *path);
        return SaveResult::Failed;
    }
    return SaveResult::Written;
}

bool askToSaveOnLeaving(Platform& platform, const QString& question, const QString& title,
                        const std::function<SaveResult()>& save) {
    switch (
        platform.message(question, title, MessageIcon::Information, MessageButtons::YesNoCancel)) {
        case MessageAnswer::Yes:
            return save() == SaveResult::Written;
        case MessageAnswer::No:
            return true;
        default:
            return false;
    }
}

}  // namespace chromanick
