#include "ui/editor/mainwindow.h"

#include "core/oneline.h"
#include "ui/editor/emoticonpanel.h"
#include "ui/editor/paletteframe.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/screenfit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QValidator>

namespace chromanick {

namespace {

constexpr int kClientWidth = 15270;  // twips
constexpr int kClientHeight = 9540;

// Text1 shows a typed change as the model will take it, look-alike letters
// included, in the same change of the box: the box lays out its text once
// and the model's write-back finds the text already there.
class NicknameValidator : public QValidator {
public:
    NicknameValidator(const MainEditorModel& model, QObject* parent)
        : QValidator(parent), model_(model) {}

    // The model's own nickname is shown as it is: the transform leaves it
    // unchanged.
    State validate(QString& input, int& pos) const override {
        QString shown = model_.nicknameFor(input);
        if (shown != input) {
            // The caret stays after the characters it followed, as the model
            // keeps it: line breaks become spaces, letters their look-alikes.
            pos = model_.nicknameCaretFor(input, pos);
            input = std::move(shown);
        }
        return Acceptable;
    }

private:
    const MainEditorModel& model_;
};

}  // namespace

MainWindow::MainWindow(MainEditorModel& model, QWidget* parent)
    : QMainWindow(parent), model_(model), ending_([this] { emit programEndRequested(); }) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Chromanick, par Tiwakan."));
    setFont(windowFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(px(kClientWidth), px(kClientHeight));
    setCentralWidget(client);
    client_ = client;
    buildControls(client);
    buildMenus();
    // The client area keeps its size; the window is as tall as menu + client.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    nicknameBox_->setValidator(new NicknameValidator(model_, nicknameBox_));
    onDoubleClick(nicknameBox_, [this] { model_.nicknameDoubleClicked(); });
    wireControls();
    connect(&model_, &MainEditorModel::changed, this, &MainWindow::syncFromModel);
    syncFromModel();
    fitToScreen(*this, *client_);
}

MainWindow::~MainWindow() {
    // The widgets go after this object: nothing they signal may reach it.
    disconnect(&model_, nullptr, this, nullptr);
    outputBox_->disconnect(this);
}

void MainWindow::wireControls() {
    connect(nicknameBox_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.setNickname(text, nicknameBox_->cursorPosition());
    });
    // Enter in the nickname generates, as "Générer le pseudo." does.
    connect(nicknameBox_, &QLineEdit::returnPressed, generateButton_, &QPushButton::click);
    connect(prefixBox_, &QComboBox::activated, this,
            [this](int index) { model_.pickPrefix(index); });
    connect(suffixBox_, &QComboBox::activated, this,
            [this](int index) { model_.pickSuffix(index); });
    connect(prefixBox_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.typePrefix(text); });
    connect(suffixBox_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.typeSuffix(text); });
    connect(balancePrefixButton_, &QPushButton::clicked, this, [this] { model_.balancePrefix(); });
    connect(balanceSuffixButton_, &QPushButton::clicked, this, [this] { model_.balanceSuffix(); });
    connect(sizeBox_, &QComboBox::activated, this,
            [this](int index) { model_.pickPreviewSize(sizeBox_->itemText(index)); });

    connect(foregroundFrame_, &PaletteFrame::picked, this,
            [this](const QString& option) { model_.pickForeground(option); });
    connect(backgroundFrame_, &PaletteFrame::picked, this,
            [this](const QString& option) { model_.pickBackground(option); });
    connect(foregroundFrame_, &PaletteFrame::doubleClicked, this, [this](const QString& option) {
        if (option == kCustomForegroundOption) model_.customForegroundDoubleClicked();
    });
    connect(backgroundFrame_, &PaletteFrame::doubleClicked, this, [this](const QString& option) {
        if (option == kCustomBackgroundOption) model_.customBackgroundDoubleClicked();
    });

    const QList<std::pair<QCheckBox*, void (MainEditorModel::*)(bool)>> checks = {
        {boldBox_, &MainEditorModel::setBold},
        {underlineBox_, &MainEditorModel::setUnderline},
        {italicBox_, &MainEditorModel::setItalic},
        {strikeBox_, &MainEditorModel::setStrikethrough},
        {lookalikeBox_, &MainEditorModel::setLookalike},
        {ditSuppressBox_, &MainEditorModel::setDitSuppressed},
        {ditColourBox_, &MainEditorModel::setDitColourOn},
        {autoCopyBox_, &MainEditorModel::setAutoCopy},
    };
    for (const auto& [box, setter] : checks) {
        connect(box, &QCheckBox::clicked, this, [this, setter](bool on) { (model_.*setter)(on); });
    }

    connect(generateButton_, &QPushButton::clicked, this, [this] {
        model_.generate();
        showModelOutput();
    });
    connect(outputBox_, &QPlainTextEdit::textChanged, this, [this] {
        // Recorded as shown first, so that the model's answer leaves the box
        // and its caret alone.
        shownOutput_ = outputBox_->toPlainText();
        model_.editOutput(shownOutput_);
    });
    connect(previewButton_, &QPushButton::clicked, this, [this] { model_.refreshPreview(); });
    connect(gradientButton_, &QPushButton::clicked, this, &MainWindow::switchToGradientRequested);
    connect(emoticonPanel_, &EmoticonPanel::emoticonClicked, this,
            [this](int index) { insertEmoticon(index); });
    connect(siteImage_, &Picture::clicked, this, &MainWindow::siteVisitRequested);
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = addNamedMenu(bar, QStringLiteral("fichier"), QStringLiteral("&Fichier"));
    addMenuEntry(
        file, QStringLiteral("nouveau"), QStringLiteral("&Nouveau"), this,
        [this] {
            model_.reset();
            showModelOutput();
        },
        QKeySequence(Qt::CTRL | Qt::Key_N));
    addMenuEntry(
        file, QStringLiteral("openprojet"), QStringLiteral("&Ouvrir un projet"), this,
        [this] { model_.openProject(); }, QKeySequence(Qt::CTRL | Qt::Key_O));
    QMenu* save =
        addNamedMenu(file, QStringLiteral("mnucaptionenregistrer"), QStringLiteral("&Enregistrer"));
    addMenuEntry(
        save, QStringLiteral("saveprojet"), QStringLiteral("Enregistrer un &projet (.nkp)"), this,
        [this] { model_.saveProject(); }, QKeySequence(Qt::CTRL | Qt::Key_S));
    addMenuEntry(save, QStringLiteral("mnusave"), QStringLiteral("Enregistrer (.&txt)"), this,
                 [this] { model_.exportText(); });
    addMenuEntry(file, QStringLiteral("newversion"), QStringLiteral("&Vérifier nouvelle version."),
                 this, [this] { emit newVersionRequested(); });
    addMenuEntry(
        file, QStringLiteral("quitter"), QStringLiteral("&Quitter"), this,
        [this] { ending_.quit(model_.quitRequested()); }, QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* more = addNamedMenu(bar, QStringLiteral("plus"), QStringLiteral("&Plus"));
    emoticonsAction_ = addMenuEntry(more, QStringLiteral("activemoti"),
                                    QStringLiteral("&Activer la fonction émoticone."), this,
                                    [this] { model_.toggleEmoticons(); });
    emoticonsAction_->setCheckable(true);
    addMenuEntry(more, QStringLiteral("mnubascul"),
                 QStringLiteral("&Basculer Vers Chromanick Dégradée"), this,
                 [this] { emit switchToGradientRequested(); });
    addMenuEntry(more, QStringLiteral("chromanick"), QStringLiteral("&Se rendre sur Chromanick ?"),
                 this, [this] { emit siteRequested(); });
    addMenuEntry(more, QStringLiteral("mnulirecode"), QStringLiteral("&Lire un code…"), this,
                 [this] { requestCodeReader(); });
    QMenu* copyFor =
        addNamedMenu(more, QStringLiteral("mnucopierpour"), QStringLiteral("&Copier pour"));
    for (const Dialect* format : writtenDialects()) {
        addMenuEntry(copyFor, QStringLiteral("mnucopierpour") + format->id,
                     literalCaption(format->label), this,
                     [this, format] { model_.copyFor(*format); });
    }

    QMenu* help = addNamedMenu(bar, QStringLiteral("aide"), QStringLiteral("&?"));
    addMenuEntry(help, QStringLiteral("aide2"), QStringLiteral("A&ide"), this,
                 [this] { emit helpRequested(); });
    addMenuEntry(help, QStringLiteral("apropos"), QStringLiteral("A &propos de ..."), this,
                 [this] { emit aboutRequested(); });
}

void MainWindow::insertEmoticon(int tableIndex) {
    const bool selection = nicknameBox_->hasSelectedText();
    const int start = selection ? nicknameBox_->selectionStart() : nicknameBox_->cursorPosition();
    const int length = selection ? int(nicknameBox_->selectedText().size()) : 0;
    model_.insertEmoticon(tableIndex, start, length);
    nicknameBox_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::requestCodeReader() {
    emit codeReaderRequested(outputBox_->toPlainText());
}

void MainWindow::closeForProgramEnd() {
    ending_.closeForProgramEnd(*this);
}

// Shown on a screen too small for it, the window scrolls its controls.
void MainWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) fitToScreen(*this, *client_);
    QMainWindow::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    ending_.close(event, [this] { return model_.closeRequested(); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Only a choice in the drop-down picks an entry of Combo1, Combo2 and
    // Combo3; Enter in their text would pick the entry that matches it.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        for (const QComboBox* box : {prefixBox_, suffixBox_, sizeBox_}) {
            if (enter && watched == box->lineEdit()) return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace chromanick
