#include "dialects/plus3.h"
#include "gradient/gradient.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace chromanick;

TEST(GradientPresets, SixFamiliesOfSixRows) {
    ASSERT_EQ(gradientPresets().size(), 36);
    ASSERT_EQ(gradientFamilyTitles().size(), 6);
    for (int row = 0; row < 36; ++row) EXPECT_EQ(gradientPresets()[row].family, row / 6) << row;
    EXPECT_EQ(gradientFamilyTitles().first(), QStringLiteral("Dégradé de rouge :"));
    EXPECT_EQ(gradientFamilyTitles()[3], QStringLiteral("Dégradé de jaune"));
    EXPECT_EQ(gradientFamilyTitles().last(), QStringLiteral("Autre :"));
}

TEST(GradientPresets, EverySlotIsAPaletteCodeWithAPlainColour) {
    const QRegularExpression paletteCode(QStringLiteral("^·\\$(0|[1-9][0-9]?)$"));
    for (const GradientPreset& preset : gradientPresets()) {
        for (int slot = 0; slot < 5; ++slot) {
            EXPECT_TRUE(paletteCode.match(plus3::write({preset.codes[slot]})).hasMatch())
                << plus3::write({preset.codes[slot]}).toStdString();
            EXPECT_LE(preset.previewColours[slot], 0xFFFFFFu);
        }
    }
}

TEST(GradientPresets, PreviewColoursAreStoredRedInTheLowByte) {
    // Row 0 runs from dark red #800000 to pure red #FF0000 in slot 3.
    EXPECT_EQ(gradientPresets()[0].previewColours[0], bgrFromRgb(0x80, 0, 0));
    EXPECT_EQ(gradientPresets()[0].previewColours[2], BgrColor(0x0000FF));
    // The same code can show in different colours in different rows.
    EXPECT_EQ(gradientPresets()[0].codes[3], gradientPresets()[2].codes[1]);
    EXPECT_NE(gradientPresets()[0].previewColours[3], gradientPresets()[2].previewColours[1]);
    const auto custom = customRowInitialPreview();
    EXPECT_EQ(custom[0], BgrColor(0));
    EXPECT_EQ(custom[1], bgrFromRgb(0x40, 0x40, 0x40));
    EXPECT_EQ(custom[4], custom[3]);
}
