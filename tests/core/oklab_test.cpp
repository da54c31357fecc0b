#include "core/oklab.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace chromanick;

namespace {

constexpr double kTolerance = 1e-6;

void expectLab(BgrColor colour, double L, double a, double b) {
    const OkLab lab = toOkLab(colour);
    EXPECT_NEAR(lab.L, L, kTolerance) << std::hex << colour;
    EXPECT_NEAR(lab.a, a, kTolerance) << std::hex << colour;
    EXPECT_NEAR(lab.b, b, kTolerance) << std::hex << colour;
}

// Largest difference between the channels of two colours.
int channelDistance(BgrColor x, BgrColor y) {
    return std::max({std::abs(redOf(x) - redOf(y)), std::abs(greenOf(x) - greenOf(y)),
                     std::abs(blueOf(x) - blueOf(y))});
}

}  // namespace

TEST(OkLab, PureColoursHaveTheirPublishedValues) {
    expectLab(bgrFromRgb(255, 255, 255), 1.0, 0.0, 0.0);
    expectLab(bgrFromRgb(0, 0, 0), 0.0, 0.0, 0.0);
    expectLab(bgrFromRgb(255, 0, 0), 0.627955, 0.224863, 0.125846);
    expectLab(bgrFromRgb(0, 0, 255), 0.452014, -0.032457, -0.311528);
}

TEST(OkLab, GreysHaveNoHueAndGrowLighter) {
    double previous = -1;
    for (int level = 0; level < 256; ++level) {
        const OkLab grey = toOkLab(bgrFromRgb(level, level, level));
        EXPECT_NEAR(grey.a, 0.0, 1e-4) << level;
        EXPECT_NEAR(grey.b, 0.0, 1e-4) << level;
        EXPECT_GT(grey.L, previous) << level;
        previous = grey.L;
    }
}

TEST(OkLab, SrgbComesBackWithinOnePerChannel) {
    for (int level = 0; level < 256; ++level) {
        const BgrColor grey = bgrFromRgb(level, level, level);
        EXPECT_LE(channelDistance(fromOkLab(toOkLab(grey)), grey), 1) << level;
    }
    // A grid through the whole cube, its faces and corners included.
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 15) {
                const BgrColor colour = bgrFromRgb(r, g, b);
                EXPECT_LE(channelDistance(fromOkLab(toOkLab(colour)), colour), 1)
                    << r << ',' << g << ',' << b;
            }
}

TEST(OkLab, OutOfGamutPointsAreClamped) {
    EXPECT_EQ(fromOkLab({2.0, 0.0, 0.0}), bgrFromRgb(255, 255, 255));
    EXPECT_EQ(fromOkLab({-1.0, 0.0, 0.0}), bgrFromRgb(0, 0, 0));
    // Far out along +a: as red as sRGB goes, with no green.
    const BgrColor reddest = fromOkLab({0.6, 0.5, 0.0});
    EXPECT_EQ(redOf(reddest), 255);
    EXPECT_EQ(greenOf(reddest), 0);
}

TEST(OkLab, MixRunsStraightBetweenItsEnds) {
    const OkLab red = toOkLab(bgrFromRgb(255, 0, 0));
    const OkLab blue = toOkLab(bgrFromRgb(0, 0, 255));
    EXPECT_EQ(fromOkLab(mixOkLab(red, blue, 0.0)), bgrFromRgb(255, 0, 0));
    EXPECT_EQ(fromOkLab(mixOkLab(red, blue, 1.0)), bgrFromRgb(0, 0, 255));
    const OkLab half = mixOkLab(red, blue, 0.5);
    EXPECT_NEAR(half.L, (red.L + blue.L) / 2, kTolerance);
    EXPECT_NEAR(half.a, (red.a + blue.a) / 2, kTolerance);
    EXPECT_NEAR(half.b, (red.b + blue.b) / 2, kTolerance);
    // Halfway from black to white is OKLab's middle grey, L = 0.5: a linear
    // light of 0.125, which sRGB writes 99.
    const BgrColor grey = fromOkLab(mixOkLab(toOkLab(0), toOkLab(bgrFromRgb(255, 255, 255)), 0.5));
    EXPECT_EQ(grey, bgrFromRgb(99, 99, 99));
}
