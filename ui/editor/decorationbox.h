#pragma once

#include <QComboBox>

namespace chromanick {

// An editable list of decorations (Combo1, Combo2) whose drop-down shows
// every ornament whole, wider than the box if need be. The width is measured
// when the drop-down opens, and only when the entries changed since the last
// time: measuring lays out every entry, and the lists are filled while the
// program starts, long before anyone opens them.
class DecorationBox : public QComboBox {
    Q_OBJECT
public:
    explicit DecorationBox(QWidget* parent = nullptr);

    void showPopup() override;

private:
    bool widthKnown_ = false;
};

}  // namespace chromanick
