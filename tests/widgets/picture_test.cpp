// A picture control draws its artwork at whatever size it is given, and its
// fallback text when the artwork is missing.
#include "ui/widgets/picture.h"
#include "assets/resources.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

using chromanick::Picture;

// Pixels with some paint in `area` of the control as it is drawn now, on a
// transparent image (without the window's background).
int paintedPixels(Picture& picture, const QRect& area) {
    QImage image(picture.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    picture.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    int painted = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) ++painted;
    return painted;
}

TEST(Picture, DrawsItsArtworkAgainAtANewSize) {
    Picture picture(chromanick::assets::logoPath(), QStringLiteral("Chromanick"));
    EXPECT_TRUE(picture.hasArtwork());
    picture.resize(40, 40);
    ASSERT_GT(paintedPixels(picture, QRect(0, 0, 40, 40)), 40 * 40 / 8);
    // Grown fourfold, the picture fills its new size rather than staying in
    // the corner it first had.
    picture.resize(160, 160);
    EXPECT_GT(paintedPixels(picture, QRect(80, 80, 80, 80)), 80 * 80 / 16);
    EXPECT_GT(paintedPixels(picture, QRect(0, 0, 160, 160)), 160 * 160 / 8);
}

TEST(Picture, MissingArtworkDrawsTheFallbackText) {
    Picture picture(QStringLiteral(":/emoticons/absent.svg"), QStringLiteral("xD"));
    EXPECT_FALSE(picture.hasArtwork());
    EXPECT_EQ(picture.fallbackText(), QStringLiteral("xD"));
    picture.resize(32, 32);
    EXPECT_GT(paintedPixels(picture, QRect(0, 0, 32, 32)), 32 * 32 / 4);
}

}  // namespace
