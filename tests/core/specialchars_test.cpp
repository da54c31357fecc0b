#include "core/specialchars.h"

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
    for (const SpecialCharRow& row : rows) {
        EXPECT_EQ(row.letter.size(), 1);
        EXPECT_TRUE(row.letter.front().isLetter());
        (void)cp1252.encode(row.lookalike);
        EXPECT_FALSE(cp1252.hasError()) << row.lookalike.toStdString();
        for (const SpecialCharRow& other : rows) {
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
    for (const SpecialCharRow& row : SpecialCharMap()) EXPECT_FALSE(once.contains(row.letter));
}

TEST(SpecialChars, CaptionOnIsTheTransformOfTheOffPhrase) {
    EXPECT_EQ(Applique_CaracSpe(QStringLiteral("Désactiver les caractères spéciaux")),
              kSpecialCharsCaptionOn);
}

TEST(SpecialChars, LongTextIsTransformedWhole) {
    QString text;
    for (int i = 0; i < 1000; ++i) text += QStringLiteral("Mon pseudo");
    const QString forward = Applique_CaracSpe(text);
    EXPECT_EQ(forward.size(), 13 * 1000);
    EXPECT_EQ(Retire_CaracSpe(forward), text);
}
