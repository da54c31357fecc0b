// The gradient editor's behaviour, driven through its model as the window does.
#include "ui/gradient/gradientmodel.h"
#include "core/appinfo.h"
#include "core/nicksettings.h"
#include "tests/support/scriptedplatform.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace chromanick;
using chromanick::testing::ScriptedPlatform;

namespace {

class GradientModelTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    GradientEditorModel model{platform};
};

QString repeatAlphabet(int length) {
    QString text;
    for (int i = 0; i < length; ++i) text += QChar(u'a' + i % 26);
    return text;
}

struct CountCase {
    int length;
    int k;
    std::array<int, 5> segmentLengths;
};

class GradientCountTest : public GradientModelTest,
                          public ::testing::WithParamInterface<CountCase> {};

}  // namespace

TEST_F(GradientModelTest, StartsWithRowZeroNoStylesAutoCopyAndTheCreditNote) {
    EXPECT_EQ(model.presetRow(), 0);
    EXPECT_TRUE(model.settings().autoCopy);
    EXPECT_FALSE(model.settings().bold || model.settings().underline || model.settings().italic ||
                 model.settings().strikethrough);
    EXPECT_FALSE(model.selectBackgroundEnabled());
    EXPECT_FALSE(model.previewBackground().has_value());
    EXPECT_EQ(model.countText(),
              QStringLiteral("Nombre de caractère dans votre pseudo :0 (Limité à 50 caractères)"));

    const QStringList note = model.output().split(QLatin1Char('\n'));
    ASSERT_EQ(note.size(), 4);
    EXPECT_EQ(note[0], QStringLiteral("By Tiwakan"));
    EXPECT_EQ(note[1], QStringLiteral("Date : 2006"));
    EXPECT_EQ(note[2], appinfo::kProductSite);
    EXPECT_TRUE(note[3].endsWith(appinfo::kContactEmail));
}

// Every row shows the same five segments; each segment is at most k long and
// together they always give back the whole text, longer texts included.
TEST_P(GradientCountTest, CountLabelAndSegmentsFollowTheRealLength) {
    const CountCase c = GetParam();
    const QString text = repeatAlphabet(c.length);
    model.setNickname(text);

    EXPECT_EQ(model.countText(), QStringLiteral("Nombre de caractère dans votre pseudo :%1 "
                                                "(Limité à 50 caractères)")
                                     .arg(c.length));
    EXPECT_EQ(model.split().k, c.k);
    QString joined;
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(model.split().segments[j].size(), c.segmentLengths[j]) << "slot " << j;
        joined += model.split().segments[j];
    }
    EXPECT_EQ(joined, text);
}

INSTANTIATE_TEST_SUITE_P(Lengths, GradientCountTest,
                         ::testing::Values(CountCase{0, 1, {0, 0, 0, 0, 0}},
                                           CountCase{6, 2, {2, 2, 2, 0, 0}},
                                           CountCase{7, 2, {2, 2, 2, 1, 0}},
                                           CountCase{32, 7, {7, 7, 7, 7, 4}},
                                           CountCase{50, 10, {10, 10, 10, 10, 10}},
                                           CountCase{60, 12, {12, 12, 12, 12, 12}}));

// A view redraws its whole window on changed(): "Nouveau" runs many handlers
// but tells it once, and a single handler once.
TEST_F(GradientModelTest, EachHandlerAnnouncesOneChange) {
    int changes = 0;
    QObject::connect(&model, &GradientEditorModel::changed, [&] { ++changes; });
    model.setBold(true);
    model.selectRow(4);
    EXPECT_EQ(changes, 2);
    model.reset();
    EXPECT_EQ(changes, 3);
    EXPECT_FALSE(model.settings().bold);
    EXPECT_EQ(model.presetRow(), 0);
    EXPECT_EQ(model.nickname(), kGradientPlaceholder);
}

TEST_F(GradientModelTest, ThePlaceholderIsCountedAndSplitLikeAnyNickname) {
    model.setNickname(QStringLiteral("Bob"));
    model.setNickname(kGradientPlaceholder);
    EXPECT_EQ(model.split().k, 7);
    EXPECT_EQ(model.countText(),
              QStringLiteral("Nombre de caractère dans votre pseudo :32 (Limité à 50 caractères)"));
}

TEST_F(GradientModelTest, DoubleClickEmptiesTheNickname) {
    model.setNickname(QStringLiteral("abcdef"));
    model.nicknameDoubleClicked();
    EXPECT_TRUE(model.nickname().isEmpty());
    EXPECT_EQ(model.split(), Decoupe_Pseudo(QString()));
}

TEST_F(GradientModelTest, GenerateWithStylesAndBackgroundCopiesAndReadsBack) {
    model.setNickname(QStringLiteral("abcdefg"));
    model.setBold(true);
    model.setBackgroundEnabled(true);
    platform.colours.push_back(BgrColor(0xFF0000));  // blue
    model.selectBackgroundColour();
    model.generate();

    const QString expected = QStringLiteral("·#·$,(000,000,255)·$55ab·$46cd·$37ef·$19g·$18·0");
    EXPECT_EQ(model.output(), expected);
    EXPECT_EQ(platform.clipboard, expected);
}

TEST_F(GradientModelTest, AllStylesStandInFrontOfTheBackground) {
    model.setNickname(QStringLiteral("abcde"));
    model.setBold(true);
    model.setUnderline(true);
    model.setItalic(true);
    model.setStrikethrough(true);
    model.setBackgroundEnabled(true);  // never picked: black
    model.generate();
    EXPECT_TRUE(model.output().startsWith(QStringLiteral("·'·&·@·#·$,(000,000,000)")));
    EXPECT_TRUE(model.output().endsWith(QStringLiteral("e·0")));
}

TEST_F(GradientModelTest, WithoutAutoCopyTheClipboardIsLeftAlone) {
    platform.clipboard = QStringLiteral("before");
    model.setAutoCopy(false);
    model.generate();
    EXPECT_EQ(platform.clipboard, QStringLiteral("before"));
    EXPECT_EQ(model.output(), QStringLiteral("·$55·$46·$37·$19·$18·0"));
}

TEST_F(GradientModelTest, AClipboardWithoutTextKeepsTheGeneratedCode) {
    platform.clipboardRejectsText = true;
    model.generate();
    EXPECT_EQ(model.output(), QStringLiteral("·$55·$46·$37·$19·$18·0"));
}

TEST_F(GradientModelTest, SelectingARowDoesNotRegenerate) {
    model.setNickname(QStringLiteral("abcde"));
    model.generate();
    const QString before = model.output();
    model.selectRow(6);
    EXPECT_EQ(model.presetRow(), 6);
    EXPECT_EQ(model.output(), before);
    model.generate();
    EXPECT_TRUE(model.output().startsWith(QStringLiteral("·$64a")));
}

TEST_F(GradientModelTest, UntickingTheBackgroundKeepsItsColourForTheNextTick) {
    model.setBackgroundEnabled(true);
    platform.colours.push_back(BgrColor(0x00FF00));
    model.selectBackgroundColour();
    EXPECT_EQ(model.previewBackground(), BgrColor(0x00FF00));

    model.setBackgroundEnabled(false);
    EXPECT_FALSE(model.selectBackgroundEnabled());
    EXPECT_FALSE(model.previewBackground().has_value());

    model.setBackgroundEnabled(true);
    EXPECT_FALSE(model.previewBackground().has_value());  // until a colour is chosen again
    model.generate();
    EXPECT_TRUE(model.output().startsWith(QStringLiteral("·$,(000,255,000)")));
}

TEST_F(GradientModelTest, BackgroundDialogCancelPaintsWithTheLastChoice) {
    model.setBackgroundEnabled(true);
    model.selectBackgroundColour();  // cancelled, nothing chosen yet
    EXPECT_EQ(model.previewBackground(), BgrColor(0));

    platform.colours.push_back(BgrColor(0x123456));
    model.selectBackgroundColour();
    model.setBackgroundEnabled(false);
    model.setBackgroundEnabled(true);
    model.selectBackgroundColour();  // cancelled again
    EXPECT_EQ(model.previewBackground(), BgrColor(0x123456));
    ASSERT_EQ(platform.colourRequests.size(), 3);
    EXPECT_EQ(platform.colourRequests[2].dialog, QStringLiteral("cmdialcolorap"));
    EXPECT_EQ(platform.colourRequests[2].current, BgrColor(0x123456));
}

TEST_F(GradientModelTest, CustomColoursFillTheCustomRowSlotBySlot) {
    model.setNickname(QStringLiteral("abcde"));
    model.selectRow(kGradientCustomRow);
    model.generate();
    EXPECT_EQ(model.output(), QStringLiteral("abcde·0"));  // no slot set yet

    platform.colours.push_back(BgrColor(0x0080FF));
    model.pickCustomColour(1);
    model.pickCustomColour(3);  // cancelled: the slot stays as it was
    model.generate();
    EXPECT_EQ(model.output(), QStringLiteral("a·$(255,128,000)bcde·0"));
    EXPECT_EQ(model.previewColour(kGradientCustomRow, 1), BgrColor(0x0080FF));
    EXPECT_EQ(model.previewColour(kGradientCustomRow, 3), customRowInitialPreview()[3]);
    EXPECT_EQ(model.previewColour(kGradientCustomRow, 0), customRowInitialPreview()[0]);

    ASSERT_EQ(platform.colourRequests.size(), 2);
    EXPECT_EQ(platform.colourRequests[0].dialog, QStringLiteral("cmdialcouleurperso2"));
    EXPECT_EQ(platform.colourRequests[1].dialog, QStringLiteral("cmdialcouleurperso4"));

    model.pickCustomColour(1);  // each dialog opens on its own last colour
    EXPECT_EQ(platform.colourRequests.last().current, BgrColor(0x0080FF));
}

TEST_F(GradientModelTest, PresetRowsPreviewInTheirOwnColours) {
    for (int row = 0; row < kGradientCustomRow; ++row)
        for (int slot = 0; slot < 5; ++slot)
            EXPECT_EQ(model.previewColour(row, slot), gradientPresets()[row].previewColours[slot]);
}

TEST_F(GradientModelTest, NouveauResetsChoicesButKeepsColoursAndAutoCopy) {
    platform.colours = {BgrColor(0x111111), BgrColor(0x222222)};
    model.pickCustomColour(0);
    model.setBackgroundEnabled(true);
    model.selectBackgroundColour();
    model.setAutoCopy(false);
    model.selectRow(12);
    model.setBold(true);
    model.setUnderline(true);
    model.setItalic(true);
    model.setStrikethrough(true);
    model.setNickname(QStringLiteral("xyz"));
    model.generate();

    model.reset();
    EXPECT_EQ(model.presetRow(), 0);
    EXPECT_FALSE(model.settings().bold || model.settings().underline || model.settings().italic ||
                 model.settings().strikethrough);
    EXPECT_EQ(model.nickname(), kGradientPlaceholder);
    EXPECT_TRUE(model.output().isEmpty());
    EXPECT_FALSE(model.selectBackgroundEnabled());
    EXPECT_FALSE(model.previewBackground().has_value());

    EXPECT_EQ(model.settings().customColours[0], BgrColor(0x111111));
    EXPECT_EQ(model.backgroundDialogColour(), BgrColor(0x222222));
    EXPECT_FALSE(model.settings().autoCopy);
}

TEST_F(GradientModelTest, TheCreditNoteStaysUntilTheFirstGeneration) {
    model.setNickname(QStringLiteral("abc"));
    model.selectRow(3);
    EXPECT_EQ(model.output(), GradientEditorModel::creditNote());
    model.generate();
    EXPECT_NE(model.output(), GradientEditorModel::creditNote());
}

// Emoji and accented letters count as the one character a reader sees.
TEST_F(GradientModelTest, TheCountAndTheLimitCountCharactersAsAReaderSeesThem) {
    const QString smile = QStringLiteral("\U0001F600");
    model.setNickname(smile.repeated(4) + QStringLiteral("e\u0301"));
    EXPECT_EQ(model.countText(),
              QStringLiteral("Nombre de caractère dans votre pseudo :5 (Limité à 50 caractères)"));

    // Typed or pasted past 50, what came last before the caret is left out.
    model.setNickname(smile.repeated(48));
    int pos = 48 * 2 + 3;
    EXPECT_EQ(model.typedNickname(smile.repeated(48) + QStringLiteral("abc"), pos),
              smile.repeated(48) + QStringLiteral("ab"));
    EXPECT_EQ(pos, 48 * 2 + 2);
    pos = 3;
    EXPECT_EQ(model.typedNickname(QStringLiteral("xyz") + smile.repeated(48), pos),
              QStringLiteral("xy") + smile.repeated(48));
    // A longer nickname handed over keeps its own length as the limit.
    model.setNickname(smile.repeated(60));
    pos = 0;
    EXPECT_EQ(model.typedNickname(smile.repeated(60), pos), smile.repeated(60));
}
