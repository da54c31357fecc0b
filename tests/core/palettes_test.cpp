#include "core/palettes.h"
#include "dialects/plus3.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

int countRole(const QList<PaletteEntry>& palette, EntryRole role) {
    return int(std::count_if(palette.begin(), palette.end(),
                             [&](const PaletteEntry& e) { return e.role == role; }));
}

int countCaption(const QList<PaletteEntry>& palette, const QString& caption) {
    return int(std::count_if(palette.begin(), palette.end(),
                             [&](const PaletteEntry& e) { return e.caption == caption; }));
}

QString fgCode(const char* option) {
    return plus3::write(findForegroundEntry(QString::fromUtf8(option))->code);
}
QString bgCode(const char* option) {
    return plus3::write(findBackgroundEntry(QString::fromUtf8(option))->code);
}

}  // namespace

TEST(Palettes, SizesAndRoles) {
    const auto& fg = ForegroundPalette();
    const auto& bg = BackgroundPalette();
    ASSERT_EQ(fg.size(), 76);
    ASSERT_EQ(bg.size(), 60);

    EXPECT_EQ(countRole(fg, EntryRole::Custom), 1);
    EXPECT_EQ(countRole(fg, EntryRole::Default), 0);
    EXPECT_EQ(fg.back().option, kCustomForegroundOption);
    EXPECT_EQ(fg.back().role, EntryRole::Custom);

    EXPECT_EQ(countRole(bg, EntryRole::Custom), 1);
    EXPECT_EQ(countRole(bg, EntryRole::Default), 1);
    EXPECT_EQ(bg.front().option, kDefaultBackgroundOption);
    EXPECT_EQ(bg.front().role, EntryRole::Default);
    EXPECT_EQ(bg.front().caption, QStringLiteral("Défaut"));
    EXPECT_EQ(bg.front().previewColour, kSystemButtonFace);
    EXPECT_EQ(bg.back().option, kCustomBackgroundOption);
    EXPECT_EQ(bg.back().role, EntryRole::Custom);
    EXPECT_EQ(bg.back().captionColour, 0x000000u);
}

TEST(Palettes, OptionNamesAreUniqueAcrossBothPalettes) {
    QSet<QString> names;
    for (const auto* palette : {&ForegroundPalette(), &BackgroundPalette()}) {
        for (const PaletteEntry& e : *palette) {
            EXPECT_FALSE(names.contains(e.option)) << e.option.toStdString();
            names.insert(e.option);
        }
    }
    EXPECT_EQ(names.size(), 136);
}

TEST(Palettes, EveryFixedCodeIsWellFormed) {
    const QRegularExpression text(
        QStringLiteral("^·\\$(0|[1-9][0-9]*|\\(\\d{3},\\d{3},\\d{3}\\))$"));
    const QRegularExpression back(
        QStringLiteral("^·\\$,(0|[1-9][0-9]*|\\(\\d{3},\\d{3},\\d{3}\\))$"));
    for (const PaletteEntry& e : ForegroundPalette()) {
        if (e.role == EntryRole::Fixed) {
            EXPECT_TRUE(text.match(plus3::write(e.code)).hasMatch()) << e.option.toStdString();
        } else {
            EXPECT_TRUE(e.code.isEmpty());
        }
        EXPECT_FALSE(e.caption.isEmpty());
        EXPECT_EQ(e.captionColour, kSystemButtonText);
    }
    for (const PaletteEntry& e : BackgroundPalette()) {
        if (e.role == EntryRole::Fixed) {
            EXPECT_TRUE(back.match(plus3::write(e.code)).hasMatch()) << e.option.toStdString();
        } else {
            EXPECT_TRUE(e.code.isEmpty());
        }
        EXPECT_FALSE(e.caption.isEmpty());
    }
}

TEST(Palettes, ColoursAreRgbOrOneOfTheTwoSystemColours) {
    for (const auto* palette : {&ForegroundPalette(), &BackgroundPalette()}) {
        for (const PaletteEntry& e : *palette) {
            for (BgrColor c : {e.previewColour, e.captionColour}) {
                EXPECT_TRUE(c <= 0xFFFFFFu || c == kSystemButtonFace || c == kSystemButtonText)
                    << e.option.toStdString();
            }
        }
    }
}

TEST(Palettes, KnownEntries) {
    EXPECT_EQ(fgCode("Option9"), QStringLiteral("·$1"));
    EXPECT_EQ(findForegroundEntry(kDefaultForegroundOption)->caption, QStringLiteral("Noir"));
    EXPECT_EQ(findForegroundEntry(kDefaultForegroundOption)->previewColour, kSystemButtonText);
    EXPECT_EQ(fgCode("Option2"), QStringLiteral("·$12"));
    EXPECT_EQ(bgCode("Option12"), QStringLiteral("·$,4"));
    EXPECT_EQ(fgCode("optrouge2"), QStringLiteral("·$(255,085,085)"));
    EXPECT_EQ(bgCode("optarouge2"), QStringLiteral("·$,(255,085,085)"));
    EXPECT_EQ(bgCode("Option36"), QStringLiteral("·$,(000,128,255)"));
    EXPECT_EQ(findBackgroundEntry(QStringLiteral("Option36"))->previewColour, 0xFBB92Fu);
    EXPECT_EQ(fgCode("optmarron1"), QStringLiteral("·$61"));
    EXPECT_EQ(fgCode("optmarron2"), QStringLiteral("·$62"));
    // Duplicated codes are kept: two options may write the same colour.
    EXPECT_EQ(fgCode("optrouge1"), fgCode("optrouge5"));
    EXPECT_EQ(countCaption(ForegroundPalette(), QStringLiteral("Gris")), 5);
    EXPECT_EQ(countCaption(ForegroundPalette(), QStringLiteral("Jaune")), 4);
}

TEST(Palettes, BordeauxBackgroundIsTheTwinOfTheTextEntry) {
    const PaletteEntry* text = findForegroundEntry(QStringLiteral("optbordeau"));
    const PaletteEntry* back = findBackgroundEntry(QStringLiteral("optabordeau"));
    ASSERT_TRUE(text && back);
    EXPECT_EQ(back->role, EntryRole::Fixed);
    EXPECT_EQ(plus3::write(back->code), QStringLiteral("·$,55"));
    EXPECT_EQ(plus3::write(text->code), QStringLiteral("·$55"));
    EXPECT_EQ(back->previewColour, 0x0E30A5u);

    NickSettings s;
    s.Nickname = QStringLiteral("abc");
    s.BackgroundOption = back->option;
    EXPECT_EQ(ComposeNickCode(s), QStringLiteral("·$,55·$1abc·0"));
}

TEST(Palettes, LookupByName) {
    EXPECT_EQ(findForegroundEntry(QStringLiteral("Option12")), nullptr);  // a background name
    EXPECT_EQ(findBackgroundEntry(QStringLiteral("Option9")), nullptr);
    EXPECT_EQ(findForegroundEntry(QStringLiteral("option9")), nullptr);  // case matters
    EXPECT_EQ(findForegroundEntry(QString()), nullptr);
    for (const PaletteEntry& e : BackgroundPalette()) {
        EXPECT_EQ(findBackgroundEntry(e.option), &e);
    }
}
