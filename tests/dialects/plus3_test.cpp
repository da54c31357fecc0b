#include "dialects/plus3.h"
#include "dialects/codeformats.h"
#include "tests/support/coderuns.h"

#include <QRegularExpression>

#include <random>

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

namespace {

Style colours(std::optional<BgrColor> text, std::optional<BgrColor> background) {
    Style f;
    f.foreground = text;
    f.background = background;
    return f;
}

BgrColor rgb(quint32 value) {
    return bgrFromRgb(int(value >> 16), int((value >> 8) & 0xFF), int(value & 0xFF));
}

Style bolded(Style f) {
    f.bold = true;
    return f;
}

}  // namespace

TEST(ReadPlusCode, OneDollarCodeSetsTextColourAndBackgroundInEveryForm) {
    EXPECT_EQ(read(QStringLiteral("·$4,8a")), (QList<StyledRun>{{"a", colours(0x104, 0x108)}}));
    EXPECT_EQ(read(QStringLiteral("·$32,1« x")),
              (QList<StyledRun>{{"« x", colours(0x100 + 32, 0x101)}}));
    EXPECT_EQ(read(QStringLiteral("·$#fcFC0a,#000001a")),
              (QList<StyledRun>{{"a", colours(rgb(0xFCFC0A), rgb(0x000001))}}));
    EXPECT_EQ(read(QStringLiteral("·$(001,002,003),#0000FFa")),
              (QList<StyledRun>{{"a", colours(bgrFromRgb(1, 2, 3), rgb(0x0000FF))}}));
    EXPECT_EQ(read(QStringLiteral("·$#123456,(004,005,006)a")),
              (QList<StyledRun>{{"a", colours(rgb(0x123456), bgrFromRgb(4, 5, 6))}}));
    EXPECT_EQ(read(QStringLiteral("·$,#ABCDEFa")),
              (QList<StyledRun>{{"a", colours({}, rgb(0xABCDEF))}}));
    // The two-digit rule holds on both sides of the comma.
    EXPECT_EQ(read(QStringLiteral("·$69,69a")),
              (QList<StyledRun>{{"9,69a", paletteForeground(6)}}));
    EXPECT_EQ(read(QStringLiteral("·$6,69a")), (QList<StyledRun>{{"9a", colours(0x106, 0x106)}}));
    // A background code changes the background only.
    EXPECT_EQ(read(QStringLiteral("·$4a·$,5b")),
              (QList<StyledRun>{{"a", paletteForeground(4)}, {"b", colours(0x104, 0x105)}}));
}

TEST(ReadPlusCode, CommaWithoutAColourAfterItIsText) {
    EXPECT_EQ(read(QStringLiteral("·$4,x")), (QList<StyledRun>{{",x", paletteForeground(4)}}));
    EXPECT_EQ(read(QStringLiteral("·$4,")), (QList<StyledRun>{{",", paletteForeground(4)}}));
    EXPECT_EQ(read(QStringLiteral("·$4,#12345x")),
              (QList<StyledRun>{{",#12345x", paletteForeground(4)}}));
    EXPECT_EQ(read(QStringLiteral("·$#00ff00,(256,000,000)")),
              (QList<StyledRun>{{",(256,000,000)", foreground(rgb(0x00FF00))}}));
    // With neither colour the whole code is text, as written.
    for (const QString& text : {QStringLiteral("·$#12345"), QStringLiteral("·$#GGGGGG"),
                                QStringLiteral("·$,#12345z"), QStringLiteral("·$,,4")}) {
        EXPECT_EQ(read(text), (QList<StyledRun>{{text, {}}})) << text.toStdString();
    }
    // Six hexadecimal digits and no more belong to the code.
    EXPECT_EQ(read(QStringLiteral("·$#1234567")),
              (QList<StyledRun>{{"7", foreground(rgb(0x123456))}}));
}

TEST(ReadPlusCode, StyleTagsTurnOnAndOffWithoutCounting) {
    Style all;
    all.bold = all.italic = all.underline = all.strikethrough = true;
    EXPECT_EQ(read(QStringLiteral("[b][I][u][S]x[/B][/i][/U][/s]y")),
              (QList<StyledRun>{{"x", all}, {"y", {}}}));
    EXPECT_EQ(read(QStringLiteral("[b][b]x[/b]y[/b]z")),
              (QList<StyledRun>{{"x", bolded({})}, {"yz", {}}}));
    // Tags and dot codes act on the same styles.
    EXPECT_EQ(read(QStringLiteral("·#x[/b]y[b]·#z")),
              (QList<StyledRun>{{"x", bolded({})}, {"yz", {}}}));
}

TEST(ReadPlusCode, ColourTagsTakeNumbersHexAndNamesInEitherCase) {
    EXPECT_EQ(read(QStringLiteral("[c=68]a")), (QList<StyledRun>{{"a", paletteForeground(68)}}));
    EXPECT_EQ(read(QStringLiteral("[C=05]a")), (QList<StyledRun>{{"a", paletteForeground(5)}}));
    EXPECT_EQ(read(QStringLiteral("[c=#ff0080]a")),
              (QList<StyledRun>{{"a", foreground(rgb(0xFF0080))}}));
    EXPECT_EQ(read(QStringLiteral("[a=7]a")), (QList<StyledRun>{{"a", colours({}, 0x107)}}));
    const QStringList names = {"white",  "black",  "marine", "green", "red",  "brown",
                               "purple", "orange", "yellow", "lime",  "teal", "aqua",
                               "blue",   "pink",   "gray",   "silver"};
    for (int n = 0; n < names.size(); ++n) {
        EXPECT_EQ(read("[c=" + names[n] + "]a"), (QList<StyledRun>{{"a", paletteForeground(n)}}));
        EXPECT_EQ(read("[A=" + names[n].toUpper() + "]a"),
                  (QList<StyledRun>{{"a", colours({}, BgrColor(0x100 + n))}}));
    }
    EXPECT_EQ(read(QStringLiteral("[c=SiLvEr]a")),
              (QList<StyledRun>{{"a", paletteForeground(15)}}));
}

TEST(ReadPlusCode, ClosingTagsRestoreWhatWasBeforeTheInnermostTag) {
    EXPECT_EQ(read(QStringLiteral("·$2a[c=4]b[c=5]c[/c]d[/c]e")),
              (QList<StyledRun>{{"a", paletteForeground(2)},
                                {"b", paletteForeground(4)},
                                {"c", paletteForeground(5)},
                                {"d", paletteForeground(4)},
                                {"e", paletteForeground(2)}}));
    // The two stacks are apart: closing a background leaves the text colour.
    EXPECT_EQ(
        read(QStringLiteral("[a=1][c=4]x[/a]y[/c]z")),
        (QList<StyledRun>{{"x", colours(0x104, 0x101)}, {"y", paletteForeground(4)}, {"z", {}}}));
    // A closer with nothing open is read and does nothing; an unclosed tag
    // keeps its colour to the end, without fade.
    EXPECT_EQ(read(QStringLiteral("[/c]a[/c=4][/A][/a=#000000]b[c=3]c")),
              (QList<StyledRun>{{"ab", {}}, {"c", paletteForeground(3)}}));
}

TEST(ReadPlusCode, ResetForgetsEveryOpenTag) {
    // "cd" keeps no colour, the fading closer finds nothing open, and "ab"
    // keeps the tag's colour since the tag never closed.
    EXPECT_EQ(read(QStringLiteral("[a=2][c=4]ab·0cd[/c=9]e[/a]f")),
              (QList<StyledRun>{{"ab", colours(0x104, 0x102)}, {"cdef", {}}}));
    EXPECT_EQ(read(QStringLiteral("[c=4]·0[c=5]a[/c]b")),
              (QList<StyledRun>{{"a", paletteForeground(5)}, {"b", {}}}));
}

TEST(ReadPlusCode, FadesGoFromTheTagsColourToTheClosersRoundingHalvesUp) {
    const PaletteColours none{};
    const auto fade = [&](const QString& line) { return readPlusCode(line, none); };
    // Per channel 0 → 255 over three characters: 0, 127.5 → 128, 255; 255 → 0
    // gives 255, 127.5 → 128, 0.
    EXPECT_EQ(fade(QStringLiteral("[c=#00FF00]abc[/c=#FF0000]")),
              (QList<StyledRun>{{"a", foreground(rgb(0x00FF00))},
                                {"b", foreground(rgb(0x808000))},
                                {"c", foreground(rgb(0xFF0000))}}));
    // 10 → 0 over four: 10, 6.67 → 7, 3.33 → 3, 0; 0 → 1 over three: 0, 0.5 → 1, 1.
    EXPECT_EQ(fade(QStringLiteral("[c=#0A0000]abcd[/c=#000000]")),
              (QList<StyledRun>{{"a", foreground(rgb(0x0A0000))},
                                {"b", foreground(rgb(0x070000))},
                                {"c", foreground(rgb(0x030000))},
                                {"d", foreground(rgb(0x000000))}}));
    EXPECT_EQ(
        fade(QStringLiteral("[c=#000000]abc[/c=#010000]")),
        (QList<StyledRun>{{"a", foreground(rgb(0x000000))}, {"bc", foreground(rgb(0x010000))}}));
    // -0.5 rounds up to 0: 1 → 0 over three gives 1, 0.5 → 1, 0.
    EXPECT_EQ(
        fade(QStringLiteral("[c=#000001]abc[/c=#000000]")),
        (QList<StyledRun>{{"ab", foreground(rgb(0x000001))}, {"c", foreground(rgb(0x000000))}}));
    // One character takes the tag's colour; none fades nothing.
    EXPECT_EQ(fade(QStringLiteral("[c=#102030]a[/c=#FFFFFF]b")),
              (QList<StyledRun>{{"a", foreground(rgb(0x102030))}, {"b", {}}}));
    EXPECT_TRUE(fade(QStringLiteral("[c=#102030][/c=#FFFFFF]")).isEmpty());
    // Backgrounds fade the same way, styles kept.
    EXPECT_EQ(fade(QStringLiteral("[b][a=#000000]ab[/a=#0000FF]")),
              (QList<StyledRun>{{"a", bolded(colours({}, rgb(0x000000)))},
                                {"b", bolded(colours({}, rgb(0x0000FF)))}}));
}

TEST(ReadPlusCode, AFadeSkipsWhatInnerTagsAndDotCodesColoured) {
    EXPECT_EQ(read(QStringLiteral("[c=#000000]a·$4b[c=5]c[/c]d[/c=#0000FF]e")),
              (QList<StyledRun>{{"a", foreground(rgb(0x000000))},
                                {"b", paletteForeground(4)},
                                {"c", paletteForeground(5)},
                                {"d", paletteForeground(4)},
                                {"e", {}}}));
    // An inner fade and the outer one, each over its own characters.
    EXPECT_EQ(read(QStringLiteral("[c=#000000]a[c=#FF0000]bc[/c=#0000FF]d[/c=#00FF00]")),
              (QList<StyledRun>{{"a", foreground(rgb(0x000000))},
                                {"b", foreground(rgb(0xFF0000))},
                                {"c", foreground(rgb(0x0000FF))},
                                {"d", foreground(rgb(0x00FF00))}}));
    // A background-only dot code leaves the text colour's fade alone.
    EXPECT_EQ(
        read(QStringLiteral("[c=#000000]a·$,1b[/c=#0000FF]")),
        (QList<StyledRun>{{"a", foreground(rgb(0x000000))}, {"b", colours(rgb(0x0000FF), 0x101)}}));
}

TEST(ReadPlusCode, AFadeColoursEachGraphemeClusterOnce) {
    // A letter with two combining marks, an emoji with its skin tone, a flag.
    const QString e = QStringLiteral("e\u0301\u0323");
    const QString thumb = QStringLiteral("\U0001F44D\U0001F3FD");
    const QString flag = QStringLiteral("\U0001F1EB\U0001F1F7");
    EXPECT_EQ(read("[c=#000000]" + e + thumb + flag + "[/c=#0000FF]"),
              (QList<StyledRun>{{e, foreground(rgb(0x000000))},
                                {thumb, foreground(rgb(0x000080))},
                                {flag, foreground(rgb(0x0000FF))}}));
    // A cluster that a style code splits still counts once.
    EXPECT_EQ(read(QStringLiteral("[c=#000000]e·#\u0301x[/c=#0000FF]")),
              (QList<StyledRun>{{"e", foreground(rgb(0x000000))},
                                {"\u0301", bolded(foreground(rgb(0x000000)))},
                                {"x", bolded(foreground(rgb(0x0000FF)))}}));
}

TEST(ReadPlusCode, MalformedTagsAreTextAsWritten) {
    for (const QString& text :
         {QStringLiteral("[Vhêmt]"),     QStringLiteral("[I am]"),  QStringLiteral("[c=]"),
          QStringLiteral("[a=#12345]"),  QStringLiteral("[c=70]x"), QStringLiteral("[c=069]x"),
          QStringLiteral("[c=reddish]"), QStringLiteral("[c=re]"),  QStringLiteral("[c=4"),
          QStringLiteral("[c]"),         QStringLiteral("[/c=]"),   QStringLiteral("[b=1]"),
          QStringLiteral("[/x]"),        QStringLiteral("[ b]"),    QStringLiteral("[c =4]"),
          QStringLiteral("[c=#FF00GG]"), QStringLiteral("[c=-1]"),  QStringLiteral("["),
          QStringLiteral("[/"),          QStringLiteral("[c=٣]")}) {
        EXPECT_EQ(read(text), (QList<StyledRun>{{text, {}}})) << text.toStdString();
    }
    // A "[" that starts no tag is text; a tag right after it still counts.
    EXPECT_EQ(read(QStringLiteral("[[b]x]")), (QList<StyledRun>{{"[", {}}, {"x]", bolded({})}}));
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

// --- Writing ---

namespace {

using Kind = CodeOp::Kind;

QString written(const CodeOp& op) {
    return plus3::write({op});
}

}  // namespace

TEST(Plus3Writer, MarkersAreADotAndOneSign) {
    EXPECT_EQ(written(CodeOp::style(Kind::Reset)), QStringLiteral("·0"));
    EXPECT_EQ(written(CodeOp::style(Kind::Bold)), QStringLiteral("·#"));
    EXPECT_EQ(written(CodeOp::style(Kind::Underline)), QStringLiteral("·@"));
    EXPECT_EQ(written(CodeOp::style(Kind::Italic)), QStringLiteral("·&"));
    EXPECT_EQ(written(CodeOp::style(Kind::Strikethrough)), QStringLiteral("·'"));
    EXPECT_EQ(written(CodeOp::textColour(0x0055FF)), QStringLiteral("·$(255,085,000)"));
    EXPECT_EQ(written(CodeOp::background(0xFF8000)), QStringLiteral("·$,(000,128,255)"));
    // A colour the code names by its palette number is written by its number.
    EXPECT_EQ(written(CodeOp::paletteTextColour(0)), QStringLiteral("·$0"));
    EXPECT_EQ(written(CodeOp::paletteBackground(68)), QStringLiteral("·$,68"));
    // A text colour right before a background shares its code, not the other
    // way round.
    EXPECT_EQ(plus3::write({CodeOp::paletteTextColour(32), CodeOp::paletteBackground(1),
                            CodeOp::background(0xFF8000), CodeOp::paletteTextColour(4)}),
              QStringLiteral("·$32,1·$,(000,128,255)·$4"));
    EXPECT_EQ(plus3::write({CodeOp::textColour(0x0055FF), CodeOp::background(0xFF8000)}),
              QStringLiteral("·$(255,085,000),(000,128,255)"));
    // Text is written as it is, codes or not.
    EXPECT_EQ(plus3::write({CodeOp::plainText(QStringLiteral("a·#b")), CodeOp::plainText({})}),
              QStringLiteral("a·#b"));
}

TEST(Plus3Writer, WhatTheWriterWritesReadsAsTheOperationsFold) {
    const CodeOps ops{CodeOp::paletteBackground(4),
                      CodeOp::style(Kind::Bold),
                      CodeOp::textColour(bgrFromRgb(1, 2, 3)),
                      CodeOp::plainText(QStringLiteral("ab")),
                      CodeOp::style(Kind::Bold),
                      CodeOp::paletteTextColour(12),
                      CodeOp::plainText(QStringLiteral("c")),
                      CodeOp::style(Kind::Reset),
                      CodeOp::plainText(QStringLiteral("d"))};
    EXPECT_EQ(readPlusCode(plus3::write(ops)), fold(ops));
}

TEST(Plus3Writer, RunsWrittenBackReadTheSameEvenWithCodesInTheirText) {
    Style red;
    red.foreground = bgrFromRgb(255, 0, 0);
    Style boldOnBlue = red;
    boldOnBlue.background = bgrFromRgb(0, 0, 255);
    boldOnBlue.bold = true;
    // Text that would read as codes once next to the codes of its neighbours.
    const QList<StyledRun> runs{
        {QStringLiteral("·$"), red},        {QStringLiteral(",(001,002,003)[b]"), boldOnBlue},
        {QStringLiteral("·#·0["), Style{}}, {QStringLiteral("9"), red},
        {QStringLiteral("a"), Style{}},     {QStringLiteral(",4"), red}};
    const QString line = plus3::writeRuns(runs);
    EXPECT_EQ(readPlusCode(line), runs) << line.toStdString();
    EXPECT_EQ(readPlusCode(plus3::writeRuns({})), QList<StyledRun>{});
}

TEST(Plus3Writer, AnyRunsWrittenBackReadTheSame) {
    // Texts made of what codes are made of, in random styles.
    const QStringList pieces = {"·", "[", "]", ",", "$", "#", "@", "&", "'", "(", ")",
                                "0", "4", "9", "=", "/", "b", "c", "a", "x", "é", "\U0001F600"};
    std::mt19937 random(7);
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const BgrColor colours[] = {0x000000, 0x0000FF, 0xFFFFFF, 0x123456};
    for (int round = 0; round < 2000; ++round) {
        QList<StyledRun> runs;
        for (int r = below(6); r > 0; --r) {
            StyledRun run;
            for (int n = 1 + below(5); n > 0; --n) run.text += pieces.at(below(int(pieces.size())));
            if (below(2)) run.style.foreground = colours[below(4)];
            if (below(2)) run.style.background = colours[below(4)];
            run.style.bold = below(4) == 0;
            run.style.underline = below(4) == 0;
            run.style.italic = below(4) == 0;
            run.style.strikethrough = below(4) == 0;
            if (runs.isEmpty() || runs.back().style != run.style)
                runs.append(run);
            else
                runs.back().text += run.text;
        }
        const QString line = plus3::writeRuns(runs);
        ASSERT_EQ(readPlusCode(line), runs) << line.toStdString();
    }
}

TEST(Plus3Writer, OnlyTheDotAndTheBracketMayStartACode) {
    EXPECT_FALSE(plus3::mayHoldCodes(QStringLiteral("Bob #@&'0$ (1,2,3)")));
    EXPECT_TRUE(plus3::mayHoldCodes(QStringLiteral("a·b")));
    EXPECT_TRUE(plus3::mayHoldCodes(QStringLiteral("a[b")));
    // The help's forms read as codes: the custom colour's once its letters are digits.
    EXPECT_EQ(readPlusCode(plus3::customColourForm(true).replace(QRegularExpression("[RVB]"),
                                                                 QStringLiteral("0")) +
                           QStringLiteral("x"))
                  .front()
                  .style.background,
              BgrColor(0));
    EXPECT_TRUE(plus3::readCodesSummary().startsWith(written(CodeOp::style(Kind::Bold))));
}
