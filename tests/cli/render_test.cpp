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

TEST(CliRender, ReadsOtherChatsOnDemandAndIrcCodesAlways) {
    // A line of one chat converts to another.
    EXPECT_EQ(cliLine({"render", "--from", "minimessage", "--format", "minecraft",
                       "<yellow>Hello <blue>World</blue>!"}),
              QStringLiteral("&#FFFF55Hello &#5555FFWorld&#FFFF55!"));
    EXPECT_EQ(cliLine({"render", "--from", "minecraft", "--format", "minimessage", "&c&lab&r<c"}),
              QStringLiteral("<b><#FF5555>ab</#FF5555></b>\\<c"));
    EXPECT_EQ(renderInput({"--from", "minecraft", "--format", "runs", "-"}, "&6a\n&lb\n").out,
              QStringLiteral("#FFAA00\t-\t-\ta\n-\t-\tb\tb\n"));
    // Without --from, Plus! codes and IRC codes; Minecraft codes are text.
    const QString irc = QStringLiteral(
        "\x02"
        "a\x03"
        "4,2b\x0F·$4c&ld");
    EXPECT_EQ(cliLine({"render", "--format", "runs", irc}),
              cliLine({"render", "--from", "plus", "--format", "runs", irc}));
    EXPECT_EQ(cliLine({"render", "--format", "runs", irc}),
              QStringLiteral("-\t-\tb\ta\n#FF0000\t#00007F\tb\tb\n#FF0000\t-\t-\tc&ld"));
    expectUsageError({"render", "--from", "irc", "x"}, "« irc »");
}

TEST(CliRender, BadInputIsNamedWithStatusTwo) {
    expectUsageError({"render", "--format", "rtf", "x"}, "rtf");
    expectUsageError({"render", "--format"}, "--format");
    expectUsageError({"render"}, "code");
    expectUsageError({"render", "a", "b"}, "b");
    expectUsageError({"render", "--colour", "a"}, "--colour");
}

// Standard input is decoded as the program's files are, line by line.
TEST(CliRender, DashDecodesStandardInputAsTheProgramsFiles) {
    const QString bold = QStringLiteral("-\t-\tb\tbold\n");
    // Old code files are Windows-1252: "\xb7" is the middle dot.
    EXPECT_EQ(renderInput({"--format", "runs", "-"},
                          "\xb7#bold\xb7"
                          "0\n")
                  .out,
              bold);
    EXPECT_EQ(renderInput({"--format", "runs", "-"}, "\xC2\xB7#bold\r\n").out, bold);
    EXPECT_EQ(renderInput({"--format", "runs", "-"}, "\xEF\xBB\xBF\xC2\xB7#bold").out, bold);
    // Each line on its own: a UTF-8 line next to a Windows-1252 one.
    EXPECT_EQ(renderInput({"--format", "text", "-"}, "caf\xC3\xA9\ncaf\xE9\n").out,
              QStringLiteral("café\ncafé\n"));

    const QString text = QStringLiteral("·#bold\r\n·$4é😀\n");
    const QString expected = bold + QStringLiteral("#FF0000\t-\t-\té😀\n");
    QByteArray littleEndian("\xFF\xFE");
    QByteArray bigEndian("\xFE\xFF");
    for (QChar c : text) {
        const char low = char(c.unicode() & 0xFF);
        const char high = char(c.unicode() >> 8);
        littleEndian += QByteArray{1, low} + QByteArray{1, high};
        bigEndian += QByteArray{1, high} + QByteArray{1, low};
    }
    EXPECT_EQ(renderInput({"--format", "runs", "-"}, littleEndian).out, expected);
    EXPECT_EQ(renderInput({"--format", "runs", "-"}, bigEndian).out, expected);
}

TEST(CliRender, BytesThatAreNotUtf8AfterAUtf8MarkStopTheReading) {
    const CliRun run = renderInput({"--format", "text", "-"},
                                   "\xEF\xBB\xBF"
                                   "Bob\nB\xE9"
                                   "b\nx\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, QStringLiteral("Bob\n"));
    EXPECT_TRUE(run.err.startsWith(
        QStringLiteral("chromanick-cli : Impossible de lire l'entrée : ligne 2")))
        << run.err.toStdString();
}

// Line breaks in CODE separate lines, read one by one as with "-".
TEST(CliRender, EachLineOfACodeArgumentGivesItsOwnResult) {
    EXPECT_EQ(cliLine({"render", "--format", "runs", "·#A\nB·#C"}),
              QStringLiteral("-\t-\tb\tA\n-\t-\t-\tB\n-\t-\tb\tC"));
    EXPECT_EQ(cliLine({"render", "--format", "text", "·#a\r\n·#b\n"}), QStringLiteral("a\nb"));
    EXPECT_EQ(cliLine({"render", "--format", "text", ""}), QString());
}

// No text of the line becomes BBCode markup: each "[" of it is followed by a
// zero-width space. Tags the reader reads ("[b]") are styles, written as such.
TEST(CliRender, BbcodeKeepsTheTextFromOpeningTags) {
    const QString zws = QStringLiteral("\u200B");
    EXPECT_EQ(cliLine({"render", "--format", "bbcode", "[b]x[/b]"}), QStringLiteral("[b]x[/b]"));
    EXPECT_EQ(cliLine({"render", "--format", "bbcode", "[·#·#b]x[·#·#/b]"}),
              QStringLiteral("[") + zws + QStringLiteral("b]x[") + zws + QStringLiteral("/b]"));
    EXPECT_EQ(cliLine({"render", "--format", "bbcode", "·$4[url=javascript:alert(1)]clic[/url]"}),
              QStringLiteral("[color=#FF0000][") + zws +
                  QStringLiteral("url=javascript:alert(1)]clic[") + zws +
                  QStringLiteral("/url][/color]"));
    EXPECT_EQ(cliLine({"render", "--format", "bbcode", "[c=70]x"}),
              QStringLiteral("[") + zws + QStringLiteral("c=70]x"));
}
