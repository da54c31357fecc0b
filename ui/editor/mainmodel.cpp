// The main editor's controls and their handlers. Every change made by the
// program goes through the same handler a user action would run, so the
// effects chain exactly as they do from the keyboard and mouse.
#include "ui/editor/mainmodel.h"

#include "core/appinfo.h"
#include "core/emoticons.h"
#include "core/oneline.h"
#include "core/palettes.h"
#include "dialects/plus3.h"
#include "ui/editor/mainmodel_state.h"
#include "ui/editorflows.h"

namespace chromanick {

namespace {

const QString kDitConflictMessage = QStringLiteral(
    "Vous ne pouvez pas activé la supression du mot dit et de personaliser sa couleur en meme "
    "temps. La fonction suppression du mot dit sera désactivée.");

}  // namespace

MainEditorModel::MainEditorModel(Platform& platform, Clock clock, QObject* parent)
    : QObject(parent), d(std::make_unique<State>(platform, std::move(clock), *this)) {}

MainEditorModel::~MainEditorModel() = default;

// --- State ---

int MainEditorModel::caret() const {
    return d->caret;
}
const DecorationList& MainEditorModel::prefixes() const {
    return d->prefixes;
}
const DecorationList& MainEditorModel::suffixes() const {
    return d->suffixes;
}
QString MainEditorModel::lookalikeCaption() const {
    return d->lookalikeCaption;
}
BgrColor MainEditorModel::customForegroundCaptionColour() const {
    return d->customForegroundCaption;
}
BgrColor MainEditorModel::customBackgroundOptionColour() const {
    return d->customBackgroundOption;
}
std::optional<BgrColor> MainEditorModel::ditCaptionColour() const {
    return d->ditCaption;
}
const QString& MainEditorModel::output() const {
    return d->output;
}
QString MainEditorModel::outputLengthText() const {
    return codeLengthNote(d->output).text;
}
bool MainEditorModel::outputTooLong() const {
    return codeLengthNote(d->output).tooLong;
}
const PreviewState& MainEditorModel::preview() const {
    return d->preview.state();
}
bool MainEditorModel::emoticonsVisible() const {
    return d->emoticonsVisible;
}
QStringList MainEditorModel::previewSizes() const {
    return previewFontSizes();
}

QString MainEditorModel::versionText() const {
    return QStringLiteral("Version : ") + appinfo::versionDotted();
}

// The decoration boxes' texts are the prefix and suffix generation reads.
void MainEditorModel::decorationsChanged() {
    settings_.Prefix = d->prefixes.text();
    settings_.Suffix = d->suffixes.text();
    d->changes.markChanged();
}

// --- The nickname box ---

void MainEditorModel::setNickname(const QString& typed, int caret) {
    ChangeScope scope(*this);
    const QString text = oneLine(typed);
    const int newCaret =
        caret < 0 ? int(text.size()) : qMin(oneLinePosition(typed, caret), int(text.size()));
    if (text == settings_.Nickname) {
        // The same text is no change of the box: only the caret moves.
        if (newCaret != d->caret) {
            d->caret = newCaret;
            d->changes.markChanged();
        }
        return;
    }
    settings_.Nickname = text;
    d->caret = newCaret;
    d->changes.markChanged();
    nicknameChanged();
}

QString MainEditorModel::nicknameFor(const QString& typed) const {
    const QString text = oneLine(typed);
    return settings_.SpecialChars ? Applique_CaracSpe(text) : text;
}

int MainEditorModel::nicknameCaretFor(const QString& typed, int caret) const {
    const int position = qBound(0, oneLinePosition(typed, caret), int(oneLine(typed).size()));
    if (!settings_.SpecialChars) return position;
    return int(Applique_CaracSpe(oneLine(typed).left(position)).size());
}

// Text1_Change: the look-alike letters when they are on (the caret stays
// after the same characters), then the preview. The forward transform is
// idempotent, so its own write-back needs no second pass.
void MainEditorModel::nicknameChanged() {
    if (settings_.SpecialChars) {
        d->caret = int(Applique_CaracSpe(settings_.Nickname.left(d->caret)).size());
        settings_.Nickname = Applique_CaracSpe(settings_.Nickname);
    }
    refreshPreview();
}

// The transforms write the box back with the caret at its end; an unchanged
// text runs no change handling.
void MainEditorModel::writeBackNickname(const QString& text) {
    setNickname(text, -1);
}

void MainEditorModel::nicknameDoubleClicked() {
    setNickname(QString(), 0);
}

void MainEditorModel::insertEmoticon(int tableIndex, int selectionStart, int selectionLength) {
    const auto& table = EmoticonTable();
    if (tableIndex < 0 || tableIndex >= table.size()) return;
    const TextEdit edit =
        insertAtCaret(settings_.Nickname, selectionStart, selectionLength, table[tableIndex].text);
    setNickname(edit.text, edit.caret);
}

void MainEditorModel::setLookalike(bool on) {
    ChangeScope scope(*this);
    if (on == settings_.SpecialChars) return;
    settings_.SpecialChars = on;
    d->lookalikeCaption = on ? kLookalikeCaptionOn : kLookalikeCaptionOff;
    d->changes.markChanged();
    writeBackNickname(on ? Applique_CaracSpe(settings_.Nickname)
                         : Retire_CaracSpe(settings_.Nickname));
}

// --- Palettes ---

void MainEditorModel::pickForeground(const QString& option) {
    const PaletteEntry* entry = findForegroundEntry(option);
    if (!entry) return;
    ChangeScope scope(*this);
    settings_.ForegroundOption = entry->option;
    d->changes.markChanged();
    // A single click on the custom entry only selects it.
    if (entry->role != EntryRole::Custom) refreshPreview();
}

void MainEditorModel::pickBackground(const QString& option) {
    const PaletteEntry* entry = findBackgroundEntry(option);
    if (!entry) return;
    ChangeScope scope(*this);
    settings_.BackgroundOption = entry->option;
    d->changes.markChanged();
    switch (entry->role) {
        case EntryRole::Default:
            d->preview.defaultBackgroundPicked();
            break;
        case EntryRole::Custom:
            break;
        case EntryRole::Fixed:
            refreshPreview();
            break;
    }
}

// A colour dialog closed without a choice leaves the colour it had; the
// steps after it run with that colour.
void MainEditorModel::customForegroundDoubleClicked() {
    ChangeScope scope(*this);
    pickForeground(kCustomForegroundOption);
    if (auto c = d->platform.pickColour(QStringLiteral("cmdialcolor1"), settings_.CustomForeground))
        settings_.CustomForeground = *c;
    d->preview.setTextColour(settings_.CustomForeground);
    refreshPreview();
    d->customForegroundCaption = settings_.CustomForeground;
    d->changes.markChanged();
}

void MainEditorModel::customBackgroundDoubleClicked() {
    ChangeScope scope(*this);
    pickBackground(kCustomBackgroundOption);
    if (auto c = d->platform.pickColour(QStringLiteral("cmdialcolor2"), settings_.CustomBackground))
        settings_.CustomBackground = *c;
    d->preview.setBackgroundColour(settings_.CustomBackground);
    refreshPreview();
    d->customBackgroundOption = settings_.CustomBackground;
    d->changes.markChanged();
}

// --- Check boxes ---

namespace {

// Sets a check box; true when its state changed (only then its click runs).
bool tick(bool& box, bool on) {
    if (box == on) return false;
    box = on;
    return true;
}

}  // namespace

void MainEditorModel::setBold(bool on) {
    ChangeScope scope(*this);
    if (tick(settings_.Bold, on)) refreshPreview();
}

void MainEditorModel::setUnderline(bool on) {
    ChangeScope scope(*this);
    if (tick(settings_.Underline, on)) refreshPreview();
}

void MainEditorModel::setItalic(bool on) {
    ChangeScope scope(*this);
    if (tick(settings_.Italic, on)) refreshPreview();
}

void MainEditorModel::setStrikethrough(bool on) {
    ChangeScope scope(*this);
    if (tick(settings_.Strikethrough, on)) refreshPreview();
}

void MainEditorModel::setAutoCopy(bool on) {
    ChangeScope scope(*this);
    if (tick(settings_.AutoCopy, on)) d->changes.markChanged();
}

// chkcolordi: the suppression of the word Dit gives way, then the colour
// dialog opens unless a project is restoring the colour.
void MainEditorModel::setDitColourOn(bool on) {
    ChangeScope scope(*this);
    if (!tick(settings_.DitColourOn, on)) return;
    d->changes.markChanged();
    if (!on) return;
    if (settings_.DitSuppressed) {
        d->platform.message(kDitConflictMessage, appinfo::kProgramTitle, MessageIcon::Critical,
                            MessageButtons::Ok);
        setDitSuppressed(false);
    }
    if (d->suppressDitDialog) return;
    if (auto c = d->platform.pickColour(QStringLiteral("cmdialcolor3"), settings_.DitColour))
        settings_.DitColour = *c;
    d->ditCaption = settings_.DitColour;
}

// chkoptspecial: whichever box was ticked last, the suppression gives way.
void MainEditorModel::setDitSuppressed(bool on) {
    ChangeScope scope(*this);
    if (!tick(settings_.DitSuppressed, on)) return;
    d->changes.markChanged();
    if (settings_.DitSuppressed && settings_.DitColourOn) {
        d->platform.message(kDitConflictMessage, appinfo::kProgramTitle, MessageIcon::Critical,
                            MessageButtons::Ok);
        setDitSuppressed(false);
    }
}

// --- Decorations ---

void MainEditorModel::fillDecorationLists(const QStringList& userPrefixes,
                                          const QStringList& userSuffixes) {
    ChangeScope scope(*this);
    d->prefixes.append(BuiltinPrefixes());
    d->prefixes.append(userPrefixes);
    d->suffixes.append(BuiltinSuffixes());
    d->suffixes.append(userSuffixes);
    decorationsChanged();
}

void MainEditorModel::pickPrefix(int index) {
    ChangeScope scope(*this);
    if (!d->prefixes.setCurrentIndex(index)) return;
    decorationsChanged();
    refreshPreview();
}

void MainEditorModel::pickSuffix(int index) {
    ChangeScope scope(*this);
    if (!d->suffixes.setCurrentIndex(index)) return;
    decorationsChanged();
    refreshPreview();
}

// Typed decorations are picked up by the next refresh, not at once.
void MainEditorModel::typePrefix(const QString& text) {
    ChangeScope scope(*this);
    d->prefixes.setText(oneLine(text));
    decorationsChanged();
}

void MainEditorModel::typeSuffix(const QString& text) {
    ChangeScope scope(*this);
    d->suffixes.setText(oneLine(text));
    decorationsChanged();
}

void MainEditorModel::balancePrefix() {
    if (auto index = balancedIndex(d->suffixes.currentIndex(), d->prefixes.count()))
        pickPrefix(*index);
}

void MainEditorModel::balanceSuffix() {
    if (auto index = balancedIndex(d->prefixes.currentIndex(), d->suffixes.count()))
        pickSuffix(*index);
}

// --- Preview, generation, panel ---

void MainEditorModel::pickPreviewSize(const QString& entry) {
    if (!previewFontSizes().contains(entry)) return;
    ChangeScope scope(*this);
    d->preview.setFontSize(entry.toDouble());
    d->changes.markChanged();
    refreshPreview();
}

void MainEditorModel::refreshPreview() {
    ChangeScope scope(*this);
    d->preview.refresh(settings_);
    d->changes.markChanged();
}

void MainEditorModel::toggleEmoticons() {
    ChangeScope scope(*this);
    d->emoticonsVisible = !d->emoticonsVisible;
    d->changes.markChanged();
}

// Command1: the code goes into Text2; with the automatic copy it goes onto
// the clipboard and Text2 then shows what the clipboard gives back.
void MainEditorModel::generate() {
    ChangeScope scope(*this);
    d->output = copyGenerated(d->platform, ComposeNickCode(settings_), settings_.AutoCopy);
    d->changes.markChanged();
}

// Text2 stays editable: what the user makes of the code is what gets saved.
void MainEditorModel::editOutput(const QString& text) {
    if (text == d->output) return;
    ChangeScope scope(*this);
    d->output = text;
    d->changes.markChanged();
}

void MainEditorModel::copyFor(const Dialect& format) {
    const QString text = writeCode(format, d->output);
    if (format.copiesRichText)
        d->platform.setClipboardHtml(text);
    else
        d->platform.setClipboardText(text);
}

// "Nouveau": each step goes through the control's own handler.
void MainEditorModel::reset() {
    ChangeScope scope(*this);
    d->changes.markChanged();
    setDitSuppressed(false);
    setAutoCopy(false);
    d->output.clear();
    pickForeground(kDefaultForegroundOption);
    pickBackground(kDefaultBackgroundOption);
    d->preview.reset();
    setBold(false);
    setUnderline(false);
    setItalic(false);
    setNickname(QString(), 0);
    typePrefix(QString());
    typeSuffix(QString());
    setDitColourOn(false);
    setStrikethrough(false);
    setLookalike(false);
    settings_.CustomForeground = 0;
    d->customForegroundCaption = 0;
    settings_.CustomBackground = 0;
    d->customBackgroundOption = kSystemButtonFace;
    // The decorations were emptied without a refresh, so a refresh run
    // before that may still show them: the reset ends on an empty preview.
    if (!d->preview.state().text.isEmpty()) d->preview.reset();
}

}  // namespace chromanick
