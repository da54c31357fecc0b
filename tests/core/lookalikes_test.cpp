#include "core/lookalikes.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

struct RoundTrip {
    const char* plain;
    const char* transformed;
    const char* restored;
};

}  // namespace

TEST(SpecialChars, MapHasTwentyNineSingleLetterRows) {
    const auto& rows = SpecialCharMap();
    ASSERT_EQ(rows.size(), 29);
    QStringEncoder cp1252("windows-1252");
    ASSERT_TRUE(cp1252.isValid());
    for (const LookalikeRow& row : rows) {
        EXPECT_EQ(row.letter.size(), 1);
        EXPECT_TRUE(row.letter.front().isLetter());
        (void)cp1252.encode(row.lookalike);
        EXPECT_FALSE(cp1252.hasError()) << row.lookalike.toStdString();
        for (const LookalikeRow& other : rows) {
            EXPECT_FALSE(row.lookalike.contains(other.letter));
        }
    }
}

TEST(SpecialChars, TransformsBothWays) {
    const RoundTrip cases[] = {
        {"Aimé", "Âímé", "Aimé"},
        {"Mon pseudo", "|\\/|øñ Þ§€µdø", "Mon pseudo"},
        {"Salut Lola", "$ålµt |_ølå", "Salut Lola"},
        // The way back is lossy where look-alikes overlap.
        {"Yy", "¥¥", "YY"},
        {"W", "\\/\\/", "VV"},
        {"VW", "\\/\\/\\/", "VVV"},
        {"M_", "|\\/|_", "|VL"},
        {"", "", ""},
        {"123 !", "123 !", "123 !"},
        {"(sn)", "(§ñ)", "(sn)"},
    };
    for (const RoundTrip& c : cases) {
        const QString plain = QString::fromUtf8(c.plain);
        const QString forward = Applique_CaracSpe(plain);
        EXPECT_EQ(forward, QString::fromUtf8(c.transformed)) << c.plain;
        EXPECT_EQ(Retire_CaracSpe(forward), QString::fromUtf8(c.restored)) << c.plain;
    }
}

TEST(SpecialChars, LettersWithoutARowAndOtherCharactersStay) {
    const QString untouched = QStringLiteral("CdFfGgHhJKklmPQqRrTtvwX 0123456789 .,;!?éèàçÉ");
    EXPECT_EQ(Applique_CaracSpe(untouched), untouched);
    EXPECT_EQ(Retire_CaracSpe(untouched), untouched);
}

TEST(SpecialChars, TypedLookalikesAreRestoredToo) {
    EXPECT_EQ(Retire_CaracSpe(QStringLiteral("5$ £ § €")), QStringLiteral("5S E s e"));
}

TEST(SpecialChars, ForwardIsIdempotent) {
    const QString all = QStringLiteral("aABbcDEeIijLMNnOopSsUuVWxYyZz Le Monde");
    const QString once = Applique_CaracSpe(all);
    EXPECT_EQ(Applique_CaracSpe(once), once);
    for (const LookalikeRow& row : SpecialCharMap()) EXPECT_FALSE(once.contains(row.letter));
}

TEST(SpecialChars, CaptionOnIsTheTransformOfTheOffPhrase) {
    EXPECT_EQ(Applique_CaracSpe(QStringLiteral("Désactiver les caractères spéciaux")),
              kLookalikeCaptionOn);
}

TEST(SpecialChars, LongTextIsTransformedWhole) {
    QString text;
    for (int i = 0; i < 1000; ++i) text += QStringLiteral("Mon pseudo");
    const QString forward = Applique_CaracSpe(text);
    EXPECT_EQ(forward.size(), 13 * 1000);
    EXPECT_EQ(Retire_CaracSpe(forward), text);
}

// The forward transform is one replace-all per row, in row order; whatever
// way it is computed, it must give what those replacements give, on any mix
// of letters, look-alikes and other characters.
TEST(SpecialChars, ForwardEqualsTheRowByRowReplacements) {
    QString alphabet = QStringLiteral(" .,é€|\\/_0");
    for (const LookalikeRow& row : SpecialCharMap()) alphabet += row.letter + row.lookalike;
    for (char16_t c = u'A'; c <= u'z'; ++c) alphabet += QChar(c);
    quint32 seed = 12345;
    for (int sample = 0; sample < 200; ++sample) {
        QString text;
        for (int i = 0; i < sample; ++i) {
            seed = seed * 1103515245u + 12345u;
            text += alphabet[(seed >> 16) % alphabet.size()];
        }
        QString expected = text;
        for (const LookalikeRow& row : SpecialCharMap())
            expected.replace(row.letter, row.lookalike);
        EXPECT_EQ(Applique_CaracSpe(text), expected) << text.toStdString();
    }
}
