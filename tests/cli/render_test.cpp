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
              QStringLiteral("#0000FF\t#FF0000\tbui\tabc"));
    EXPECT_EQ(cliLine({"render", "--format", "text", kExample}), QStringLiteral("abc"));
    EXPECT_EQ(cliLine({"render", "--format", "html", kExample}),
              QStringLiteral("<span style=\"color:#0000FF;background-color:#FF0000;"
                             "font-weight:bold;font-style:italic;text-decoration:underline\">"
                             "abc</span>"));
    EXPECT_EQ(cliLine({"render", "--format", "bbcode", kExample}),
              QStringLiteral("[color=#0000FF][b][u][i]abc[/i][/u][/b][/color]"));
    EXPECT_EQ(cliLine({"render", "--format", "ansi", kExample}),
              QStringLiteral("\x1b[0;1;3;4;38;2;0;0;255;48;2;255;0;0mabc\x1b[0m"));
}

TEST(CliRender, PlainTextWhenNotATerminalAndCodesOfBothEditorsReadBack) {
    EXPECT_EQ(cliLine({"render", kExample}), QStringLiteral("abc"));
    const QString gradient = cliLine({"gradient", "--bold", "abcdefg"});
    EXPECT_EQ(cliLine({"render", gradient}), QStringLiteral("abcdefg"));
    EXPECT_EQ(cliLine({"render", "--format", "runs", gradient}),
              QStringLiteral("#990000\t-\tb\tab\n#C00000\t-\tb\tcd\n#FF0000\t-\tb\tef\n"
                             "#E37D68\t-\tb\tg"));
    EXPECT_EQ(cliLine({"render", "--format", "text", "--", "--·#x"}), QStringLiteral("--x"));
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
