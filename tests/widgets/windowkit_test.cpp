// The pieces every window is built from, in windows of their own.
#include "ui/widgets/windowkit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace chromanick {
namespace {

// A window that ends through WindowEnding, its model's answers scripted.
class EndingWindow : public QWidget {
public:
    EndingWindow() : ending([this] { ++endRequests; }) {}

    WindowEnding ending;
    QList<bool> answers;  // the model's next answers
    int questions = 0;
    int endRequests = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ending.close(event, [this] {
            ++questions;
            return answers.takeFirst();
        });
    }
};

TEST(WindowEnding, ClosingFollowsTheModelAndEndsOnce) {
    EndingWindow window;
    window.show();
    window.answers = {false, true};
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.endRequests, 0);

    EXPECT_TRUE(window.close());
    EXPECT_EQ(window.endRequests, 1);
    EXPECT_TRUE(window.ending.agreed());

    // The program then closes every window: no new question, no new end.
    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(window.questions, 2);
    EXPECT_EQ(window.endRequests, 1);
}

TEST(WindowEnding, AnAgreedQuitIsRecordedARefusedOneIsNot) {
    EndingWindow window;
    window.show();
    window.ending.quit(false);
    EXPECT_EQ(window.endRequests, 0);
    EXPECT_FALSE(window.ending.agreed());

    window.ending.quit(true);
    EXPECT_EQ(window.endRequests, 1);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(window.questions, 0);
    EXPECT_EQ(window.endRequests, 1);
}

TEST(WindowEnding, TheProgramsEndClosesWithoutAQuestion) {
    EndingWindow window;
    window.show();
    window.ending.closeForProgramEnd(window);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.questions, 0);
    EXPECT_EQ(window.endRequests, 0);
}

TEST(WindowKit, ADoubleClickRunsTheHandlerInsteadOfSelectingAWord) {
    QLineEdit box(QStringLiteral("deux mots"));
    box.show();
    int clicks = 0;
    onDoubleClick(&box, [&] {
        ++clicks;
        box.clear();
    });
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
    QTest::mouseDClick(&box, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box.text().isEmpty());
    EXPECT_FALSE(box.hasSelectedText());
}

TEST(WindowKit, MenusAndTheirEntriesCarryTheirNamesAndHandlers) {
    QMainWindow window;
    QMenu* file =
        addNamedMenu(window.menuBar(), QStringLiteral("fichier"), QStringLiteral("&Fichier"));
    QMenu* save = addNamedMenu(file, QStringLiteral("enregistrer"), QStringLiteral("&Enregistrer"));
    int runs = 0;
    QAction* entry = addMenuEntry(
        save, QStringLiteral("saveprojet"), QStringLiteral("&Projet"), &window, [&] { ++runs; },
        QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* plain =
        addMenuEntry(file, QStringLiteral("quitter"), QStringLiteral("&Quitter"), &window, [] {});

    EXPECT_EQ(file->objectName(), QStringLiteral("fichier"));
    EXPECT_EQ(file->menuAction()->objectName(), QStringLiteral("fichier"));
    EXPECT_EQ(save->menuAction()->objectName(), QStringLiteral("enregistrer"));
    EXPECT_EQ(save->menuAction()->text(), QStringLiteral("&Enregistrer"));
    EXPECT_EQ(window.findChild<QAction*>(QStringLiteral("saveprojet")), entry);
    EXPECT_EQ(entry->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_TRUE(plain->shortcut().isEmpty());
    entry->trigger();
    EXPECT_EQ(runs, 1);
}

// A caption taken from data ("Minecraft (&#RRGGBB)") is shown as written, with
// no access key; a designed caption keeps its own.
TEST(WindowKit, ALiteralCaptionShowsItsAmpersandsAndHasNoAccessKey) {
    QMenu menu;
    const QString label = QStringLiteral("Minecraft (&#RRGGBB) & co");
    QAction* literal =
        addMenuEntry(&menu, QStringLiteral("entree"), literalCaption(label), &menu, [] {});
    EXPECT_EQ(literal->iconText(), label);
    EXPECT_TRUE(QKeySequence::mnemonic(literal->text()).isEmpty());
    EXPECT_FALSE(QKeySequence::mnemonic(QStringLiteral("&Projet")).isEmpty());
    EXPECT_EQ(literalCaption(QStringLiteral("Texte")), QStringLiteral("Texte"));
}

TEST(WindowKit, StyledCheckBoxesShowTheirOwnStyleOnly) {
    QWidget parent;
    QCheckBox* bold = styledCheckBox(QStringLiteral("Gras"), &parent, &QFont::setBold);
    QCheckBox* strike = styledCheckBox(QStringLiteral("Barré"), &parent, &QFont::setStrikeOut);
    EXPECT_EQ(bold->parent(), &parent);
    EXPECT_EQ(bold->text(), QStringLiteral("Gras"));
    EXPECT_TRUE(bold->font().bold());
    EXPECT_FALSE(bold->font().strikeOut());
    EXPECT_TRUE(strike->font().strikeOut());
    EXPECT_FALSE(strike->font().bold());
    EXPECT_EQ(strike->font().family(), parent.font().family());
}

TEST(WindowKit, LabelsShowMarkupAsTextAndReadOnlyBoxesTheButtonFace) {
    QWidget parent;
    QLabel* label = named(plainLabel(QStringLiteral("<b>Bob</b>"), &parent), QStringLiteral("lbl"));
    EXPECT_EQ(label->objectName(), QStringLiteral("lbl"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);

    QLineEdit box(&parent);
    useButtonFace(&box);
    EXPECT_EQ(box.palette().color(QPalette::Base), box.palette().color(QPalette::Button));
}

}  // namespace
}  // namespace chromanick
