#include "codedrawing.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace chromanick {

namespace {

constexpr int kMargin = 6;
const QColor kMessengerBackground = Qt::white;

QColor qtColour(BgrColor colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

int styleIndex(bool bold, bool italic, bool underline, bool strikethrough) {
    return int(bold) | int(italic) << 1 | int(underline) << 2 | int(strikethrough) << 3;
}

// The beginning of `text` that can reach `width` pixels: a character is at
// least one pixel wide, so more would only be laid out to be cut.
QString reachable(const QString& text, int width) {
    qsizetype length = qMin<qsizetype>(text.size(), qMax(width, 0) + 1);
    if (length < text.size() && length > 0 && text.at(length - 1).isHighSurrogate()) ++length;
    return text.left(length);
}

}  // namespace

CodeDrawing::CodeDrawing(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CodeDrawing::setLines(const QList<QList<StyledRun>>& lines, double pointSize) {
    lines_ = lines;
    pointSize_ = pointSize;
    widestLine_ = 0;
    for (const QList<StyledRun>& line : lines_)
        widestLine_ = std::max(widestLine_, lineWidth(line));
    updateGeometry();
    update();
}

QFont CodeDrawing::baseFont() const {
    QFont base = font();
    base.setPointSizeF(pointSize_);
    return base;
}

const QFont& CodeDrawing::runFont(const Style& style) const {
    const QFont base = baseFont();
    if (fonts_.isEmpty() || fontsBase_ != base) {
        fontsBase_ = base;
        fonts_.clear();
        for (int i = 0; i < 16; ++i) {
            QFont font = base;
            font.setBold(i & 1);
            font.setItalic(i & 2);
            font.setUnderline(i & 4);
            font.setStrikeOut(i & 8);
            fonts_.append(font);
        }
    }
    return fonts_.at(styleIndex(style.bold, style.italic, style.underline, style.strikethrough));
}

// The line's width up to kWidestLine: only the characters that can reach it
// are measured.
int CodeDrawing::lineWidth(const QList<StyledRun>& line) const {
    int x = 0;
    for (const StyledRun& run : line) {
        if (x >= kWidestLine) break;
        x += QFontMetrics(runFont(run.style))
                 .horizontalAdvance(reachable(run.text, kWidestLine - x));
    }
    return std::min(x, kWidestLine);
}

QSize CodeDrawing::sizeHint() const {
    const int rows = int(std::clamp<qsizetype>(lines_.size(), 1, 6));
    return {std::max(480, widestLine_ + 2 * kMargin),
            2 * kMargin + rows * QFontMetrics(baseFont()).lineSpacing()};
}

QSize CodeDrawing::minimumSizeHint() const {
    return {widestLine_ + 2 * kMargin, 2 * kMargin + QFontMetrics(baseFont()).lineSpacing()};
}

void CodeDrawing::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.fillRect(exposed, kMessengerBackground);
    const QFont base = baseFont();
    const QFontMetrics baseMetrics(base);
    const int lineHeight = baseMetrics.lineSpacing();
    const int right = std::min(exposed.right() + 1, width() - kMargin);
    int top = kMargin;
    for (const QList<StyledRun>& line : lines_) {
        if (top >= std::min(height(), exposed.bottom() + 1)) break;
        if (top + lineHeight <= exposed.top()) {
            top += lineHeight;
            continue;
        }
        int x = kMargin;
        for (const StyledRun& run : line) {
            if (x >= right) break;
            const QFont& font = runFont(run.style);
            const QFontMetrics metrics(font);
            const QString text = reachable(run.text, right - x);
            const int advance = metrics.horizontalAdvance(text);
            if (x + advance >= exposed.left()) {
                const QRect box(x, top, advance, lineHeight);
                if (run.style.background) painter.fillRect(box, qtColour(*run.style.background));
                painter.setFont(font);
                painter.setPen(qtColour(run.style.foreground.value_or(0)));
                painter.drawText(x, top + baseMetrics.ascent(), text);
            }
            x += advance;
        }
        top += lineHeight;
    }
}

}  // namespace chromanick
