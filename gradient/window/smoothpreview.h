#pragma once

#include "gradient/smooth.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QTextLayout>
#include <QWidget>

#include <memory>

class QPainter;

namespace chromanick {

// The nickname as every smooth preview row shows it: one line laid out once
// for all of them, since they show the same text in the same font.
class SmoothPreviewText {
public:
    SmoothPreviewText();
    ~SmoothPreviewText();

    // Lays the text out again only when the text or the font changed.
    void set(const QString& text, const QFont& font);
    const QTextLayout& layout() const { return *layout_; }
    QSize size() const { return size_; }

private:
    std::unique_ptr<QTextLayout> layout_;
    QSize size_;
};

// One preview row of the smooth gradient: the shared line drawn run by run,
// each run in its own colour, over the row's background when it has one.
class SmoothPreviewRow : public QWidget {
    Q_OBJECT
public:
    SmoothPreviewRow(const SmoothPreviewText& text, QWidget* parent);

    // `runs` cut the shared text in order; `uncoloured` draws a run without a
    // colour. A background is filled only when `fill` is set.
    void setRuns(const QList<ColourRun>& runs, const QColor& uncoloured, const QColor& background,
                 bool fill);
    const QList<ColourRun>& runs() const { return runs_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Drawn {
        int from;
        int length;
        QColor colour;
    };

    void drawDecorations(QPainter& painter, const Drawn& run) const;

    const SmoothPreviewText& text_;
    QList<ColourRun> runs_;
    QList<Drawn> drawn_;
    QColor background_;
    bool fill_ = false;
};

}  // namespace chromanick
