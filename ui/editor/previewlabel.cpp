#include "ui/editor/previewlabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextBoundaryFinder>

#include <cmath>
#include <limits>

namespace chromanick {

namespace {

constexpr int kFirstLength = 256;
// Lines laid out beyond the label's height: the last line of a beginning may
// break differently from the whole text's, the lines before it cannot.
constexpr int kSpareLines = 3;

}  // namespace

PreviewLabel::PreviewLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

QRect PreviewLabel::textArea() const {
    return contentsRect().adjusted(margin(), margin(), -margin(), -margin());
}

// The painter lays out lines only until they fill the label's height, but it
// prepares the whole text it is given for them. A beginning whose wrapped
// height exceeds the label's by a few lines gives the same first lines.
int PreviewLabel::drawnLength(const QRect& area) const {
    const QString full = text();
    if (!wordWrap() || full.size() <= kFirstLength) return int(full.size());
    if (cachedLength_ >= 0 && cachedText_ == full && cachedFont_ == font() &&
        cachedSize_ == area.size()) {
        return cachedLength_;
    }
    cachedText_ = full;
    cachedFont_ = font();
    cachedSize_ = area.size();
    // A text that cannot be broken anywhere is one line, whose middle shows:
    // it is drawn whole, without laying out ever longer beginnings of it.
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, full);
    if (breaks.toNextBoundary() >= full.size()) {
        cachedLength_ = int(full.size());
        return cachedLength_;
    }
    const QFontMetrics metrics = fontMetrics();
    const int needed = area.height() + kSpareLines * metrics.lineSpacing();
    const QRect tall(0, 0, area.width(), std::numeric_limits<int>::max() / 4);
    int length = kFirstLength;
    while (length < full.size()) {
        const QRect laidOut =
            metrics.boundingRect(tall, int(alignment()) | Qt::TextWordWrap, full.left(length));
        if (laidOut.height() >= needed) break;
        length *= 2;
    }
    cachedLength_ = int(qMin<qsizetype>(length, full.size()));
    return cachedLength_;
}

QString PreviewLabel::drawnText() const {
    return text().left(drawnLength(textArea()));
}

QFont PreviewLabel::drawnFont() const {
    return fittedFont(textArea());
}

bool PreviewLabel::fits(const QFont& font, const QRect& area) const {
    const QRect laidOut = QFontMetrics(font).boundingRect(
        area, int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0), text());
    return laidOut.width() <= area.width() && laidOut.height() <= area.height();
}

// Half a point at a time, the largest size that fits, found by halving the
// range. Long texts cannot fit at any size worth reading and are not tried.
QFont PreviewLabel::fittedFont(const QRect& area) const {
    if (fittedText_ == text() && fittedFor_ == font() && fittedSize_ == area.size()) return fitted_;
    fittedText_ = text();
    fittedFor_ = font();
    fittedSize_ = area.size();
    fitted_ = font();
    const double size = QFontInfo(font()).pointSizeF();
    if (text().size() > kFirstLength || size <= kSmallestFittedSize || fits(font(), area))
        return fitted_;
    auto atStep = [this](int step) {
        QFont smaller = font();
        smaller.setPointSizeF(kSmallestFittedSize + step / 2.0);
        return smaller;
    };
    if (!fits(atStep(0), area)) return fitted_;
    int low = 0;                                                  // fits
    int high = int(std::ceil((size - kSmallestFittedSize) * 2));  // does not
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        (fits(atStep(middle), area) ? low : high) = middle;
    }
    fitted_ = atStep(low);
    return fitted_;
}

// As QLabel paints a plain text without a shortcut, with the drawn part of
// the text.
void PreviewLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = textArea();
    const Qt::LayoutDirection direction =
        text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    int flags = int(QStyle::visualAlignment(direction, alignment()));
    if (wordWrap()) flags |= Qt::TextWordWrap;
    flags |= direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft;
    painter.setFont(fittedFont(area));
    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&painter, area, flags, option.palette, isEnabled(),
                          text().left(drawnLength(area)), foregroundRole());
}

}  // namespace chromanick
