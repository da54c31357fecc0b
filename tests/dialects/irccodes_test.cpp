// IRC's control codes, read in every line by the Plus! code reader.
#include "dialects/ircpalette.h"
#include "dialects/plus3.h"
#include "tests/support/coderuns.h"

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

Style colours(std::optional<BgrColor> text, std::optional<BgrColor> back = std::nullopt) {
    Style f;
    f.foreground = text;
    f.background = back;
    return f;
}

BgrColor irc(int number) {
    return ircColours()[std::size_t(number)];
}

QList<StyledRun> read(const char* line) {
    return readPlusCode(QString::fromUtf8(line));
}

}  // namespace

TEST(IrcCodes, ColourNumbersColourTheTextUntilABareColourCode) {
    const QList<StyledRun> runs = read(
        "I love \x03"
        "3IRC! \x03It is the \x03"
        "7best protocol ever!");
    ASSERT_EQ(runs, (QList<StyledRun>{{"I love ", {}},
                                      {"IRC! ", colours(irc(3))},
                                      {"It is the ", {}},
                                      {"best protocol ever!", colours(irc(7))}}));
    // 3 is green and 7 orange.
    const BgrColor green = *runs[1].style.foreground, orange = *runs[3].style.foreground;
    EXPECT_GT(greenOf(green), redOf(green));
    EXPECT_GT(greenOf(green), blueOf(green));
    EXPECT_GT(redOf(orange), greenOf(orange));
    EXPECT_GT(greenOf(orange), blueOf(orange));
}

TEST(IrcCodes, TwoDigitsAreReadWheneverTheyFollowAndACommaOnlyBeforeADigit) {
    EXPECT_EQ(read("\x03"
                   "123"),
              (QList<StyledRun>{{"3", colours(irc(12))}}));
    EXPECT_EQ(read("\x03"
                   "04x"),
              (QList<StyledRun>{{"x", colours(irc(4))}}));
    EXPECT_EQ(read("\x03"
                   "98x"),
              (QList<StyledRun>{{"x", colours(irc(98))}}));
    EXPECT_EQ(read("\x03"
                   "1,2x"),
              (QList<StyledRun>{{"x", colours(irc(1), irc(2))}}));
    EXPECT_EQ(read("\x03"
                   "01,023"),
              (QList<StyledRun>{{"3", colours(irc(1), irc(2))}}));
    EXPECT_EQ(read("\x03"
                   "4,x"),
              (QList<StyledRun>{{",x", colours(irc(4))}}));
    // Without a text colour the code only removes the colours.
    EXPECT_EQ(read("\x03"
                   "4,5a\x03,5b"),
              (QList<StyledRun>{{"a", colours(irc(4), irc(5))}, {",5b", {}}}));
    // A text colour alone keeps the background.
    EXPECT_EQ(read("\x03"
                   "1,2a\x03"
                   "4b"),
              (QList<StyledRun>{{"a", colours(irc(1), irc(2))}, {"b", colours(irc(4), irc(2))}}));
}

TEST(IrcCodes, NinetyNineIsTheDefaultColour) {
    EXPECT_EQ(read("\x03"
                   "4,5a\x03"
                   "99b"),
              (QList<StyledRun>{{"a", colours(irc(4), irc(5))}, {"b", colours({}, irc(5))}}));
    EXPECT_EQ(read("\x03"
                   "4,5a\x03"
                   "4,99b"),
              (QList<StyledRun>{{"a", colours(irc(4), irc(5))}, {"b", colours(irc(4))}}));
    EXPECT_EQ(read("\x03"
                   "99,99x"),
              (QList<StyledRun>{{"x", {}}}));
}

TEST(IrcCodes, HexColoursTakeSixDigitsEachAndAloneRemoveTheColours) {
    EXPECT_EQ(read("\x04"
                   "FF8000,0000ffx"),
              (QList<StyledRun>{{"x", colours(bgrFromRgb(255, 128, 0), bgrFromRgb(0, 0, 255))}}));
    EXPECT_EQ(read("\x04"
                   "ff8000,12x"),
              (QList<StyledRun>{{",12x", colours(bgrFromRgb(255, 128, 0))}}));
    EXPECT_EQ(read("\x04"
                   "FF8000a\x04"
                   "FF80b"),
              (QList<StyledRun>{{"a", colours(bgrFromRgb(255, 128, 0))}, {"FF80b", {}}}));
    EXPECT_EQ(read("\x03"
                   "4,5a\x04"
                   "b"),
              (QList<StyledRun>{{"a", colours(irc(4), irc(5))}, {"b", {}}}));
}

TEST(IrcCodes, StylesToggleResetClearsAndReverseOrMonospaceShowNothing) {
    Style bold;
    bold.bold = true;
    Style all = bold;
    all.italic = all.underline = all.strikethrough = true;
    EXPECT_EQ(read("a\x02"
                   "b\x02"
                   "c"),
              (QList<StyledRun>{{"a", {}}, {"b", bold}, {"c", {}}}));
    EXPECT_EQ(read("\x02\x1D\x1F\x1E"
                   "a\x0F"
                   "b"),
              (QList<StyledRun>{{"a", all}, {"b", {}}}));
    EXPECT_EQ(read("\x03"
                   "4,5\x02"
                   "a\x0F"
                   "b"),
              (QList<StyledRun>{{"a",
                                 [] {
                                     Style f = colours(irc(4), irc(5));
                                     f.bold = true;
                                     return f;
                                 }()},
                                {"b", {}}}));
    EXPECT_EQ(read("a\x16"
                   "b\x11"
                   "c\x16"),
              (QList<StyledRun>{{"abc", {}}}));
}

TEST(IrcCodes, MixWithDotAndTagCodesOnOneState) {
    Style bold;
    bold.bold = true;
    // One bold, toggled by either code.
    EXPECT_EQ(read("\x02"
                   "a·#b"),
              (QList<StyledRun>{{"a", bold}, {"b", {}}}));
    EXPECT_EQ(read("[b]a\x02"
                   "b"),
              (QList<StyledRun>{{"a", bold}, {"b", {}}}));
    EXPECT_EQ(read("·$4a\x03"
                   "b"),
              (QList<StyledRun>{{"a", colours(PaletteNumberColours()[4])}, {"b", {}}}));
    EXPECT_EQ(read("\x03"
                   "12,4·0a"),
              (QList<StyledRun>{{"a", {}}}));
    // Inside a colour tag an IRC colour holds until the tag closes, which
    // brings back what the tag replaced.
    EXPECT_EQ(read("\x03"
                   "3[c=4]a\x03"
                   "12b[/c]c"),
              (QList<StyledRun>{{"a", colours(PaletteNumberColours()[4])},
                                {"b", colours(irc(12))},
                                {"c", colours(irc(3))}}));
}
