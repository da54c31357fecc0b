#pragma once

#include "dialects/codereader.h"

#include <QList>
#include <QWidget>

namespace chromanick {

// Code lines drawn as the messenger shows them: on white, one row per line,
// run by run with each run's own font, colour and background. Text beyond the
// right edge or below the last row is not laid out.
class CodeDrawing : public QWidget {
    Q_OBJECT
public:
    explicit CodeDrawing(QWidget* parent = nullptr);

    void setLines(const QList<QList<StyledRun>>& lines, double pointSize);
    const QList<QList<StyledRun>>& lines() const { return lines_; }
    double pointSize() const { return pointSize_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QList<StyledRun>> lines_;
    double pointSize_ = 12;
};

}  // namespace chromanick
