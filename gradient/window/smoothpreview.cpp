#include "smoothpreview.h"

#include <QGlyphRun>
#include <QPainter>
#include <QTextLine>

#include <cmath>

namespace chromanick {

SmoothPreviewText::SmoothPreviewText() : layout_(std::make_unique<QTextLayout>()) {}
SmoothPreviewText::~SmoothPreviewText() = default;

void SmoothPreviewText::set(const QString& text, const QFont& font) {
    if (text == layout_->text() && font == layout_->font() && !size_.isEmpty()) return;
    layout_->setText(text);
    layout_->setFont(font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout_->setTextOption(option);
    layout_->beginLayout();
    QTextLine line = layout_->createLine();
    if (line.isValid()) line.setPosition(QPointF(0, 0));
    layout_->endLayout();
    const int width = line.isValid() ? int(std::ceil(line.naturalTextWidth())) : 0;
    size_ = QSize(width, QFontMetrics(font).height());
}

SmoothPreviewRow::SmoothPreviewRow(const SmoothPreviewText& text, QWidget* parent)
    : QWidget(parent), text_(text) {}

void SmoothPreviewRow::setRuns(const QList<ColourRun>& runs, const QColor& uncoloured,
                               const QColor& background, bool fill) {
    QList<Drawn> drawn;
    drawn.reserve(runs.size());
    int from = 0;
    for (const ColourRun& run : runs) {
        const QColor colour =
            run.colour ? QColor(redOf(*run.colour), greenOf(*run.colour), blueOf(*run.colour))
                       : uncoloured;
        drawn.append({from, int(run.text.size()), colour});
        from += int(run.text.size());
    }
    runs_ = runs;
    drawn_ = std::move(drawn);
    background_ = background;
    fill_ = fill;
    if (size() != text_.size()) resize(text_.size());
    update();
}

// Lines across a run, as the font's underline and strike-through would draw
// them. Glyph runs with decoration flags of their own draw them late, in the
// next run's colour, so the row draws its decorations itself.
void SmoothPreviewRow::drawDecorations(QPainter& painter, const Drawn& run) const {
    const QFont& font = text_.layout().font();
    if (!font.underline() && !font.strikeOut() && !font.overline()) return;
    const QTextLine line = text_.layout().lineAt(0);
    const QFontMetricsF metrics(font);
    const qreal left = line.cursorToX(run.from);
    const qreal right = line.cursorToX(run.from + run.length);
    const qreal thickness = std::max<qreal>(1, std::round(metrics.lineWidth()));
    const qreal baseline = line.ascent();
    auto across = [&](qreal y) {
        painter.fillRect(QRectF(left, y, right - left, thickness), run.colour);
    };
    if (font.underline()) across(baseline + std::ceil(metrics.underlinePos()));
    if (font.strikeOut()) across(std::round(baseline - metrics.strikeOutPos()));
    if (font.overline()) across(std::round(baseline - metrics.overlinePos()));
}

void SmoothPreviewRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (fill_) painter.fillRect(rect(), background_);
    for (const Drawn& run : drawn_) {
        painter.setPen(run.colour);
        for (QGlyphRun glyphs : text_.layout().glyphRuns(run.from, run.length)) {
            glyphs.setUnderline(false);
            glyphs.setStrikeOut(false);
            glyphs.setOverline(false);
            painter.drawGlyphRun(QPointF(0, 0), glyphs);
        }
        drawDecorations(painter, run);
    }
}

}  // namespace chromanick
