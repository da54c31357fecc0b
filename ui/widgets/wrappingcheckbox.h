#pragma once

#include <QCheckBox>

namespace chromanick {

// A check box whose caption wraps onto several lines when its box is too
// narrow for one, and which reacts to a click anywhere in its box.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

    // Where the caption is drawn.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

}  // namespace chromanick
