#include "ui/editor/mainwindow.h"
#include "core/palettes.h"
#include "dialects/registry.h"
#include "tests/support/captions.h"
#include "tests/support/exportfile.h"
#include "tests/support/keyboard.h"
#include "tests/support/relayout.h"
#include "tests/support/scriptedplatform.h"
#include "ui/editor/mainmodel.h"
#include "ui/editor/previewlabel.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace chromanick;
using chromanick::testing::exportLines;
using chromanick::testing::ScriptedPlatform;

namespace {

const QString kDot = QStringLiteral("·");

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : model(platform), window(model) {
        model.fillDecorationLists({}, {});
        window.show();
    }

    template <typename T>
    T* find(const QString& name) {
        T* widget = window.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QAction* action(const QString& name) { return find<QAction>(name); }
    QLineEdit* nicknameBox() { return find<QLineEdit>(QStringLiteral("Text1")); }
    QLabel* preview() { return find<QLabel>(QStringLiteral("Label5")); }

    // Clears the hint with a double click, as a user would, and types `text`.
    void typeNickname(const QString& text) {
        QTest::mouseDClick(nicknameBox(), Qt::LeftButton);
        QTest::keyClicks(nicknameBox(), text);
    }
    // As a click on the button's caption.
    void click(const QString& name) { find<QAbstractButton>(name)->click(); }

    ScriptedPlatform platform;
    MainEditorModel model;
    MainWindow window;
};

}  // namespace

TEST_F(MainWindowTest, ControlsSitWhereTheLayoutPutsThem) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Chromanick, par Tiwakan."));
    EXPECT_EQ(window.centralWidget()->size(), QSize(1018, 636));
    EXPECT_EQ(nicknameBox()->geometry(), QRect(224, 0, 545, 21));
    EXPECT_EQ(find<QWidget>(QStringLiteral("Frame1_1"))->geometry(), QRect(-8, 56, 769, 257));
    EXPECT_EQ(find<QWidget>(QStringLiteral("Frame1_2"))->geometry(), QRect(-8, 336, 537, 297));
    EXPECT_EQ(find<QWidget>(QStringLiteral("Frame5"))->geometry(), QRect(768, 64, 241, 193));
    EXPECT_EQ(find<QWidget>(QStringLiteral("Command1"))->geometry(), QRect(784, 416, 113, 17));
    // Text2 leaves room under it for the code's length.
    EXPECT_EQ(find<QWidget>(QStringLiteral("Text2"))->geometry(), QRect(776, 440, 233, 70));
    EXPECT_EQ(find<QWidget>(QStringLiteral("lbllongueur"))->geometry(), QRect(776, 511, 233, 31));
    // The screen has room for the whole window: no scrolling.
    EXPECT_EQ(window.centralWidget()->objectName(), QStringLiteral("client"));
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtversion"))->text(),
              QStringLiteral("Version : 6.0.0"));
    EXPECT_EQ(nicknameBox()->text(),
              QStringLiteral("Inscrit ici ton pseudo que tu désires mettre en couleur."));
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("Option9"))->isChecked());
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("Option20"))->isChecked());
    EXPECT_TRUE(find<QCheckBox>(QStringLiteral("chkcopiauto"))->isChecked());
    EXPECT_EQ(find<QComboBox>(QStringLiteral("Combo3"))->currentText(),
              QStringLiteral("Taille de l'aperçu"));
}

TEST_F(MainWindowTest, EveryPaletteOptionIsReadableInsideItsFrame) {
    for (const auto& [frameName, entries] :
         {std::pair{QStringLiteral("Frame1_1"), &ForegroundPalette()},
          std::pair{QStringLiteral("Frame1_2"), &BackgroundPalette()}}) {
        QWidget* frame = find<QWidget>(frameName);
        QList<QRect> places;
        for (const PaletteEntry& entry : *entries) {
            auto* option = frame->findChild<QRadioButton*>(entry.option);
            ASSERT_NE(option, nullptr) << entry.option.toStdString();
            EXPECT_EQ(option->text(), entry.caption);
            // Visible part of the frame: it starts 8 pixels left of the client edge.
            EXPECT_GE(option->x(), 8);
            EXPECT_TRUE(frame->rect().contains(option->geometry()));
            QStyleOptionButton style;
            style.initFrom(option);
            const int indicator =
                option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &style, option);
            EXPECT_LE(indicator + option->fontMetrics().horizontalAdvance(entry.caption),
                      option->width())
                << entry.option.toStdString();
            for (const QRect& other : places) EXPECT_FALSE(other.intersects(option->geometry()));
            places.append(option->geometry());
        }
    }
    // Caption in the text colour; backgrounds filled with theirs.
    auto* blue = find<QRadioButton>(QStringLiteral("Option2"));
    EXPECT_EQ(blue->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    auto* red = find<QRadioButton>(QStringLiteral("Option12"));
    EXPECT_EQ(red->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(red->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    auto* black = find<QRadioButton>(QStringLiteral("Option9"));
    EXPECT_EQ(black->palette().color(QPalette::WindowText),
              window.palette().color(QPalette::ButtonText));
}

// Captions, the size list's prompt and the information box read whole; the
// preview shows the model's font and is left out.
// Opened, a decoration list is wide enough for its widest entry, also for
// entries that arrived after it was first opened.
TEST_F(MainWindowTest, DecorationDropDownsShowTheirWidestEntryWhole) {
    const QString wide = QString(60, QLatin1Char('~')) + QStringLiteral("wide");
    for (const QString& name : {QStringLiteral("Combo1"), QStringLiteral("Combo2")}) {
        auto* box = find<QComboBox>(name);
        box->showPopup();
        box->hidePopup();
    }
    model.fillDecorationLists({wide}, {wide});
    for (const QString& name : {QStringLiteral("Combo1"), QStringLiteral("Combo2")}) {
        auto* box = find<QComboBox>(name);
        ASSERT_EQ(box->itemText(box->count() - 1), wide);
        box->showPopup();
        const QAbstractItemView* list = box->view();
        EXPECT_GE(list->viewport()->width(), QFontMetrics(list->font()).horizontalAdvance(wide))
            << name.toStdString();
        box->hidePopup();
    }
}

TEST_F(MainWindowTest, EveryCaptionReadsWhole) {
    EXPECT_TRUE(chromanick::testing::readsWhole(&window, {QStringLiteral("Label5")}));
}

TEST_F(MainWindowTest, TypingTheNicknameRefreshesThePreviewAsPlainText) {
    typeNickname(QStringLiteral("abc"));
    EXPECT_EQ(nicknameBox()->text(), QStringLiteral("abc"));
    EXPECT_EQ(preview()->text(), QStringLiteral("abc"));

    typeNickname(QStringLiteral("<b>x</b>"));
    EXPECT_EQ(preview()->text(), QStringLiteral("<b>x</b>"));
    EXPECT_EQ(preview()->textFormat(), Qt::PlainText);
}

TEST_F(MainWindowTest, LookAlikeLettersRewriteTheBoxAndKeepTheCaretAfterTheTypedLetter) {
    typeNickname(QStringLiteral("Mon"));
    click(QStringLiteral("chkcaracspe"));
    EXPECT_EQ(nicknameBox()->text(), QStringLiteral("|\\/|øñ"));
    nicknameBox()->setCursorPosition(1);
    QTest::keyClicks(nicknameBox(), QStringLiteral("a"));
    EXPECT_EQ(nicknameBox()->text(), QStringLiteral("|å\\/|øñ"));
    EXPECT_EQ(nicknameBox()->cursorPosition(), 2);
    EXPECT_EQ(preview()->text(), nicknameBox()->text());
    EXPECT_EQ(model.nickname(), nicknameBox()->text());
    // The plain letter never reaches the box's history: undo cannot bring it back.
    QTest::keyClick(nicknameBox(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(nicknameBox()->text(), QStringLiteral("|å\\/|øñ"));
    nicknameBox()->end(false);
    QTest::keyClick(nicknameBox(), Qt::Key_Backspace);
    EXPECT_EQ(model.nickname(), QStringLiteral("|å\\/|ø"));
    EXPECT_EQ(find<QCheckBox>(QStringLiteral("chkcaracspe"))->text(),
              QStringLiteral("Ðé§å¢tív€r l€§ ¢årå¢tèr€§ §Þé¢íåµ¤"));
    // Typing on in the middle, each letter lands where the caret was.
    nicknameBox()->setCursorPosition(2);
    QTest::keyClicks(nicknameBox(), QStringLiteral("bM"));
    EXPECT_EQ(nicknameBox()->text(), QStringLiteral("|åþ|\\/|\\/|ø"));
    EXPECT_EQ(nicknameBox()->cursorPosition(), 7);
    EXPECT_EQ(model.nickname(), nicknameBox()->text());
}

TEST_F(MainWindowTest, BlueBoldGenerateFillsTheOutputAndTheClipboard) {
    typeNickname(QStringLiteral("abc"));
    click(QStringLiteral("Option2"));
    click(QStringLiteral("Check1"));
    EXPECT_EQ(preview()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(preview()->font().bold());

    click(QStringLiteral("Command1"));
    const QString expected = kDot + "#" + kDot + "$12abc" + kDot + "0";
    EXPECT_EQ(find<QPlainTextEdit>(QStringLiteral("Text2"))->toPlainText(), expected);
    EXPECT_EQ(platform.clipboard.value_or(QString()), expected);
}

TEST_F(MainWindowTest, ALongCodeGivesWayToTheNextWithoutBeingLaidOutAgain) {
    auto* output = find<QPlainTextEdit>(QStringLiteral("Text2"));
    model.setNickname(QString(20'000, QLatin1Char('a')));
    click(QStringLiteral("Command1"));
    QApplication::processEvents();
    ASSERT_GT(output->toPlainText().size(), 20'000);
    model.setNickname(QStringLiteral("abc"));
    {
        const chromanick::testing::LayoutWatch watch(output);
        click(QStringLiteral("Command1"));
        QApplication::processEvents();
        EXPECT_LE(watch.longestLaidOut(), output->toPlainText().size() + 1);
    }
    EXPECT_EQ(output->toPlainText(), kDot + "$1abc" + kDot + "0");
    EXPECT_FALSE(output->document()->isUndoAvailable());
    EXPECT_FALSE(output->textCursor().hasSelection());
}

TEST_F(MainWindowTest, PreviewShowsSizeStylesAndColoursOfTheModel) {
    typeNickname(QStringLiteral("Bob"));
    auto* sizes = find<QComboBox>(QStringLiteral("Combo3"));
    const int index = sizes->findText(QStringLiteral("24"));
    ASSERT_GE(index, 0);
    emit sizes->activated(index);
    click(QStringLiteral("chkbarre"));
    click(QStringLiteral("Option12"));
    const QFont font = preview()->font();
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 24.0);
    EXPECT_TRUE(font.strikeOut());
    EXPECT_EQ(preview()->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(preview()->alignment(), Qt::AlignCenter);
}

TEST_F(MainWindowTest, NouveauResetsTheControls) {
    typeNickname(QStringLiteral("Bob"));
    click(QStringLiteral("Option2"));
    click(QStringLiteral("Check3"));
    click(QStringLiteral("chkbarre"));
    click(QStringLiteral("chkcaracspe"));
    click(QStringLiteral("Command1"));
    action(QStringLiteral("nouveau"))->trigger();

    EXPECT_TRUE(nicknameBox()->text().isEmpty());
    EXPECT_TRUE(find<QPlainTextEdit>(QStringLiteral("Text2"))->toPlainText().isEmpty());
    EXPECT_TRUE(preview()->text().isEmpty());
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("Option9"))->isChecked());
    for (const char* name : {"Check1", "Check2", "Check3", "chkbarre", "chkcaracspe", "chkcopiauto",
                             "chkoptspecial", "chkcolordi"}) {
        EXPECT_FALSE(find<QCheckBox>(QLatin1String(name))->isChecked()) << name;
    }
    EXPECT_EQ(find<QCheckBox>(QStringLiteral("chkcaracspe"))->text(),
              QStringLiteral("Activer les caractères spéciaux"));
}

TEST_F(MainWindowTest, EmoticonReplacesTheSelectedText) {
    typeNickname(QStringLiteral("Bob"));
    nicknameBox()->setSelection(1, 2);
    QTest::mouseClick(find<QWidget>(QStringLiteral("Image20")), Qt::LeftButton);
    EXPECT_EQ(nicknameBox()->text(), QStringLiteral("B(sn)"));
    EXPECT_EQ(nicknameBox()->cursorPosition(), 5);
    EXPECT_EQ(preview()->text(), QStringLiteral("B(sn)"));
    EXPECT_EQ(find<QWidget>(QStringLiteral("Image20"))->toolTip(), QStringLiteral("Escargot"));
}

TEST_F(MainWindowTest, EquilibrerSelectsTheMatchingSuffix) {
    typeNickname(QStringLiteral("Bob"));
    auto* prefixes = find<QComboBox>(QStringLiteral("Combo1"));
    auto* suffixes = find<QComboBox>(QStringLiteral("Combo2"));
    ASSERT_EQ(prefixes->count(), 56);
    prefixes->setCurrentIndex(1);
    emit prefixes->activated(1);
    click(QStringLiteral("cmdequilibre2"));
    EXPECT_EQ(suffixes->currentIndex(), 1);
    EXPECT_EQ(preview()->text(), prefixes->currentText() + "Bob" + suffixes->currentText());
    EXPECT_TRUE(suffixes->currentText().endsWith(QStringLiteral("¯)")));
}

TEST_F(MainWindowTest, EmoticonMenuHidesAndShowsThePanel) {
    QAction* toggle = action(QStringLiteral("activemoti"));
    auto* panel = find<QWidget>(QStringLiteral("Frame5"));
    EXPECT_TRUE(toggle->isChecked());
    toggle->trigger();
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_FALSE(panel->isVisible());
    toggle->trigger();
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(panel->isVisible());
}

TEST_F(MainWindowTest, TheAboutEntryOnlyAsksTheProgramForItsAboutWindow) {
    QSignalSpy asked(&window, &MainWindow::aboutRequested);
    action(QStringLiteral("apropos"))->trigger();
    EXPECT_EQ(asked.count(), 1);
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_NE(top->objectName(), QStringLiteral("Form2"));
}

// The web and help entries leave the desktop to the program: the window
// itself shows nothing and opens nothing.
TEST_F(MainWindowTest, WebAndHelpEntriesAreRequestsToTheProgram) {
    QSignalSpy site(&window, &MainWindow::siteRequested);
    QSignalSpy version(&window, &MainWindow::newVersionRequested);
    QSignalSpy help(&window, &MainWindow::helpRequested);
    QSignalSpy visit(&window, &MainWindow::siteVisitRequested);
    action(QStringLiteral("chromanick"))->trigger();
    action(QStringLiteral("newversion"))->trigger();
    action(QStringLiteral("aide2"))->trigger();
    QTest::mouseClick(find<QWidget>(QStringLiteral("Image1")), Qt::LeftButton);
    EXPECT_EQ(site.count(), 1);
    EXPECT_EQ(version.count(), 1);
    EXPECT_EQ(help.count(), 1);
    EXPECT_EQ(visit.count(), 1);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.openedUrls.isEmpty());
}

TEST_F(MainWindowTest, ClosingFollowsTheModelsAnswer) {
    QSignalSpy ended(&window, &MainWindow::programEndRequested);
    platform.answers = {MessageAnswer::Cancel};
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(ended.count(), 0);

    platform.answers = {MessageAnswer::No};
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(MainWindowTest, TheButtonAndTheMenuBothAskForTheGradientEditor) {
    QSignalSpy switched(&window, &MainWindow::switchToGradientRequested);
    click(QStringLiteral("Command3"));
    typeNickname(QStringLiteral("Bob"));
    action(QStringLiteral("mnubascul"))->trigger();
    EXPECT_EQ(switched.count(), 2);
    EXPECT_EQ(model.nickname(), QStringLiteral("Bob"));
}

TEST_F(MainWindowTest, PastedLineBreaksBecomeSpacesInTheNicknameAndTheDecorations) {
    typeNickname(QStringLiteral("[]"));
    nicknameBox()->setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("line1\r\nline2\nline3\r"));
    nicknameBox()->paste();
    EXPECT_EQ(model.nickname(), QStringLiteral("[line1 line2 line3 ]"));
    EXPECT_EQ(nicknameBox()->text(), model.nickname());
    EXPECT_EQ(nicknameBox()->cursorPosition(), 19);  // behind the pasted text
    click(QStringLiteral("Command1"));
    EXPECT_FALSE(model.output().contains(QLatin1Char('\n')));

    auto* prefix = find<QComboBox>(QStringLiteral("Combo1"));
    prefix->lineEdit()->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("<\n<"));
    prefix->lineEdit()->paste();
    EXPECT_EQ(model.prefixes().text(), QStringLiteral("< <"));
    EXPECT_EQ(prefix->currentText(), QStringLiteral("< <"));
}

// --- Keyboard and typed text ---

// What the user makes of the code in Text2 is what the export writes, from
// the menu and from "Quitter" alike.
TEST_F(MainWindowTest, EditsInTheOutputBoxAreWhatTheExportWrites) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    typeNickname(QStringLiteral("abc"));
    click(QStringLiteral("Command1"));
    auto* output = find<QPlainTextEdit>(QStringLiteral("Text2"));
    const QString generated = output->toPlainText();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    output->setFocus();
    output->moveCursor(QTextCursor::End);
    QTest::keyClicks(output, QStringLiteral(" EDITED"));
    ASSERT_EQ(output->toPlainText(), generated + QStringLiteral(" EDITED"));
    EXPECT_EQ(model.output(), output->toPlainText());
    // The model's answer leaves the caret where the typing put it.
    EXPECT_EQ(output->textCursor().position(), output->toPlainText().size());

    const QString menuPath = dir.filePath(QStringLiteral("menu.txt"));
    platform.paths.push_back(menuPath);
    action(QStringLiteral("mnusave"))->trigger();
    const QString quitPath = dir.filePath(QStringLiteral("quit.txt"));
    platform.answers.push_back(MessageAnswer::Yes);
    platform.paths.push_back(quitPath);
    action(QStringLiteral("quitter"))->trigger();
    for (const QString& path : {menuPath, quitPath}) {
        EXPECT_EQ(exportLines(path).value(4), generated + QStringLiteral(" EDITED"))
            << path.toStdString();
    }

    // A new generation replaces the edit again.
    click(QStringLiteral("Command1"));
    EXPECT_EQ(output->toPlainText(), generated);
}

TEST_F(MainWindowTest, TabInTheOutputBoxMovesTheFocusOn) {
    click(QStringLiteral("Command1"));
    chromanick::testing::expectTabMovesOn(window, find<QPlainTextEdit>(QStringLiteral("Text2")));
    EXPECT_FALSE(model.output().contains(QLatin1Char('\t')));
}

// A typed decoration is used as typed: no completion into a list entry, and
// Enter neither picks an entry nor refreshes the preview.
TEST_F(MainWindowTest, TypedDecorationsStayAsTypedAndEnterPicksNothing) {
    typeNickname(QStringLiteral("Bob"));
    const QString shown = preview()->text();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const QString& name : {QStringLiteral("Combo1"), QStringLiteral("Combo2")}) {
        auto* box = find<QComboBox>(name);
        const DecorationList& list =
            name == QStringLiteral("Combo1") ? model.prefixes() : model.suffixes();
        QLineEdit* edit = box->lineEdit();
        for (const QString& typed : {QStringLiteral("*"), QStringLiteral("(")}) {
            edit->setFocus();
            ASSERT_TRUE(edit->hasFocus());
            edit->clear();
            QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_Return);
            nicknameBox()->setFocus();  // leaving the box
            EXPECT_EQ(box->currentText(), typed) << name.toStdString();
            EXPECT_EQ(list.text(), typed) << name.toStdString();
            EXPECT_EQ(list.currentIndex(), -1) << name.toStdString();
            EXPECT_EQ(preview()->text(), shown) << name.toStdString();
        }
        // A typed text equal to an entry is not taken as a pick either.
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, box->itemText(3));
        QTest::keyClick(edit, Qt::Key_Enter);
        EXPECT_EQ(list.currentIndex(), -1) << name.toStdString();
        EXPECT_EQ(preview()->text(), shown) << name.toStdString();
    }
    EXPECT_EQ(model.prefixes().text(), model.prefixes().entries().value(3));
    model.refreshPreview();
    EXPECT_TRUE(preview()->text().startsWith(model.prefixes().entries().value(3)));
}

TEST_F(MainWindowTest, ATypedSizeAndEnterLeaveThePreviewSize) {
    typeNickname(QStringLiteral("Bob"));
    const qreal size = preview()->font().pointSizeF();
    auto* sizes = find<QComboBox>(QStringLiteral("Combo3"));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    sizes->lineEdit()->setFocus();
    sizes->lineEdit()->selectAll();
    QTest::keyClicks(sizes->lineEdit(), QStringLiteral("24"));
    QTest::keyClick(sizes->lineEdit(), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(preview()->font().pointSizeF(), size);
    EXPECT_DOUBLE_EQ(model.preview().fontSize, size);
}

// Each menu and command has an access key; the captions read as before.
TEST_F(MainWindowTest, MenusCarryAccessKeysWithoutChangingTheirCaptions) {
    const QMap<QString, QString> captions = {
        {QStringLiteral("fichier"), QStringLiteral("Fichier")},
        {QStringLiteral("plus"), QStringLiteral("Plus")},
        {QStringLiteral("aide"), QStringLiteral("?")},
        {QStringLiteral("nouveau"), QStringLiteral("Nouveau")},
        {QStringLiteral("openprojet"), QStringLiteral("Ouvrir un projet")},
        {QStringLiteral("mnucaptionenregistrer"), QStringLiteral("Enregistrer")},
        {QStringLiteral("saveprojet"), QStringLiteral("Enregistrer un projet (.nkp)")},
        {QStringLiteral("mnusave"), QStringLiteral("Enregistrer (.txt)")},
        {QStringLiteral("newversion"), QStringLiteral("Vérifier nouvelle version.")},
        {QStringLiteral("quitter"), QStringLiteral("Quitter")},
        {QStringLiteral("activemoti"), QStringLiteral("Activer la fonction émoticone.")},
        {QStringLiteral("mnubascul"), QStringLiteral("Basculer Vers Chromanick Dégradée")},
        {QStringLiteral("chromanick"), QStringLiteral("Se rendre sur Chromanick ?")},
        {QStringLiteral("aide2"), QStringLiteral("Aide")},
        {QStringLiteral("apropos"), QStringLiteral("A propos de ...")},
    };
    for (auto it = captions.begin(); it != captions.end(); ++it) {
        QAction* item = action(it.key());
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(QString(item->text()).remove(QLatin1Char('&')), it.value());
        EXPECT_FALSE(QKeySequence::mnemonic(item->text()).isEmpty()) << it.key().toStdString();
    }
    // Alt+F opens "Fichier".
    auto* file = window.findChild<QMenu*>(QStringLiteral("fichier"));
    ASSERT_NE(file, nullptr);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
    QCoreApplication::processEvents();
    EXPECT_TRUE(file->isVisible());
    file->hide();
}

// The emoticons are one stop of the Tab order: the arrow keys move inside
// the grid, and Space or Enter insert at Text1's caret as a click does.
TEST_F(MainWindowTest, EmoticonsAreChosenFromTheKeyboard) {
    typeNickname(QStringLiteral("Bob"));
    nicknameBox()->setCursorPosition(1);
    auto* panel = find<QWidget>(QStringLiteral("Frame5"));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // Tab reaches the grid once, and the next Tab leaves it.
    QWidget* before = panel->previousInFocusChain();
    while (!(before->focusPolicy() & Qt::TabFocus) || !before->isVisible())
        before = before->previousInFocusChain();
    before->setFocus(Qt::TabFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(panel->hasFocus());
    QTest::keyClick(panel, Qt::Key_Tab);
    EXPECT_FALSE(panel->isAncestorOf(QApplication::focusWidget()));
    EXPECT_NE(QApplication::focusWidget(), panel);
    int focusable = 0;
    for (const QWidget* picture : panel->findChildren<QWidget*>())
        if (picture->focusPolicy() != Qt::NoFocus) ++focusable;
    EXPECT_EQ(focusable, 0);

    // Image20 is the 19th picture: second row, ninth column.
    panel->setFocus(Qt::TabFocusReason);
    // The keys stop at the grid's edges.
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down, Qt::Key_End,
                        Qt::Key_Down, Qt::Key_Right, Qt::Key_Home, Qt::Key_Down})
        QTest::keyClick(panel, key);
    for (int i = 0; i < 9; ++i) QTest::keyClick(panel, Qt::Key_Right);
    QTest::keyClick(panel, Qt::Key_Left);
    QTest::keyClick(panel, Qt::Key_Space);
    EXPECT_EQ(nicknameBox()->text(), QStringLiteral("B(sn)ob"));

    panel->setFocus(Qt::TabFocusReason);
    nicknameBox()->setCursorPosition(0);
    QTest::keyClick(panel, Qt::Key_Return);
    EXPECT_EQ(nicknameBox()->text(), QStringLiteral("(sn)B(sn)ob"));
    EXPECT_EQ(preview()->text(), nicknameBox()->text());
}

// The emoticon the keyboard is on is framed, in the highlight colour, while
// the grid has the focus.
TEST_F(MainWindowTest, TheFocusedEmoticonIsFramed) {
    auto* panel = find<QWidget>(QStringLiteral("Frame5"));
    auto* snail = find<QWidget>(QStringLiteral("Image20"));
    const QColor highlight = panel->palette().color(QPalette::Highlight);
    const auto frameAround = [&](const QWidget* picture) {
        const QImage image = panel->grab().toImage();
        const QRect r = picture->geometry();
        int framed = 0;
        for (const QPoint& p :
             {r.topLeft() - QPoint(1, 1), r.bottomRight() + QPoint(1, 1),
              QPoint(r.center().x(), r.top() - 2), QPoint(r.left() - 2, r.center().y())})
            if (image.pixelColor(p) == highlight) ++framed;
        return framed;
    };
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(frameAround(snail), 0);
    panel->setFocus(Qt::TabFocusReason);
    QTest::keyClick(panel, Qt::Key_End);
    for (int i = 0; i < 48; ++i) QTest::keyClick(panel, Qt::Key_Left);
    EXPECT_EQ(frameAround(snail), 4);
    EXPECT_EQ(frameAround(find<QWidget>(QStringLiteral("Image2"))), 0);
    nicknameBox()->setFocus();
    EXPECT_EQ(frameAround(snail), 0);
}

TEST_F(MainWindowTest, EnterInTheNicknameGenerates) {
    typeNickname(QStringLiteral("abc"));
    click(QStringLiteral("Option2"));
    QTest::keyClick(nicknameBox(), Qt::Key_Return);
    const QString expected = kDot + "$12abc" + kDot + "0";
    EXPECT_EQ(find<QPlainTextEdit>(QStringLiteral("Text2"))->toPlainText(), expected);
    EXPECT_EQ(platform.clipboard.value_or(QString()), expected);
}

// The code's length under Text2 follows the box, generated or typed; past
// what a Messenger name keeps the label warns in red, as plain text.
TEST_F(MainWindowTest, TheCodesLengthIsShownUnderTheOutputBox) {
    auto* length = find<QLabel>(QStringLiteral("lbllongueur"));
    auto* output = find<QPlainTextEdit>(QStringLiteral("Text2"));
    const QColor normal = window.palette().color(QPalette::WindowText);
    EXPECT_EQ(length->textFormat(), Qt::PlainText);
    EXPECT_EQ(length->text(), QStringLiteral("Longueur du code : 0 caractère"));
    EXPECT_GT(length->y(), output->geometry().bottom());

    typeNickname(QStringLiteral("abc"));
    click(QStringLiteral("Command1"));
    EXPECT_EQ(length->text(), QStringLiteral("Longueur du code : 8 caractères"));
    EXPECT_EQ(length->palette().color(QPalette::WindowText), normal);

    // One character more than a Messenger name keeps.
    output->setPlainText(QString(130, QLatin1Char('x')));
    EXPECT_EQ(
        length->text(),
        QStringLiteral("Longueur du code : 130 caractères (un pseudo Messenger en garde 129)"));
    EXPECT_EQ(length->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(chromanick::testing::readsWhole(&window, {QStringLiteral("Label5")}));
    output->setPlainText(QString(129, QLatin1Char('x')));
    EXPECT_EQ(length->text(), QStringLiteral("Longueur du code : 129 caractères"));
    EXPECT_EQ(length->palette().color(QPalette::WindowText), normal);
}

TEST_F(MainWindowTest, CustomColourEntriesTellHowToPickTheirColour) {
    for (const QString& name : {kCustomForegroundOption, kCustomBackgroundOption}) {
        auto* option = find<QRadioButton>(name);
        EXPECT_EQ(option->text(), QStringLiteral("Couleur perso"));
        EXPECT_EQ(option->toolTip(), QStringLiteral("Double-cliquez pour choisir une couleur"));
    }
}

// At size 24 the decorated nickname is one word wider than the preview: it
// is drawn smaller, whole, its first "(" included.
TEST_F(MainWindowTest, ThePreviewShrinksATextThatDoesNotFit) {
    typeNickname(QStringLiteral("(¯`·._.·[abc]·._.·´¯)"));
    auto* sizes = find<QComboBox>(QStringLiteral("Combo3"));
    emit sizes->activated(sizes->findText(QStringLiteral("24")));
    auto* label = static_cast<PreviewLabel*>(preview());
    EXPECT_EQ(label->font().pointSizeF(), 24);
    EXPECT_LT(label->drawnFont().pointSizeF(), 24);
    const QRect laidOut =
        QFontMetrics(label->drawnFont())
            .boundingRect(label->contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, label->text());
    EXPECT_TRUE(label->contentsRect().contains(laidOut));
}

// "Plus" → "Copier pour": an entry per format of the table, its label shown
// as written; an entry copies the output box as typed, written in it.
TEST_F(MainWindowTest, CopierPourCopiesTheOutputBoxForEachFormat) {
    auto* copyFor = find<QMenu>(QStringLiteral("mnucopierpour"));
    ASSERT_NE(copyFor, nullptr);
    EXPECT_TRUE(find<QMenu>(QStringLiteral("plus"))->actions().contains(copyFor->menuAction()));
    const QList<const Dialect*> formats = writtenDialects();
    ASSERT_EQ(copyFor->actions().size(), formats.size());
    for (qsizetype i = 0; i < formats.size(); ++i) {
        QAction* entry = copyFor->actions()[i];
        EXPECT_EQ(entry->objectName(), QStringLiteral("mnucopierpour") + formats[i]->id);
        EXPECT_EQ(entry->iconText(), formats[i]->label);
    }
    auto* output = find<QPlainTextEdit>(QStringLiteral("Text2"));
    output->setFocus();
    QTest::keyClicks(output, kDot + QStringLiteral("#ab"));
    action(QStringLiteral("mnucopierpourpluslive"))->trigger();
    EXPECT_EQ(platform.clipboard, QStringLiteral("[b]ab[/b]"));
    action(QStringLiteral("mnucopierpourhtml"))->trigger();
    EXPECT_TRUE(platform.clipboardHtml.has_value());
}
