#pragma once

#include <QLabel>

namespace chromanick {

// A plain-text label (or picture) that reports a left click, like the
// clickable labels and pictures of the editors.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace chromanick
