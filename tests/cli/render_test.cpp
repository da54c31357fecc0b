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

TEST(CliRender, WritesALineForEveryChat) {
    const QString line = QStringLiteral("·#·$4ab·$(000,000,255)c·0d");
    EXPECT_EQ(cliLine({"render", "--format", "plus3", line}), line);
    EXPECT_EQ(cliLine({"render", "--format", "pluslive", line}),
              QStringLiteral("[b][c=4]ab[/c][c=#0000FF]c[/c][/b]d"));
    EXPECT_EQ(cliLine({"render", "--format", "irc", line}), QStringLiteral("\x02\x03"
                                                                           "04ab\x03"
                                                                           "60c\x0F"
                                                                           "d"));
    EXPECT_EQ(cliLine({"render", "--format", "discord", line}),
              QStringLiteral("```ansi\n\x1b[0;1;31mab\x1b[0;1;34mc\x1b[0md\n```"));
    const CliRun help = runCli({"render", "--help"});
    for (const char* id : {"plus3", "pluslive", "irc", "discord", "html", "text"})
        EXPECT_TRUE(help.out.contains(QStringLiteral("--format %1 ").arg(id))) << id;
}

// A smooth gradient written for a chat of Messenger Plus! reads back as the
// same runs; for the others, each character keeps a colour code of its own
// where its colour differs.
TEST(CliRender, WritesASmoothGradientForEveryChat) {
    const QString gradient =
        cliLine({"gradient", "--smooth", "--bold", "--stops", "#FF0000,#0000FF", "abcde"});
    const QString runs = cliLine({"render", "--format", "runs", gradient});
    ASSERT_EQ(runs.count(u'\n'), 4) << runs.toStdString();
    for (const char* id : {"plus3", "pluslive"}) {
        const QString written = cliLine({"render", "--format", id, gradient});
        EXPECT_EQ(cliLine({"render", "--format", "runs", written}), runs) << id;
    }
    EXPECT_EQ(cliLine({"render", "--format", "irc", gradient}), QStringLiteral("\x02\x03"
                                                                               "04a\x03"
                                                                               "51b\x03"
                                                                               "06c\x03"
                                                                               "72d\x03"
                                                                               "60e\x0F"));
    EXPECT_EQ(cliLine({"render", "--format", "discord", gradient}),
              QStringLiteral("```ansi\n\x1b[0;1;31ma\x1b[0;1;35mbc\x1b[0;1;34mde\x1b[0m\n```"));
}

// A result longer than its chat takes is printed whole, with one warning.
TEST(CliRender, WarnsOfAResultOverItsFormatsLimit) {
    // 300 "é" and the bold codes: 2 × 300 + 2 bytes of IRC.
    const QString longLine = QStringLiteral("·#") + QString(300, QChar(0xE9));
    const CliRun irc = runCli({"render", "--format", "irc", longLine});
    EXPECT_EQ(irc.status, 0);
    EXPECT_EQ(irc.out, QStringLiteral("\x02") + QString(300, QChar(0xE9)) + "\x0F\n");
    EXPECT_EQ(irc.err, QStringLiteral("Attention : 602 octets, au-delà de la "
                                      "limite de 510 octets de ce format.\n"));
    // In characters, the same line fits a Discord message, not a nickname.
    EXPECT_TRUE(runCli({"render", "--format", "discord", longLine}).err.isEmpty());
    const CliRun plus = runCli({"render", "--format", "plus3", longLine});
    EXPECT_EQ(plus.status, 0);
    EXPECT_TRUE(
        plus.err.contains(QStringLiteral("304 caractères, au-delà de la limite de 129 "
                                         "caractères")))
        << plus.err.toStdString();
    // Exactly at the limit: no warning; each line of standard input on its own.
    EXPECT_TRUE(runCli({"render", "--format", "pluslive", QString(129, u'x')}).err.isEmpty());
    const CliRun lines = renderInput({"--format", "pluslive", "-"},
                                     QByteArray(130, 'x') + "\nx\n" + QByteArray(131, 'y') + "\n");
    EXPECT_EQ(lines.status, 0);
    EXPECT_EQ(lines.err.count(QStringLiteral("Attention")), 2) << lines.err.toStdString();
    EXPECT_TRUE(runCli({"render", "--format", "html", longLine}).err.isEmpty());
}
