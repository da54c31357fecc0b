// The gradient window's widgets, found by name and driven as a user would.
#include "ui/gradient/gradientwindow.h"
#include "dialects/registry.h"
#include "gradient/gradient.h"
#include "tests/support/captions.h"
#include "tests/support/keyboard.h"
#include "tests/support/relayout.h"
#include "tests/support/scriptedplatform.h"
#include "ui/gradient/gradientmodel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace chromanick;
using chromanick::testing::readsWhole;
using chromanick::testing::ScriptedPlatform;

namespace {

class GradientWindowTest : public ::testing::Test {
protected:
    GradientWindowTest() { window.show(); }

    template <typename T>
    T* find(const QString& name) {
        T* widget = window.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QLabel* segment(int row, int slot) {
        return find<QLabel>(QStringLiteral("lbl%1_%2").arg(slot + 1).arg(row));
    }
    QString rowText(int row) {
        QString text;
        for (int slot = 0; slot < 5; ++slot) text += segment(row, slot)->text();
        return text;
    }
    // Each label starts where the one before ends.
    void expectRowLaidOut(int row) {
        for (int slot = 1; slot < 5; ++slot)
            EXPECT_EQ(segment(row, slot)->x(), segment(row, slot - 1)->geometry().right() + 1)
                << "row " << row << " slot " << slot;
    }
    void type(const QString& text) {
        auto* edit = find<QLineEdit>(QStringLiteral("Text1"));
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
    void clickMenu(const QString& name) { find<QAction>(name)->trigger(); }

    ScriptedPlatform platform;
    GradientEditorModel model{platform};
    GradientWindow window{model};
};

}  // namespace

TEST_F(GradientWindowTest, ALongCodeGivesWayToTheNextWithoutBeingLaidOutAgain) {
    auto* output = find<QPlainTextEdit>(QStringLiteral("Text2"));
    auto* generate = find<QPushButton>(QStringLiteral("cmdgenerer"));
    model.setNickname(QString(20'000, QLatin1Char('a')));
    generate->click();
    QApplication::processEvents();
    ASSERT_GT(output->toPlainText().size(), 20'000);
    model.setNickname(QStringLiteral("abc"));
    {
        const chromanick::testing::LayoutWatch watch(output);
        generate->click();
        QApplication::processEvents();
        EXPECT_LE(watch.longestLaidOut(), output->toPlainText().size() + 1);
    }
    EXPECT_EQ(output->toPlainText(), model.output());
    EXPECT_LT(output->toPlainText().size(), 100);
    EXPECT_FALSE(output->document()->isUndoAvailable());
}

TEST_F(GradientWindowTest, ShowsItsControlsInTheirStartState) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Chromanick Dégradé !"));
    EXPECT_EQ(window.centralWidget()->size(), QSize(829, 643));
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblversion"))->text(),
              QStringLiteral("Version : 1.0.0"));
    // The limit of 50 counts characters as a reader sees them (the box's own
    // length limit would count UTF-16 units): the validator holds it.
    EXPECT_NE(find<QLineEdit>(QStringLiteral("Text1"))->validator(), nullptr);
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("Text1"))->geometry(), QRect(256, 0, 289, 19));
    EXPECT_EQ(find<QGroupBox>(QStringLiteral("Frame2"))->geometry(), QRect(0, 80, 825, 481));
    EXPECT_EQ(find<QPushButton>(QStringLiteral("cmdcolorperso2"))->text(),
              QStringLiteral("Couleurn° 2"));
    EXPECT_EQ(find<QPushButton>(QStringLiteral("cmdcolorperso5"))->geometry(),
              QRect(544, 456, 65, 17));
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("cmdselectcolorap"))->isEnabled());
    EXPECT_TRUE(find<QCheckBox>(QStringLiteral("chkcopiauto"))->isChecked());
    EXPECT_FALSE(find<QCheckBox>(QStringLiteral("chkcolorap"))->isChecked());
    EXPECT_TRUE(find<QPushButton>(QStringLiteral("cmdgenerer"))->isDefault());
    EXPECT_TRUE(find<QCheckBox>(QStringLiteral("chkgras"))->font().bold());
    EXPECT_TRUE(find<QCheckBox>(QStringLiteral("chkbarre"))->font().strikeOut());
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label5_0"))->text(),
              QStringLiteral("Dégradé de bleu :"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label5_1"))->text(),
              QStringLiteral("Dégradé de rouge :"));
    EXPECT_EQ(find<QPlainTextEdit>(QStringLiteral("Text2"))->toPlainText(),
              GradientEditorModel::creditNote());

    for (int row = 0; row < kGradientRowCount; ++row) {
        auto* option = find<QRadioButton>(QStringLiteral("opt_%1").arg(row));
        EXPECT_EQ(option->isChecked(), row == 0);
        EXPECT_TRUE(option->text().isEmpty());
        for (int slot = 0; slot < 5; ++slot) ASSERT_NE(segment(row, slot), nullptr);
    }
    // Captions as shown, without the access-key marks.
    auto caption = [this](const char* name) {
        return find<QAction>(QLatin1String(name))->text().remove(QLatin1Char('&'));
    };
    EXPECT_EQ(caption("mnubascul"), QStringLiteral("Basculer à Chromanick"));
    EXPECT_EQ(caption("mnuapropos"), QStringLiteral("A propos ..."));
}

TEST_F(GradientWindowTest, TypingPreviewsEveryRowAsTheWholeNickname) {
    type(QStringLiteral("<b>Tiwakan</b>"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Nombre de caractère dans votre pseudo :14 (Limité à 50 caractères)"));
    for (int row : {0, 11, 17, 35, 36}) {
        EXPECT_EQ(rowText(row), QStringLiteral("<b>Tiwakan</b>"));
        expectRowLaidOut(row);
    }
    EXPECT_EQ(segment(0, 0)->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
    EXPECT_EQ(segment(6, 1)->palette().color(QPalette::WindowText), QColor(0xC0, 0xC0, 0xFF));
}

TEST_F(GradientWindowTest, MarkupInTheNicknameIsShownAsItsCharacters) {
    type(QStringLiteral("<b>x</b>"));
    for (int row = 0; row < kGradientRowCount; ++row) {
        EXPECT_EQ(rowText(row), QStringLiteral("<b>x</b>"));
        for (int slot = 0; slot < 5; ++slot)
            EXPECT_EQ(segment(row, slot)->textFormat(), Qt::PlainText);
    }
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("Text1"))->text(), QStringLiteral("<b>x</b>"));
}

TEST_F(GradientWindowTest, TypingStopsAtFiftyCharacters) {
    type(QString(60, QLatin1Char('x')));
    EXPECT_EQ(model.nickname().size(), 50);
}

// Fifty emoji fit, as fifty letters do; the box would stop at 25 if it
// counted UTF-16 units.
TEST_F(GradientWindowTest, TypingStopsAtFiftyCharactersAsAReaderSeesThem) {
    const QString smile = QStringLiteral("\U0001F600");
    auto* edit = find<QLineEdit>(QStringLiteral("Text1"));
    edit->clear();
    for (int i = 0; i < 52; ++i) edit->insert(smile);
    EXPECT_EQ(model.nickname(), smile.repeated(50));
    EXPECT_EQ(edit->text(), smile.repeated(50));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Nombre de caractère dans votre pseudo :50 (Limité à 50 caractères)"));
    model.generate();
    EXPECT_FALSE(model.output().contains(QChar::ReplacementCharacter));
    EXPECT_TRUE(model.output().contains(smile.repeated(10)));
}

TEST_F(GradientWindowTest, ALongerHandedOverNicknameIsShownWhole) {
    const QString text = QString(60, QLatin1Char('y'));
    model.setNickname(text);
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("Text1"))->text(), text);
    // The rows show it whole, or cut with an ellipsis where their column ends.
    for (int row : {0, 20}) {
        const QString shown = rowText(row);
        EXPECT_TRUE(shown == text ||
                    (shown.endsWith(QChar(0x2026)) && text.startsWith(shown.chopped(1))))
            << row;
    }
}

// A row far too narrow for the nickname shows the same beginning whatever
// follows it: a nickname of twenty thousand characters is cut as its first
// six hundred are, in every column, with emoji (two units each), accents and
// bold and italic letters.
TEST_F(GradientWindowTest, AHugeNicknameIsCutAsItsBeginningIs) {
    const QString pattern = QStringLiteral("Wé😀ñ iÏ€~") + QString(QChar(0x0301));
    const QString huge = pattern.repeated(20000 / pattern.size());
    for (bool styled : {false, true}) {
        if (styled) {
            find<QCheckBox>(QStringLiteral("chkgras"))->click();
            find<QCheckBox>(QStringLiteral("chkita"))->click();
        }
        model.setNickname(huge.left(600));
        QStringList expected;
        for (int row = 0; row < kGradientRowCount; ++row) expected.append(rowText(row));
        model.setNickname(huge);
        for (int row = 0; row < kGradientRowCount; ++row) {
            EXPECT_EQ(rowText(row), expected.at(row)) << "row " << row << " styled " << styled;
            EXPECT_TRUE(rowText(row).endsWith(QChar(0x2026))) << row;
            expectRowLaidOut(row);
        }
    }
}

TEST_F(GradientWindowTest, BoldAndItalicWidenTheLabelsAndTheRowsStayJoined) {
    type(QStringLiteral("WWWWWWWWWW"));
    const int plainWidth = segment(0, 0)->width();
    find<QCheckBox>(QStringLiteral("chkgras"))->click();
    find<QCheckBox>(QStringLiteral("chkita"))->click();
    EXPECT_TRUE(segment(0, 0)->font().bold());
    EXPECT_TRUE(segment(0, 0)->font().italic());
    EXPECT_GE(segment(0, 0)->width(), plainWidth);
    expectRowLaidOut(0);
    expectRowLaidOut(36);
}

TEST_F(GradientWindowTest, SchemeButtonsSelectWithoutRegenerating) {
    type(QStringLiteral("abc"));
    find<QRadioButton>(QStringLiteral("opt_24"))->click();
    EXPECT_EQ(model.presetRow(), 24);
    EXPECT_EQ(find<QPlainTextEdit>(QStringLiteral("Text2"))->toPlainText(),
              GradientEditorModel::creditNote());
    find<QPushButton>(QStringLiteral("cmdgenerer"))->click();
    EXPECT_EQ(find<QPlainTextEdit>(QStringLiteral("Text2"))->toPlainText(),
              QStringLiteral("·$47a·$29b·$13c·$38·$20·0"));
}

TEST_F(GradientWindowTest, EnterGeneratesFromTheNicknameBox) {
    type(QStringLiteral("abcde"));
    QTest::keyClick(find<QLineEdit>(QStringLiteral("Text1")), Qt::Key_Return);
    EXPECT_EQ(model.output(), QStringLiteral("·$55a·$46b·$37c·$19d·$18e·0"));
    EXPECT_EQ(platform.clipboard, model.output());
}

TEST_F(GradientWindowTest, BackgroundBoxEnablesItsButtonAndPaintsThePreview) {
    find<QCheckBox>(QStringLiteral("chkcolorap"))->click();
    auto* select = find<QPushButton>(QStringLiteral("cmdselectcolorap"));
    EXPECT_TRUE(select->isEnabled());
    platform.colours.push_back(BgrColor(0x0000FF));
    select->click();
    EXPECT_EQ(segment(3, 2)->palette().color(QPalette::Window), QColor(255, 0, 0));
    auto* box = find<QCheckBox>(QStringLiteral("chkcolorap"));
    EXPECT_TRUE(box->autoFillBackground());
    EXPECT_EQ(box->palette().color(box->backgroundRole()), QColor(255, 0, 0));

    box->click();
    EXPECT_FALSE(select->isEnabled());
    EXPECT_FALSE(box->autoFillBackground());
    EXPECT_EQ(segment(3, 2)->palette().color(QPalette::Window),
              window.palette().color(QPalette::Button));
}

TEST_F(GradientWindowTest, CustomColourButtonsColourTheCustomRow) {
    platform.colours.push_back(BgrColor(0x00FF00));
    find<QPushButton>(QStringLiteral("cmdcolorperso3"))->click();
    EXPECT_EQ(platform.colourRequests.last().dialog, QStringLiteral("cmdialcouleurperso3"));
    EXPECT_EQ(segment(36, 2)->palette().color(QPalette::WindowText), QColor(0, 255, 0));
}

TEST_F(GradientWindowTest, DoubleClickEmptiesTheNickname) {
    type(QStringLiteral("abc"));
    QTest::mouseDClick(find<QLineEdit>(QStringLiteral("Text1")), Qt::LeftButton);
    EXPECT_TRUE(find<QLineEdit>(QStringLiteral("Text1"))->text().isEmpty());
    EXPECT_TRUE(model.nickname().isEmpty());
}

TEST_F(GradientWindowTest, NouveauUnticksAndShowsThePlaceholder) {
    find<QCheckBox>(QStringLiteral("chksouligne"))->click();
    find<QRadioButton>(QStringLiteral("opt_30"))->click();
    clickMenu(QStringLiteral("mnunew"));
    EXPECT_FALSE(find<QCheckBox>(QStringLiteral("chksouligne"))->isChecked());
    EXPECT_FALSE(segment(0, 0)->font().underline());
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("opt_0"))->isChecked());
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("Text1"))->text(), kGradientPlaceholder);
    EXPECT_TRUE(find<QPlainTextEdit>(QStringLiteral("Text2"))->toPlainText().isEmpty());
}

TEST_F(GradientWindowTest, EditingTheOutputBoxIsWhatGetsSaved) {
    find<QPlainTextEdit>(QStringLiteral("Text2"))->setPlainText(QStringLiteral("mon code"));
    EXPECT_EQ(model.output(), QStringLiteral("mon code"));
}

TEST_F(GradientWindowTest, ClosingAnsweredCancelKeepsTheWindowOpen) {
    QSignalSpy ended(&window, &GradientWindow::programEndRequested);
    platform.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(ended.count(), 0);

    platform.answers = {MessageAnswer::No};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(GradientWindowTest, MenusForwardToTheApplication) {
    QSignalSpy back(&window, &GradientWindow::switchToMainEditorRequested);
    QSignalSpy ended(&window, &GradientWindow::programEndRequested);
    find<QPushButton>(QStringLiteral("cmdgochromanick"))->click();
    clickMenu(QStringLiteral("mnubascul"));
    EXPECT_EQ(back.count(), 2);

    platform.answers = {MessageAnswer::Cancel, MessageAnswer::No};
    clickMenu(QStringLiteral("mnuexit"));
    EXPECT_EQ(ended.count(), 0);
    clickMenu(QStringLiteral("mnuexit"));
    EXPECT_EQ(ended.count(), 1);
}

// Once the user agreed to end, closing the window (as the program does with
// every window) neither asks again nor requests a second end; both editors
// end this way.
TEST_F(GradientWindowTest, AnAgreedQuitIsRecordedAndTheCloseThatFollowsAsksNothing) {
    QSignalSpy ended(&window, &GradientWindow::programEndRequested);
    platform.answers = {MessageAnswer::No};
    clickMenu(QStringLiteral("mnuexit"));
    EXPECT_EQ(ended.count(), 1);
    const auto asked = platform.messages.size();

    EXPECT_TRUE(window.close());
    EXPECT_EQ(platform.messages.size(), asked);
    EXPECT_EQ(ended.count(), 1);
}

// Captions shrink rather than be cut; the switch button stays whole above the
// output box that its right edge reaches.
TEST_F(GradientWindowTest, EveryCaptionReadsWhole) {
    EXPECT_TRUE(readsWhole(&window));
    type(QStringLiteral("Tiwakan"));
    clickMenu(QStringLiteral("mnunew"));
    EXPECT_TRUE(readsWhole(&window));
}

TEST_F(GradientWindowTest, LineBreaksPastedOrHandedOverBecomeSpaces) {
    auto* edit = find<QLineEdit>(QStringLiteral("Text1"));
    edit->clear();
    QApplication::clipboard()->setText(QStringLiteral("ab\r\ncd\ne"));
    edit->paste();
    EXPECT_EQ(model.nickname(), QStringLiteral("ab cd e"));
    EXPECT_EQ(edit->text(), model.nickname());
    EXPECT_EQ(rowText(0), model.nickname());
    model.setNickname(QStringLiteral("x\ry\r\n"));
    EXPECT_EQ(model.nickname(), QStringLiteral("x y "));
    EXPECT_EQ(edit->text(), QStringLiteral("x y "));
}

TEST_F(GradientWindowTest, TabInTheOutputBoxMovesTheFocusOn) {
    chromanick::testing::expectTabMovesOn(window, find<QPlainTextEdit>(QStringLiteral("Text2")));
}

// Tab reaches every control of the window in turn, the output box included.
TEST_F(GradientWindowTest, TabReachesTheOutputBox) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* back = find<QPushButton>(QStringLiteral("cmdgochromanick"));
    auto* output = find<QPlainTextEdit>(QStringLiteral("Text2"));
    back->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(back->hasFocus());
    QTest::keyClick(back, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), output);
    QStringList reached;
    for (int i = 0; i < 40 && QApplication::focusWidget() != nullptr; ++i) {
        reached.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_TRUE(reached.contains(QStringLiteral("Text1"))) << reached.join(' ').toStdString();
    EXPECT_TRUE(reached.contains(QStringLiteral("cmdgenerer")));
}

TEST_F(GradientWindowTest, ACancelledCustomColourDialogChangesNothing) {
    type(QStringLiteral("abcde"));
    find<QRadioButton>(QStringLiteral("opt_36"))->click();
    const QColor before = segment(36, 0)->palette().color(QPalette::WindowText);
    find<QPushButton>(QStringLiteral("cmdcolorperso1"))->click();  // cancelled
    EXPECT_EQ(platform.colourRequests.size(), 1);
    EXPECT_EQ(segment(36, 0)->palette().color(QPalette::WindowText), before);
    find<QPushButton>(QStringLiteral("cmdgenerer"))->click();
    EXPECT_EQ(model.output(), QStringLiteral("abcde·0"));
}

// The code's length under Text2, in both modes, follows the box; past what a
// Messenger name keeps the label warns in red, as plain text.
TEST_F(GradientWindowTest, TheCodesLengthIsShownUnderTheOutputBox) {
    auto* length = find<QLabel>(QStringLiteral("lbllongueur"));
    auto* output = find<QPlainTextEdit>(QStringLiteral("Text2"));
    EXPECT_EQ(length->textFormat(), Qt::PlainText);
    EXPECT_EQ(length->y(), output->geometry().bottom() + 2);
    EXPECT_GE(length->x(), output->x());
    EXPECT_GT(length->x(),
              find<QPushButton>(QStringLiteral("cmdgochromanick"))->geometry().right());
    EXPECT_LE(length->geometry().bottom(), window.centralWidget()->height() - 1);
    type(QStringLiteral("abcde"));
    find<QPushButton>(QStringLiteral("cmdgenerer"))->click();
    EXPECT_EQ(length->text(), QStringLiteral("Longueur du code : 27 caractères"));
    EXPECT_EQ(length->palette().color(QPalette::WindowText),
              window.palette().color(QPalette::WindowText));

    find<QCheckBox>(QStringLiteral("chkfluide"))->click();
    find<QLineEdit>(QStringLiteral("Text1"))->clear();
    type(QString(50, QLatin1Char('a')));
    find<QPushButton>(QStringLiteral("cmdgenerer"))->click();
    ASSERT_GT(model.output().size(), 129);
    EXPECT_EQ(length->text(),
              QStringLiteral("Longueur du code : %1 caractères (un pseudo Messenger "
                             "en garde 129)")
                  .arg(model.output().size()));
    EXPECT_EQ(length->palette().color(QPalette::WindowText), QColor(Qt::red));

    output->setPlainText(QStringLiteral("x"));
    EXPECT_EQ(length->text(), QStringLiteral("Longueur du code : 1 caractère"));
    EXPECT_NE(length->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(readsWhole(&window));
}

// Fifty wide letters: each row stops at its column's edge with an ellipsis,
// in the five labels as in the smooth rows.
TEST_F(GradientWindowTest, RowsWiderThanTheirColumnEndInAnEllipsis) {
    type(QString(50, QLatin1Char('W')));
    const QString ellipsis(QChar(0x2026));
    const int rightColumn = find<QRadioButton>(QStringLiteral("opt_6"))->x();
    auto* frame = find<QGroupBox>(QStringLiteral("Frame2"));
    for (int row = 0; row < kGradientRowCount; ++row) {
        const bool left = row != kGradientCustomRow && segment(row, 0)->x() < rightColumn;
        const int edge = left ? rightColumn : frame->contentsRect().right() + 1;
        int end = 0;
        for (int slot = 0; slot < 5; ++slot)
            end = std::max(end, segment(row, slot)->geometry().right() + 1);
        EXPECT_LE(end, edge) << row;
        EXPECT_TRUE(rowText(row).endsWith(ellipsis)) << row;
        EXPECT_TRUE(QString(50, QLatin1Char('W')).startsWith(rowText(row).chopped(1))) << row;
    }
    // A nickname that fits is shown whole, without an ellipsis.
    find<QLineEdit>(QStringLiteral("Text1"))->clear();
    type(QStringLiteral("WWW"));
    for (int row : {0, 6, 36}) EXPECT_EQ(rowText(row), QStringLiteral("WWW"));
}

// "Plus" → "Copier pour": an entry per format of the table; a smooth
// gradient copied for IRC holds IRC's codes and no Plus! 3 code.
TEST_F(GradientWindowTest, CopierPourCopiesTheOutputBoxForEachFormat) {
    auto* copyFor = find<QMenu>(QStringLiteral("mnucopierpour"));
    ASSERT_NE(copyFor, nullptr);
    EXPECT_TRUE(find<QMenu>(QStringLiteral("mnuplus"))->actions().contains(copyFor->menuAction()));
    const QList<const Dialect*> formats = writtenDialects();
    ASSERT_EQ(copyFor->actions().size(), formats.size());
    for (qsizetype i = 0; i < formats.size(); ++i) {
        EXPECT_EQ(copyFor->actions()[i]->objectName(),
                  QStringLiteral("mnucopierpour") + formats[i]->id);
        EXPECT_EQ(copyFor->actions()[i]->iconText(), formats[i]->label);
    }
    type(QStringLiteral("Chromanick"));
    find<QCheckBox>(QStringLiteral("chkfluide"))->click();
    find<QPushButton>(QStringLiteral("cmdgenerer"))->click();
    clickMenu(QStringLiteral("mnucopierpourirc"));
    ASSERT_TRUE(platform.clipboard.has_value());
    EXPECT_GE(platform.clipboard->count(u'\x03'), 3) << platform.clipboard->toStdString();
    EXPECT_FALSE(platform.clipboard->contains(QStringLiteral("·")))
        << platform.clipboard->toStdString();
    clickMenu(QStringLiteral("mnucopierpourtext"));
    EXPECT_EQ(platform.clipboard, QStringLiteral("Chromanick"));
}
