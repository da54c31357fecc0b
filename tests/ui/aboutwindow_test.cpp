#include "ui/aboutwindow.h"
#include "core/appinfo.h"
#include "tests/support/captions.h"
#include "tests/support/scriptedplatform.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QWidget>

#include <gtest/gtest.h>

using namespace chromanick;
using chromanick::testing::ScriptedPlatform;

TEST(AboutWindow, CaptionCarriesTheVersionOnceHoweverOftenItIsOpened) {
    ScriptedPlatform platform;
    AboutWindow about(platform);
    about.open();
    about.open();
    about.close();
    about.open();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("A propos de Chromanick 6.0.0"));
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(about.size(), QSize(375, 255));  // 5625 x 3825 twips
}

TEST(AboutWindow, LinkLabelsOpenTheirPagesAtOnce) {
    ScriptedPlatform platform;
    AboutWindow about(platform);
    about.open();
    auto* plus = about.findChild<QLabel*>(QStringLiteral("lblurl2msnplus"));
    auto* site = about.findChild<QLabel*>(QStringLiteral("lblurlchromanick"));
    ASSERT_NE(plus, nullptr);
    ASSERT_NE(site, nullptr);
    EXPECT_EQ(site->geometry(), QRect(176, 240, 193, 17));
    QTest::mouseClick(plus, Qt::LeftButton);
    QTest::mouseClick(site, Qt::LeftButton);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(platform.openedUrls,
              (QStringList{appinfo::kMessengerPlusSite, appinfo::kProductSite}));
}

TEST(AboutWindow, EveryTextReadsWhole) {
    ScriptedPlatform platform;
    AboutWindow about(platform);
    about.open();
    EXPECT_TRUE(chromanick::testing::readsWhole(&about));
}

TEST(AboutWindow, EscapeClosesIt) {
    ScriptedPlatform platform;
    AboutWindow about(platform);
    about.open();
    ASSERT_TRUE(about.isVisible());
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

// The contact text breaks between words, never inside the e-mail address,
// which is drawn in the window's own font.
TEST(AboutWindow, TheAddressIsNeverBrokenAcrossLines) {
    ScriptedPlatform platform;
    AboutWindow about(platform);
    about.open();
    auto* contact = about.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(contact, nullptr);
    QCoreApplication::processEvents();
    const QTextBlock address = contact->document()->lastBlock();
    ASSERT_EQ(address.text(), appinfo::kContactEmail);
    ASSERT_NE(address.layout(), nullptr);
    EXPECT_EQ(address.layout()->lineCount(), 1);
    EXPECT_LE(address.layout()->lineAt(0).naturalTextWidth(),
              contact->viewport()->width() - 2 * contact->document()->documentMargin());
}

TEST(AboutWindow, TheAddressIsInTheWindowsFont) {
    ScriptedPlatform platform;
    AboutWindow about(platform);
    about.open();
    auto* contact = about.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(contact, nullptr);
    const QTextBlock address = contact->document()->lastBlock();
    ASSERT_EQ(address.text(), appinfo::kContactEmail);
    const QFont drawn =
        address.begin().fragment().charFormat().font().resolve(contact->document()->defaultFont());
    const QFont firstLine =
        contact->document()->firstBlock().begin().fragment().charFormat().font().resolve(
            contact->document()->defaultFont());
    EXPECT_EQ(QFontInfo(drawn).pointSizeF(), QFontInfo(firstLine).pointSizeF());
    EXPECT_GE(QFontInfo(drawn).pointSizeF(), QFontInfo(about.font()).pointSizeF() - 0.5);
}

// Opened from a window, the about window shows over it; near the screen's
// edge it moves inside the screen's free area, never past it.
TEST(AboutWindow, OpensOverTheWindowThatAskedWhollyOnScreen) {
    ScriptedPlatform platform;
    AboutWindow about(platform);
    const QRect free = about.screen()->availableGeometry();
    QWidget editor;
    editor.resize(600, 400);
    for (const QPoint& at : {free.center() - QPoint(300, 200), free.topLeft(),
                             free.bottomRight() - QPoint(300, 200), QPoint(-500, -500)}) {
        editor.move(at);
        editor.show();
        about.open(&editor);
        const QRect placed = about.frameGeometry();
        EXPECT_TRUE(free.contains(placed)) << at.x() << "," << at.y();
        if (free.contains(editor.frameGeometry())) {
            // Within the frame's margins, unknown before the first show.
            EXPECT_LE((placed.center() - editor.frameGeometry().center()).manhattanLength(), 8)
                << at.x() << "," << at.y();
        }
        about.close();
    }
}
