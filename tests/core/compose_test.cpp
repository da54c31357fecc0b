#include "dialects/plus3.h"

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

// The editor's initial choices with a nickname and no decoration.
NickSettings nick(const QString& nickname) {
    NickSettings s;
    s.Nickname = nickname;
    return s;
}

NickSettings blueOnRedWithStyles() {
    NickSettings s = nick(QStringLiteral("abc"));
    s.ForegroundOption = QStringLiteral("Option2");
    s.BackgroundOption = QStringLiteral("Option12");
    s.Bold = s.Underline = s.Italic = true;
    return s;
}

}  // namespace

TEST(ComposeNickCode, InitialSettingsUseBlackAndNoBackground) {
    EXPECT_EQ(ComposeNickCode(nick(QStringLiteral("abc"))), QStringLiteral("·$1abc·0"));
    EXPECT_EQ(ComposeNickCode(nick(QString())), QStringLiteral("·$1·0"));
    // The untouched editor composes its own hint text.
    EXPECT_EQ(ComposeNickCode(NickSettings{}), QStringLiteral("·$1") + kNicknameHint + "·0");
}

TEST(ComposeNickCode, StylesAndBackgroundStandInFrontInFixedOrder) {
    NickSettings s = blueOnRedWithStyles();
    EXPECT_EQ(ComposeNickCode(s), QStringLiteral("·$,4·&·@·#·$12abc·0"));
    s.Strikethrough = true;
    EXPECT_EQ(ComposeNickCode(s), QStringLiteral("·'·$,4·&·@·#·$12abc·0"));
    s.Underline = false;
    EXPECT_EQ(ComposeNickCode(s), QStringLiteral("·'·$,4·&·#·$12abc·0"));
}

TEST(ComposeNickCode, DecorationsLieInsideTheReset) {
    NickSettings s = nick(QStringLiteral("abc"));
    s.Prefix = QStringLiteral("[");
    s.Suffix = QStringLiteral("]");
    EXPECT_EQ(ComposeNickCode(s), QStringLiteral("·$1[abc]·0"));
    s.Nickname.clear();
    EXPECT_EQ(ComposeNickCode(s), QStringLiteral("·$1[]·0"));
}

TEST(ComposeNickCode, CustomColoursUseTheRgbForms) {
    NickSettings s = nick(QStringLiteral("abc"));
    s.ForegroundOption = kCustomForegroundOption;
    EXPECT_EQ(ComposeNickCode(s), QStringLiteral("·$(000,000,000)abc·0"));
    s.CustomForeground = 0x0055FF;
    s.BackgroundOption = kCustomBackgroundOption;
    s.CustomBackground = 0xFF8000;
    EXPECT_EQ(ComposeNickCode(s), QStringLiteral("·$,(000,128,255)·$(255,085,000)abc·0"));
}

TEST(ComposeNickCode, CustomColoursAreIgnoredUnlessTheirEntryIsSelected) {
    NickSettings s = nick(QStringLiteral("abc"));
    s.CustomForeground = 0x123456;
    s.CustomBackground = 0x654321;
    EXPECT_EQ(ComposeNickCode(s), QStringLiteral("·$1abc·0"));
}

TEST(ComposeNickCode, DitCodesFollowTheReset) {
    NickSettings s = nick(QStringLiteral("abc"));
    s.DitColourOn = true;
    s.DitColour = 0x0000FF;
    EXPECT_EQ(ComposeNickCode(s), QStringLiteral("·$1abc·0·$(255,000,000)"));

    s = nick(QStringLiteral("abc"));
    s.DitSuppressed = true;
    const QString line = ComposeNickCode(s);
    EXPECT_EQ(line, QStringLiteral("·$1abc·0·$0") + QChar(0x00A0));
    EXPECT_EQ(line.back(), QChar(0x00A0));

    // A colour set but switched off writes nothing.
    s = nick(QStringLiteral("abc"));
    s.DitColour = 0x0000FF;
    EXPECT_EQ(ComposeNickCode(s), QStringLiteral("·$1abc·0"));
}

TEST(ComposeNickCode, EveryPieceTogetherKeepsStrikethroughFirstAndDitLast) {
    NickSettings s = blueOnRedWithStyles();
    s.Strikethrough = true;
    s.Prefix = QStringLiteral("<");
    s.Suffix = QStringLiteral(">");
    s.DitColourOn = true;
    s.DitColour = 0x00FF00;
    s.DitSuppressed = true;
    EXPECT_EQ(ComposeNickCode(s),
              QStringLiteral("·'·$,4·&·@·#·$12<abc>·0·$(000,255,000)·$0") + QChar(0x00A0));
}

TEST(ComposeNickCode, NicknameTextIsCopiedUnescaped) {
    const QString raw = QStringLiteral("a·$b·0 <i>&amp;");
    EXPECT_EQ(ComposeNickCode(nick(raw)), QStringLiteral("·$1") + raw + QStringLiteral("·0"));
}

TEST(ComposeNickCode, SettingsFlagsNotReadByGenerationChangeNothing) {
    NickSettings s = nick(QStringLiteral("abc"));
    const QString plain = ComposeNickCode(s);
    s.SpecialChars = true;
    s.AutoCopy = false;
    EXPECT_EQ(ComposeNickCode(s), plain);
}

TEST(ComposeNickCode, LongNicknameIsUsedWhole) {
    const QString longName(10000, QLatin1Char('x'));
    const QString line = ComposeNickCode(nick(longName));
    EXPECT_EQ(line.size(), longName.size() + 5);
    EXPECT_TRUE(line.startsWith(QStringLiteral("·$1xxx")));
}
