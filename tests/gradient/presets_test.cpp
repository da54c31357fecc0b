#include "gradient/gradient.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace chromanick;

TEST(GradientPresets, SixFamiliesOfSixRows) {
    ASSERT_EQ(GradientPresets().size(), 36);
    ASSERT_EQ(GradientFamilyTitles().size(), 6);
    for (int row = 0; row < 36; ++row) EXPECT_EQ(GradientPresets()[row].family, row / 6) << row;
    EXPECT_EQ(GradientFamilyTitles().first(), QStringLiteral("Dégradé de rouge :"));
    EXPECT_EQ(GradientFamilyTitles()[3], QStringLiteral("Dégradé de jaune"));
    EXPECT_EQ(GradientFamilyTitles().last(), QStringLiteral("Autre :"));
}

TEST(GradientPresets, EverySlotIsAPaletteCodeWithAPlainColour) {
    const QRegularExpression paletteCode(QStringLiteral("^·\\$(0|[1-9][0-9]?)$"));
    for (const GradientPreset& preset : GradientPresets()) {
        for (int slot = 0; slot < 5; ++slot) {
            EXPECT_TRUE(paletteCode.match(preset.codes[slot]).hasMatch())
                << preset.codes[slot].toStdString();
            EXPECT_LE(preset.previewColours[slot], 0xFFFFFFu);
        }
    }
}

TEST(GradientPresets, PreviewColoursAreStoredRedInTheLowByte) {
    // Row 0 runs from dark red #800000 to pure red #FF0000 in slot 3.
    EXPECT_EQ(GradientPresets()[0].previewColours[0], bgrFromRgb(0x80, 0, 0));
    EXPECT_EQ(GradientPresets()[0].previewColours[2], BgrColor(0x0000FF));
    // The same code can show in different colours in different rows.
    EXPECT_EQ(GradientPresets()[0].codes[3], GradientPresets()[2].codes[1]);
    EXPECT_NE(GradientPresets()[0].previewColours[3], GradientPresets()[2].previewColours[1]);
    const auto custom = CustomRowInitialPreview();
    EXPECT_EQ(custom[0], BgrColor(0));
    EXPECT_EQ(custom[1], bgrFromRgb(0x40, 0x40, 0x40));
    EXPECT_EQ(custom[4], custom[3]);
}
