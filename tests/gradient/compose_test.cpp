#include "gradient/gradient.h"

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

QString compose(const GradientSettings& settings) {
    return Genere_Degrade(settings, Decoupe_Pseudo(settings.nickname));
}

GradientSettings withNickname(const QString& nickname, int row = 0) {
    GradientSettings settings;
    settings.nickname = nickname;
    settings.presetRow = row;
    return settings;
}

}  // namespace

TEST(GenereDegrade, PresetRowColoursEachSegment) {
    GradientSettings settings = withNickname(QStringLiteral("abcdefg"));
    settings.bold = true;
    settings.backgroundEnabled = true;
    settings.backgroundColour = 0xFF0000;  // blue
    EXPECT_EQ(compose(settings), QStringLiteral("·#·$,(000,000,255)·$55ab·$46cd·$37ef·$19g·$18·0"));

    EXPECT_EQ(compose(withNickname(QString())), QStringLiteral("·$55·$46·$37·$19·$18·0"));
    EXPECT_EQ(compose(withNickname(QStringLiteral("abcdef"))),
              QStringLiteral("·$55ab·$46cd·$37ef·$19·$18·0"));
    EXPECT_EQ(compose(withNickname(QStringLiteral("abcde"), 35)),
              QStringLiteral("·$1a·$52b·$43c·$15d·$16e·0"));
}

TEST(GenereDegrade, StylesStandInFrontOfTheBackground) {
    GradientSettings settings = withNickname(QStringLiteral("abcde"));
    settings.bold = settings.underline = settings.italic = settings.strikethrough = true;
    settings.backgroundEnabled = true;  // never picked: black
    const QString code = compose(settings);
    EXPECT_TRUE(code.startsWith(QStringLiteral("·'·&·@·#·$,(000,000,000)·$55a")))
        << code.toStdString();
    EXPECT_TRUE(code.endsWith(QStringLiteral("·$18e·0")));

    settings.backgroundEnabled = false;
    settings.bold = settings.strikethrough = false;
    EXPECT_EQ(compose(settings), QStringLiteral("·&·@·$55a·$46b·$37c·$19d·$18e·0"));
}

TEST(GenereDegrade, CustomRowUsesOnlyTheSlotsThatWerePicked) {
    GradientSettings settings = withNickname(QStringLiteral("abcde"), kGradientCustomRow);
    EXPECT_EQ(compose(settings), QStringLiteral("abcde·0"));

    settings.customColours[0] = 0;
    settings.customColours[2] = 0x0080FF;
    EXPECT_EQ(compose(settings), QStringLiteral("·$(000,000,000)ab·$(255,128,000)cde·0"));
}

TEST(GenereDegrade, LongNicknameIsWrittenWhole) {
    QString nickname;
    for (int i = 0; i < 60; ++i) nickname += QChar(u'a' + i % 26);
    QString code = compose(withNickname(nickname));
    for (const QString& marker :
         {QStringLiteral("·$55"), QStringLiteral("·$46"), QStringLiteral("·$37"),
          QStringLiteral("·$19"), QStringLiteral("·$18"), QStringLiteral("·0")})
        code.remove(marker);
    EXPECT_EQ(code, nickname);
}
