#pragma once

#include "gradient/smooth.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QWidget>

namespace chromanick {

// The nickname as every smooth preview row shows it, laid out and drawn once
// for all of them, since they show the same text in the same font: a picture
// of the line in which only the coverage counts, and where each character
// starts.
class SmoothPreviewText {
public:
    // Lays the text out and draws it again only when something changed.
    void set(const QString& text, const QFont& font, qreal devicePixelRatio);

    const QString& text() const { return text_; }
    // Where each character (grapheme cluster) of the text starts, then its
    // length in code units.
    const QList<qsizetype>& characterStarts() const { return starts_; }
    const QFont& font() const { return font_; }
    QSize size() const { return size_; }
    // The line, underline and strike-through included, opaque where drawn.
    const QImage& coverage() const { return coverage_; }
    // The left edge of the characters from `from` to `to` (excluded), and
    // their right edge; text drawn right to left is measured the same way.
    std::pair<qreal, qreal> span(int from, int to) const;

private:
    QString text_;
    QList<qsizetype> starts_{0};
    QFont font_;
    qreal devicePixelRatio_ = 0;
    QSize size_;
    QImage coverage_;
    QList<qreal> edges_;  // x of each cursor position, 0 to the text's length
};

// One preview row of the smooth gradient: the shared line, each group of
// characters in its own colour, over the row's background when it has one.
// A line wider than the row's maximum width is cut with an ellipsis.
// Nothing of the text is interpreted: it is drawn as the characters it holds.
class SmoothPreviewRow : public QWidget {
    Q_OBJECT
public:
    SmoothPreviewRow(const SmoothPreviewText& text, QWidget* parent);

    // `colours` are those of the groups of `step` characters (grapheme
    // clusters) of the shared
    // text, from the first; the characters after the last group given, or
    // all of them without colours, are drawn in `uncoloured`. A background
    // is filled only when `fill` is set.
    void setGroups(const QList<BgrColor>& colours, int step, const QColor& uncoloured,
                   const QColor& background, bool fill);
    const QList<BgrColor>& groupColours() const { return colours_; }
    const QString& text() const { return text_.text(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Drawn {
        int from;
        int to;
        QColor colour;
    };

    const SmoothPreviewText& text_;
    QList<BgrColor> colours_;
    QList<Drawn> drawn_;
    QColor background_;
    bool fill_ = false;
    // Kept from one paint to the next, to be filled again.
    QList<QRgb> columns_;
    QImage coloured_;
};

}  // namespace chromanick
