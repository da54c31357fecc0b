#include "dialects/codeformats.h"
#include "dialects/ircpalette.h"
#include "dialects/plus3.h"
#include "dialects/registry.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

// IRC codes as `cat -v` shows them: ^B bold, ^C colour, ^O plain,
// ^_ underline, ^] italic, ^^ strikethrough.
QString caret(const char* shown) {
    QString codes = QString::fromUtf8(shown);
    const std::pair<const char*, char16_t> kCodes[] = {{"^B", 0x02}, {"^C", 0x03}, {"^O", 0x0F},
                                                       {"^_", 0x1F}, {"^]", 0x1D}, {"^^", 0x1E}};
    for (const auto& [name, code] : kCodes) codes.replace(QLatin1StringView(name), QChar(code));
    return codes;
}

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
    EXPECT_EQ(asIrc(QStringLiteral("·#·$4ab·$(000,000,255)c·0d")), caret("^B^C04ab^C60c^Od"));
    EXPECT_EQ(asIrc(QStringLiteral("·#·@·&·'x")), caret("^B^_^]^^x^O"));
    // A style turning off starts again from plain, with what stays on.
    EXPECT_EQ(asIrc(QStringLiteral("·#·&a·&b·#c")), caret("^B^]a^O^Bb^Oc"));
    EXPECT_EQ(asIrc(QStringLiteral("·#·$4a·0·#b")), caret("^B^C04a^O^Bb^O"));
    // A fade: one colour per character, each the nearest IRC colour.
    EXPECT_EQ(asIrc(QStringLiteral("[c=4]abc[/c=12]")), caret("^C04a^C38b^C12c^O"));
    EXPECT_EQ(asIrc(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(asIrc(QString()), QString());
}

TEST(IrcWriter, WritesBackgroundsWithATextColourAlways) {
    EXPECT_EQ(asIrc(QStringLiteral("·$4,8x")), caret("^C04,08x^O"));
    EXPECT_EQ(asIrc(QStringLiteral("·$,8x")), caret("^C01,08x^O"));
    // IRC shows that text colour: black text on it needs no new code.
    EXPECT_EQ(asIrc(QStringLiteral("·$,8x·$1y·0w·$,8·$1z")), caret("^C01,08xy^Ow^C01,08z^O"));
    // Only what changes: the text colour keeps its background.
    EXPECT_EQ(asIrc(QStringLiteral("·$4,8a·$12b·$12,2c")), caret("^C04,08a^C12b^C12,02c^O"));
    // Colours that come out as one IRC colour are one run.
    EXPECT_EQ(asIrc(QStringLiteral("·$(255,000,000)a·$(254,001,000)b")), caret("^C04ab^O"));
}

TEST(IrcWriter, DigitsCommasAndControlCharactersOfTheTextStayText) {
    const BgrColor red = rgb(255, 0, 0);
    const BgrColor yellow = rgb(255, 255, 0);
    EXPECT_EQ(codeformat::irc({{"5", coloured(red)}}), caret("^C045^O"));
    EXPECT_EQ(codeformat::irc({{",5", coloured(red)}}), caret("^C04,99,5^O"));
    EXPECT_EQ(
        codeformat::irc({{"a", coloured(red, yellow)}, {",5", coloured(rgb(0, 0, 252), yellow)}}),
        caret("^C04,08a^C12,08,5^O"));
    EXPECT_EQ(codeformat::irc({{",x", coloured(red)}}), caret("^C04,x^O"));
    EXPECT_EQ(codeformat::irc({{QStringLiteral("a\u0002b\u00034\nc"), Style{}}}),
              QStringLiteral("a\uFFFDb\uFFFD4\uFFFDc"));
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
                  caret("^C") + number + caret("x^O"))
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
                  caret("^C") + QLatin1StringView(number) + caret("x^O"))
            << number;
    }
}

TEST(IrcWriter, ALineIsCountedInBytesOfUtf8) {
    const Dialect* irc = findDialect(QStringLiteral("irc"));
    ASSERT_NE(irc, nullptr);
    EXPECT_EQ(irc->length(caret("^Bé😀")), 1 + 2 + 4);
    EXPECT_EQ(irc->limit, 510);
    EXPECT_EQ(irc->unit, QStringLiteral("octets"));
}

// Runs IRC shows exactly (its own colours, a background only under a text
// colour) come back the same once written and read again by the reader,
// which takes IRC's control codes in every line.
TEST(IrcWriter, WrittenThenReadBackGiveTheSameRuns) {
    QRandomGenerator random(20261210);
    const QStringList alphabet{QStringLiteral("a"), QStringLiteral("7"), QStringLiteral(","),
                               QStringLiteral(" "), QStringLiteral("é"), QStringLiteral("#")};
    const auto ircColour = [&] {
        return ircColours()[std::size_t(random.bounded(kIrcColourCount))];
    };
    for (int round = 0; round < 500; ++round) {
        QList<StyledRun> runs;
        const int count = random.bounded(6);
        for (int i = 0; i < count; ++i) {
            Style s;
            if (random.bounded(3) != 0) s.foreground = ircColour();
            if (s.foreground && random.bounded(3) == 0) s.background = ircColour();
            s.bold = random.bounded(3) == 0;
            s.underline = random.bounded(4) == 0;
            s.italic = random.bounded(4) == 0;
            s.strikethrough = random.bounded(5) == 0;
            if (!runs.isEmpty() && runs.last().style == s) continue;
            QString text;
            for (int k = 1 + random.bounded(3); k > 0; --k)
                text += alphabet[random.bounded(int(alphabet.size()))];
            runs.append({text, s});
        }
        const QString written = findDialect(QStringLiteral("irc"))->write(runs);
        EXPECT_EQ(findDialect(QStringLiteral("irc"))->read(written), runs) << written.toStdString();
    }
}
