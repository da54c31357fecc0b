// The main editor's controls driven as the window drives them: each event
// runs its handler, and handlers set from the program chain like user actions.
#include "core/decorations.h"
#include "core/emoticons.h"
#include "core/lookalikes.h"
#include "editorfixture.h"

using namespace chromanick;
using namespace chromanick::testing;

namespace {

const QChar kNbsp(0x00A0);

int emoticonIndex(const QString& image) {
    const auto& table = EmoticonTable();
    for (int i = 0; i < table.size(); ++i)
        if (table[i].image == image) return i;
    return -1;
}

}  // namespace

TEST_F(EditorTest, StartsWithTheInitialChoices) {
    EXPECT_EQ(model->nickname(), kNicknameHint);
    EXPECT_EQ(model->foregroundOption(), QStringLiteral("Option9"));
    EXPECT_EQ(model->backgroundOption(), QStringLiteral("Option20"));
    EXPECT_TRUE(model->autoCopy());
    EXPECT_TRUE(model->emoticonsVisible());
    EXPECT_EQ(model->lookalikeCaption(), kLookalikeCaptionInitial);
    EXPECT_EQ(model->versionText(), QStringLiteral("Version : 6.0.0"));
    EXPECT_EQ(model->prefixes().text(), QString());
    EXPECT_EQ(model->prefixes().count(), 56);
    EXPECT_EQ(model->suffixes().count(), 56);
    EXPECT_TRUE(model->output().isEmpty());
}

TEST_F(EditorTest, TypicalRequestGeneratesAndCopies) {
    model->setNickname(QStringLiteral("abc"));
    EXPECT_EQ(model->preview().text, QStringLiteral("abc"));
    model->pickForeground(QStringLiteral("Option2"));
    EXPECT_EQ(model->preview().textColour, 0xFF0000u);
    model->setBold(true);
    EXPECT_TRUE(model->preview().bold);
    model->generate();
    EXPECT_EQ(model->output(), QStringLiteral("·#·$12abc·0"));
    EXPECT_EQ(platform.clipboard, model->output());
}

TEST_F(EditorTest, AutomaticCopyReadsTheClipboardBackAndCanBeTurnedOff) {
    model->setNickname(QStringLiteral("abc"));
    platform.clipboardRejectsText = true;
    model->generate();
    EXPECT_EQ(model->output(), QStringLiteral("·$1abc·0"));
    EXPECT_FALSE(platform.clipboard.has_value());

    platform.clipboardRejectsText = false;
    platform.clipboard = QStringLiteral("kept");
    model->setAutoCopy(false);
    model->setNickname(QStringLiteral("xyz"));
    model->generate();
    EXPECT_EQ(model->output(), QStringLiteral("·$1xyz·0"));
    EXPECT_EQ(platform.clipboard, QStringLiteral("kept"));
}

TEST_F(EditorTest, LookalikeBoxTransformsTheNicknameBothWays) {
    model->setNickname(QStringLiteral("Mon pseudo"));
    model->setLookalike(true);
    EXPECT_EQ(model->nickname(), QStringLiteral("|\\/|øñ Þ§€µdø"));
    EXPECT_EQ(model->caret(), model->nickname().size());
    EXPECT_EQ(model->lookalikeCaption(), kLookalikeCaptionOn);
    EXPECT_EQ(model->preview().text, model->nickname());

    model->setLookalike(false);
    EXPECT_EQ(model->nickname(), QStringLiteral("Mon pseudo"));
    EXPECT_EQ(model->lookalikeCaption(), kLookalikeCaptionOff);
    EXPECT_EQ(model->preview().text, QStringLiteral("Mon pseudo"));

    model->setNickname(QStringLiteral("Yy"));
    model->setLookalike(true);
    model->setLookalike(false);
    EXPECT_EQ(model->nickname(), QStringLiteral("YY"));
}

TEST_F(EditorTest, EveryNicknameChangeIsTransformedWhileTheBoxIsTicked) {
    model->setNickname(QString());
    model->setLookalike(true);
    EXPECT_EQ(model->nickname(), QString());
    EXPECT_EQ(model->caret(), 0);

    // Typing "a" in the middle of "12": substituted, the caret after it.
    model->setNickname(QStringLiteral("1a2"), 2);
    EXPECT_EQ(model->nickname(), QStringLiteral("1å2"));
    EXPECT_EQ(model->caret(), 2);
    EXPECT_EQ(model->preview().text, QStringLiteral("1å2"));
    // A letter whose look-alike is longer moves the caret by its length.
    model->setNickname(QStringLiteral("1åM2"), 3);
    EXPECT_EQ(model->nickname(), QStringLiteral("1å|\\/|2"));
    EXPECT_EQ(model->caret(), 6);

    model->setNickname(QString());
    model->insertEmoticon(emoticonIndex(QStringLiteral("Image20")), 0, 0);
    EXPECT_EQ(model->nickname(), QStringLiteral("(§ñ)"));

    // Without the box the caret stays where the typing left it.
    model->setLookalike(false);
    model->setNickname(QStringLiteral("abc"), 1);
    EXPECT_EQ(model->caret(), 1);
}

TEST_F(EditorTest, EmoticonReplacesTheSelection) {
    const int snail = emoticonIndex(QStringLiteral("Image20"));
    model->setNickname(QStringLiteral("Bob"));
    model->insertEmoticon(snail, 3, 0);
    EXPECT_EQ(model->nickname(), QStringLiteral("Bob(sn)"));
    EXPECT_EQ(model->caret(), 7);

    model->setNickname(QStringLiteral("Bob"));
    model->insertEmoticon(snail, 1, 2);
    EXPECT_EQ(model->nickname(), QStringLiteral("B(sn)"));
    EXPECT_EQ(model->caret(), 5);
    EXPECT_EQ(model->preview().text, QStringLiteral("B(sn)"));
}

TEST_F(EditorTest, DoubleClickEmptiesTheHint) {
    model->nicknameDoubleClicked();
    EXPECT_EQ(model->nickname(), QString());
    EXPECT_EQ(model->preview().text, QString());
}

TEST_F(EditorTest, EmoticonPanelToggles) {
    model->toggleEmoticons();
    EXPECT_FALSE(model->emoticonsVisible());
    model->toggleEmoticons();
    EXPECT_TRUE(model->emoticonsVisible());
}

// --- The word "Dit" ---

TEST_F(EditorTest, DitColourTakesOverFromTheSuppression) {
    model->setDitSuppressed(true);
    platform.colours.push_back(0x0000FF);
    model->setDitColourOn(true);

    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text,
              QStringLiteral("Vous ne pouvez pas activé la supression du mot dit et de "
                             "personaliser sa couleur en meme temps. La fonction suppression du "
                             "mot dit sera désactivée."));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(model->ditSuppressed());
    ASSERT_EQ(platform.colourRequests.size(), 1);
    EXPECT_EQ(platform.colourRequests[0].dialog, QStringLiteral("cmdialcolor3"));
    EXPECT_EQ(model->ditColour(), 0x0000FFu);
    EXPECT_EQ(model->ditCaptionColour(), std::optional<BgrColor>(0x0000FF));

    model->setNickname(QStringLiteral("abc"));
    model->generate();
    EXPECT_EQ(model->output(), QStringLiteral("·$1abc·0·$(255,000,000)"));
}

TEST_F(EditorTest, SuppressionTickedLastGivesWay) {
    model->setDitColourOn(true);
    platform.colourRequests.clear();
    model->setDitSuppressed(true);
    EXPECT_EQ(platform.messages.size(), 1);
    EXPECT_FALSE(model->ditSuppressed());
    EXPECT_TRUE(model->ditColourOn());
    EXPECT_TRUE(platform.colourRequests.isEmpty());
}

TEST_F(EditorTest, DitSuppressionAloneWritesTheNoBreakSpaceCode) {
    model->setNickname(QStringLiteral("abc"));
    model->setDitSuppressed(true);
    model->generate();
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(model->output(), QStringLiteral("·$1abc·0·$0") + kNbsp);
}

TEST_F(EditorTest, DitDialogRemembersItsColourAndACancelKeepsIt) {
    platform.colours.push_back(0x123456);
    model->setDitColourOn(true);
    model->setDitColourOn(false);
    platform.colours.push_back(std::nullopt);
    model->setDitColourOn(true);
    ASSERT_EQ(platform.colourRequests.size(), 2);
    EXPECT_EQ(platform.colourRequests[1].current, 0x123456u);
    EXPECT_EQ(model->ditColour(), 0x123456u);
}

// --- Palettes and preview ---

TEST_F(EditorTest, CustomNicknameColourIsPickedAndRemembered) {
    model->setNickname(QStringLiteral("abc"));
    platform.colours.push_back(0x0055FF);
    model->customForegroundDoubleClicked();
    EXPECT_EQ(model->foregroundOption(), QStringLiteral("optcouleurperso1"));
    EXPECT_EQ(model->preview().textColour, 0x0055FFu);
    EXPECT_EQ(model->customForegroundCaptionColour(), 0x0055FFu);
    model->generate();
    EXPECT_EQ(model->output(), QStringLiteral("·$(255,085,000)abc·0"));

    platform.colours.push_back(std::nullopt);
    model->customForegroundDoubleClicked();
    ASSERT_EQ(platform.colourRequests.size(), 2);
    EXPECT_EQ(platform.colourRequests[0].dialog, QStringLiteral("cmdialcolor1"));
    EXPECT_EQ(platform.colourRequests[1].current, 0x0055FFu);
    EXPECT_EQ(model->customForeground(), 0x0055FFu);
}

TEST_F(EditorTest, CustomEntriesNeverPickedWriteBlack) {
    model->setNickname(QStringLiteral("abc"));
    model->pickForeground(QStringLiteral("optcouleurperso1"));
    model->generate();
    EXPECT_EQ(model->output(), QStringLiteral("·$(000,000,000)abc·0"));
    EXPECT_TRUE(platform.colourRequests.isEmpty());
}

TEST_F(EditorTest, CustomBackgroundSetsThePreviewAndTheOption) {
    model->setNickname(QStringLiteral("abc"));
    platform.colours.push_back(0xFF8000);
    model->customBackgroundDoubleClicked();
    EXPECT_EQ(platform.colourRequests.value(0).dialog, QStringLiteral("cmdialcolor2"));
    EXPECT_EQ(model->backgroundOption(), QStringLiteral("optaperso"));
    EXPECT_EQ(model->preview().backgroundColour, 0xFF8000u);
    EXPECT_EQ(model->customBackgroundOptionColour(), 0xFF8000u);
    model->generate();
    EXPECT_EQ(model->output(), QStringLiteral("·$,(000,128,255)·$1abc·0"));
}

TEST_F(EditorTest, BackgroundPicksFollowTheirOwnRules) {
    model->setNickname(QStringLiteral("abc"));
    model->pickBackground(QStringLiteral("Option12"));
    EXPECT_EQ(model->preview().backgroundColour, 0x0000FFu);

    // A single click on the custom entry keeps what was shown.
    model->pickBackground(QStringLiteral("optaperso"));
    EXPECT_EQ(model->preview().backgroundColour, 0x0000FFu);

    // "Défaut" resets the background without a refresh: a decoration typed
    // meanwhile is not shown yet.
    model->typePrefix(QStringLiteral("["));
    model->pickBackground(QStringLiteral("Option20"));
    EXPECT_EQ(model->preview().backgroundColour, kSystemButtonFace);
    EXPECT_EQ(model->preview().text, QStringLiteral("abc"));
    model->refreshPreview();
    EXPECT_EQ(model->preview().text, QStringLiteral("[abc"));

    model->pickBackground(QStringLiteral("noSuchOption"));
    EXPECT_EQ(model->backgroundOption(), QStringLiteral("Option20"));
}

TEST_F(EditorTest, StylesAndStrikethroughReachThePreview) {
    model->setNickname(QStringLiteral("abc"));
    model->setStrikethrough(true);
    model->setItalic(true);
    model->setUnderline(true);
    EXPECT_TRUE(model->preview().strikethrough);
    EXPECT_TRUE(model->preview().italic);
    EXPECT_TRUE(model->preview().underline);
    model->setStrikethrough(false);
    EXPECT_FALSE(model->preview().strikethrough);
}

TEST_F(EditorTest, PreviewSizeComesOnlyFromTheList) {
    model->setNickname(QStringLiteral("abc"));
    model->generate();
    const QString code = model->output();
    model->pickPreviewSize(QStringLiteral("24"));
    EXPECT_EQ(model->preview().fontSize, 24.0);
    model->pickPreviewSize(QStringLiteral("16"));
    EXPECT_EQ(model->preview().fontSize, 24.0);
    model->generate();
    EXPECT_EQ(model->output(), code);
    EXPECT_FALSE(model->previewSizes().contains(QStringLiteral("16")));
}

// --- Decorations ---

TEST_F(EditorTest, PickedDecorationsFrameThePreviewAndTheCode) {
    model->setNickname(QStringLiteral("Bob"));
    model->pickPrefix(1);
    model->pickSuffix(1);
    EXPECT_EQ(model->preview().text, QStringLiteral("(¯`·._.·[Bob]·._.·´¯)"));
    model->pickPrefix(0);
    EXPECT_EQ(model->prefixes().text(), QString());
    EXPECT_EQ(model->preview().text, QStringLiteral("Bob]·._.·´¯)"));
}

TEST_F(EditorTest, BalancingCopiesThePositionAcross) {
    model->setNickname(QStringLiteral("Bob"));
    model->pickPrefix(1);
    model->balanceSuffix();
    EXPECT_EQ(model->suffixes().currentIndex(), 1);
    EXPECT_EQ(model->suffixes().text(), QStringLiteral("]·._.·´¯)"));
    EXPECT_EQ(model->preview().text, QStringLiteral("(¯`·._.·[Bob]·._.·´¯)"));

    model->pickSuffix(3);
    model->balancePrefix();
    EXPECT_EQ(model->prefixes().text(), QStringLiteral("×÷·.·´¯`·)»"));
}

TEST_F(EditorTest, BalancingFromNoSelectionClearsTheOtherList) {
    model->pickPrefix(5);
    model->balancePrefix();
    EXPECT_EQ(model->prefixes().currentIndex(), -1);
    EXPECT_EQ(model->prefixes().text(), QString());
}

TEST_F(EditorTest, BalancingToAMissingUserEntryLeavesTheTarget) {
    model = makeModel({QStringLiteral("<<"), QStringLiteral("{{")}, {QStringLiteral(">>")});
    model->pickSuffix(2);
    model->pickPrefix(57);
    model->balanceSuffix();
    EXPECT_EQ(model->suffixes().currentIndex(), 2);
    model->pickPrefix(56);
    model->balanceSuffix();
    EXPECT_EQ(model->suffixes().text(), QStringLiteral(">>"));
}

TEST_F(EditorTest, TypedDecorationWaitsForTheNextRefresh) {
    model->setNickname(QStringLiteral("abc"));
    model->typeSuffix(QStringLiteral("!"));
    EXPECT_EQ(model->preview().text, QStringLiteral("abc"));
    EXPECT_EQ(model->suffixes().currentIndex(), -1);
    model->setBold(true);
    EXPECT_EQ(model->preview().text, QStringLiteral("abc!"));
    model->generate();
    EXPECT_EQ(model->output(), QStringLiteral("·#·$1abc!·0"));
}

TEST_F(EditorTest, EachHandlerAnnouncesOneChange) {
    int changes = 0;
    QObject::connect(model.get(), &MainEditorModel::changed, [&] { ++changes; });
    model->reset();
    EXPECT_EQ(changes, 1);
    model->setBold(false);  // already off: nothing happens
    EXPECT_EQ(changes, 1);
    model->setNickname(QStringLiteral("x"));
    EXPECT_EQ(changes, 2);
}

TEST_F(EditorTest, NicknamesAndTypedDecorationsAreOneLine) {
    model->setNickname(QStringLiteral("a\r\nb\rc\nd"), 4);  // caret behind the CR LF's "b"
    EXPECT_EQ(model->nickname(), QStringLiteral("a b c d"));
    EXPECT_EQ(model->caret(), 3);
    EXPECT_EQ(model->nicknameFor(QStringLiteral("x\ny")), QStringLiteral("x y"));
    model->typePrefix(QStringLiteral("<\r\n"));
    model->typeSuffix(QStringLiteral("\r>"));
    model->generate();
    EXPECT_EQ(model->output(), QStringLiteral("·$1< a b c d >·0"));
    model->setLookalike(true);
    model->setNickname(QStringLiteral("a\nb"));
    EXPECT_EQ(model->nickname(), Applique_CaracSpe(QStringLiteral("a b")));
}
