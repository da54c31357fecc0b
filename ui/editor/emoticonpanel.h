#pragma once

#include <QFrame>

namespace chromanick {

// "Frame5": the emoticon pictures Image2 to Image68 in a grid on a white
// panel without border, each with its tooltip. A click, or Space or Enter on
// the picture that has the focus, reports its position in the emoticon table.
class EmoticonPanel : public QFrame {
    Q_OBJECT
public:
    explicit EmoticonPanel(QWidget* parent = nullptr);

signals:
    void emoticonClicked(int tableIndex);
};

}  // namespace chromanick
