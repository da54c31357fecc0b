// The pictures are compiled in and every one of them draws.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include "assets/resources.h"
#include "core/emoticons.h"

namespace {

using namespace chromanick;

// Renders the picture at `width` x `height` and tells how many pixels got paint.
int paintedPixels(QSvgRenderer& renderer, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    int painted = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (qAlpha(image.pixel(x, y)) > 0) ++painted;
    return painted;
}

TEST(Assets, EveryEmoticonOfThePanelHasAPictureThatDraws) {
    for (const Emoticon& emoticon : EmoticonTable()) {
        SCOPED_TRACE(emoticon.image.toStdString());
        QSvgRenderer renderer(assets::emoticonPath(emoticon.image));
        ASSERT_TRUE(renderer.isValid());
        const QSize size = renderer.defaultSize();
        EXPECT_EQ(size.width(), size.height()) << "emoticons are square";
        EXPECT_GT(paintedPixels(renderer, 24, 24), 24 * 24 / 8);
    }
}

TEST(Assets, NoEmoticonPictureIsLeftOverOrMissing) {
    QSet<QString> expected;
    for (const Emoticon& emoticon : EmoticonTable()) expected.insert(emoticon.image + ".svg");
    const QStringList files = QDir(QStringLiteral(":/emoticons")).entryList(QDir::Files);
    EXPECT_EQ(QSet<QString>(files.begin(), files.end()), expected);
}

TEST(Assets, IconIsSquareAndLogoIsWide) {
    QSvgRenderer icon(assets::iconPath());
    ASSERT_TRUE(icon.isValid());
    EXPECT_EQ(icon.defaultSize().width(), icon.defaultSize().height());
    EXPECT_GT(paintedPixels(icon, 16, 16), 16 * 16 / 2) << "the icon fills its square";

    QSvgRenderer logo(assets::logoPath());
    ASSERT_TRUE(logo.isValid());
    EXPECT_EQ(logo.defaultSize(), QSize(250, 100));
    EXPECT_GT(paintedPixels(logo, 250, 100), 250 * 100 / 10);
}

}  // namespace
