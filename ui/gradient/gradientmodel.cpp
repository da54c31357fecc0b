#include "gradientmodel.h"

#include "core/appinfo.h"
#include "core/graphemes.h"
#include "core/nicksettings.h"
#include "core/oneline.h"
#include "storage/textexport.h"

#include <QStringList>

#include <algorithm>

namespace chromanick {

GradientEditorModel::GradientEditorModel(Platform& platform, Clock clock, QObject* parent)
    : QObject(parent),
      platform_(platform),
      clock_(clockOrSystem(std::move(clock))),
      changes_([this] { emit changed(); }),
      output_(creditNote()),
      customPreview_(customRowInitialPreview()) {
    resplit();
}

QString GradientEditorModel::customDialogName(int slot) {
    return QStringLiteral("cmdialcouleurperso%1").arg(slot + 1);
}

QString GradientEditorModel::creditNote() {
    return QStringList{
        QStringLiteral("By Tiwakan"),
        QStringLiteral("Date : 2006"),
        appinfo::kProductSite,
        QStringLiteral("Merci à tout ceux qui me soutiennent en m'ecrivant à l'adresse ") +
            appinfo::kContactEmail,
    }
        .join(QLatin1Char('\n'));
}

QString GradientEditorModel::countText() const {
    return QStringLiteral("Nombre de caractère dans votre pseudo :%1 (Limité à %2 caractères)")
        .arg(graphemes::count(settings_.nickname))
        .arg(kGradientMaxLength);
}

QString GradientEditorModel::codeLengthText() const {
    return output_ == creditNote() ? QString() : codeLengthNote(output_).text;
}

bool GradientEditorModel::codeTooLong() const {
    return output_ != creditNote() && codeLengthNote(output_).tooLong;
}

BgrColor GradientEditorModel::previewColour(int row, int slot) const {
    if (row == kGradientCustomRow) return customPreview_.at(slot);
    return gradientPresets().at(row).previewColours.at(slot);
}

// The split is all the preview grid needs: every row shows the same five
// segments, each in its own row's colours.
void GradientEditorModel::resplit() {
    split_ = Decoupe_Pseudo(settings_.nickname);
}

void GradientEditorModel::setNickname(const QString& text) {
    settings_.nickname = oneLine(text);
    resplit();
    changes_.markChanged();
}

QString GradientEditorModel::typedNickname(const QString& input, int& pos) const {
    const qsizetype limit =
        std::max<qsizetype>(kGradientMaxLength, graphemes::count(settings_.nickname));
    const QList<qsizetype> starts = graphemes::boundaries(input);
    const qsizetype excess = starts.size() - 1 - limit;
    if (excess <= 0) return input;
    // The characters that end at the caret or before it, the last ones first.
    const qsizetype caret =
        std::upper_bound(starts.begin(), starts.end(), pos) - starts.begin() - 1;
    const qsizetype first = std::max<qsizetype>(0, caret - excess);
    QString kept = input;
    kept.remove(starts[first], starts[caret] - starts[first]);
    pos = int(starts[first]);
    return graphemes::left(kept, limit);
}

void GradientEditorModel::nicknameDoubleClicked() {
    setNickname(QString());
}

void GradientEditorModel::selectRow(int row) {
    if (row < 0 || row >= kGradientRowCount) return;
    settings_.presetRow = row;
    resplit();
    changes_.markChanged();
}

void GradientEditorModel::setStyle(bool GradientSettings::*field, bool on) {
    settings_.*field = on;
    changes_.markChanged();
}

void GradientEditorModel::setBold(bool on) {
    setStyle(&GradientSettings::bold, on);
}
void GradientEditorModel::setUnderline(bool on) {
    setStyle(&GradientSettings::underline, on);
}
void GradientEditorModel::setItalic(bool on) {
    setStyle(&GradientSettings::italic, on);
}
void GradientEditorModel::setStrikethrough(bool on) {
    setStyle(&GradientSettings::strikethrough, on);
}

// Unticking keeps the chosen colour in its dialog: ticking again generates
// with it, although the preview stays on the button face until a new pick.
void GradientEditorModel::setBackgroundEnabled(bool on) {
    settings_.backgroundEnabled = on;
    if (!on) previewBackground_.reset();
    changes_.markChanged();
}

// A cancelled dialog still paints: with the colour chosen last, black at first.
void GradientEditorModel::selectBackgroundColour() {
    if (const auto picked = platform_.pickColour(kBackgroundDialog, settings_.backgroundColour))
        settings_.backgroundColour = *picked;
    previewBackground_ = settings_.backgroundColour;
    changes_.markChanged();
}

// A cancelled dialog changes nothing, as in the main editor.
void GradientEditorModel::pickCustomColour(int slot) {
    if (slot < 0 || slot >= 5) return;
    const auto picked = platform_.pickColour(customDialogName(slot), customDialogs_[slot]);
    if (!picked) return;
    customDialogs_[slot] = *picked;
    settings_.customColours[slot] = customDialogs_[slot];
    customPreview_[slot] = customDialogs_[slot];
    changes_.markChanged();
}

void GradientEditorModel::setAutoCopy(bool on) {
    settings_.autoCopy = on;
    changes_.markChanged();
}

void GradientEditorModel::editOutput(const QString& text) {
    if (text == output_) return;
    output_ = text;
    changes_.markChanged();
}

void GradientEditorModel::copyFor(const Dialect& format) {
    const QString text = writeCode(format, output_);
    if (format.copiesRichText)
        platform_.setClipboardHtml(text);
    else
        platform_.setClipboardText(text);
}

void GradientEditorModel::generate() {
    output_ = copyGenerated(platform_, generatedCode(), settings_.autoCopy);
    changes_.markChanged();
}

// Custom colours, the background colour and the automatic copy are kept.
void GradientEditorModel::reset() {
    const ChangeBatch::Scope scope(changes_);
    selectRow(0);
    setBold(false);
    setUnderline(false);
    setItalic(false);
    setStrikethrough(false);
    setNickname(kGradientPlaceholder);
    editOutput(QString());
    setBackgroundEnabled(false);
    setSmoothEnabled(false);
}

SaveResult GradientEditorModel::exportText() {
    return exportTextFile(platform_, [this] { return gradientEditorExport(output_, clock_()); });
}

void GradientEditorModel::saveRequested() {
    const auto answer = platform_.message(kSaveQuestion, kSaveTitle, MessageIcon::Information,
                                          MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes) exportText();
}

bool GradientEditorModel::leaveRequested() {
    return askToSaveOnLeaving(platform_, kSaveQuestion, kSaveTitle,
                              [this] { return exportText(); });
}

bool GradientEditorModel::quitRequested() {
    return leaveRequested();
}
bool GradientEditorModel::closeRequested() {
    return leaveRequested();
}

}  // namespace chromanick
