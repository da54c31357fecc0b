#include "dialects/codeformats.h"
#include "dialects/plus3.h"
#include "tests/support/coderuns.h"
#include "tests/support/randomruns.h"

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

// A line read with the program's palette, then written back.
QString rewritten(const QString& line) {
    return codeformat::plus3(readPlusCode(line));
}

Style coloured(BgrColor text, std::optional<BgrColor> background = std::nullopt) {
    Style s;
    s.foreground = text;
    s.background = background;
    return s;
}

constexpr BgrColor kRed = 0x0000FF;     // palette 4
constexpr BgrColor kYellow = 0x00FFFF;  // palette 8
constexpr BgrColor kOdd = 0x030201;     // in no palette

}  // namespace

TEST(Plus3Writer, WritesTheEditorsCodesBackAsTheyWereWritten) {
    const QStringList lines = {
        QStringLiteral("·#·$4ab·$(000,000,255)c·0d"),
        QStringLiteral("·#·@·&·'x·0"),
        QStringLiteral("a·#b·#c"),
        QStringLiteral("·$4,8x·$,(001,002,003)y·0"),
        QStringLiteral("·$,12z·0"),
        QStringLiteral("·#·$4a·0·#b·0"),
        QStringLiteral("·$4a·0·$,8b·0"),
    };
    for (const QString& line : lines) EXPECT_EQ(rewritten(line), line) << line.toStdString();
}

TEST(Plus3Writer, PicksTheShortestNameOfEachColourAndWritesNothingThatChangesNothing) {
    // Black is palette 1 and 68, and any form of a colour is written alike.
    EXPECT_EQ(rewritten(QStringLiteral("·$68x")), QStringLiteral("·$1x·0"));
    EXPECT_EQ(rewritten(QStringLiteral("·$#FF0000x·$(255,000,000)y[c=red]z")),
              QStringLiteral("·$4xyz·0"));
    // Tags and fades come out as dot codes, one per colour.
    EXPECT_EQ(rewritten(QStringLiteral("[b][c=4]abc[/c=12][/b]")),
              QStringLiteral("·#·$4a·$(128,000,126)b·$12c·0"));
    EXPECT_EQ(rewritten(QString()), QString());
    EXPECT_EQ(rewritten(QStringLiteral("plain")), QStringLiteral("plain"));
    // A run that only changes its text colour keeps the background as it is.
    EXPECT_EQ(codeformat::plus3({{"a", coloured(kRed, kYellow)}, {"b", coloured(kOdd, kYellow)}}),
              QStringLiteral("·$4,8a·$(001,002,003)b·0"));
}

TEST(Plus3Writer, DigitsAndCommasOfTheTextStayText) {
    // A digit after a palette number: the number on two digits.
    EXPECT_EQ(codeformat::plus3({{"5x", coloured(kRed)}}), QStringLiteral("·$045x·0"));
    EXPECT_EQ(codeformat::plus3({{"0", coloured(0xFC0000)}}), QStringLiteral("·$120·0"));
    EXPECT_EQ(codeformat::plus3({{"9", coloured(kRed, kYellow)}}), QStringLiteral("·$4,089·0"));
    Style background;
    background.background = kRed;
    EXPECT_EQ(codeformat::plus3({{"1", background}}), QStringLiteral("·$,041·0"));
    // A "," after a text colour would be read as a background.
    EXPECT_EQ(codeformat::plus3({{"a", coloured(kOdd, kYellow)}, {",5", coloured(kRed, kYellow)}}),
              QStringLiteral("·$(001,002,003),8a·$4,8,5·0"));
    Style bold = coloured(kRed);
    bold.bold = true;
    EXPECT_EQ(codeformat::plus3({{",5", bold}}), QStringLiteral("·$4·#,5·0"));
    Style boldOdd = coloured(kOdd);
    boldOdd.bold = true;
    EXPECT_EQ(codeformat::plus3({{"a", boldOdd}, {",5", bold}}),
              QStringLiteral("·#·$(001,002,003)a·0·$4·#,5·0"));
    for (const QString& line : {QStringLiteral("·$4,8,5"), QStringLiteral("·#·$4,5"),
                                QStringLiteral("·$04,055"), QStringLiteral("·$,0101")}) {
        EXPECT_EQ(readPlusCode(rewritten(line)), readPlusCode(line)) << line.toStdString();
    }
}

// Written then read back, any line gives its runs again. Left out: text that
// starts with "," after a text colour alone, with no background and no style
// to write between them, which the dot codes cannot tell from a background;
// and the codes' own "·" and "[", which no dot code keeps as text.
TEST(Plus3Writer, ReadsBackAsTheSameRuns) {
    QRandomGenerator random(1830);
    const QStringList alphabet = {"a", "Z", "0", "7", ",", "(", "#", " ", "é", "😀", "$", ")"};
    for (int i = 0; i < 3000; ++i) {
        QList<StyledRun> runs = randomRuns(random, alphabet, 8);
        for (StyledRun& run : runs) {
            const Style& s = run.style;
            const bool alone =
                !s.background && !s.bold && !s.underline && !s.italic && !s.strikethrough;
            if (alone && run.text.startsWith(u',')) run.text.prepend(u'x');
        }
        const QString written = codeformat::plus3(runs);
        ASSERT_EQ(readPlusCode(written), runs) << written.toStdString();
    }
}
