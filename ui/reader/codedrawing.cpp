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
    measure();
    updateGeometry();
    update();
}

// Each run's drawn text and width, measured once when the lines are set:
// painting draws them without measuring them again.
void CodeDrawing::measure() {
    measured_.clear();
    widestLine_ = 0;
    if (widths_.size() > kKnownWidths) widths_.clear();
    for (const QList<StyledRun>& line : lines_) {
        QList<MeasuredRun> runs;
        int x = 0;
        for (const StyledRun& run : line) {
            if (x >= kWidestLine) break;
            MeasuredRun measured{reachable(run.text, kWidestLine - x), 0};
            const Style& style = run.style;
            measured.advance = runWidth(style, measured.text);
            x += measured.advance;
            runs.append(measured);
        }
        widestLine_ = std::max(widestLine_, std::min(x, kWidestLine));
        measured_.append(runs);
    }
}

// A short text's width is looked up (a key changes a run or two of a line:
// the others' widths are known from the lines before); a long one is
// measured each time, so that the widths kept stay small.
int CodeDrawing::runWidth(const Style& style, const QString& text) const {
    const QFont& font = runFont(style);  // forgets the widths with the font
    if (text.size() > kKnownLength) return QFontMetrics(font).horizontalAdvance(text);
    const KnownWidth key{styleIndex(style.bold, style.italic, style.underline, style.strikethrough),
                         text};
    auto known = widths_.constFind(key);
    if (known == widths_.cend())
        known = widths_.insert(key, QFontMetrics(font).horizontalAdvance(text));
    return *known;
}

void CodeDrawing::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measure();
        updateGeometry();
    }
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
        widths_.clear();
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
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (top >= std::min(height(), exposed.bottom() + 1)) break;
        if (top + lineHeight <= exposed.top()) {
            top += lineHeight;
            continue;
        }
        const QList<StyledRun>& line = lines_.at(i);
        const QList<MeasuredRun>& runs = measured_.at(i);
        int x = kMargin;
        for (qsizetype r = 0; r < runs.size() && x < right; ++r) {
            const StyledRun& run = line.at(r);
            const MeasuredRun& measured = runs.at(r);
            if (x + measured.advance >= exposed.left()) {
                const QRect box(x, top, measured.advance, lineHeight);
                if (run.style.background) painter.fillRect(box, qtColour(*run.style.background));
                painter.setFont(runFont(run.style));
                painter.setPen(qtColour(run.style.foreground.value_or(0)));
                // Of a long run, only what can reach the painted part.
                const bool cut = measured.text.size() > qsizetype(right - x) + 1;
                painter.drawText(x, top + baseMetrics.ascent(),
                                 cut ? reachable(measured.text, right - x) : measured.text);
            }
            x += measured.advance;
        }
        top += lineHeight;
    }
}

}  // namespace chromanick
