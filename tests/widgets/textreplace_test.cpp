// Replacing the whole text of a multi-line box: the old text is never laid
// out again, the new one is shown whole, and the box is left as a fresh one
// (no undo back to the old text, nothing selected).
#include "tests/support/relayout.h"
#include "ui/widgets/textfit.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace chromanick;
using chromanick::testing::LayoutWatch;

namespace {

// A code without one blank to break a line at, longer than the word-wrapped ones.
QString longCode() {
    return QString(kLongestWordWrappedCode * 2, QLatin1Char('a'));
}

void expectFreshBox(QPlainTextEdit& box, const QString& text) {
    EXPECT_EQ(box.toPlainText(), text);
    EXPECT_FALSE(box.textCursor().hasSelection());
    EXPECT_FALSE(box.document()->isUndoAvailable());
    box.undo();
    EXPECT_EQ(box.toPlainText(), text);
}

}  // namespace

TEST(ReplaceText, ALongCodeReplacedByAShortOneIsNeverLaidOutAgain) {
    const QString shortCode = QStringLiteral("·$4abc");
    QPlainTextEdit box;
    box.resize(233, 93);
    box.show();
    showCode(&box, longCode());
    QApplication::processEvents();
    EXPECT_EQ(box.wordWrapMode(), QTextOption::WrapAnywhere);
    box.selectAll();
    {
        const LayoutWatch watch(&box);
        showCode(&box, shortCode);
        QApplication::processEvents();
        EXPECT_LE(watch.longestLaidOut(), shortCode.size() + 1);
    }
    EXPECT_EQ(box.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    expectFreshBox(box, shortCode);
    // And back: the long code comes whole, with its own wrapping.
    showCode(&box, longCode());
    QApplication::processEvents();
    EXPECT_EQ(box.wordWrapMode(), QTextOption::WrapAnywhere);
    expectFreshBox(box, longCode());
}

TEST(ReplaceText, TypedTextIsReplacedWithoutAnUndoBackToIt) {
    QPlainTextEdit box;
    box.setLineWrapMode(QPlainTextEdit::NoWrap);
    box.show();
    replaceText(&box, longCode());
    QTest::keyClicks(&box, QStringLiteral("typed"));
    ASSERT_TRUE(box.document()->isUndoAvailable());
    {
        const LayoutWatch watch(&box);
        replaceText(&box, QStringLiteral("new\ncode"));
        QApplication::processEvents();
        EXPECT_LE(watch.longestLaidOut(), 5);
    }
    expectFreshBox(box, QStringLiteral("new\ncode"));
    replaceText(&box, QString());
    expectFreshBox(box, QString());
}

// What a box holds, compared with a text: lines, an empty box, a text of
// the same length that differs, and what the user typed in.
TEST(HoldsText, TellsWhetherTheBoxHoldsExactlyTheText) {
    QPlainTextEdit box;
    EXPECT_TRUE(holdsText(&box, QString()));
    EXPECT_FALSE(holdsText(&box, QStringLiteral("a")));
    box.setPlainText(QStringLiteral("·$4Bob\nsecond line"));
    EXPECT_TRUE(holdsText(&box, QStringLiteral("·$4Bob\nsecond line")));
    EXPECT_FALSE(holdsText(&box, QStringLiteral("·$4Bob\nsecond lime")));
    EXPECT_FALSE(holdsText(&box, QStringLiteral("·$4Bob\nsecond line ")));
    EXPECT_FALSE(holdsText(&box, QStringLiteral("·$4Bob")));
    box.moveCursor(QTextCursor::End);
    QTest::keyClicks(&box, QStringLiteral("!"));
    EXPECT_TRUE(holdsText(&box, QStringLiteral("·$4Bob\nsecond line!")));
}
