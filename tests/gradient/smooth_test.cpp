#include "gradient/smooth.h"

#include "core/oklab.h"
#include "dialects/plus3.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

using namespace chromanick;

namespace {

const BgrColor kRed = bgrFromRgb(255, 0, 0);
const BgrColor kBlue = bgrFromRgb(0, 0, 255);
const BgrColor kBlack = bgrFromRgb(0, 0, 0);
const BgrColor kWhite = bgrFromRgb(255, 255, 255);

QString letters(int n) {
    QString text;
    for (int i = 0; i < n; ++i) text += QChar(u'a' + i % 26);
    return text;
}

GradientSettings named(const QString& nickname) {
    GradientSettings settings;
    settings.nickname = nickname;
    return settings;
}

QStringList runTexts(const QList<ColourRun>& runs) {
    QStringList texts;
    for (const ColourRun& run : runs) texts.append(run.text);
    return texts;
}

QList<BgrColor> runColours(const QList<ColourRun>& runs) {
    QList<BgrColor> colours;
    for (const ColourRun& run : runs) colours.append(run.colour.value_or(0xFFFFFFFFu));
    return colours;
}

// Five distinct stops: every group gets a colour of its own unless two fall
// on the same stop.
const QList<BgrColor> kFiveStops = {kBlack, kRed, bgrFromRgb(0, 255, 0), kBlue, kWhite};

}  // namespace

TEST(SmoothGradient, GroupsCutTheNicknameInStepsWithAShorterLast) {
    const QList<BgrColor> stops = {kBlack, kWhite};
    // n = 0: no group at all.
    EXPECT_TRUE(smoothRuns(QString(), stops, 3).isEmpty());
    // n < s: one group, which takes the first stop.
    EXPECT_EQ(smoothRuns(QStringLiteral("ab"), stops, 3),
              (QList<ColourRun>{{QStringLiteral("ab"), kBlack}}));
    // n a multiple of s: equal groups, first and last on the stops.
    const QList<ColourRun> even = smoothRuns(letters(6), stops, 2);
    EXPECT_EQ(runTexts(even), (QStringList{"ab", "cd", "ef"}));
    EXPECT_EQ(even.front().colour, kBlack);
    EXPECT_EQ(even.back().colour, kWhite);
    // Otherwise the last group is shorter.
    EXPECT_EQ(runTexts(smoothRuns(letters(7), stops, 3)), (QStringList{"abc", "def", "g"}));
    // Every character counts, spaces included.
    EXPECT_EQ(runTexts(smoothRuns(QStringLiteral("a b"), stops, 1)), (QStringList{"a", " ", "b"}));
}

TEST(SmoothGradient, ColoursFollowTheStopsInOkLab) {
    // Two stops over five groups: a quarter of the way each time.
    const QList<ColourRun> runs = smoothRuns(letters(5), {kRed, kBlue}, 1);
    const OkLab red = toOkLab(kRed);
    const OkLab blue = toOkLab(kBlue);
    ASSERT_EQ(runs.size(), 5);
    for (int g = 0; g < 5; ++g)
        EXPECT_EQ(runs[g].colour, fromOkLab(mixOkLab(red, blue, g / 4.0))) << g;
    EXPECT_EQ(runColours(runs),
              (QList<BgrColor>{kRed, bgrFromRgb(198, 73, 109), bgrFromRgb(140, 83, 162),
                               bgrFromRgb(81, 71, 210), kBlue}));

    // Three stops over four groups: x = 0, 2/3, 4/3, 2.
    EXPECT_EQ(
        runColours(smoothRuns(letters(4), {kBlack, kWhite, kRed}, 1)),
        (QList<BgrColor>{kBlack, bgrFromRgb(148, 148, 148), bgrFromRgb(255, 193, 182), kRed}));
}

TEST(SmoothGradient, OneStopOrOneGroupTakesTheFirstStop) {
    // S = 1: the stop itself, every group, so one run.
    const BgrColor odd = bgrFromRgb(1, 2, 3);
    EXPECT_EQ(smoothRuns(letters(9), {odd}, 2), (QList<ColourRun>{{letters(9), odd}}));
    // G = 1 with several stops: t = 0.
    EXPECT_EQ(smoothRuns(letters(4), kFiveStops, 10), (QList<ColourRun>{{letters(4), kBlack}}));
}

TEST(SmoothGradient, MoreStopsThanGroupsSkipsStopsBetween) {
    // S = 5, G = 2: the first and the last stop.
    EXPECT_EQ(runColours(smoothRuns(letters(2), kFiveStops, 1)), (QList<BgrColor>{kBlack, kWhite}));
    // S = 5, G = 3: the middle group falls on the middle stop.
    EXPECT_EQ(runColours(smoothRuns(letters(3), kFiveStops, 1)),
              (QList<BgrColor>{kBlack, bgrFromRgb(0, 255, 0), kWhite}));
}

TEST(SmoothGradient, EqualColoursShareOneRunAndOneCode) {
    // Row 31 runs green, yellow, yellow, yellow, red: over nine groups the
    // middle ones are all yellow.
    GradientSettings settings = named(letters(9));
    const QList<BgrColor> stops = smoothStopsOfRow(settings, 31);
    const QList<ColourRun> runs = smoothRuns(settings.nickname, stops, 1);
    const BgrColor yellow = bgrFromRgb(255, 255, 0);
    EXPECT_EQ(runTexts(runs), (QStringList{"a", "b", "cdefg", "h", "i"}));
    EXPECT_EQ(runs[2].colour, yellow);
    const QString code = smoothGradientCode(settings, stops, 1);
    EXPECT_EQ(code.count(QStringLiteral("·$(")), 5) << code.toStdString();
    EXPECT_TRUE(code.contains(QStringLiteral("·$(255,255,000)cdefg·$("))) << code.toStdString();
    // Two equal stops: one colour code for the whole nickname.
    EXPECT_EQ(smoothGradientCode(settings, {kRed, kRed}, 2),
              QStringLiteral("·$(255,000,000)abcdefghi·0"));
}

TEST(SmoothGradient, CodeStartsWithTheGradientStyleCodes) {
    GradientSettings settings = named(QStringLiteral("abcde"));
    EXPECT_EQ(smoothGradientCode(settings, {kRed, kBlue}, 1),
              QStringLiteral("·$(255,000,000)a·$(198,073,109)b·$(140,083,162)c"
                             "·$(081,071,210)d·$(000,000,255)e·0"));
    settings.bold = settings.underline = settings.italic = settings.strikethrough = true;
    settings.backgroundEnabled = true;
    settings.backgroundColour = kBlue;
    EXPECT_EQ(smoothGradientCode(settings, {kRed}, 5),
              QStringLiteral("·'·&·@·#·$,(000,000,255)·$(255,000,000)abcde·0"));
    // The same front as the five-segment code.
    const QString fiveSegments = Genere_Degrade(settings, Decoupe_Pseudo(settings.nickname));
    EXPECT_TRUE(fiveSegments.startsWith(plus3::write(gradientStyleOps(settings))));
    // An empty nickname: the front codes and the end only.
    settings.nickname.clear();
    EXPECT_EQ(smoothGradientCode(settings, {kRed, kBlue}, 1),
              QStringLiteral("·'·&·@·#·$,(000,000,255)·0"));
}

TEST(SmoothGradient, StopsOfTheEditorRows) {
    GradientSettings settings = named(QStringLiteral("abc"));
    // Preset rows: their five preview colours, whatever the palette codes.
    for (int row = 0; row < kGradientCustomRow; ++row) {
        const auto& preview = gradientPresets()[row].previewColours;
        EXPECT_EQ(smoothStopsOfRow(settings, row), QList<BgrColor>(preview.begin(), preview.end()))
            << row;
    }
    // The custom row: the slots that are set, in slot order.
    EXPECT_TRUE(smoothStopsOfRow(settings, kGradientCustomRow).isEmpty());
    settings.customColours[3] = kBlue;
    settings.customColours[1] = kRed;
    EXPECT_EQ(smoothStopsOfRow(settings, kGradientCustomRow), (QList<BgrColor>{kRed, kBlue}));
}

TEST(SmoothGradient, WithoutStopsTheNicknameIsLeftUncoloured) {
    GradientSettings settings = named(QStringLiteral("abc"));
    settings.italic = true;
    EXPECT_EQ(smoothRuns(settings.nickname, {}, 1),
              (QList<ColourRun>{{QStringLiteral("abc"), std::nullopt}}));
    EXPECT_EQ(smoothGradientCode(settings, {}, 1), QStringLiteral("·&abc·0"));
    EXPECT_EQ(smoothGradientCode(named(QString()), {}, 1), QStringLiteral("·0"));
}

TEST(SmoothGradient, LongNicknameIsWrittenWholeAndInOrder) {
    const QString nickname = letters(10000);
    QString code = smoothGradientCode(named(nickname), smoothStopsOfRow(named(nickname), 30), 3);
    EXPECT_TRUE(code.endsWith(QStringLiteral("·0")));
    code.chop(2);
    code.remove(QRegularExpression(QStringLiteral("·\\$\\(\\d{3},\\d{3},\\d{3}\\)")));
    EXPECT_EQ(code, nickname);
}

TEST(SmoothGradient, ALimitKeepsTheColoursOfTheWholeNickname) {
    const QList<BgrColor> whole = smoothGroupColours(kFiveStops, 100, 4);
    ASSERT_EQ(whole.size(), 25);
    EXPECT_EQ(whole, runColours(smoothRuns(letters(100), kFiveStops, 4)));
    // The groups holding the first ten characters: three of them.
    EXPECT_EQ(smoothGroupColours(kFiveStops, 100, 4, 10), whole.mid(0, 3));
    EXPECT_TRUE(smoothGroupColours({}, 100, 4, 10).isEmpty());
}

// Groups count characters as a reader sees them: four emoji are four groups,
// coloured as four letters are, and no emoji or accent is cut from its
// character.
TEST(SmoothGradient, GroupsHoldWholeCharacters) {
    const QString smile = QStringLiteral("\U0001F600");
    const QList<BgrColor> stops = {kRed, kBlue};
    const QList<ColourRun> emoji = smoothRuns(smile.repeated(4), stops, 1);
    EXPECT_EQ(runTexts(emoji), QStringList(4, smile));
    EXPECT_EQ(runColours(emoji), runColours(smoothRuns(letters(4), stops, 1)));

    const QString accented = QStringLiteral("e\u0301");
    EXPECT_EQ(runTexts(smoothRuns(accented + QStringLiteral("ab") + accented, stops, 2)),
              (QStringList{accented + QStringLiteral("a"), QStringLiteral("b") + accented}));

    GradientSettings settings = named(smile.repeated(4));
    QString expected = smoothGradientCode(named(QStringLiteral("wxyz")), stops, 1);
    for (QChar letter : QStringLiteral("wxyz")) expected.replace(letter, smile);
    EXPECT_EQ(smoothGradientCode(settings, stops, 1), expected);
}
