#include "clirunner.h"

#include <gtest/gtest.h>

TEST(CliSmoothGradient, OneColourPerGroupBetweenTheGivenStops) {
    // Red, three OKLab mixes, blue.
    EXPECT_EQ(cliLine({"gradient", "--smooth", "--stops", "#FF0000,#0000FF", "abcde"}),
              QStringLiteral("·$(255,000,000)a·$(198,073,109)b·$(140,083,162)c"
                             "·$(081,071,210)d·$(000,000,255)e·0"));
    EXPECT_EQ(cliLine({"gradient", "--smooth", "--step", "2", "--stops", "#ff0000,#0000ff",
                       "--bold", "abcde"}),
              QStringLiteral("·#·$(255,000,000)ab·$(140,083,162)cd·$(000,000,255)e·0"));
    EXPECT_EQ(cliLine({"gradient", "--smooth", "--stops", "#102030", "--italic", ""}),
              QStringLiteral("·&·0"));
}

TEST(CliSmoothGradient, WithoutStopsTheSchemeGivesThemAsInTheEditor) {
    // Row 0's preview colours, first to last over five groups.
    const QString code = cliLine({"gradient", "--smooth", "abcde"});
    EXPECT_TRUE(code.startsWith(QStringLiteral("·$(128,000,000)a·$(192,000,000)b")))
        << code.toStdString();
    EXPECT_TRUE(code.endsWith(QStringLiteral("·$(255,192,128)e·0"))) << code.toStdString();
    // The custom scheme: the slots given, in slot order; none, no colour at all.
    EXPECT_EQ(cliLine({"gradient", "--smooth", "--scheme", "36", "--slot", "3=#0000FF", "--slot",
                       "1=#FF0000", "abcde"}),
              cliLine({"gradient", "--smooth", "--stops", "#FF0000,#0000FF", "abcde"}));
    EXPECT_EQ(cliLine({"gradient", "--smooth", "--scheme", "36", "abc"}), QStringLiteral("abc·0"));
    // --stops wins over the scheme.
    EXPECT_EQ(cliLine({"gradient", "--smooth", "--scheme", "12", "--stops", "#00FF00", "ab"}),
              QStringLiteral("·$(000,255,000)ab·0"));
}

TEST(CliSmoothGradient, BadValuesAreNamedWithStatusTwo) {
    expectUsageError({"gradient", "--smooth", "--stops", "", "x"}, "--stops");
    expectUsageError({"gradient", "--smooth", "--stops", "#FF0000,#00FF0", "x"}, "#00FF0");
    expectUsageError({"gradient", "--smooth", "--stops", "#FF0000,,#0000FF", "x"}, "--stops");
    QStringList seventeen;
    for (int i = 0; i < 17; ++i) seventeen.append(QStringLiteral("#000000"));
    expectUsageError({"gradient", "--smooth", "--stops", seventeen.join(','), "x"}, "17");
    expectUsageError({"gradient", "--smooth", "--step", "0", "x"}, "0");
    expectUsageError({"gradient", "--smooth", "--step", "51", "x"}, "51");
    expectUsageError({"gradient", "--smooth", "--step", "deux", "x"}, "deux");
    expectUsageError({"gradient", "--smooth", "--step"}, "--step");
    // The smooth options need --smooth.
    expectUsageError({"gradient", "--step", "2", "x"}, "--smooth");
    expectUsageError({"gradient", "--stops", "#FF0000", "x"}, "--smooth");
    // Sixteen colours are accepted.
    QStringList sixteen = seventeen.mid(1);
    EXPECT_EQ(cliLine({"gradient", "--smooth", "--stops", sixteen.join(','), "ab"}),
              QStringLiteral("·$(000,000,000)ab·0"));
}
