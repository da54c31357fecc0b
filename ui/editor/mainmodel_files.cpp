// The main editor's file commands: projects (.nkp) and the text export.
// A cancelled dialog does nothing at all, and a failed write is always
// reported; neither ever lets the program end.
#include "core/appinfo.h"
#include "core/palettes.h"
#include "storage/projectfile.h"
#include "storage/textexport.h"
#include "ui/editor/mainmodel.h"
#include "ui/editor/mainmodel_state.h"
#include "ui/editorflows.h"

namespace chromanick {

namespace {

const QString kProjectFilter = QStringLiteral("Fichier Chromanick.|*.nkp");
// Opening also offers every file, for projects saved without the extension.
const QString kOpenProjectFilter = kProjectFilter + QStringLiteral("|Tous les fichiers|*");
const QString kOpenFailure = QStringLiteral("Impossible d'ouvrir le fichier : ");
const QString kSaveQuestion = QStringLiteral("Voulez vous enregistrer votre pseudo?");

}  // namespace

// --- Projects ---

void MainEditorModel::saveProject() {
    const QString proposed = proposedProjectName(settings_.Nickname, d->clock().date());
    const auto path = chosenPath(
        d->platform.saveFileName(QStringLiteral("cmdsaveprojet"), kProjectFilter, proposed));
    if (!path) return;
    ProjectSnapshot snapshot;
    snapshot.settings = settings_;
    snapshot.combo1Index = d->prefixes.currentIndex();
    snapshot.combo2Index = d->suffixes.currentIndex();
    if (!chromanick::saveProject(*path, snapshot)) reportSaveFailure(d->platform, *path);
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
    if (p.SpecialChars) setLookalike(true);
    if (p.CustomForeground) {
        settings_.CustomForeground = *p.CustomForeground;
        d->customForegroundCaption = *p.CustomForeground;
        d->changes.markChanged();
        pickForeground(kCustomForegroundOption);
        refreshPreview();
    }
    if (p.CustomBackground) {
        settings_.CustomBackground = *p.CustomBackground;
        d->customBackgroundOption = *p.CustomBackground;
        d->changes.markChanged();
        pickBackground(kCustomBackgroundOption);
        d->preview.setBackgroundColour(*p.CustomBackground);
        refreshPreview();
    }
    if (p.DitColour) {
        settings_.DitColour = *p.DitColour;
        d->ditCaption = *p.DitColour;
        d->changes.markChanged();
        d->suppressDitDialog = true;
        setDitColourOn(true);
        d->suppressDitDialog = false;
    }
    if (findForegroundEntry(p.ForegroundOption)) pickForeground(p.ForegroundOption);
    if (findBackgroundEntry(p.BackgroundOption)) pickBackground(p.BackgroundOption);
}

// --- Text export ---

SaveResult MainEditorModel::exportTo(ExportSignature signature) {
    return exportTextFile(d->platform,
                          [&] { return mainEditorExport(d->output, d->clock(), signature); });
}

void MainEditorModel::exportText() {
    exportTo(ExportSignature::Plain);
}

bool MainEditorModel::askToSaveThenExport(ExportSignature signature) {
    return askToSaveOnLeaving(d->platform, kSaveQuestion, appinfo::kProgramTitle,
                              [&] { return exportTo(signature); });
}

bool MainEditorModel::quitRequested() {
    return askToSaveThenExport(ExportSignature::Plain);
}

bool MainEditorModel::closeRequested() {
    return askToSaveThenExport(ExportSignature::Closing);
}

}  // namespace chromanick
