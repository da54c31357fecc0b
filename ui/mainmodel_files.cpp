// The main editor's file commands: projects (.nkp) and the text export.
// A cancelled dialog does nothing at all, and a failed write is always
// reported; neither ever lets the program end.
#include "core/appinfo.h"
#include "core/palettes.h"
#include "storage/projectfile.h"
#include "storage/textexport.h"
#include "ui/mainmodel.h"
#include "ui/mainmodel_state.h"

namespace chromanick {

namespace {

const QString kProjectFilter = QStringLiteral("Fichier Chromanick.|*.nkp");
// Opening also offers every file, for projects saved without the extension.
const QString kOpenProjectFilter = kProjectFilter + QStringLiteral("|Tous les fichiers|*");
const QString kTextFilter = QStringLiteral("Fichier Texte.|*.txt");
const QString kOpenFailure = QStringLiteral("Impossible d'ouvrir le fichier : ");
const QString kSaveFailure = QStringLiteral("Impossible d'enregistrer le fichier : ");
const QString kSaveQuestion = QStringLiteral("Voulez vous enregistrer votre pseudo?");

// The path a dialog gave, or nothing when it was cancelled.
std::optional<QString> chosenPath(const std::optional<QString>& path) {
    if (!path || path->isEmpty()) return std::nullopt;
    return path;
}

}  // namespace

void MainEditorModel::reportSaveFailure(const QString& path) {
    d->platform.message(kSaveFailure + path, appinfo::kProgramTitle, MessageIcon::Critical,
                        MessageButtons::Ok);
}

// --- Projects ---

void MainEditorModel::saveProject() {
    const QString proposed = proposedProjectName(d->nickname, d->clock().date());
    const auto path = chosenPath(
        d->platform.saveFileName(QStringLiteral("cmdsaveprojet"), kProjectFilter, proposed));
    if (!path) return;
    ProjectSnapshot snapshot;
    snapshot.settings = settings();
    snapshot.combo1Index = d->prefixes.currentIndex();
    snapshot.combo2Index = d->suffixes.currentIndex();
    if (!chromanick::saveProject(*path, snapshot)) reportSaveFailure(*path);
}

void MainEditorModel::openProject() {
    const auto path =
        chosenPath(d->platform.openFileName(QStringLiteral("cmdopenprojet"), kOpenProjectFilter));
    if (path) openProjectFile(*path);
}

// The whole file is read and checked before anything changes, so a bad file
// leaves the editor exactly as it was.
bool MainEditorModel::openProjectFile(const QString& path) {
    const auto project = readProject(path, d->prefixes.count(), d->suffixes.count());
    if (!project) {
        d->platform.message(kOpenFailure + path, appinfo::kProgramTitle, MessageIcon::Critical,
                            MessageButtons::Ok);
        return false;
    }
    applyProject(*project);
    return true;
}

// Applies a checked project through the controls' own handlers, in the order
// that makes the effects chain as the file expects: the look-alike letters
// when their box gets ticked, the custom colours before the palette names.
void MainEditorModel::applyProject(const NickProject& p) {
    ChangeScope scope(*this);
    setNickname(p.Nickname);
    pickPrefix(p.Combo1Index);
    pickSuffix(p.Combo2Index);
    // A stored "Oui" ticks; nothing in a project ever unticks.
    if (p.Bold) setBold(true);
    if (p.Underline) setUnderline(true);
    if (p.Italic) setItalic(true);
    if (p.Strikethrough) setStrikethrough(true);
    if (p.SpecialChars) setSpecialChars(true);
    if (p.CustomForeground) {
        d->colourDialog1 = *p.CustomForeground;
        d->customForegroundCaption = *p.CustomForeground;
        d->dirty = true;
        pickForeground(kCustomForegroundOption);
        refreshPreview();
    }
    if (p.CustomBackground) {
        d->colourDialog2 = *p.CustomBackground;
        d->customBackgroundOption = *p.CustomBackground;
        d->dirty = true;
        pickBackground(kCustomBackgroundOption);
        d->preview.setBackgroundColour(*p.CustomBackground);
        refreshPreview();
    }
    if (p.DitColour) {
        d->colourDialog3 = *p.DitColour;
        d->ditCaption = *p.DitColour;
        d->dirty = true;
        d->suppressDitDialog = true;
        setDitColourOn(true);
        d->suppressDitDialog = false;
    }
    if (findForegroundEntry(p.ForegroundOption)) pickForeground(p.ForegroundOption);
    if (findBackgroundEntry(p.BackgroundOption)) pickBackground(p.BackgroundOption);
}

// --- Text export ---

bool MainEditorModel::exportTo(ExportSignature signature) {
    const auto path =
        chosenPath(d->platform.saveFileName(QStringLiteral("cmdialsave"), kTextFilter, QString()));
    if (!path) return false;
    if (!writeExport(*path, mainEditorExport(d->output, d->clock(), signature))) {
        reportSaveFailure(*path);
        return false;
    }
    return true;
}

void MainEditorModel::exportText() {
    exportTo(ExportSignature::Plain);
}

// Yes exports and lets the program end only when the file was written; No
// ends without writing; Cancel, a cancelled dialog or a failed write keep
// the window open.
bool MainEditorModel::askToSaveThenExport(ExportSignature signature) {
    switch (d->platform.message(kSaveQuestion, appinfo::kProgramTitle, MessageIcon::Information,
                                MessageButtons::YesNoCancel)) {
        case MessageAnswer::Yes:
            return exportTo(signature);
        case MessageAnswer::No:
            return true;
        default:
            return false;
    }
}

bool MainEditorModel::quitRequested() {
    return askToSaveThenExport(ExportSignature::Plain);
}

bool MainEditorModel::closeRequested() {
    return askToSaveThenExport(ExportSignature::Closing);
}

}  // namespace chromanick
