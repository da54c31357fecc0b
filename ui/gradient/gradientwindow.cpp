#include "gradientwindow.h"

#include "gradient/gradient.h"
#include "gradientmodel.h"
#include "previewgrid.h"
#include "ui/widgets/placement.h"
#include "ui/widgets/screenfit.h"
#include "ui/widgets/textfit.h"
#include "ui/widgets/widgetcolours.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QValidator>

#include <limits>

namespace chromanick {

namespace {

constexpr int kClientWidth = 12435;
constexpr int kClientHeight = 9645;

// Text1 stops at the model's limit, counted in characters as a reader sees
// them (a length limit of the box would count UTF-16 units).
class NicknameLimit : public QValidator {
public:
    NicknameLimit(const GradientEditorModel& model, QObject* parent)
        : QValidator(parent), model_(model) {}

    State validate(QString& input, int& pos) const override {
        QString kept = model_.typedNickname(input, pos);
        if (kept.size() != input.size()) input = std::move(kept);
        return Acceptable;
    }

private:
    const GradientEditorModel& model_;
};

}  // namespace

GradientWindow::GradientWindow(GradientEditorModel& model, QWidget* parent)
    : QMainWindow(parent), model_(model), ending_([this] { emit programEndRequested(); }) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Chromanick Dégradé !"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form3_client"));
    client->setFixedSize(px(kClientWidth), px(kClientHeight));
    setCentralWidget(client);
    client_ = client;

    buildMenus();
    buildHeader(client);
    buildStyles(client);
    buildPreview(client);
    buildFooter(client);
    // Fixed captions shrink rather than be cut. The count (still empty here)
    // grows its box instead, and the preview labels size themselves.
    fitCaptions(client, {QStringLiteral("Label1")});
    // Grown for its second line, the count reaches over the top of Frame1.
    label1_->raise();
    connectModel();
    refresh();
    setFixedSize(sizeHint());
    fitToScreen(*this, *client_);
}

void GradientWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = addNamedMenu(bar, QStringLiteral("mnufichier"), QStringLiteral("&Fichier"));
    addMenuEntry(
        file, QStringLiteral("mnunew"), QStringLiteral("&Nouveau"), this,
        [this] { model_.reset(); }, QKeySequence::New);
    addMenuEntry(
        file, QStringLiteral("mnusave"), QStringLiteral("&Enregistrer le pseudo"), this,
        [this] { model_.saveRequested(); }, QKeySequence::Save);
    addMenuEntry(
        file, QStringLiteral("mnuexit"), QStringLiteral("&Quitter"), this,
        [this] { ending_.quit(model_.quitRequested()); }, QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* more = addNamedMenu(bar, QStringLiteral("mnuplus"), QStringLiteral("&Plus"));
    addMenuEntry(more, QStringLiteral("mnubascul"), QStringLiteral("&Basculer à Chromanick"), this,
                 [this] { emit switchToMainEditorRequested(); });
    addMenuEntry(more, QStringLiteral("mnuvisite"), QStringLiteral("&Visiter Chromanick"), this,
                 [this] { emit siteVisitRequested(); });
    addMenuEntry(more, QStringLiteral("mnulirecode"), QStringLiteral("&Lire un code…"), this,
                 [this] { requestCodeReader(); });
    QMenu* copyFor =
        addNamedMenu(more, QStringLiteral("mnucopierpour"), QStringLiteral("&Copier pour"));
    for (const Dialect* format : writtenDialects()) {
        addMenuEntry(copyFor, QStringLiteral("mnucopierpour") + format->id,
                     literalCaption(format->label), this,
                     [this, format] { model_.copyFor(*format); });
    }

    QMenu* other = addNamedMenu(bar, QStringLiteral("mnuautre"), QStringLiteral("&?"));
    addMenuEntry(other, QStringLiteral("mnuhelp"), QStringLiteral("A&ide"), this,
                 [this] { emit helpRequested(); });
    addMenuEntry(other, QStringLiteral("mnuapropos"), QStringLiteral("A &propos ..."), this,
                 [this] { emit aboutRequested(); });
}

void GradientWindow::requestCodeReader() {
    emit codeReaderRequested(model_.output());
}

void GradientWindow::buildHeader(QWidget* client) {
    auto* version = place(plainLabel(GradientEditorModel::kVersionText, client),
                          QStringLiteral("lblversion"), QRect());
    version->adjustSize();
    version->move(0, 0);

    text1_ = place(new QLineEdit(client), QStringLiteral("Text1"), twipsRect(3840, 0, 4335, 285));
    text1_->setAlignment(Qt::AlignCenter);
    text1_->setMaxLength(std::numeric_limits<int>::max());
    text1_->setValidator(new NicknameLimit(model_, text1_));
    onDoubleClick(text1_, [this] { model_.nicknameDoubleClicked(); });

    label1_ = place(plainLabel(QString(), client), QStringLiteral("Label1"),
                    twipsRect(9000, 0, 3375, 375));
    label1_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label1_->setWordWrap(true);
}

void GradientWindow::buildStyles(QWidget* client) {
    auto* frame = place(new QGroupBox(QStringLiteral("Mise en forme"), client),
                        QStringLiteral("Frame1"), twipsRect(1920, 360, 8535, 735));
    bold_ = place(styledCheckBox(QStringLiteral("Gras"), frame, &QFont::setBold),
                  QStringLiteral("chkgras"), twipsRect(120, 300, 1695, 255));
    underline_ = place(styledCheckBox(QStringLiteral("Souligné"), frame, &QFont::setUnderline),
                       QStringLiteral("chksouligne"), twipsRect(1920, 300, 2055, 255));
    italic_ = place(styledCheckBox(QStringLiteral("Italique"), frame, &QFont::setItalic),
                    QStringLiteral("chkita"), twipsRect(4080, 300, 2175, 255));
    strikethrough_ = place(styledCheckBox(QStringLiteral("Barré"), frame, &QFont::setStrikeOut),
                           QStringLiteral("chkbarre"), twipsRect(6360, 300, 2055, 255));
}

void GradientWindow::buildPreview(QWidget* client) {
    auto* frame =
        place(new QGroupBox(QStringLiteral("Différents dégradés pour votre pseudo."), client),
              QStringLiteral("Frame2"), twipsRect(0, 1200, 12375, 7215));
    grid_ = new GradientPreviewGrid(frame, this);
    connect(grid_, &GradientPreviewGrid::rowClicked, this,
            [this](int row) { model_.selectRow(row); });

    static const QString kCaptions[] = {
        QStringLiteral("Couleur n°1"), QStringLiteral("Couleurn° 2"), QStringLiteral("Couleur n°3"),
        QStringLiteral("Couleur n°4"), QStringLiteral("Couleur n°5"),
    };
    for (int slot = 0; slot < 5; ++slot) {
        auto* button = place(new QPushButton(kCaptions[slot], frame),
                             QStringLiteral("cmdcolorperso%1").arg(slot + 1),
                             twipsRect(4320 + slot * 960, 6840, 975, 255));
        connect(button, &QPushButton::clicked, this,
                [this, slot] { model_.pickCustomColour(slot); });
    }
    buildSmooth(frame);
}

// The smooth gradient's controls, below the last family and beside the
// custom colour buttons; they come after those buttons in the tab order.
void GradientWindow::buildSmooth(QGroupBox* frame) {
    smooth_ = place(new QCheckBox(QStringLiteral("Dégradé fluide"), frame),
                    QStringLiteral("chkfluide"), twipsRect(240, 6360, 1935, 255));
    smoothStepLabel_ = place(plainLabel(QStringLiteral("Lettres par couleur :"), frame),
                             QStringLiteral("lbllettres"), twipsRect(240, 6750, 1575, 255));
    smoothStep_ =
        place(new QSpinBox(frame), QStringLiteral("spnlettres"), twipsRect(1860, 6705, 735, 300));
    smoothStep_->setRange(1, kSmoothStepMax);
    smoothStepLabel_->setBuddy(smoothStep_);
    connect(smooth_, &QCheckBox::clicked, this, [this](bool on) { model_.setSmoothEnabled(on); });
    connect(smoothStep_, &QSpinBox::valueChanged, this,
            [this](int step) { model_.setSmoothStep(step); });
}

void GradientWindow::buildFooter(QWidget* client) {
    auto* frame = place(new QGroupBox(QStringLiteral("Ajouter une couleur d'arrière plan"), client),
                        QStringLiteral("Frame3"), twipsRect(0, 8520, 4455, 975));
    backgroundBox_ = place(new QCheckBox(QStringLiteral("Couleur d'arrière plan"), frame),
                           QStringLiteral("chkcolorap"), twipsRect(120, 360, 2895, 255));
    selectBackground_ = place(new QPushButton(QStringLiteral("Sélectionner"), frame),
                              QStringLiteral("cmdselectcolorap"), twipsRect(3120, 360, 1215, 315));

    autoCopy_ = place(new QCheckBox(QStringLiteral("Copie automatique"), client),
                      QStringLiteral("chkcopiauto"), twipsRect(4560, 8640, 1800, 255));
    generate_ = place(new QPushButton(QStringLiteral("Générer le pseudo."), client),
                      QStringLiteral("cmdgenerer"), twipsRect(4680, 9000, 1575, 255));
    generate_->setDefault(true);
    generate_->setStyleSheet(QStringLiteral("padding: 0px"));
    auto* back = place(new QPushButton(QStringLiteral("Basculer vers Chromanick."), client),
                       QStringLiteral("cmdgochromanick"), twipsRect(4440, 9360, 1935, 255));
    back->setStyleSheet(QStringLiteral("padding: 0px"));
    connect(back, &QPushButton::clicked, this, &GradientWindow::switchToMainEditorRequested);

    // Shorter than designed, to leave room for the code's length below it.
    text2_ = place(new QPlainTextEdit(client), QStringLiteral("Text2"),
                   twipsRect(6360, 8640, 6015, 720));
    text2_->setTabChangesFocus(true);
    // Clear of the switch button, whose caption reaches the box's edge.
    codeLength_ = place(plainLabel(QString(), client), QStringLiteral("lbllongueur"),
                        twipsRect(6435, 9375, 5940, 255));
    back->raise();  // its caption reaches the output box's edge
}

void GradientWindow::connectModel() {
    connect(&model_, &GradientEditorModel::changed, this, &GradientWindow::refresh);
    connect(text1_, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.setNickname(text); });
    connect(bold_, &QCheckBox::clicked, this, [this](bool on) { model_.setBold(on); });
    connect(underline_, &QCheckBox::clicked, this, [this](bool on) { model_.setUnderline(on); });
    connect(italic_, &QCheckBox::clicked, this, [this](bool on) { model_.setItalic(on); });
    connect(strikethrough_, &QCheckBox::clicked, this,
            [this](bool on) { model_.setStrikethrough(on); });
    connect(backgroundBox_, &QCheckBox::clicked, this,
            [this](bool on) { model_.setBackgroundEnabled(on); });
    connect(selectBackground_, &QPushButton::clicked, this,
            [this] { model_.selectBackgroundColour(); });
    connect(autoCopy_, &QCheckBox::clicked, this, [this](bool on) { model_.setAutoCopy(on); });
    connect(generate_, &QPushButton::clicked, this, [this] { model_.generate(); });
    connect(text2_, &QPlainTextEdit::textChanged, this,
            [this] { model_.editOutput(text2_->toPlainText()); });
}

// Syncs every control from the model; signals are blocked so that showing
// the state never runs a handler again.
void GradientWindow::refresh() {
    const GradientSettings& settings = model_.settings();
    {
        const QSignalBlocker block(text1_);
        // Typing stops at 50 characters (NicknameLimit), but a longer
        // nickname handed over by the main editor is shown whole.
        if (text1_->text() != settings.nickname) text1_->setText(settings.nickname);
    }
    showCount(model_.countText());
    for (auto [box, on] : {std::pair{bold_, settings.bold},
                           {underline_, settings.underline},
                           {italic_, settings.italic},
                           {strikethrough_, settings.strikethrough},
                           {backgroundBox_, settings.backgroundEnabled},
                           {autoCopy_, settings.autoCopy}}) {
        const QSignalBlocker block(box);
        box->setChecked(on);
    }
    selectBackground_->setEnabled(model_.selectBackgroundEnabled());
    refreshBackgroundBox();
    refreshSmooth();
    grid_->show(model_);
    if (!holdsText(text2_, model_.output())) {
        const QSignalBlocker block(text2_);
        showCode(text2_, model_.output());
    }
    refreshCodeLength();
}

void GradientWindow::showCount(const QString& count) {
    if (label1_->text() == count) return;
    label1_->setText(count);
    fitCount();
}

// Two lines of the count; a font taller than the design's grows the box
// rather than cut the second line. Each count's height is measured once per
// font (the count changes at every key).
void GradientWindow::fitCount() {
    const QString count = label1_->text();
    auto height = countHeights_.constFind(count);
    if (height == countHeights_.cend())
        height = countHeights_.insert(count,
                                      std::max(px(375), label1_->heightForWidth(label1_->width())));
    label1_->resize(label1_->width(), *height);
}

void GradientWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        countHeights_.clear();
        if (label1_) fitCount();
    }
}

// The box shows the chosen background colour, or its frame's face.
void GradientWindow::refreshBackgroundBox() {
    const std::optional<BgrColor> chosen = model_.previewBackground();
    QPalette palette = backgroundBox_->palette();
    palette.setColor(backgroundBox_->backgroundRole(),
                     toQColor(chosen.value_or(kSystemButtonFace), this->palette()));
    backgroundBox_->setPalette(palette);
    backgroundBox_->setAutoFillBackground(chosen.has_value());
}

// The step and the code's length only count while the option is on.
void GradientWindow::refreshSmooth() {
    const bool on = model_.smoothEnabled();
    {
        const QSignalBlocker block(smooth_);
        smooth_->setChecked(on);
    }
    if (smoothStep_->value() != model_.smoothStep()) {
        const QSignalBlocker block(smoothStep_);
        smoothStep_->setValue(model_.smoothStep());
    }
    smoothStepLabel_->setEnabled(on);
    smoothStep_->setEnabled(on);
}

// The label turns red when the code is longer than a Messenger name keeps.
void GradientWindow::refreshCodeLength() {
    if (codeLength_->text() != model_.codeLengthText())
        codeLength_->setText(model_.codeLengthText());
    QPalette palette = codeLength_->palette();
    const QColor colour =
        model_.codeTooLong() ? QColor(Qt::red) : this->palette().color(QPalette::WindowText);
    if (palette.color(QPalette::WindowText) == colour) return;
    palette.setColor(QPalette::WindowText, colour);
    codeLength_->setPalette(palette);
}

void GradientWindow::closeForProgramEnd() {
    ending_.closeForProgramEnd(*this);
}

// Shown on a screen too small for it, the window scrolls its controls.
void GradientWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) fitToScreen(*this, *client_);
    QMainWindow::showEvent(event);
}

void GradientWindow::closeEvent(QCloseEvent* event) {
    ending_.close(event, [this] { return model_.closeRequested(); });
}

// Enter generates, as the window's default button, except inside the
// multi-line output box, which takes it as a line break.
void GradientWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        generate_->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace chromanick
