// MiniMessage tags, written and read, and both Minecraft formats read back.
#include "dialects/codeformats.h"
#include "dialects/plus3.h"
#include "tests/support/coderuns.h"

#include <gtest/gtest.h>

using namespace chromanick;
using codeformat::minecraftColours;
using codeformat::readMiniMessage;

namespace {

Style coloured(BgrColor colour) {
    Style f;
    f.foreground = colour;
    return f;
}

Style rgb(int red, int green, int blue) {
    return coloured(bgrFromRgb(red, green, blue));
}

Style styled(bool Style::*style, Style f = {}) {
    f.*style = true;
    return f;
}

const Style kYellow = coloured(minecraftColours()[14]);
const Style kBlue = coloured(minecraftColours()[9]);
const Style kRed = coloured(minecraftColours()[12]);

QList<StyledRun> read(const QString& line) {
    return readMiniMessage(line);
}

}  // namespace

TEST(ReadMiniMessage, ATagHoldsUntilItsClosingTagOrAnotherOfItsKind) {
    const QList<StyledRun> hello{{"Hello ", kYellow}, {"World", kBlue}, {"!", kYellow}};
    EXPECT_EQ(read(QStringLiteral("<yellow>Hello <blue>World</blue>!")), hello);
    EXPECT_EQ(read(QStringLiteral("<yellow>Hello <blue>World<yellow>!")), hello);
    EXPECT_EQ(read(QStringLiteral("<yellow>Hello </yellow><blue>World</blue><yellow>!</yellow>")),
              hello);
    // Names ignore case and greys have both spellings.
    EXPECT_EQ(read(QStringLiteral("<GRAY>a<grey>b</Grey>c")),
              (QList<StyledRun>{{"abc", coloured(minecraftColours()[7])}}));
    EXPECT_EQ(read(QStringLiteral("<dark_grey>a")),
              (QList<StyledRun>{{"a", coloured(minecraftColours()[8])}}));
}

TEST(ReadMiniMessage, ColourTagsInEveryForm) {
    const QList<StyledRun> orange{{"x", rgb(255, 128, 0)}};
    for (const char* tag :
         {"<#FF8000>", "<#ff8000>", "<color:#FF8000>", "<colour:#ff8000>", "<c:#Ff8000>"})
        EXPECT_EQ(read(QLatin1String(tag) + QLatin1Char('x')), orange) << tag;
    EXPECT_EQ(read(QStringLiteral("<color:gold>x")),
              (QList<StyledRun>{{"x", coloured(minecraftColours()[6])}}));
    EXPECT_EQ(
        read(QStringLiteral("<c:#FF8000>a</c>b<#FF8000>c</#ff8000>d")),
        (QList<StyledRun>{{"a", rgb(255, 128, 0)}, {"b", {}}, {"c", rgb(255, 128, 0)}, {"d", {}}}));
}

TEST(ReadMiniMessage, StylesAndTheirNegations) {
    EXPECT_EQ(read(QStringLiteral("<b>a<!b>b</!b>c</b>d")),
              (QList<StyledRun>{
                  {"a", styled(&Style::bold)}, {"b", {}}, {"c", styled(&Style::bold)}, {"d", {}}}));
    EXPECT_EQ(read(QStringLiteral("<bold><italic><underlined><strikethrough>x")),
              read(QStringLiteral("<b><em><u><st>x")));
    const Style all =
        styled(&Style::bold,
               styled(&Style::italic, styled(&Style::underline, styled(&Style::strikethrough))));
    EXPECT_EQ(read(QStringLiteral("<b><i><u><st>x")), (QList<StyledRun>{{"x", all}}));
    // A name closes only a tag written with that name.
    EXPECT_EQ(read(QStringLiteral("<bold>a</b>")),
              (QList<StyledRun>{{"a</b>", styled(&Style::bold)}}));
}

TEST(ReadMiniMessage, AClosingTagClosesEverythingOpenedInsideItsTag) {
    EXPECT_EQ(read(QStringLiteral("<red>a<b>b</red>c")),
              (QList<StyledRun>{{"a", kRed}, {"b", styled(&Style::bold, kRed)}, {"c", {}}}));
    EXPECT_EQ(read(QStringLiteral("<red>a<blue>b<red>c</red>d</red>e")),
              (QList<StyledRun>{{"a", kRed}, {"b", kBlue}, {"c", kRed}, {"d", kBlue}, {"e", {}}}));
    EXPECT_EQ(read(QStringLiteral("<red><b>a<reset>b</red>")),
              (QList<StyledRun>{{"a", styled(&Style::bold, kRed)}, {"b</red>", {}}}));
    // Closing what is not open is text.
    EXPECT_EQ(read(QStringLiteral("</blue>a")), (QList<StyledRun>{{"</blue>a", {}}}));
}

TEST(ReadMiniMessage, UnknownTagsAndEscapesAreText) {
    for (const QString& line :
         {QStringLiteral("<hover:show_text:hi>a"), QStringLiteral("<foo>a</foo>"),
          QStringLiteral("<>"), QStringLiteral("< red>"), QStringLiteral("<red"),
          QStringLiteral("a < b > c"), QStringLiteral("<blue:x>"), QStringLiteral("<#FF80>"),
          QStringLiteral("<color:#GG0000>"), QStringLiteral("<gradient:red>"),
          QStringLiteral("<gradient:red:sky>"), QStringLiteral("\\n\\")}) {
        EXPECT_EQ(codeformat::runsListing(read(line)), "-\t-\t-\t" + line) << line.toStdString();
    }
    EXPECT_EQ(read(QStringLiteral("a<b<red>c")), (QList<StyledRun>{{"a<b", {}}, {"c", kRed}}));
    EXPECT_EQ(read(QStringLiteral("\\<red>a")), (QList<StyledRun>{{"<red>a", {}}}));
    EXPECT_EQ(read(QStringLiteral("\\\\<red>a")), (QList<StyledRun>{{"\\", {}}, {"a", kRed}}));
}

TEST(ReadMiniMessage, GradientsSpreadTheirStopsFromTheFirstCharacterToTheLast) {
    EXPECT_EQ(read(QStringLiteral("<gradient:#000000:#FFFFFF>abc</gradient>d")),
              (QList<StyledRun>{{"a", rgb(0, 0, 0)},
                                {"b", rgb(128, 128, 128)},  // 127.5, halves up
                                {"c", rgb(255, 255, 255)},
                                {"d", {}}}));
    // Three stops over five characters: each stop on a character.
    EXPECT_EQ(read(QStringLiteral("<gradient:#FF0000:#00FF00:#0000FF>abcde")),
              (QList<StyledRun>{{"a", rgb(255, 0, 0)},
                                {"b", rgb(128, 128, 0)},
                                {"c", rgb(0, 255, 0)},
                                {"d", rgb(0, 128, 128)},
                                {"e", rgb(0, 0, 255)}}));
    EXPECT_EQ(read(QStringLiteral("<gradient:red:blue>a")), (QList<StyledRun>{{"a", kRed}}));
    // A colour inside shows over the gradient, which still counts its
    // characters; styles inside keep the gradient.
    EXPECT_EQ(
        read(QStringLiteral("<gradient:#000000:#ffffff>a<blue>b</blue><b>c")),
        (QList<StyledRun>{
            {"a", rgb(0, 0, 0)}, {"b", kBlue}, {"c", styled(&Style::bold, rgb(255, 255, 255))}}));
    // A character outside the basic plane is one character.
    EXPECT_EQ(read(QStringLiteral("<gradient:#000000:#FFFFFF>😀a")),
              (QList<StyledRun>{{"😀", rgb(0, 0, 0)}, {"a", rgb(255, 255, 255)}}));
}

TEST(WriteMiniMessage, GroupsStylesAroundColouredRunsAndEscapesTheText) {
    EXPECT_EQ(codeformat::miniMessage(readPlusCode(QStringLiteral("·#·$4ab·$(000,000,255)c·0d"))),
              QStringLiteral("<b><#FF0000>ab</#FF0000><#0000FF>c</#0000FF></b>d"));
    EXPECT_EQ(codeformat::miniMessage(readPlusCode(QStringLiteral("·#·@·&·'x·0·$,4y"))),
              QStringLiteral("<b><u><i><st>x</st></i></u></b>y"));
    EXPECT_EQ(codeformat::miniMessage(readPlusCode(QStringLiteral("a\\b<c>·$4<"))),
              QStringLiteral("a\\\\b\\<c><#FF0000>\\<</#FF0000>"));
}

TEST(MinecraftFormats, WrittenThenReadBackGiveTheSameRunsWithoutBackgrounds) {
    const QStringList lines = {
        QStringLiteral("·#·$4ab·$(000,000,255)c·0d"),
        QStringLiteral("[c=#FF0000]Dégradé arc-en-ciel[/c=#0000FF] [a=4]fond[/a]"),
        QStringLiteral("[b][c=1]ab[c=4]cd[/c]ef[/c=9][/b]·@·&x·'y·0z"),
        QStringLiteral("·$4,8<red>\\</red>&a§l&#FF0000&x&F&F&0&0&0&0&"),
        QStringLiteral("·$#00ff00😀 ·$,#000000😀·$12é"),
        QString()};
    for (const QString& line : lines) {
        const QList<StyledRun> runs = readPlusCode(line);
        const QList<StyledRun> shown = codeformat::shownInMinecraft(runs);
        EXPECT_EQ(codeformat::readMinecraft(codeformat::minecraft(runs)), shown)
            << codeformat::minecraft(runs).toStdString();
        EXPECT_EQ(readMiniMessage(codeformat::miniMessage(runs)), shown)
            << codeformat::miniMessage(runs).toStdString();
    }
}
