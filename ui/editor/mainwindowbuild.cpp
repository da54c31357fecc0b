// Building the main editor's controls at their places.
#include "assets/resources.h"
#include "core/appinfo.h"
#include "core/palettes.h"
#include "core/preview.h"
#include "ui/editor/decorationbox.h"
#include "ui/editor/emoticonpanel.h"
#include "ui/editor/mainwindow.h"
#include "ui/editor/paletteframe.h"
#include "ui/editor/previewlabel.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/placement.h"
#include "ui/widgets/textfit.h"
#include "ui/widgets/windowkit.h"
#include "ui/widgets/wrappingcheckbox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <limits>

namespace chromanick {

namespace {

QCheckBox* addCheck(QWidget* parent, const QString& name, const QString& caption, const QRect& r) {
    return place(new QCheckBox(caption, parent), name, r);
}

QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption,
                       const QRect& r) {
    auto* button = place(new QPushButton(caption, parent), name, r);
    button->setAutoDefault(false);
    return button;
}

QComboBox* addEditableCombo(QComboBox* combo, const QString& name, const QRect& r) {
    place(combo, name, r);
    combo->setEditable(true);
    // Typed text is a decoration in use, never a new list entry.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(20);
    return combo;
}

}  // namespace

void MainWindow::buildControls(QWidget* client) {
    buildDecorationRow(client);
    buildPalettes(client);
    buildStyleAndOptions(client);
    buildOutputArea(client);
    buildInformation(client);
    // The version box reaches under the switch button; the button stays whole.
    gradientButton_->raise();
    // The preview's font is the model's; everything else must read whole.
    fitCaptions(client, {QStringLiteral("Label5")});
    fitVersionBox();
}

void MainWindow::buildDecorationRow(QWidget* client) {
    balancePrefixButton_ = addButton(client, QStringLiteral("cmdequilibre1"),
                                     QStringLiteral("Equilibrer"), twipsRect(600, 45, 855, 255));
    prefixBox_ = addEditableCombo(new DecorationBox(client), QStringLiteral("Combo1"),
                                  twipsRect(1440, 0, 1935, 315));

    nicknameBox_ =
        place(new QLineEdit(client), QStringLiteral("Text1"), twipsRect(3360, 0, 8175, 315));
    nicknameBox_->setAlignment(Qt::AlignCenter);
    nicknameBox_->setMaxLength(std::numeric_limits<int>::max());

    suffixBox_ = addEditableCombo(new DecorationBox(client), QStringLiteral("Combo2"),
                                  twipsRect(11520, 0, 1815, 315));
    // What the user types is the decoration, never completed into an entry.
    for (QComboBox* box : {prefixBox_, suffixBox_}) box->setCompleter(nullptr);
    balanceSuffixButton_ = addButton(client, QStringLiteral("cmdequilibre2"),
                                     QStringLiteral("Equilibrer"), twipsRect(13320, 45, 855, 255));

    versionBox_ =
        place(new QLineEdit(client), QStringLiteral("txtversion"), twipsRect(14160, 0, 1095, 525));
    versionBox_->setReadOnly(true);
    versionBox_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    useButtonFace(versionBox_);

    lookalikeBox_ =
        addCheck(client, QStringLiteral("chkcaracspe"), QString(), twipsRect(0, 360, 3375, 255));
    gradientButton_ = addButton(client, QStringLiteral("Command3"),
                                QStringLiteral("Basculer vers Chromanick Dégradé."),
                                twipsRect(12120, 360, 3135, 255));
}

void MainWindow::fitVersionBox() {
    // One line, above the switch button that covers the box's lower part.
    QFont font = versionBox_->font();
    const int room = versionBox_->width() - 8;
    while (QFontMetrics(font).horizontalAdvance(model_.versionText()) > room &&
           font.pointSizeF() > 6.5) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    versionBox_->setFont(font);
}

void MainWindow::buildPalettes(QWidget* client) {
    place(plainLabel(QStringLiteral("Couleur du pseudo"), client), QStringLiteral("Label2_2"),
          twipsRect(0, 600, 1455, 255));
    // The frames start left of the client edge; their grids start inside it.
    foregroundFrame_ = new PaletteFrame(PaletteFrame::Kind::Foreground, ForegroundPalette(),
                                        {6, 13, twipsRect(240, 150, 11220, 3600)}, client);
    place(foregroundFrame_, QStringLiteral("Frame1_1"), twipsRect(-120, 840, 11535, 3855));

    place(plainLabel(QStringLiteral("Couleur d'arrière plan du pseudo"), client),
          QStringLiteral("Label2_3"), twipsRect(0, 4800, 2535, 255));
    backgroundFrame_ = new PaletteFrame(PaletteFrame::Kind::Background, BackgroundPalette(),
                                        {4, 15, twipsRect(240, 150, 7740, 4230)}, client);
    place(backgroundFrame_, QStringLiteral("Frame1_2"), twipsRect(-120, 5040, 8055, 4455));

    // A double click is the only way to a custom colour: both entries say so.
    const QString hint = QStringLiteral("Double-cliquez pour choisir une couleur");
    foregroundFrame_->option(kCustomForegroundOption)->setToolTip(hint);
    backgroundFrame_->option(kCustomBackgroundOption)->setToolTip(hint);
}

void MainWindow::buildStyleAndOptions(QWidget* client) {
    place(plainLabel(QStringLiteral("Mise en forme"), client), QStringLiteral("Label2_0"),
          twipsRect(8040, 4800, 1095, 255));
    auto* styles =
        place(new QGroupBox(client), QStringLiteral("Frame1_3"), twipsRect(8160, 5040, 4455, 855));
    boldBox_ = place(styledCheckBox(QStringLiteral("Gras"), styles, &QFont::setBold),
                     QStringLiteral("Check1"), twipsRect(120, 150, 1950, 285));
    underlineBox_ = place(styledCheckBox(QStringLiteral("Souligner"), styles, &QFont::setUnderline),
                          QStringLiteral("Check2"), twipsRect(2250, 150, 1950, 285));
    italicBox_ = place(styledCheckBox(QStringLiteral("Italique"), styles, &QFont::setItalic),
                       QStringLiteral("Check3"), twipsRect(120, 480, 1950, 285));
    // The strikethrough caption is drawn plain.
    strikeBox_ = addCheck(styles, QStringLiteral("chkbarre"), QStringLiteral("Barré"),
                          twipsRect(2250, 480, 1950, 285));

    place(plainLabel(QStringLiteral("Option spécial"), client), QStringLiteral("lbloptionspécial"),
          twipsRect(14040, 4800, 1095, 255));
    auto* special =
        place(new QGroupBox(client), QStringLiteral("Frame1_4"), twipsRect(12720, 5040, 2415, 855));
    ditSuppressBox_ =
        addCheck(special, QStringLiteral("chkoptspecial"),
                 QStringLiteral("Supprimer le mot \"Dit : \" ."), twipsRect(45, 150, 2355, 285));
    ditColourBox_ =
        addCheck(special, QStringLiteral("chkcolordi"),
                 QStringLiteral("Changer la couleur du mot Dit"), twipsRect(45, 480, 2355, 285));
}

void MainWindow::buildOutputArea(QWidget* client) {
    place(plainLabel(QStringLiteral("Pseudo final"), client), QStringLiteral("Label2_1"),
          twipsRect(8040, 5880, 975, 255));

    sizeBox_ = addEditableCombo(new QComboBox(client), QStringLiteral("Combo3"),
                                twipsRect(8160, 6120, 1575, 315));
    sizeBox_->addItems(previewFontSizes());
    sizeBox_->setCurrentIndex(-1);
    sizeBox_->setEditText(kPreviewSizePrompt);
    sizeBox_->lineEdit()->setCursorPosition(0);
    // Only a choice in the drop-down picks an entry: Qt would also pick the
    // entry that matches the typed text on Enter (filtered out by the
    // window) or when the box is left.
    for (QComboBox* box : {prefixBox_, suffixBox_, sizeBox_}) {
        QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
        box->lineEdit()->installEventFilter(this);
    }
    sizeBox_->setToolTip(QStringLiteral(
        "Permet de modifier la taille de la police pour permetre l'aperçu complet de votre "
        "pseudo. Cela ne modifie en aucun cas la taille de votre pseudo sur Msn Messenger."));

    previewButton_ = addButton(client, QStringLiteral("Command2"), QStringLiteral("Aperçu."),
                               twipsRect(9840, 6240, 1695, 255));
    previewButton_->setToolTip(QStringLiteral("Créer l'aperçu de votre pseudo."));
    generateButton_ =
        addButton(client, QStringLiteral("Command1"), QStringLiteral("Générer le pseudo."),
                  twipsRect(11760, 6240, 1695, 255));
    generateButton_->setToolTip(
        QStringLiteral("Génére le code du pseudo. Il vous restera à le copier dans la fenêtre "
                       "propriété de Msn."));
    // A two-line caption, as the box is narrow and tall.
    autoCopyBox_ = new WrappingCheckBox(QStringLiteral("Activer la copie automatique"), client);
    place(autoCopyBox_, QStringLiteral("chkcopiauto"), twipsRect(13560, 6120, 1575, 375));
    autoCopyBox_->setToolTip(
        QStringLiteral("Active la fonction copier lorsque le pseudo est généré."));

    auto* previewFrame = place(new QGroupBox(QStringLiteral("Aperçu de votre pseudo."), client),
                               QStringLiteral("Frame1_0"), twipsRect(8160, 6480, 3375, 1575));
    previewLabel_ = place(new PreviewLabel(previewFrame), QStringLiteral("Label5"),
                          twipsRect(90, 270, 3195, 1215));
    previewLabel_->setAlignment(Qt::AlignCenter);
    previewLabel_->setWordWrap(true);
    previewLabel_->setAutoFillBackground(true);

    // Shorter than designed, to leave room for the code's length below it.
    outputBox_ = place(new QPlainTextEdit(client), QStringLiteral("Text2"),
                       twipsRect(11640, 6600, 3495, 1050));
    outputBox_->setTabChangesFocus(true);
    // Its warning takes a second line.
    codeLength_ = place(plainLabel(QString(), client), QStringLiteral("lbllongueur"),
                        twipsRect(11640, 7665, 3495, 465));
    codeLength_->setWordWrap(true);
    codeLength_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void MainWindow::buildInformation(QWidget* client) {
    place(plainLabel(QStringLiteral("Emoticone"), client), QStringLiteral("lblemoti"),
          twipsRect(14040, 600, 975, 255));
    emoticonPanel_ = new EmoticonPanel(client);
    emoticonPanel_->setGeometry(twipsRect(11520, 960, 3615, 2895));

    QLabel* note = place(
        plainLabel(QStringLiteral(
                       "Lorsque vous cliquez sur \"Générer mon pseudo\", le code du pseudo est "
                       "créé et donc prés à être copier. Si vous cochez la case de \"Activer la "
                       "copie automatique\", ceci copie votre pseudo dans le presse papier."),
                   client),
        QStringLiteral("Label4"), twipsRect(11520, 3840, 3495, 975));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* info = place(new QPlainTextEdit(client), QStringLiteral("Text4"),
                       twipsRect(12240, 8160, 2895, 1455));
    info->setReadOnly(true);
    info->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    info->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    useButtonFace(info);
    info->setPlainText(QStringList{QStringLiteral("Information importante sur Chromanick :"),
                                   QStringLiteral("Date : 2005 / 2006"),
                                   QStringLiteral("M'écrire : ") + appinfo::kContactEmail,
                                   QStringLiteral("Compatible uniquement avec Msn "),
                                   QStringLiteral("messenger "),
                                   QStringLiteral("Fonctionne avec MessengerPlus"),
                                   QStringLiteral("Salut bien à tout mes amis !!!")}
                           .join(QLatin1Char('\n')));

    auto* logo = new Picture(assets::logoPath(), QStringLiteral("Chromanick"), client);
    place(logo, QStringLiteral("Image1"), twipsRect(8280, 8160, 3855, 1320));
    logo->setCursor(Qt::PointingHandCursor);
    logo->setToolTip(QStringLiteral("Visiter le site de Chromanick."));
    siteImage_ = logo;
}

}  // namespace chromanick
