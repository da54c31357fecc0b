#pragma once

#include <QLabel>

namespace chromanick {

// The nickname preview: a plain-text, centred, word-wrapped label that draws
// what QLabel draws, without laying out the whole text on every paint. A
// text that does not fit the label in its font (a word wider than the label,
// or more lines than it holds) is drawn in the largest smaller size that
// fits it whole, down to kSmallestFittedSize. One that does not fit even
// then is drawn in the label's font and shows its first lines, centred on
// those that fill the label; only a beginning of the text long enough to
// give those lines (and a few more) is laid out. A text whose first lines
// cannot be found that way (one word wider than the label) is drawn whole.
class PreviewLabel : public QLabel {
    Q_OBJECT
public:
    explicit PreviewLabel(QWidget* parent = nullptr);

    // The part of text() given to the painter: the whole text or a beginning
    // of it that draws the same pixels in the label's current size and font.
    QString drawnText() const;
    // The font the text is drawn in: the label's, or a smaller one that fits.
    QFont drawnFont() const;

    static constexpr double kSmallestFittedSize = 6;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;
    int drawnLength(const QRect& area) const;
    bool fits(const QFont& font, const QRect& area) const;
    QFont fittedFont(const QRect& area) const;

    // The last length found, for the text, font and size it was found for.
    mutable QString cachedText_;
    mutable QFont cachedFont_;
    mutable QSize cachedSize_;
    mutable int cachedLength_ = -1;
    // The last fitted font, for the text, font and size it was found for.
    mutable QString fittedText_;
    mutable QFont fittedFor_;
    mutable QSize fittedSize_;
    mutable QFont fitted_;
};

}  // namespace chromanick
