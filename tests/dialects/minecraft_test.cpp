// Minecraft chat codes, written and read.
#include "dialects/codeformats.h"
#include "dialects/plus3.h"
#include "tests/support/coderuns.h"

#include <gtest/gtest.h>

using namespace chromanick;
using codeformat::minecraftColours;
using codeformat::readMinecraft;

namespace {

Style coloured(BgrColor colour, bool bold = false) {
    Style f;
    f.foreground = colour;
    f.bold = bold;
    return f;
}

constexpr BgrColor kOrange = bgrFromRgb(255, 128, 0);

}  // namespace

TEST(ReadMinecraft, ColourCodesTurnTheStylesOff) {
    const BgrColor red = minecraftColours()[0xc];
    EXPECT_EQ(red, bgrFromRgb(0xFF, 0x55, 0x55));
    EXPECT_EQ(readMinecraft(QStringLiteral("&cHello &lWorld&6!")),
              (QList<StyledRun>{{"Hello ", coloured(red)},
                                {"World", coloured(red, true)},
                                {"!", coloured(bgrFromRgb(0xFF, 0xAA, 0x00))}}));
    // Either marker, either case.
    EXPECT_EQ(readMinecraft(QStringLiteral("§C§Lx&L&Cy")),
              (QList<StyledRun>{{"x", coloured(red, true)}, {"y", coloured(red)}}));
    // Styles stay on together until a colour or a reset.
    Style all;
    all.bold = all.italic = all.underline = all.strikethrough = true;
    EXPECT_EQ(readMinecraft(QStringLiteral("&l&o&n&mx&ry")),
              (QList<StyledRun>{{"x", all}, {"y", {}}}));
    EXPECT_EQ(readMinecraft(QStringLiteral("&4&lx&ry")),
              (QList<StyledRun>{{"x", coloured(minecraftColours()[4], true)}, {"y", {}}}));
}

TEST(ReadMinecraft, TheSixteenColoursRunFromBlackToWhite) {
    const auto& colours = minecraftColours();
    EXPECT_EQ(colours[0], bgrFromRgb(0, 0, 0));
    EXPECT_EQ(colours[15], bgrFromRgb(255, 255, 255));
    for (std::size_t i = 0; i < colours.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(colours[i], colours[j]) << i << " " << j;
        // Each code reads as its colour.
        const QString code = QLatin1Char('&') + QString::number(int(i), 16) + QLatin1Char('x');
        EXPECT_EQ(readMinecraft(code), (QList<StyledRun>{{"x", coloured(colours[i])}}));
    }
}

TEST(ReadMinecraft, RgbColoursInBothForms) {
    const QList<StyledRun> orange{{"x", coloured(kOrange)}};
    EXPECT_EQ(readMinecraft(QStringLiteral("&#FF8000x")), orange);
    EXPECT_EQ(readMinecraft(QStringLiteral("&#ff8000x")), orange);
    EXPECT_EQ(readMinecraft(QStringLiteral("§x§F§F§8§0§0§0x")), orange);
    EXPECT_EQ(readMinecraft(QStringLiteral("&X&f&f&8&0&0&0x")), orange);
    EXPECT_EQ(readMinecraft(QStringLiteral("&l&#FF8000x")), orange);
}

TEST(ReadMinecraft, AnythingElseAfterAMarkerIsText) {
    for (const QString& line :
         {QStringLiteral("Tom & Jerry"), QStringLiteral("&"), QStringLiteral("a&"),
          QStringLiteral("&z&&§"), QStringLiteral("&#FF80x"), QStringLiteral("&#"),
          QStringLiteral("&x&&§x§")}) {
        EXPECT_EQ(codeformat::runsListing(readMinecraft(line)), "-\t-\t-\t" + line)
            << line.toStdString();
    }
    // An incomplete RGB code leaves its marker as text and reads on.
    EXPECT_EQ(readMinecraft(QStringLiteral("&x&c!")),
              (QList<StyledRun>{{"&x", {}}, {"!", coloured(minecraftColours()[0xc])}}));
    // Obfuscated text is read and shown as it is.
    EXPECT_EQ(readMinecraft(QStringLiteral("&6&kab")),
              (QList<StyledRun>{{"ab", coloured(minecraftColours()[6])}}));
    EXPECT_TRUE(readMinecraft(QStringLiteral("&l&c")).isEmpty());
}

TEST(WriteMinecraft, WritesEachLookOnceWithItsStylesAfterItsColour) {
    EXPECT_EQ(codeformat::minecraft(readPlusCode(QStringLiteral("·#·$4ab·$(000,000,255)c·0d"))),
              QStringLiteral("&#FF0000&lab&#0000FF&lc&rd"));
    // No code for what is already so; a reset only to turn something off.
    EXPECT_EQ(codeformat::minecraft(readPlusCode(QStringLiteral("ab·@c·&·@d"))),
              QStringLiteral("ab&nc&r&od"));
    EXPECT_EQ(codeformat::minecraft(readPlusCode(QStringLiteral("·#·@·&·'x"))),
              QStringLiteral("&l&n&o&mx"));
    // Backgrounds are not shown: runs that differ only there are one.
    EXPECT_EQ(codeformat::minecraft(readPlusCode(QStringLiteral("·$4,1a·$4,2b·$,3c"))),
              QStringLiteral("&#FF0000abc"));
    EXPECT_EQ(codeformat::minecraft({}), QString());
}

TEST(WriteMinecraft, MarkersOfTheTextStayText) {
    for (const QString& line :
         {QStringLiteral("&a"), QStringLiteral("·#§l&&c"), QStringLiteral("·$4&#FF0000x"),
          QStringLiteral("&x&F&F&0&0&0&0·#&r"), QStringLiteral("Tom & Jerry&"),
          QStringLiteral("&·$4c")}) {
        const QList<StyledRun> runs = readPlusCode(line);
        const QString written = codeformat::minecraft(runs);
        EXPECT_EQ(readMinecraft(written), runs) << written.toStdString();
    }
    // A marker before nothing that makes a code is written as it is.
    EXPECT_EQ(codeformat::minecraft(readPlusCode(QStringLiteral("Tom & Jerry &z"))),
              QStringLiteral("Tom & Jerry &z"));
}
