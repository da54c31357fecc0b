#include "dialects/codereader.h"
#include "dialects/codeformats.h"
#include "tests/support/coderuns.h"

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

// Palette number N reads as the colour N + 0x100, so a test sees which
// number was taken.
PaletteColours numberedPalette() {
    PaletteColours palette{};
    for (std::size_t n = 0; n < palette.size(); ++n) palette[n] = BgrColor(0x100 + n);
    return palette;
}

QList<StyledRun> read(const QString& line) {
    return readPlusCode(line, numberedPalette());
}

Style foreground(BgrColor colour) {
    Style f;
    f.foreground = colour;
    return f;
}

Style paletteForeground(int number) {
    return foreground(BgrColor(0x100 + number));
}

}  // namespace

TEST(ReadPlusCode, StylesToggleAndResetClearsEverything) {
    Style bold;
    bold.bold = true;
    Style all = bold;
    all.underline = all.italic = all.strikethrough = true;
    EXPECT_EQ(read(QStringLiteral("a·#b·#c")),
              (QList<StyledRun>{{"a", {}}, {"b", bold}, {"c", {}}}));
    EXPECT_EQ(read(QStringLiteral("·#·@·&·'x·$,(001,002,003)·$4y·0z")),
              (QList<StyledRun>{{"x", all},
                                {"y",
                                 [&] {
                                     Style f = all;
                                     f.background = bgrFromRgb(1, 2, 3);
                                     f.foreground = 0x104;
                                     return f;
                                 }()},
                                {"z", {}}}));
}

TEST(ReadPlusCode, RgbColoursNeedThreeDigitsPerChannelUpTo255) {
    EXPECT_EQ(read(QStringLiteral("·$(255,085,000)a")),
              (QList<StyledRun>{{"a", foreground(bgrFromRgb(255, 85, 0))}}));
    Style background;
    background.background = bgrFromRgb(0, 128, 255);
    EXPECT_EQ(read(QStringLiteral("·$,(000,128,255)a")), (QList<StyledRun>{{"a", background}}));
    // Anything short of the full form is text, shown as written.
    for (const QString& bad :
         {QStringLiteral("·$(256,000,000)a"), QStringLiteral("·$(25,000,000)a"),
          QStringLiteral("·$(255,000,000a"), QStringLiteral("·$(255;000;000)a"),
          QStringLiteral("·$,(999,000,000)a"), QStringLiteral("·$(a"), QStringLiteral("·$(")}) {
        EXPECT_EQ(visibleText(read(bad)), bad) << bad.toStdString();
    }
}

TEST(ReadPlusCode, PaletteNumbersTakeTwoDigitsOnlyUpTo68) {
    EXPECT_EQ(read(QStringLiteral("·$69x")), (QList<StyledRun>{{"9x", paletteForeground(6)}}));
    EXPECT_EQ(read(QStringLiteral("·$123")), (QList<StyledRun>{{"3", paletteForeground(12)}}));
    EXPECT_EQ(read(QStringLiteral("·$68a")), (QList<StyledRun>{{"a", paletteForeground(68)}}));
    EXPECT_EQ(read(QStringLiteral("·$0a")), (QList<StyledRun>{{"a", paletteForeground(0)}}));
    EXPECT_EQ(read(QStringLiteral("·$05a")), (QList<StyledRun>{{"a", paletteForeground(5)}}));
    Style background;
    background.background = 0x104;
    EXPECT_EQ(read(QStringLiteral("·$,4a")), (QList<StyledRun>{{"a", background}}));
    // A code as the last characters colours nothing.
    EXPECT_TRUE(read(QStringLiteral("·$12")).isEmpty());
}

TEST(ReadPlusCode, AnythingElseAfterADotIsText) {
    for (const QString& text :
         {QStringLiteral("·"), QStringLiteral("a·"), QStringLiteral("·x"), QStringLiteral("·$"),
          QStringLiteral("·$x"), QStringLiteral("·$,"), QStringLiteral("·$,x"),
          QStringLiteral("·1"), QStringLiteral("·$٣")}) {
        EXPECT_EQ(read(text), (QList<StyledRun>{{text, {}}})) << text.toStdString();
    }
    // The dot that starts no code is text; the code right after it still counts.
    Style bold;
    bold.bold = true;
    EXPECT_EQ(read(QStringLiteral("··#a")), (QList<StyledRun>{{"·", {}}, {"a", bold}}));
}

TEST(ReadPlusCode, RunsAreTheLongestStretchesAndNeverEmpty) {
    EXPECT_TRUE(read(QString()).isEmpty());
    EXPECT_TRUE(read(QStringLiteral("·#·@·0·$4·$,(000,000,000)")).isEmpty());
    // Codes that leave the format as it was split nothing.
    EXPECT_EQ(read(QStringLiteral("a·#·#b·$4c·$4d")),
              (QList<StyledRun>{{"ab", {}}, {"cd", paletteForeground(4)}}));
    // A palette colour and the same colour written out are one format.
    EXPECT_EQ(read(QStringLiteral("·$1a·$(001,001,000)b")),
              (QList<StyledRun>{{"ab", paletteForeground(1)}}));
}

TEST(CodeFormats, RunsListingNamesColoursStylesAndText) {
    const QList<StyledRun> runs =
        read(QStringLiteral("·$,(255,000,000)·&·@·#·$(000,000,255)abc·0d"));
    EXPECT_EQ(codeformat::runsListing(runs),
              QStringLiteral("#0000FF\t#FF0000\tbui\tabc\n-\t-\t-\td"));
    EXPECT_EQ(codeformat::runsListing({}), QString());
    EXPECT_EQ(codeformat::hexColour(bgrFromRgb(0xAB, 0x0C, 0x01)), QStringLiteral("#AB0C01"));
}

TEST(CodeFormats, HtmlEscapesEveryMarkupCharacter) {
    const QList<StyledRun> runs =
        read(QStringLiteral("·'·&·@·#·$(001,002,003)·$,(255,255,255)<b>&\"'</b>"));
    EXPECT_EQ(codeformat::html(runs),
              QStringLiteral("<span style=\"color:#010203;background-color:#FFFFFF;"
                             "font-weight:bold;font-style:italic;"
                             "text-decoration:underline line-through\">"
                             "&lt;b&gt;&amp;&quot;&#39;&lt;/b&gt;</span>"));
    EXPECT_EQ(codeformat::html(read(QStringLiteral("a"))),
              QStringLiteral("<span style=\"\">a</span>"));
}

TEST(CodeFormats, BbcodeNestsAndClosesEachRunWithoutBackground) {
    const QList<StyledRun> runs = read(QStringLiteral("·$,(000,000,255)x·#·'·$(255,000,000)ab·0c"));
    EXPECT_EQ(codeformat::bbcode(runs),
              QStringLiteral("x[color=#FF0000][b][s]ab[/s][/b][/color]c"));
}

TEST(CodeFormats, AnsiUsesTrueColourAndEndsWithAReset) {
    const QList<StyledRun> runs =
        read(QStringLiteral("·#·@·&·'·$(001,002,003)·$,(004,005,006)a\x1b[2Jb·0c"));
    EXPECT_EQ(codeformat::ansi(runs),
              QStringLiteral("\x1b[0;1;3;4;9;38;2;1;2;3;48;2;4;5;6ma\uFFFD[2Jb\x1b[0mc\x1b[0m"));
    EXPECT_EQ(codeformat::ansi({}), QStringLiteral("\x1b[0m"));
}
