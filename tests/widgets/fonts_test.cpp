// The windows' font: the first of its stand-in faces that is installed,
// found without asking again for the faces that are missing, and the same
// face as the whole list of stand-ins gives.
#include "ui/widgets/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

const QString kDesigned = QStringLiteral("MS Sans Serif");

// The face Qt draws `font` with.
QString drawnFace(const QFont& font) {
    return QFontInfo(font).family();
}

// `font` asked for with the designed face (and so its substitutes) first.
QFont withDesignedFaceFirst(QFont font) {
    QStringList families = font.families();
    if (families.value(0) != kDesigned) families.prepend(kDesigned);
    font.setFamilies(families);
    return font;
}

TEST(WindowFont, StartsAtAnInstalledFaceAndDrawsWithTheSameFaceAsTheWholeList) {
    const QFont font = windowFont();
    const QStringList families = font.families();
    ASSERT_FALSE(families.isEmpty());
    EXPECT_TRUE(QFontDatabase::hasFamily(families.first()) || families.size() == 1)
        << families.first().toStdString();
    EXPECT_EQ(font.pointSizeF(), 8.0);
    // Every variant the windows derive from it: other sizes, bold, italic.
    for (QFont variant : {font, msSansSerif(7), msSansSerif(14)}) {
        for (bool bold : {false, true}) {
            variant.setBold(bold);
            variant.setItalic(!bold);
            EXPECT_EQ(drawnFace(variant), drawnFace(withDesignedFaceFirst(variant)));
        }
    }
}

TEST(WindowFont, KeepsAMissingFaceWhoseOwnSubstituteIsNotAStandIn) {
    if (QFontDatabase::hasFamily(kDesigned)) GTEST_SKIP() << "the designed face is installed";
    const QStringList saved = QFont::substitutes(kDesigned);
    QFont::insertSubstitution(kDesigned, QStringLiteral("DejaVu Serif"));
    const QFont font = windowFont();
    EXPECT_EQ(font.families().value(0), kDesigned);
    QFont::removeSubstitutions(kDesigned);
    QFont::insertSubstitutions(kDesigned, saved);
}

}  // namespace
