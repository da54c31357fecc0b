// The nickname preview draws the same pixels as a plain, centred,
// word-wrapped QLabel in the font it draws with, whatever the text's length,
// font and colours; a text that does not fit is drawn smaller where a
// smaller size fits it whole.
#include "ui/editor/previewlabel.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

namespace {

using chromanick::PreviewLabel;

void setUp(QLabel& label, const QFont& font, const QString& text) {
    label.setGeometry(0, 0, 213, 81);
    label.setTextFormat(Qt::PlainText);
    label.setAlignment(Qt::AlignCenter);
    label.setWordWrap(true);
    label.setAutoFillBackground(true);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x40));
    palette.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    label.setPalette(palette);
    label.setFont(font);
    label.setText(text);
}

QImage drawn(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

bool hasInk(const QImage& image, const QColor& background) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background) return true;
    return false;
}

QString words(int length) {
    const QString sample = QStringLiteral("Ünë jölie Phrase, AVEC des mots de tailles variées ");
    QString text;
    while (text.size() < length) text += sample;
    return text.left(length);
}

void expectSamePixels(const QFont& font, const QString& text) {
    QLabel reference;
    PreviewLabel preview;
    setUp(reference, font, text);
    setUp(preview, font, text);
    reference.setFont(preview.drawnFont());
    const QImage expected = drawn(reference);
    EXPECT_TRUE(hasInk(expected, QColor(0xFF, 0xFF, 0xC0)));
    EXPECT_EQ(drawn(preview), expected)
        << text.size() << " characters, " << font.toString().toStdString();
}

TEST(PreviewLabel, DrawsWhatAPlainWrappedLabelDraws) {
    QFont small(QStringLiteral("Sans Serif"));
    small.setPixelSize(8);
    QFont large = small;
    large.setPixelSize(24);
    large.setBold(true);
    large.setItalic(true);
    QFont underlined = small;
    underlined.setPixelSize(11);
    underlined.setUnderline(true);
    underlined.setStrikeOut(true);
    for (const QFont& font : {small, large, underlined}) {
        for (int length : {1, 30, 255, 257, 600, 3000, 10000})
            expectSamePixels(font, words(length));
        // One word wider than the label: its middle part shows.
        expectSamePixels(font, QString(4000, QLatin1Char('W')) + QStringLiteral(" fin"));
        expectSamePixels(font, QStringLiteral("deux\nlignes ") + words(2000));
    }
}

// Where the text laid out in `label`'s drawn font lies, in its contents.
QRect laidOut(const PreviewLabel& label) {
    return QFontMetrics(label.drawnFont())
        .boundingRect(label.contentsRect(), int(label.alignment()) | Qt::TextWordWrap,
                      label.text());
}

TEST(PreviewLabel, ATextThatDoesNotFitIsDrawnSmallerAndWhole) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSize(24);
    PreviewLabel preview;
    for (const QString& text :
         {QStringLiteral("(¯`·._.·[abc]·._.·´¯)"), QStringLiteral("un pseudo de quatre mots")}) {
        setUp(preview, font, text);
        ASSERT_FALSE(preview.contentsRect().contains(QFontMetrics(font).boundingRect(
            preview.contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, text)))
            << "fits at 24 points already: " << text.toStdString();
        EXPECT_LT(preview.drawnFont().pointSizeF(), 24);
        EXPECT_GE(preview.drawnFont().pointSizeF(), PreviewLabel::kSmallestFittedSize);
        EXPECT_TRUE(preview.contentsRect().contains(laidOut(preview))) << text.toStdString();
        // The largest that fits: half a point more would not.
        QFont larger = preview.drawnFont();
        larger.setPointSizeF(larger.pointSizeF() + 0.5);
        EXPECT_FALSE(preview.contentsRect().contains(QFontMetrics(larger).boundingRect(
            preview.contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, text)));
    }
    // A text that fits keeps the label's font; one too long for any size too.
    setUp(preview, font, QStringLiteral("abc"));
    EXPECT_EQ(preview.drawnFont(), font);
    setUp(preview, font, words(600));
    EXPECT_EQ(preview.drawnFont(), font);
}

TEST(PreviewLabel, LaysOutOnlyTheBeginningOfALongWrappedText) {
    PreviewLabel preview;
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(11);
    setUp(preview, font, words(10000));
    const QString drawnText = preview.drawnText();
    EXPECT_LT(drawnText.size(), 2000);
    EXPECT_TRUE(preview.text().startsWith(drawnText));

    // A larger label needs more of the text; a short text is drawn whole.
    preview.resize(213, 600);
    EXPECT_GT(preview.drawnText().size(), drawnText.size());
    preview.setText(words(40));
    EXPECT_EQ(preview.drawnText(), words(40));

    // A text without a place to break it is one line, drawn whole, as a
    // plain label draws it.
    const QString unbroken = QString(20000, QLatin1Char('W')) + QStringLiteral("_é_");
    preview.setText(unbroken);
    EXPECT_EQ(preview.drawnText(), unbroken);
    expectSamePixels(font, unbroken);
}

}  // namespace
