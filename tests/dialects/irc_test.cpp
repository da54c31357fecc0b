#include "dialects/codeformats.h"
#include "dialects/ircpalette.h"
#include "dialects/palettenumbers.h"
#include "dialects/registry.h"

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

QString asIrc(const QString& line) {
    return codeformat::irc(readPlusCode(line));
}

Style coloured(std::optional<BgrColor> text, std::optional<BgrColor> background = std::nullopt) {
    Style s;
    s.foreground = text;
    s.background = background;
    return s;
}

constexpr BgrColor rgb(int red, int green, int blue) {
    return bgrFromRgb(red, green, blue);
}

}  // namespace

TEST(IrcWriter, WritesStylesOnAndResetsWhereSomethingTurnsOff) {
    EXPECT_EQ(asIrc(QStringLiteral("·#·$4ab·$(000,000,255)c·0d")), QStringLiteral("\x02\x03"
                                                                                  "04ab\x03"
                                                                                  "60c\x0F"
                                                                                  "d"));
    EXPECT_EQ(asIrc(QStringLiteral("·#·@·&·'x")), QStringLiteral("\x02\x1F\x1D\x1Ex\x0F"));
    // A style turning off starts again from plain, with what stays on.
    EXPECT_EQ(asIrc(QStringLiteral("·#·&a·&b·#c")), QStringLiteral("\x02\x1D"
                                                                   "a\x0F\x02"
                                                                   "b\x0F"
                                                                   "c"));
    EXPECT_EQ(asIrc(QStringLiteral("·#·$4a·0·#b")), QStringLiteral("\x02\x03"
                                                                   "04a\x0F\x02"
                                                                   "b\x0F"));
    // A fade: one colour per character, each the nearest IRC colour.
    EXPECT_EQ(asIrc(QStringLiteral("[c=4]abc[/c=12]")), QStringLiteral("\x03"
                                                                       "04a\x03"
                                                                       "38b\x03"
                                                                       "12c\x0F"));
    EXPECT_EQ(asIrc(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(asIrc(QString()), QString());
}

TEST(IrcWriter, WritesBackgroundsWithATextColourAlways) {
    EXPECT_EQ(asIrc(QStringLiteral("·$4,8x")), QStringLiteral("\x03"
                                                              "04,08x\x0F"));
    EXPECT_EQ(asIrc(QStringLiteral("·$,8x")), QStringLiteral("\x03"
                                                             "01,08x\x0F"));
    // Only what changes: the text colour keeps its background.
    EXPECT_EQ(asIrc(QStringLiteral("·$4,8a·$12b·$12,2c")), QStringLiteral("\x03"
                                                                          "04,08a\x03"
                                                                          "12b\x03"
                                                                          "12,02c\x0F"));
    // Colours that come out as one IRC colour are one run.
    EXPECT_EQ(asIrc(QStringLiteral("·$(255,000,000)a·$(254,001,000)b")),
              QStringLiteral("\x03"
                             "04ab\x0F"));
}

TEST(IrcWriter, DigitsCommasAndControlCharactersOfTheTextStayText) {
    EXPECT_EQ(codeformat::irc({{"5", coloured(rgb(255, 0, 0))}}), QStringLiteral("\x03"
                                                                                 "045\x0F"));
    EXPECT_EQ(codeformat::irc({{",5", coloured(rgb(255, 0, 0))}}), QStringLiteral("\x03"
                                                                                  "04,99,5\x0F"));
    EXPECT_EQ(codeformat::irc({{"a", coloured(rgb(255, 0, 0), rgb(255, 255, 0))},
                               {",5", coloured(rgb(0, 0, 252), rgb(255, 255, 0))}}),
              QStringLiteral("\x03"
                             "04,08a\x03"
                             "12,08,5\x0F"));
    EXPECT_EQ(codeformat::irc({{",x", coloured(rgb(255, 0, 0))}}), QStringLiteral("\x03"
                                                                                  "04,x\x0F"));
    EXPECT_EQ(codeformat::irc({{"a\x02"
                                "b\x03"
                                "4\nc",
                                Style{}}}),
              QStringLiteral("a\uFFFD"
                             "b\uFFFD"
                             "4\uFFFD"
                             "c"));
}

TEST(IrcWriter, EachColourBecomesTheNearestOfIrcs) {
    // Every IRC colour is written as itself (or as the first number of the
    // same colour).
    const IrcColours& colours = ircColours();
    for (int n = 0; n < kIrcColourCount; ++n) {
        int first = 0;
        while (colours[first] != colours[n]) ++first;
        const QString number = QString::number(first).rightJustified(2, u'0');
        EXPECT_EQ(codeformat::irc({{"x", coloured(colours[n])}}),
                  QChar(0x03) + number + QStringLiteral("x\x0F"))
            << n;
    }
    const struct {
        BgrColor colour;
        const char* number;
    } pure[] = {{rgb(255, 0, 0), "04"},     {rgb(0, 255, 0), "56"}, {rgb(0, 0, 255), "60"},
                {rgb(255, 255, 255), "00"}, {rgb(0, 0, 0), "01"},   {rgb(250, 250, 250), "00"},
                {rgb(180, 0, 0), "40"}};
    for (const auto& [colour, number] : pure) {
        EXPECT_EQ(codeformat::irc({{"x", coloured(colour)}}),
                  QChar(0x03) + QLatin1StringView(number) + QStringLiteral("x\x0F"))
            << number;
    }
}

TEST(IrcWriter, ALineIsCountedInBytesOfUtf8) {
    const Dialect* irc = findDialect(QStringLiteral("irc"));
    ASSERT_NE(irc, nullptr);
    EXPECT_EQ(irc->length(QStringLiteral("\x02"
                                         "é😀")),
              1 + 2 + 4);
    EXPECT_EQ(irc->limit, 510);
    EXPECT_EQ(irc->unit, QStringLiteral("octets"));
}
