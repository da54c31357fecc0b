#pragma once

#include "core/styledtext.h"

#include <QHash>
#include <QList>
#include <QWidget>

namespace chromanick {

// Code lines drawn as the messenger shows them: on white, one row per line,
// run by run with each run's own font, colour and background. The drawing is
// as wide as its widest line (at most kWidestLine pixels, where a line is cut)
// so that a scroll area around it scrolls to a line's end; text outside the
// part being painted is not laid out.
class CodeDrawing : public QWidget {
    Q_OBJECT
public:
    explicit CodeDrawing(QWidget* parent = nullptr);

    void setLines(const QList<QList<StyledRun>>& lines, double pointSize);
    const QList<QList<StyledRun>>& lines() const { return lines_; }
    double pointSize() const { return pointSize_; }

    QSize sizeHint() const override;
    // As wide as the widest line, one row high.
    QSize minimumSizeHint() const override;

    static constexpr int kWidestLine = 30'000;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QFont baseFont() const;
    // The base font with a run's style, made once per style and base font:
    // a font made anew is looked up again in the font database.
    const QFont& runFont(const Style& style) const;
    void measure();
    int runWidth(const Style& style, const QString& text) const;

    // A run as it is drawn: the part of its text that can reach kWidestLine,
    // and that part's width.
    struct MeasuredRun {
        QString text;
        int advance = 0;
    };
    // The widths of the short texts measured for the last lines, by style
    // and text; forgotten with the font, or when they grow past kKnownWidths.
    using KnownWidth = QPair<int, QString>;
    static constexpr qsizetype kKnownWidths = 4096;
    static constexpr qsizetype kKnownLength = 256;
    mutable QHash<KnownWidth, int> widths_;

    QList<QList<StyledRun>> lines_;
    QList<QList<MeasuredRun>> measured_;  // by line, up to kWidestLine
    mutable QFont fontsBase_;
    mutable QList<QFont> fonts_;  // by bold, italic, underline, strike-through
    double pointSize_ = 12;
    int widestLine_ = 0;
};

}  // namespace chromanick
