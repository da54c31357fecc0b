#include "core/preview.h"
#include "core/decorations.h"

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

class PreviewTest : public ::testing::Test {
protected:
    PreviewTest() { s.Nickname = QStringLiteral("Bob"); }

    const PreviewState& refresh() {
        model.refresh(s);
        return model.state();
    }

    PreviewModel model;
    NickSettings s;
};

}  // namespace

TEST_F(PreviewTest, StartsEmptyInBlackOnButtonFace) {
    EXPECT_EQ(model.state(), PreviewState{});
    EXPECT_TRUE(model.state().text.isEmpty());
    EXPECT_EQ(model.state().textColour, 0u);
    EXPECT_EQ(model.state().backgroundColour, kSystemButtonFace);
    EXPECT_EQ(model.state().fontSize, 9.75);
}

TEST_F(PreviewTest, ShowsTheDecoratedNickname) {
    s.Prefix = BuiltinPrefixes().at(1);
    s.Suffix = BuiltinSuffixes().at(1);
    EXPECT_EQ(refresh().text, QStringLiteral("(¯`·._.·[Bob]·._.·´¯)"));
    s.Nickname.clear();
    s.Prefix.clear();
    s.Suffix.clear();
    EXPECT_EQ(refresh().text, QString());
}

TEST_F(PreviewTest, TextColourAndStylesFollowTheSettings) {
    EXPECT_EQ(refresh().textColour, kSystemButtonText);  // "Noir" is the desktop's text colour
    s.ForegroundOption = QStringLiteral("Option2");
    s.Bold = s.Italic = true;
    const PreviewState& st = refresh();
    EXPECT_EQ(st.textColour, 0xFF0000u);
    EXPECT_TRUE(st.bold);
    EXPECT_TRUE(st.italic);
    EXPECT_FALSE(st.underline);
    s.Bold = false;
    s.Underline = true;
    EXPECT_FALSE(refresh().bold);
    EXPECT_TRUE(model.state().underline);
}

TEST_F(PreviewTest, StrikethroughFollowsEveryRefresh) {
    s.Strikethrough = true;
    EXPECT_TRUE(refresh().strikethrough);
    s.ForegroundOption = kCustomForegroundOption;
    s.Strikethrough = false;
    EXPECT_FALSE(refresh().strikethrough);
}

TEST_F(PreviewTest, StylesAreOnlyAppliedWhileATextColourIsSelected) {
    s.ForegroundOption.clear();
    s.Bold = s.Strikethrough = true;
    s.BackgroundOption = QStringLiteral("Option12");
    const PreviewState& st = refresh();
    EXPECT_FALSE(st.bold);
    EXPECT_TRUE(st.strikethrough);
    EXPECT_EQ(st.backgroundColour, kSystemButtonFace);
    EXPECT_EQ(st.text, QStringLiteral("Bob"));
}

TEST_F(PreviewTest, FixedBackgroundsSetTheirColourAndDefaultResetsWithoutRefresh) {
    s.BackgroundOption = QStringLiteral("Option12");
    EXPECT_EQ(refresh().backgroundColour, 0x0000FFu);

    s.BackgroundOption = kDefaultBackgroundOption;
    s.Nickname = QStringLiteral("Changed");
    model.defaultBackgroundPicked();
    EXPECT_EQ(model.state().backgroundColour, kSystemButtonFace);
    EXPECT_EQ(model.state().text, QStringLiteral("Bob"));  // no refresh ran

    s.BackgroundOption = QStringLiteral("optabordeau");
    EXPECT_EQ(refresh().backgroundColour, 0x0E30A5u);
}

TEST_F(PreviewTest, CustomBackgroundKeepsTheColourShownBefore) {
    s.BackgroundOption = QStringLiteral("Option13");
    refresh();
    s.BackgroundOption = kCustomBackgroundOption;  // single click: nothing set
    EXPECT_EQ(refresh().backgroundColour, 0xFF0000u);

    // Choosing a colour sets it directly, and the refresh keeps it.
    s.CustomBackground = 0x00FF00;
    model.setBackgroundColour(s.CustomBackground);
    EXPECT_EQ(refresh().backgroundColour, 0x00FF00u);
}

TEST_F(PreviewTest, CustomTextColourComesFromTheSettings) {
    s.ForegroundOption = kCustomForegroundOption;
    EXPECT_EQ(refresh().textColour, 0u);
    s.CustomForeground = 0x0055FF;
    model.setTextColour(s.CustomForeground);
    EXPECT_EQ(refresh().textColour, 0x0055FFu);
    s.Underline = true;
    EXPECT_TRUE(refresh().underline);
}

TEST_F(PreviewTest, FontSizeSurvivesRefreshAndReset) {
    model.setFontSize(24);
    s.BackgroundOption = QStringLiteral("Option12");
    s.ForegroundOption = QStringLiteral("Option1");
    EXPECT_EQ(refresh().fontSize, 24);
    model.reset();
    const PreviewState& st = model.state();
    EXPECT_EQ(st.fontSize, 24);
    EXPECT_TRUE(st.text.isEmpty());
    EXPECT_EQ(st.textColour, 0u);
    EXPECT_EQ(st.backgroundColour, kSystemButtonFace);
}

TEST(previewFontSizes, ListsEightSizesWithoutSixteen) {
    const QStringList sizes = previewFontSizes();
    EXPECT_EQ(sizes, (QStringList{"8", "10", "12", "14", "18", "20", "22", "24"}));
}
