// The pictures drawn when the program is built: the same pixels as drawing
// the SVG at run time, at the sizes the windows show them, and a damaged set
// is refused rather than read past its end.
#include "ui/widgets/prerendered.h"
#include "assets/resources.h"
#include "core/emoticons.h"
#include "tests/support/scriptedplatform.h"
#include "ui/aboutwindow.h"
#include "ui/editor/mainmodel.h"
#include "ui/editor/mainwindow.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/svgpicture.h"

#include <QResource>

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

// Equal pixels, compared as the premultiplied values both are drawn in.
void expectSamePixels(const QImage& drawnAhead, const QImage& drawnNow, const QString& what) {
    ASSERT_FALSE(drawnAhead.isNull()) << what.toStdString();
    ASSERT_FALSE(drawnNow.isNull()) << what.toStdString();
    EXPECT_EQ(drawnAhead.size(), drawnNow.size()) << what.toStdString();
    EXPECT_EQ(drawnAhead.devicePixelRatio(), drawnNow.devicePixelRatio()) << what.toStdString();
    EXPECT_TRUE(drawnAhead == drawnNow.convertToFormat(drawnAhead.format())) << what.toStdString();
}

// The program holds the pictures for screens of 1 device pixel per pixel.
TEST(PrerenderedPictures, MatchTheSvgDrawnAtRunTimeForEveryEmoticonAndTheLogo) {
    for (const Emoticon& emoticon : EmoticonTable()) {
        const QString resource = assets::emoticonPath(emoticon.image);
        expectSamePixels(prerenderedPicture(resource, QSize(20, 20), 1),
                         renderSvgPicture(resource, QSize(20, 20), 1), resource);
    }
    for (QSize size : {QSize(257, 88), QSize(250, 100)}) {
        expectSamePixels(prerenderedPicture(assets::logoPath(), size, 1),
                         renderSvgPicture(assets::logoPath(), size, 1), assets::logoPath());
    }
}

// The program's own pictures are used where they lie in the program, not copied.
TEST(PrerenderedPictures, AreUsedWithoutCopyingTheirPixels) {
    const QResource set(QStringLiteral(":/prerendered/pictures.bin"));
    ASSERT_TRUE(set.isValid());
    const auto* start = reinterpret_cast<const char*>(set.data());
    const QImage logo = prerenderedPicture(assets::logoPath(), QSize(257, 88), 1);
    const auto* pixels = reinterpret_cast<const char*>(logo.constBits());
    EXPECT_TRUE(pixels > start && pixels < start + set.size());
}

TEST(PrerenderedPictures, OnlyHeldAtTheirOwnSizeAndWholeDensities) {
    const QString logo = assets::logoPath();
    EXPECT_TRUE(prerenderedPicture(logo, QSize(40, 40), 1).isNull());
    EXPECT_TRUE(prerenderedPicture(logo, QSize(257, 88), 1.5).isNull());
    EXPECT_TRUE(prerenderedPicture(logo, QSize(257, 88), 3).isNull());
    EXPECT_TRUE(
        prerenderedPicture(QStringLiteral(":/emoticons/absent.svg"), QSize(20, 20), 1).isNull());
}

// The sizes drawn ahead are those of the windows that open first; a window
// whose picture changed size would silently go back to reading its SVG.
TEST(PrerenderedPictures, CoverEveryPictureOfTheMainAndAboutWindows) {
    chromanick::testing::ScriptedPlatform platform;
    MainEditorModel model(platform);
    MainWindow main(model);
    AboutWindow about(platform);
    QList<Picture*> pictures = main.findChildren<Picture*>();
    pictures += about.findChildren<Picture*>();
    ASSERT_GE(pictures.size(), EmoticonTable().size() + 2);
    for (const Picture* picture : pictures) {
        EXPECT_FALSE(prerenderedPicture(picture->resource(), picture->size(), 1).isNull())
            << picture->objectName().toStdString();
    }
}

TEST(PrerenderedPictures, ASetReadsBackAndADamagedOneIsRefused) {
    QImage image(QSize(6, 4), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(10, 20, 30, 128));
    image.setPixel(5, 3, qRgba(1, 2, 3, 4));
    const QByteArray set = encodePrerendered(2, {{QStringLiteral(":/a/é.svg"), {3, 2}, image}});

    const QList<PrerenderedPicture> read = decodePrerendered(set.constData(), set.size());
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read[0].resource, QStringLiteral(":/a/é.svg"));
    EXPECT_EQ(read[0].size, QSize(3, 2));
    EXPECT_EQ(read[0].image.devicePixelRatio(), 2.0);
    EXPECT_TRUE(read[0].image == image);
    // A set is read up to its own end, whatever follows it.
    const QByteArray twoSets = set + encodePrerendered(1, {});
    EXPECT_EQ(decodePrerendered(twoSets.constData(), twoSets.size()).size(), 1);

    for (qsizetype length = 0; length < set.size(); length += 7) {
        EXPECT_TRUE(decodePrerendered(set.constData(), length).isEmpty()) << length;
    }
    QByteArray wrongSize = set;
    wrongSize[8] = 3;  // the ratio no longer matches the pictures' pixels
    EXPECT_TRUE(decodePrerendered(wrongSize.constData(), wrongSize.size()).isEmpty());
    QByteArray notASet = set;
    notASet[0] = 'X';
    EXPECT_TRUE(decodePrerendered(notASet.constData(), notASet.size()).isEmpty());
}

}  // namespace
