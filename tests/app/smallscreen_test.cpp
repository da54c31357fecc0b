// Both editors on a screen smaller than they are (1280 × 1024 at twice the
// scale): each window fits the screen's free area and scrolls its controls,
// which keep their places and sizes, so that every one can be reached.
#include "tests/support/scriptedplatform.h"
#include "ui/editor/mainmodel.h"
#include "ui/editor/mainwindow.h"
#include "ui/gradient/gradientmodel.h"
#include "ui/gradient/gradientwindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace chromanick;
using chromanick::testing::ScriptedPlatform;

namespace {

QRect freeArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The window within the free area, and the client area of `clientSize`
// whole inside its scroll area.
void expectScrolled(QMainWindow& window, const QSize& clientSize) {
    ASSERT_LT(freeArea().height(), clientSize.height()) << "the screen is large enough";
    EXPECT_TRUE(freeArea().contains(window.frameGeometry()));
    auto* scroller = qobject_cast<QScrollArea*>(window.centralWidget());
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->objectName(), QStringLiteral("defilement"));
    ASSERT_NE(scroller->widget(), nullptr);
    EXPECT_EQ(scroller->widget()->size(), clientSize);
    EXPECT_TRUE(scroller->verticalScrollBar()->isVisible());
    // The user may enlarge the window, up to the whole client area.
    EXPECT_LT(window.minimumHeight(), window.maximumHeight());
    EXPECT_GE(window.maximumWidth(), clientSize.width());
}

// Tab from `before` gives `control` the focus, and the scroll area brings
// it into view.
void expectReachedByTab(QMainWindow& window, QWidget* before, QWidget* control) {
    auto* scroller = qobject_cast<QScrollArea*>(window.centralWidget());
    ASSERT_NE(scroller, nullptr);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    scroller->verticalScrollBar()->setValue(0);
    scroller->horizontalScrollBar()->setValue(0);
    before->setFocus(Qt::TabFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), control);
    // At least the control's beginning (a text box's first characters, where
    // the caret is: the scroll area keeps the caret in view).
    const QRect shown(control->mapTo(scroller->viewport(), QPoint(0, 0)),
                      control->size().boundedTo(QSize(40, 17)));
    EXPECT_TRUE(scroller->viewport()->rect().contains(shown))
        << control->objectName().toStdString() << " " << shown.x() << "," << shown.y() << " "
        << scroller->viewport()->width() << "x" << scroller->viewport()->height();
}

}  // namespace

TEST(SmallScreen, TheMainEditorScrollsItsControlsInAWindowThatFits) {
    ScriptedPlatform platform;
    MainEditorModel model(platform);
    MainWindow window(model);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    expectScrolled(window, QSize(1018, 636));
    auto* generate = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* output = window.findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
    ASSERT_NE(generate, nullptr);
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(generate->geometry(), QRect(784, 416, 113, 17));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("Text1"))->geometry(),
              QRect(224, 0, 545, 21));
    expectReachedByTab(window, window.findChild<QWidget*>(QStringLiteral("Command2")), generate);
    expectReachedByTab(window, window.findChild<QWidget*>(QStringLiteral("chkcopiauto")), output);
}

TEST(SmallScreen, TheGradientEditorScrollsItsControlsInAWindowThatFits) {
    ScriptedPlatform platform;
    GradientEditorModel model(platform);
    GradientWindow window(model);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    expectScrolled(window, QSize(829, 643));
    auto* generate = window.findChild<QPushButton*>(QStringLiteral("cmdgenerer"));
    auto* back = window.findChild<QPushButton*>(QStringLiteral("cmdgochromanick"));
    auto* output = window.findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
    ASSERT_NE(generate, nullptr);
    EXPECT_EQ(generate->geometry(), QRect(312, 600, 105, 17));
    expectReachedByTab(window, window.findChild<QWidget*>(QStringLiteral("chkcopiauto")), generate);
    expectReachedByTab(window, back, output);
    // Enter still generates from the nickname box.
    auto* nickname = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    nickname->setFocus();
    QTest::keyClicks(nickname, QStringLiteral("abc"));
    QTest::keyClick(nickname, Qt::Key_Return);
    EXPECT_EQ(output->toPlainText(), model.output());
    EXPECT_TRUE(model.output().endsWith(QStringLiteral("·0")));
}
