#include "smoothpreview.h"

#include "core/graphemes.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace chromanick {

void SmoothPreviewText::set(const QString& text, const QFont& font, qreal devicePixelRatio) {
    if (!coverage_.isNull() && text == text_ && font == font_ &&
        devicePixelRatio == devicePixelRatio_)
        return;
    text_ = text;
    font_ = font;
    devicePixelRatio_ = devicePixelRatio;
    starts_ = graphemes::boundaries(text);

    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setPosition(QPointF(0, 0));
    layout.endLayout();

    size_ = QSize(int(std::ceil(line.naturalTextWidth())), QFontMetrics(font).height());
    edges_.resize(text.size() + 1);
    for (int position = 0; position <= text.size(); ++position)
        edges_[position] = line.cursorToX(position);

    coverage_ = QImage(std::max(1, int(std::ceil(size_.width() * devicePixelRatio))),
                       std::max(1, int(std::ceil(size_.height() * devicePixelRatio))),
                       QImage::Format_ARGB32_Premultiplied);
    coverage_.setDevicePixelRatio(devicePixelRatio);
    coverage_.fill(Qt::transparent);
    QPainter painter(&coverage_);
    painter.setPen(Qt::black);
    layout.draw(&painter, QPointF(0, 0));
}

std::pair<qreal, qreal> SmoothPreviewText::span(int from, int to) const {
    const qreal a = edges_.value(from);
    const qreal b = edges_.value(to);
    return {std::min(a, b), std::max(a, b)};
}

SmoothPreviewRow::SmoothPreviewRow(const SmoothPreviewText& text, QWidget* parent)
    : QWidget(parent), text_(text) {}

void SmoothPreviewRow::setGroups(const QList<BgrColor>& colours, int step, const QColor& uncoloured,
                                 const QColor& background, bool fill) {
    // Groups count characters; what is drawn is measured in code units.
    const QList<qsizetype>& starts = text_.characterStarts();
    const qsizetype length = starts.size() - 1;
    const qsizetype groupSize = std::max(1, step);
    drawn_.clear();
    drawn_.reserve(colours.size() + 1);
    qsizetype from = 0;
    for (BgrColor colour : colours) {
        const qsizetype to = std::min(length, from + groupSize);
        drawn_.append({int(starts[from]), int(starts[to]),
                       QColor(redOf(colour), greenOf(colour), blueOf(colour))});
        from = to;
    }
    if (from < length || drawn_.isEmpty())
        drawn_.append({int(starts[from]), int(starts[length]), uncoloured});
    colours_ = colours;
    background_ = background;
    fill_ = fill;
    const QSize shown(std::min(text_.size().width(), maximumWidth()), text_.size().height());
    if (size() != shown) resize(shown);
    update();
}

// Every column of the line takes the colour of the group whose characters it
// lies on, and each pixel that colour at the shared line's coverage. The
// first and the last group reach the picture's edges, for the parts of
// glyphs beyond their characters' span.
void SmoothPreviewRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (fill_) painter.fillRect(rect(), background_);
    const QImage& coverage = text_.coverage();
    if (drawn_.isEmpty() || coverage.isNull()) return;

    const qreal ratio = coverage.devicePixelRatio();
    const int width = coverage.width();
    const int height = coverage.height();
    // A column belongs to the group its centre lies in: group g ends before
    // the first column whose centre reaches g's right edge.
    columns_.resize(width);
    int x = 0;
    for (qsizetype group = 0; group < drawn_.size(); ++group) {
        int end = width;
        if (group + 1 < drawn_.size()) {
            const qreal right = text_.span(drawn_[group].from, drawn_[group].to).second;
            end = std::clamp(int(std::ceil(right * ratio - 0.5)), x, width);
        }
        std::fill(columns_.begin() + x, columns_.begin() + end, drawn_[group].colour.rgba());
        x = end;
    }
    // Every line of pixels starts as the columns' colours; the coverage then
    // keeps of each pixel what the text covers.
    if (coloured_.size() != coverage.size())
        coloured_ = QImage(coverage.size(), QImage::Format_ARGB32_Premultiplied);
    coloured_.setDevicePixelRatio(ratio);
    for (int y = 0; y < height; ++y)
        std::memcpy(coloured_.scanLine(y), columns_.constData(), width * sizeof(QRgb));
    {
        QPainter mask(&coloured_);
        mask.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        mask.drawImage(0, 0, coverage);
    }
    if (text_.size().width() <= this->width()) {
        painter.drawImage(0, 0, coloured_);
        return;
    }
    // Cut at the row's width: an ellipsis in the colour of the group it
    // follows ends what fits.
    const QFontMetricsF metrics(text_.font());
    const QString ellipsis(QChar(0x2026));
    const qreal cut = std::max<qreal>(0, this->width() - metrics.horizontalAdvance(ellipsis));
    painter.save();
    painter.setClipRect(QRectF(0, 0, cut, this->height()));
    painter.drawImage(0, 0, coloured_);
    painter.restore();
    const int column = std::clamp(int(cut * ratio) - 1, 0, width - 1);
    painter.setPen(QColor::fromRgba(columns_.at(column)));
    painter.setFont(text_.font());
    painter.drawText(QPointF(cut, metrics.ascent()), ellipsis);
}

}  // namespace chromanick
