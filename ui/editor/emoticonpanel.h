#pragma once

#include <QFrame>

class QKeyEvent;
class QPaintEvent;

namespace chromanick {

// "Frame5": the emoticon pictures Image2 to Image68 in a grid on a white
// panel without border, each with its tooltip. A click reports the picture's
// position in the emoticon table. The grid is one stop of the Tab order: the
// arrow keys (and Home, End) move a frame from picture to picture, and Space
// or Enter reports the framed one.
class EmoticonPanel : public QFrame {
    Q_OBJECT
public:
    explicit EmoticonPanel(QWidget* parent = nullptr);

    // The picture the keyboard is on, as its position in the table.
    int current() const { return current_; }

signals:
    void emoticonClicked(int tableIndex);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void moveTo(int index);

    QList<QWidget*> pictures_;
    int current_ = 0;
};

}  // namespace chromanick
