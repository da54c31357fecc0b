#include "gradient/gradient.h"

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

QString letters(int n) {
    QString text;
    for (int i = 0; i < n; ++i) text += QChar(u'a' + i % 26);
    return text;
}

std::array<int, 5> lengths(const SegmentSplit& split) {
    std::array<int, 5> result{};
    for (int i = 0; i < 5; ++i) result[i] = int(split.segments[i].size());
    return result;
}

}  // namespace

TEST(DecoupePseudo, SegmentLengthAtTheBoundaries) {
    struct Case {
        int n;
        int k;
        std::array<int, 5> lengths;
    };
    const Case cases[] = {
        {0, 1, {0, 0, 0, 0, 0}},        {5, 1, {1, 1, 1, 1, 1}},       {6, 2, {2, 2, 2, 0, 0}},
        {7, 2, {2, 2, 2, 1, 0}},        {10, 2, {2, 2, 2, 2, 2}},      {11, 3, {3, 3, 3, 2, 0}},
        {50, 10, {10, 10, 10, 10, 10}}, {51, 11, {11, 11, 11, 11, 7}},
    };
    for (const Case& c : cases) {
        const SegmentSplit split = Decoupe_Pseudo(letters(c.n));
        EXPECT_EQ(split.k, c.k) << "n = " << c.n;
        EXPECT_EQ(lengths(split), c.lengths) << "n = " << c.n;
    }
}

TEST(DecoupePseudo, SegmentsAreConsecutivePiecesOfTheText) {
    const SegmentSplit split = Decoupe_Pseudo(QStringLiteral("abcdefg"));
    const std::array<QString, 5> expected = {QStringLiteral("ab"), QStringLiteral("cd"),
                                             QStringLiteral("ef"), QStringLiteral("g"), QString()};
    EXPECT_EQ(split.segments, expected);
}

TEST(DecoupePseudo, LongTextIsCoveredWhole) {
    for (int n : {51, 99, 1000, 10001}) {
        const QString text = letters(n);
        const SegmentSplit split = Decoupe_Pseudo(text);
        QString joined;
        for (const QString& segment : split.segments) {
            EXPECT_LE(segment.size(), split.k);
            joined += segment;
        }
        EXPECT_EQ(joined, text) << "n = " << n;
    }
}

// A character is what a reader sees as one: an emoji of two UTF-16 units, a
// letter and its combining accent, a flag. The split counts and cuts only
// between such characters.
TEST(DecoupePseudo, CountsAndCutsWholeCharacters) {
    const QString smile = QStringLiteral("\U0001F600");
    const SegmentSplit emoji = Decoupe_Pseudo(QStringLiteral("a") + smile.repeated(5));
    EXPECT_EQ(emoji.k, 2);
    const std::array<QString, 5> pieces = {QStringLiteral("a") + smile, smile + smile,
                                           smile + smile, QString(), QString()};
    EXPECT_EQ(emoji.segments, pieces);

    const QString accented = QStringLiteral("e\u0301");
    const QString flag = QStringLiteral("\U0001F1EB\U0001F1F7");
    const SegmentSplit mixed = Decoupe_Pseudo(accented + QStringLiteral("ab") + flag + smile);
    EXPECT_EQ(mixed.k, 1);
    const std::array<QString, 5> single = {accented, QStringLiteral("a"), QStringLiteral("b"), flag,
                                           smile};
    EXPECT_EQ(mixed.segments, single);
}
