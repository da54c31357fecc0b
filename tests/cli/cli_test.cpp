#include "clirunner.h"

#include <gtest/gtest.h>

namespace {

using Args = QStringList;

}  // namespace

TEST(CliCompose, ReproducesTheEditorsCodeLines) {
    EXPECT_EQ(cliLine({"compose", "abc"}), QStringLiteral("·$1abc·0"));
    EXPECT_EQ(cliLine({"compose", ""}), QStringLiteral("·$1·0"));
    EXPECT_EQ(cliLine({"compose", "--fg", "Option2", "--bg", "Option12", "--bold", "--underline",
                       "--italic", "abc"}),
              QStringLiteral("·$,4·&·@·#·$12abc·0"));
    EXPECT_EQ(cliLine({"compose", "--strikethrough", "--fg", "Option2", "--bg", "Option12",
                       "--bold", "--underline", "--italic", "abc"}),
              QStringLiteral("·'·$,4·&·@·#·$12abc·0"));
    EXPECT_EQ(cliLine({"compose", "--prefix", "[", "--suffix", "]", "abc"}),
              QStringLiteral("·$1[abc]·0"));
    EXPECT_EQ(cliLine({"compose", "--bg", "optabordeau", "abc"}), QStringLiteral("·$,55·$1abc·0"));
}

TEST(CliCompose, CustomAndDitColoursAreGivenRedFirst) {
    EXPECT_EQ(cliLine({"compose", "--fg", "optcouleurperso1", "abc"}),
              QStringLiteral("·$(000,000,000)abc·0"));
    EXPECT_EQ(cliLine({"compose", "--fg", "optcouleurperso1", "--custom-fg", "#FF5500", "abc"}),
              QStringLiteral("·$(255,085,000)abc·0"));
    EXPECT_EQ(cliLine({"compose", "--bg", "optaperso", "--custom-bg", "#0080ff", "abc"}),
              QStringLiteral("·$,(000,128,255)·$1abc·0"));
    EXPECT_EQ(cliLine({"compose", "--dit-colour", "#FF0000", "abc"}),
              QStringLiteral("·$1abc·0·$(255,000,000)"));
    EXPECT_EQ(cliLine({"compose", "--suppress-dit", "abc"}),
              QStringLiteral("·$1abc·0·$0") + QChar(0x00A0));
}

TEST(CliCompose, DecorationEntriesAndTheLastChoiceWins) {
    EXPECT_EQ(cliLine({"compose", "--prefix-entry", "1", "--suffix-entry", "1", "Bob"}),
              QStringLiteral("·$1(¯`·._.·[Bob]·._.·´¯)·0"));
    EXPECT_EQ(cliLine({"compose", "--prefix-entry", "0", "--suffix-entry", "55", "x"}),
              QStringLiteral("·$1x°~*~°·0"));
    EXPECT_EQ(cliLine({"compose", "--prefix-entry", "1", "--prefix", "<", "x"}),
              QStringLiteral("·$1<x·0"));
    EXPECT_EQ(cliLine({"compose", "--prefix", "<", "--prefix-entry", "0", "x"}),
              QStringLiteral("·$1x·0"));
}

TEST(CliCompose, NicknameMayLookLikeAnOptionAfterDoubleDash) {
    EXPECT_EQ(cliLine({"compose", "--bold", "--", "--x"}), QStringLiteral("·#·$1--x·0"));
    EXPECT_EQ(cliLine({"compose", "a·$b"}), QStringLiteral("·$1a·$b·0"));
}

TEST(CliCompose, BadInputIsNamedInFrenchWithStatusTwo) {
    expectUsageError({"compose", "--fg", "Option12", "abc"}, "Option12");
    expectUsageError({"compose", "--bg", "Option9", "abc"}, "Option9");
    expectUsageError({"compose", "--colour", "abc"}, "--colour");
    expectUsageError({"compose", "--custom-fg", "#12345", "abc"}, "#12345");
    expectUsageError({"compose", "--custom-bg", "FF0000", "abc"}, "FF0000");
    expectUsageError({"compose", "--dit-colour", "#GG0000", "abc"}, "#GG0000");
    expectUsageError({"compose", "--prefix-entry", "56", "abc"}, "56");
    expectUsageError({"compose", "--suffix-entry", "-1", "abc"}, "-1");
    expectUsageError({"compose", "--prefix-entry", "un", "abc"}, "un");
    expectUsageError({"compose", "--bold"}, "pseudo");
    expectUsageError({"compose", "abc", "def"}, "def");
    expectUsageError({"compose", "abc", "--fg"}, "--fg");
    expectUsageError({"frobnicate"}, "frobnicate");
    expectUsageError({}, "commande");
}

TEST(CliLookalike, TransformsBothWays) {
    EXPECT_EQ(cliLine({"lookalike", "Mon pseudo"}), QStringLiteral("|\\/|øñ Þ§€µdø"));
    EXPECT_EQ(cliLine({"lookalike", "--remove", "|\\/|_"}), QStringLiteral("|VL"));
    EXPECT_EQ(cliLine({"lookalike", "--remove", "¥¥"}), QStringLiteral("YY"));
    EXPECT_EQ(cliLine({"lookalike", ""}), QString());
    expectUsageError({"lookalike", "--reverse", "abc"}, "--reverse");
    expectUsageError({"lookalike"}, "texte");
}

TEST(CliPalettes, ListsBothPalettesWithTheirCodes) {
    const CliRun run = runCli({"palettes"});
    ASSERT_EQ(run.status, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(QStringLiteral("Option9\tNoir\t·$1")));
    EXPECT_TRUE(lines.contains(QStringLiteral("optrouge2\tRouge 2\t·$(255,085,085)")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Option36\tBleu ciel\t·$,(000,128,255)")));
    EXPECT_EQ(lines.filter(QStringLiteral("\t")).size(), 76 + 60);
    expectUsageError({"palettes", "extra"}, "extra");
}

TEST(CliHelp, DescribesEveryCommand) {
    for (const Args& args : {Args{"--help"}, Args{"help"}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.err.isEmpty());
        for (const char* name : {"compose", "lookalike", "palettes"}) {
            EXPECT_TRUE(run.out.contains(QStringLiteral("chromanick-cli %1").arg(name))) << name;
        }
        EXPECT_TRUE(run.out.contains("--suppress-dit"));
    }
    const CliRun one = runCli({"compose", "--help"});
    EXPECT_EQ(one.status, 0);
    EXPECT_TRUE(one.out.startsWith("chromanick-cli compose"));
    EXPECT_EQ(runCli({"help", "lookalike"}).out, runCli({"lookalike", "--help"}).out);
}

TEST(CliVersion, PrintsTheProgramsNameAndVersion) {
    for (const Args& args : {Args{"--version"}, Args{"version"}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, QStringLiteral("Chromanick 6.0.0\n"));
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
    EXPECT_EQ(runCli({"--version", "--help"}).out, runCli({"help", "version"}).out);
    EXPECT_TRUE(runCli({"version", "--help"}).out.contains("Chromanick 6.0.0"));
    expectUsageError({"version", "extra"}, "extra");
    expectUsageError({"--version", "--short"}, "--short");

    const CliRun help = runCli({"--help"});
    EXPECT_TRUE(help.out.contains("chromanick-cli version")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("chromanick-cli --version")) << help.out.toStdString();
}
