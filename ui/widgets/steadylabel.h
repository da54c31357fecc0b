#pragma once

#include <QWidget>

class QLabel;

namespace chromanick {

// A label whose text changes at every key (lengths, counts) without the
// window's layout being worked out again each time: the layout places the
// label's box, and the box changes size only when a text needs more room
// than it has (wider than any shown so far, or another number of lines). A
// label laid out directly would have the whole window measured again for
// each new number.
class SteadyLabel : public QWidget {
    Q_OBJECT
public:
    // The label inside takes `name`, the box `boxName`.
    SteadyLabel(const QString& name, const QString& boxName, QWidget* parent);

    QLabel* label() const { return label_; }
    QString text() const;
    void setText(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fit(bool remeasure);

    QLabel* label_;
    int widest_ = 0;          // the widest text's width so far
    qsizetype longest_ = -1;  // the longest text measured so far
};

}  // namespace chromanick
