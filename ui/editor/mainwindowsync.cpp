// Copying the model's state into the main editor's widgets.
#include "ui/editor/emoticonpanel.h"
#include "ui/editor/mainwindow.h"
#include "ui/editor/paletteframe.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/textfit.h"
#include "ui/widgets/widgetcolours.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace chromanick {

namespace {

void setChecked(QCheckBox* box, bool on) {
    if (box->isChecked() != on) box->setChecked(on);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    if (palette.color(QPalette::WindowText) == colour) return;
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

// An editable list shows the model's entries, selected position and text.
// Typing leaves the list's own position alone as long as the text matches.
void showDecorations(QComboBox* box, const DecorationList& list) {
    if (box->count() > list.count()) box->clear();
    if (box->count() < list.count()) {
        // One insertion for all the new entries: the list may hold many thousands.
        box->addItems(list.entries().mid(box->count()));
    }
    const int index = list.currentIndex();
    if (index >= 0 && box->currentIndex() != index) {
        box->setCurrentIndex(index);
    } else if (index < 0 && box->currentIndex() >= 0 && box->currentText() != list.text()) {
        box->setCurrentIndex(-1);
    }
    if (box->currentText() != list.text()) box->setEditText(list.text());
}

// "MS Sans Serif" where the desktop has it, else the closest sans-serif.
QFont previewFont(const PreviewState& state) {
    QFont font = msSansSerif(state.fontSize);
    font.setBold(state.bold);
    font.setItalic(state.italic);
    font.setUnderline(state.underline);
    font.setStrikeOut(state.strikethrough);
    return font;
}

}  // namespace

void MainWindow::syncFromModel() {
    const QSignalBlocker blocker(this);
    syncNickname();
    syncDecorations();
    syncColours();
    syncChecks();
    syncOutput();
    syncCodeLength();
    syncPreview();
    emoticonPanel_->setVisible(model_.emoticonsVisible());
    emoticonsAction_->setChecked(model_.emoticonsVisible());
    if (versionBox_->text() != model_.versionText()) versionBox_->setText(model_.versionText());
    firstSync_ = false;
}

void MainWindow::syncNickname() {
    // Only a change on the model's side moves the text or the caret.
    if (!firstSync_ && model_.nickname() == shownNickname_ && model_.caret() == shownCaret_) {
        return;
    }
    shownNickname_ = model_.nickname();
    shownCaret_ = model_.caret();
    const QSignalBlocker blocker(nicknameBox_);
    if (nicknameBox_->text() != shownNickname_) nicknameBox_->setText(shownNickname_);
    if (shownCaret_ >= 0) nicknameBox_->setCursorPosition(shownCaret_);
}

void MainWindow::syncDecorations() {
    for (auto [box, list] :
         {std::pair{prefixBox_, &model_.prefixes()}, std::pair{suffixBox_, &model_.suffixes()}}) {
        const QSignalBlocker blocker(box);
        showDecorations(box, *list);
    }
}

void MainWindow::syncColours() {
    foregroundFrame_->select(model_.foregroundOption());
    backgroundFrame_->select(model_.backgroundOption());
    foregroundFrame_->setCaptionColour(kCustomForegroundOption,
                                       model_.customForegroundCaptionColour());
    backgroundFrame_->setFillColour(kCustomBackgroundOption, model_.customBackgroundOptionColour());
    const std::optional<BgrColor> ditCaption = model_.ditCaptionColour();
    setTextColour(ditColourBox_, ditCaption ? toQColor(*ditCaption, palette())
                                            : palette().color(QPalette::WindowText));
}

void MainWindow::syncChecks() {
    const QList<std::pair<QCheckBox*, bool>> states = {
        {boldBox_, model_.bold()},
        {underlineBox_, model_.underline()},
        {italicBox_, model_.italic()},
        {strikeBox_, model_.strikethrough()},
        {lookalikeBox_, model_.lookalike()},
        {ditSuppressBox_, model_.ditSuppressed()},
        {ditColourBox_, model_.ditColourOn()},
        {autoCopyBox_, model_.autoCopy()},
    };
    for (const auto& [box, on] : states) {
        const QSignalBlocker blocker(box);
        setChecked(box, on);
    }
    lookalikeBox_->setText(model_.lookalikeCaption());
}

void MainWindow::syncOutput() {
    // The box stays editable; only a new result from the model replaces it.
    if (!firstSync_ && model_.output() == shownOutput_) return;
    showModelOutput();
}

// The label turns red when the code is longer than a Messenger name keeps.
void MainWindow::syncCodeLength() {
    const QString text = model_.outputLengthText();
    if (codeLength_->text() != text) codeLength_->setText(text);
    setTextColour(codeLength_,
                  model_.outputTooLong() ? QColor(Qt::red) : palette().color(QPalette::WindowText));
}

void MainWindow::showModelOutput() {
    shownOutput_ = model_.output();
    const QSignalBlocker blocker(outputBox_);
    if (!holdsText(outputBox_, shownOutput_)) showCode(outputBox_, shownOutput_);
}

void MainWindow::syncPreview() {
    const PreviewState& state = model_.preview();
    if (previewLabel_->text() != state.text) previewLabel_->setText(state.text);
    const QFont font = previewFont(state);
    if (previewLabel_->font() != font) previewLabel_->setFont(font);
    QPalette palette = previewLabel_->palette();
    palette.setColor(QPalette::WindowText, toQColor(state.textColour, this->palette()));
    palette.setColor(QPalette::Window, toQColor(state.backgroundColour, this->palette()));
    if (previewLabel_->palette() != palette) previewLabel_->setPalette(palette);
}

}  // namespace chromanick
