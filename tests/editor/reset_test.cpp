// "Nouveau": every choice back to its start, through the controls' handlers.
#include "core/lookalikes.h"
#include "editorfixture.h"

using namespace chromanick;
using namespace chromanick::testing;

TEST_F(EditorTest, NouveauResetsEveryChoiceButTheDitColourAndTheSize) {
    model->setNickname(QStringLiteral("Bob"));
    model->pickPrefix(2);
    model->pickSuffix(2);
    model->pickForeground(QStringLiteral("optbleu1"));
    platform.colours = {0x00FF00, 0x0000FF, 0x00FFFF};
    model->customForegroundDoubleClicked();
    model->customBackgroundDoubleClicked();
    model->setBold(true);
    model->setUnderline(true);
    model->setItalic(true);
    model->setStrikethrough(true);
    model->setLookalike(true);
    model->setDitColourOn(true);
    model->pickPreviewSize(QStringLiteral("18"));
    model->generate();

    model->reset();

    EXPECT_FALSE(model->autoCopy());
    EXPECT_FALSE(model->ditSuppressed());
    EXPECT_FALSE(model->ditColourOn());
    EXPECT_TRUE(model->output().isEmpty());
    EXPECT_EQ(model->foregroundOption(), QStringLiteral("Option9"));
    EXPECT_EQ(model->backgroundOption(), QStringLiteral("Option20"));
    EXPECT_FALSE(model->bold() || model->underline() || model->italic() || model->strikethrough());
    EXPECT_EQ(model->nickname(), QString());
    EXPECT_EQ(model->prefixes().text(), QString());
    EXPECT_EQ(model->suffixes().text(), QString());
    EXPECT_FALSE(model->lookalike());
    EXPECT_EQ(model->lookalikeCaption(), kLookalikeCaptionOff);
    EXPECT_EQ(model->customForeground(), 0u);
    EXPECT_EQ(model->customBackground(), 0u);
    EXPECT_EQ(model->customForegroundCaptionColour(), 0u);
    EXPECT_EQ(model->customBackgroundOptionColour(), kSystemButtonFace);

    EXPECT_EQ(model->preview().text, QString());
    EXPECT_EQ(model->preview().backgroundColour, kSystemButtonFace);
    EXPECT_FALSE(model->preview().bold || model->preview().strikethrough);
    EXPECT_EQ(model->preview().fontSize, 18.0);
    EXPECT_EQ(model->ditColour(), 0x00FFFFu);
    EXPECT_EQ(model->prefixes().count(), 56);
    EXPECT_TRUE(model->emoticonsVisible());
}

TEST_F(EditorTest, NouveauLeavesAnEmptyPreviewAfterDecorationsAlone) {
    // No ticked box refreshes after the decorations are emptied.
    model->setNickname(QStringLiteral("Bob"));
    model->pickPrefix(1);
    model->pickSuffix(1);
    model->reset();
    EXPECT_EQ(model->preview().text, QString());
    model->generate();
    EXPECT_EQ(model->output(), QStringLiteral("·$1·0"));
}

TEST_F(EditorTest, NouveauWithoutTheLookalikeBoxKeepsTheInitialCaption) {
    model->reset();
    EXPECT_EQ(model->lookalikeCaption(), kLookalikeCaptionInitial);
}

TEST_F(EditorTest, CustomColourDialogsOpenOnBlackAfterNouveau) {
    platform.colours = {0x00FF00};
    model->customForegroundDoubleClicked();
    model->reset();
    model->customForegroundDoubleClicked();
    ASSERT_EQ(platform.colourRequests.size(), 2);
    EXPECT_EQ(platform.colourRequests[1].current, 0u);
}
