#include "clirunner.h"

#include <gtest/gtest.h>

TEST(CliGradient, ReproducesTheGradientEditorsCodeLines) {
    EXPECT_EQ(cliLine({"gradient", "--bold", "--background", "#0000FF", "abcdefg"}),
              QStringLiteral("·#·$,(000,000,255)·$55ab·$46cd·$37ef·$19g·$18·0"));
    EXPECT_EQ(cliLine({"gradient", ""}), QStringLiteral("·$55·$46·$37·$19·$18·0"));
    EXPECT_EQ(cliLine({"gradient", "--scheme", "35", "--strikethrough", "--italic", "--underline",
                       "abcde"}),
              QStringLiteral("·'·&·@·$1a·$52b·$43c·$15d·$16e·0"));
}

TEST(CliGradient, CustomSchemeTakesOnlyTheGivenSlots) {
    EXPECT_EQ(cliLine({"gradient", "--scheme", "36", "abcde"}), QStringLiteral("abcde·0"));
    EXPECT_EQ(cliLine({"gradient", "--scheme", "36", "--slot", "1=#000000", "--slot", "3=#ff8000",
                       "abcde"}),
              QStringLiteral("·$(000,000,000)ab·$(255,128,000)cde·0"));
}

TEST(CliGradient, BadInputIsNamedWithStatusTwo) {
    expectUsageError({"gradient", "--scheme", "37", "x"}, "37");
    expectUsageError({"gradient", "--slot", "6=#000000", "x"}, "6");
    expectUsageError({"gradient", "--slot", "1#000000", "x"}, "1#000000");
    expectUsageError({"gradient", "--slot", "2=#00000", "x"}, "#00000");
    expectUsageError({"gradient", "--background", "blue", "x"}, "blue");
    expectUsageError({"gradient", "--fg", "Option2", "x"}, "--fg");
    expectUsageError({"gradient", "--bold"}, "pseudo");
}
