#include "ui/aboutwindow.h"
#include "core/appinfo.h"
#include "tests/support/captions.h"
#include "tests/support/scriptedplatform.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

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

// The contact text breaks between words, never inside the e-mail address.
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
