#include "clirunner.h"

#include <gtest/gtest.h>

namespace {

// Runs render with `input` on standard input.
CliRun renderInput(const QStringList& args, const QByteArray& input) {
    QProcess process;
    process.start(QStringLiteral(CHROMANICK_CLI_PATH), QStringList{"render"} + args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return {QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()), process.exitCode()};
}

const QString kExample = QStringLiteral("·$,4·&·@·#·$12abc·0");

}  // namespace

TEST(CliRender, WritesEachFormat) {
    EXPECT_EQ(cliLine({"render", "--format", "runs", kExample}),
              QStringLiteral("#0000FC\t#FF0000\tbui\tabc"));
    EXPECT_EQ(cliLine({"render", "--format", "text", kExample}), QStringLiteral("abc"));
    EXPECT_EQ(cliLine({"render", "--format", "html", kExample}),
              QStringLiteral("<span style=\"color:#0000FC;background-color:#FF0000;"
                             "font-weight:bold;font-style:italic;text-decoration:underline\">"
                             "abc</span>"));
    EXPECT_EQ(cliLine({"render", "--format", "bbcode", kExample}),
              QStringLiteral("[color=#0000FC][b][u][i]abc[/i][/u][/b][/color]"));
    EXPECT_EQ(cliLine({"render", "--format", "ansi", kExample}),
              QStringLiteral("\x1b[0;1;3;4;38;2;0;0;252;48;2;255;0;0mabc\x1b[0m"));
}

TEST(CliRender, PlainTextWhenNotATerminalAndCodesOfBothEditorsReadBack) {
    EXPECT_EQ(cliLine({"render", kExample}), QStringLiteral("abc"));
    const QString gradient = cliLine({"gradient", "--bold", "abcdefg"});
    EXPECT_EQ(cliLine({"render", gradient}), QStringLiteral("abcdefg"));
    EXPECT_EQ(cliLine({"render", "--format", "runs", gradient}),
              QStringLiteral("#9B0008\t-\tb\tab\n#EB0505\t-\tb\tcd\n#F92611\t-\tb\tef\n"
                             "#FFAEB9\t-\tb\tg"));
    EXPECT_EQ(cliLine({"render", "--format", "text", "--", "--·#x"}), QStringLiteral("--x"));
}

TEST(CliRender, ReadsEveryFormOfColourCodeAndTheTagsWithTheirFades) {
    const QStringList lines = {QStringLiteral("·$4,8Rouge sur jaune"),
                               QStringLiteral("·$#00ff00,#000000vert"),
                               QStringLiteral("[c=4]abc[/c=12]"),
                               QStringLiteral("[b][c=#FF0080]x[/c]y[/b]"),
                               QStringLiteral("[c=1]ab[c=4]cd[/c]ef[/c=9]"),
                               QStringLiteral("[c=70]x")};
    const QString expected[] = {
        QStringLiteral("#FF0000\t#FFFF00\t-\tRouge sur jaune"),
        QStringLiteral("#00FF00\t#000000\t-\tvert"),
        QStringLiteral("#FF0000\t-\t-\ta\n#80007E\t-\t-\tb\n#0000FC\t-\t-\tc"),
        QStringLiteral("#FF0080\t-\tb\tx\n-\t-\tb\ty"),
        QStringLiteral("#000000\t-\t-\ta\n#005400\t-\t-\tb\n#FF0000\t-\t-\tcd\n"
                       "#00A800\t-\t-\te\n#00FC00\t-\t-\tf"),
        QStringLiteral("-\t-\t-\t[c=70]x")};
    for (qsizetype i = 0; i < lines.size(); ++i)
        EXPECT_EQ(cliLine({"render", "--format", "runs", lines[i]}), expected[i]) << i;
    // Every output reads the same way.
    EXPECT_EQ(cliLine({"render", "--format", "bbcode", "[c=4]a[/c=12]·$,#0000FFb"}),
              QStringLiteral("[color=#FF0000]a[/color]b"));
    EXPECT_EQ(cliLine({"render", "--format", "text", "[B]·$32,1« :: nube ::»[/b]"}),
              QStringLiteral("« :: nube ::»"));
}

TEST(CliRender, DashReadsEveryLineOfStandardInput) {
    const CliRun run = renderInput({"--format", "text", "-"}, "·#a·0b\r\n\n·$4<c>\nlast");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, QStringLiteral("ab\n\n<c>\nlast\n"));
    EXPECT_EQ(renderInput({"-"}, "").out, QString());
    const CliRun html = renderInput({"--format", "html", "-"}, "<script>\n");
    EXPECT_EQ(html.out, QStringLiteral("<span style=\"\">&lt;script&gt;</span>\n"));
}

TEST(CliRender, BadInputIsNamedWithStatusTwo) {
    expectUsageError({"render", "--format", "rtf", "x"}, "rtf");
    expectUsageError({"render", "--format"}, "--format");
    expectUsageError({"render"}, "code");
    expectUsageError({"render", "a", "b"}, "b");
    expectUsageError({"render", "--colour", "a"}, "--colour");
}
