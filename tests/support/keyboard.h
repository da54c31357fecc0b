#pragma once

// Keyboard checks shared by the window tests.
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace chromanick::testing {

// Tab in `box` (a multi-line box of the active `window`) moves the focus on
// and leaves the text as it was.
inline void expectTabMovesOn(QWidget& window, QPlainTextEdit* box) {
    const QString before = box->toPlainText();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_FALSE(box->hasFocus());
    EXPECT_EQ(box->toPlainText(), before);
}

}  // namespace chromanick::testing
