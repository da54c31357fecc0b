#include "dialects/ircpalette.h"

#include "core/oklab.h"
#include "core/palettenumbers.h"

#include <gtest/gtest.h>

namespace chromanick {
namespace {

TEST(IrcPalette, StandardColoursAreThePaletteNumbersFirstSixteen) {
    for (int n = 0; n < 16; ++n) EXPECT_EQ(ircColours()[n], PaletteNumberColours()[n]) << n;
    EXPECT_EQ(ircColours()[16], bgrFromRgb(0x47, 0x00, 0x00));
    EXPECT_EQ(ircColours()[60], bgrFromRgb(0x00, 0x00, 0xFF));
    EXPECT_EQ(ircColours()[98], bgrFromRgb(0xFF, 0xFF, 0xFF));
}

TEST(IrcPalette, EveryColourMapsToItsLowestNumber) {
    for (int n = 0; n < kIrcColourCount; ++n) {
        int lowest = 0;
        while (ircColours()[lowest] != ircColours()[n]) ++lowest;
        EXPECT_EQ(nearestIrcColour(ircColours()[n]), lowest) << n;
    }
    // Black and white appear twice: the standard numbers win.
    EXPECT_EQ(nearestIrcColour(bgrFromRgb(0, 0, 0)), 1);
    EXPECT_EQ(nearestIrcColour(bgrFromRgb(255, 255, 255)), 0);
}

TEST(IrcPalette, PureAndNearColours) {
    EXPECT_EQ(nearestIrcColour(bgrFromRgb(255, 0, 0)), 4);
    EXPECT_EQ(nearestIrcColour(bgrFromRgb(0, 0, 255)), 60);
    EXPECT_EQ(nearestIrcColour(bgrFromRgb(0, 0, 250)), 12);
    EXPECT_EQ(nearestIrcColour(bgrFromRgb(0x12, 0x12, 0x12)), 89);
}

TEST(NearestColourIndex, TiesGoToTheLowerIndexAndEmptyGivesMinusOne) {
    const std::array<BgrColor, 3> palette{bgrFromRgb(10, 10, 10), bgrFromRgb(10, 10, 10),
                                          bgrFromRgb(200, 0, 0)};
    EXPECT_EQ(nearestColourIndex(palette, bgrFromRgb(12, 12, 12)), 0);
    EXPECT_EQ(nearestColourIndex(palette, bgrFromRgb(190, 10, 0)), 2);
    EXPECT_EQ(nearestColourIndex(std::span<const BgrColor>{}, bgrFromRgb(1, 2, 3)), -1);
}

}  // namespace
}  // namespace chromanick
