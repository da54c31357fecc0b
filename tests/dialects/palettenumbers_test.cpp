#include "dialects/plus3.h"
#include "tests/support/coderuns.h"

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

BgrColor rgb(quint32 value) {
    return bgrFromRgb(int(value >> 16), int((value >> 8) & 0xFF), int(value & 0xFF));
}

std::optional<BgrColor> textColourOf(const QString& code) {
    return readPlusCode(code + QStringLiteral("x")).front().style.foreground;
}

}  // namespace

TEST(PaletteNumbers, NumbersReadInTheCompatibleClientsColours) {
    EXPECT_EQ(PaletteNumberColours()[0], rgb(0xFFFFFF));
    EXPECT_EQ(PaletteNumberColours()[1], rgb(0x000000));
    EXPECT_EQ(PaletteNumberColours()[4], rgb(0xFF0000));
    EXPECT_EQ(PaletteNumberColours()[12], rgb(0x0000FC));
    EXPECT_EQ(PaletteNumberColours()[32], rgb(0x8EFF67));
    EXPECT_EQ(PaletteNumberColours()[67], rgb(0x544D05));
    EXPECT_EQ(PaletteNumberColours()[68], rgb(0x000000));  // the last one is black again
    // Dot codes, colour tags and colour names all read in the same table.
    EXPECT_EQ(textColourOf(QStringLiteral("·$46")), rgb(0xEB0505));
    EXPECT_EQ(textColourOf(QStringLiteral("[c=46]")), rgb(0xEB0505));
    EXPECT_EQ(textColourOf(QStringLiteral("[c=silver]")), rgb(0xD2D2D2));
    EXPECT_EQ(readPlusCode(QStringLiteral("·$,54x")).front().style.background, rgb(0x944E00));
}

TEST(PaletteNumbers, EveryNumberHasAColourOfItsOwnButTheTwoBlacks) {
    for (std::size_t n = 0; n < PaletteNumberColours().size(); ++n) {
        for (std::size_t m = n + 1; m < PaletteNumberColours().size(); ++m) {
            if (n == 1 && m == 68) continue;
            EXPECT_NE(PaletteNumberColours()[n], PaletteNumberColours()[m]) << n << " " << m;
        }
    }
}
