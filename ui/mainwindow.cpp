#include "ui/mainwindow.h"

#include "ui/aboutwindow.h"
#include "ui/emoticonpanel.h"
#include "ui/fonts.h"
#include "ui/paletteframe.h"
#include "ui/picture.h"
#include "ui/weblinks.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QValidator>

#include <type_traits>

namespace chromanick {

namespace {

constexpr int kClientWidth = 1018;
constexpr int kClientHeight = 636;

// Wraps a handler so that it does nothing while the window copies the model
// into its widgets. The handler may ignore the signal's arguments.
template <typename Call>
auto unlessSyncing(const bool& syncing, Call call) {
    return [&syncing, call](auto... args) {
        if (syncing) return;
        if constexpr (std::is_invocable_v<Call, decltype(args)...>) {
            call(args...);
        } else {
            call();
        }
    };
}

// Text1 shows a typed change as the model will take it, look-alike letters
// included, in the same change of the box: the box lays out its text once
// and the model's write-back finds the text already there.
class NicknameValidator : public QValidator {
public:
    NicknameValidator(const MainEditorModel& model, const bool& syncing, QObject* parent)
        : QValidator(parent), model_(model), syncing_(syncing) {}

    State validate(QString& input, int& pos) const override {
        if (syncing_) return Acceptable;
        QString shown = model_.nicknameFor(input);
        if (shown != input) {
            // As when the model writes the box back: the caret at the end.
            input = std::move(shown);
            pos = int(input.size());
        }
        return Acceptable;
    }

private:
    const MainEditorModel& model_;
    const bool& syncing_;
};

}  // namespace

MainWindow::MainWindow(MainEditorModel& model, Platform& platform, QWidget* parent)
    : QMainWindow(parent), model_(model), platform_(platform) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Chromanick, par Tiwakan."));
    setFont(windowFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    buildControls(client);
    buildMenus();
    // The client area keeps its size; the window is as tall as menu + client.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    nicknameBox_->setValidator(new NicknameValidator(model_, syncing_, nicknameBox_));
    wireControls();
    wireMenus();
    connect(&model_, &MainEditorModel::changed, this, &MainWindow::syncFromModel);
    syncFromModel();
}

MainWindow::~MainWindow() = default;

void MainWindow::wireControls() {
    auto forward = [this](auto call) { return unlessSyncing(syncing_, call); };

    connect(nicknameBox_, &QLineEdit::textEdited, this, forward([this](const QString& text) {
                model_.setNickname(text, nicknameBox_->cursorPosition());
            }));
    connect(prefixBox_, &QComboBox::activated, this,
            forward([this](int index) { model_.pickPrefix(index); }));
    connect(suffixBox_, &QComboBox::activated, this,
            forward([this](int index) { model_.pickSuffix(index); }));
    connect(prefixBox_->lineEdit(), &QLineEdit::textEdited, this,
            forward([this](const QString& text) { model_.typePrefix(text); }));
    connect(suffixBox_->lineEdit(), &QLineEdit::textEdited, this,
            forward([this](const QString& text) { model_.typeSuffix(text); }));
    connect(balancePrefixButton_, &QPushButton::clicked, this,
            forward([this] { model_.balancePrefix(); }));
    connect(balanceSuffixButton_, &QPushButton::clicked, this,
            forward([this] { model_.balanceSuffix(); }));
    connect(sizeBox_, &QComboBox::activated, this,
            forward([this](int index) { model_.pickPreviewSize(sizeBox_->itemText(index)); }));

    connect(foregroundFrame_, &PaletteFrame::picked, this,
            forward([this](const QString& option) { model_.pickForeground(option); }));
    connect(backgroundFrame_, &PaletteFrame::picked, this,
            forward([this](const QString& option) { model_.pickBackground(option); }));
    connect(foregroundFrame_, &PaletteFrame::doubleClicked, this,
            forward([this](const QString& option) {
                if (option == kCustomForegroundOption) model_.customForegroundDoubleClicked();
            }));
    connect(backgroundFrame_, &PaletteFrame::doubleClicked, this,
            forward([this](const QString& option) {
                if (option == kCustomBackgroundOption) model_.customBackgroundDoubleClicked();
            }));

    const QList<std::pair<QCheckBox*, void (MainEditorModel::*)(bool)>> checks = {
        {boldBox_, &MainEditorModel::setBold},
        {underlineBox_, &MainEditorModel::setUnderline},
        {italicBox_, &MainEditorModel::setItalic},
        {strikeBox_, &MainEditorModel::setStrikethrough},
        {specialCharsBox_, &MainEditorModel::setSpecialChars},
        {ditSuppressBox_, &MainEditorModel::setDitSuppressed},
        {ditColourBox_, &MainEditorModel::setDitColourOn},
        {autoCopyBox_, &MainEditorModel::setAutoCopy},
    };
    for (const auto& [box, setter] : checks) {
        connect(box, &QCheckBox::clicked, this,
                forward([this, setter](bool on) { (model_.*setter)(on); }));
    }

    connect(generateButton_, &QPushButton::clicked, this, forward([this] {
                model_.generate();
                showModelOutput();
            }));
    connect(previewButton_, &QPushButton::clicked, this,
            forward([this] { model_.refreshPreview(); }));
    connect(gradientButton_, &QPushButton::clicked, this,
            forward([this] { requestGradientSwitch(); }));
    connect(emoticonPanel_, &EmoticonPanel::emoticonClicked, this,
            forward([this](int index) { insertEmoticon(index); }));
    connect(siteImage_, &Picture::clicked, this,
            forward([this] { links::announceVisitSite(platform_); }));
}

void MainWindow::wireMenus() {
    auto onMenu = [this](const QString& name, auto call) {
        QAction* action = findChild<QAction*>(name);
        Q_ASSERT(action != nullptr);
        connect(action, &QAction::triggered, this, unlessSyncing(syncing_, call));
    };
    onMenu(QStringLiteral("nouveau"), [this] {
        model_.reset();
        showModelOutput();
    });
    onMenu(QStringLiteral("openprojet"), [this] { model_.openProject(); });
    onMenu(QStringLiteral("saveprojet"), [this] { model_.saveProject(); });
    onMenu(QStringLiteral("mnusave"), [this] { model_.exportText(); });
    onMenu(QStringLiteral("newversion"), [this] { links::confirmNewVersion(platform_); });
    onMenu(QStringLiteral("quitter"), [this] { quit(); });
    onMenu(QStringLiteral("activemoti"), [this] { model_.toggleEmoticons(); });
    onMenu(QStringLiteral("mnubascul"), [this] { requestGradientSwitch(); });
    onMenu(QStringLiteral("chromanick"), [this] { links::confirmVisitSite(platform_); });
    onMenu(QStringLiteral("aide2"), [this] { links::showMainHelp(platform_); });
    onMenu(QStringLiteral("apropos"), [this] { showAbout(); });
}

void MainWindow::insertEmoticon(int tableIndex) {
    const bool selection = nicknameBox_->hasSelectedText();
    const int start = selection ? nicknameBox_->selectionStart() : nicknameBox_->cursorPosition();
    const int length = selection ? int(nicknameBox_->selectedText().size()) : 0;
    model_.insertEmoticon(tableIndex, start, length);
    nicknameBox_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::requestGradientSwitch() {
    emit switchToGradientRequested(model_.gradientHandOver());
}

void MainWindow::requestCodeReader() {
    emit codeReaderRequested(outputBox_->toPlainText());
}

void MainWindow::quit() {
    if (!model_.quitRequested()) return;
    endAgreed_ = true;
    emit programEndRequested();
}

void MainWindow::closeForProgramEnd() {
    endAgreed_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (endAgreed_) {
        event->accept();
        return;
    }
    if (!model_.closeRequested()) {
        event->ignore();
        return;
    }
    endAgreed_ = true;
    event->accept();
    emit programEndRequested();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == nicknameBox_ && event->type() == QEvent::MouseButtonDblClick) {
        if (!syncing_) model_.nicknameDoubleClicked();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::setAboutWindow(AboutWindow* about) {
    about_ = about;
    if (about != nullptr) ownAbout_.reset();
}

void MainWindow::showAbout() {
    if (about_ == nullptr) {
        ownAbout_ = std::make_unique<AboutWindow>(platform_);
        about_ = ownAbout_.get();
    }
    about_->open();
}

}  // namespace chromanick
