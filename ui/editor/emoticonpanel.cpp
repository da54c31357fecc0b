#include "ui/editor/emoticonpanel.h"

#include "assets/resources.h"
#include "core/emoticons.h"
#include "ui/widgets/picture.h"

#include <QKeyEvent>
#include <QPainter>

namespace chromanick {

namespace {

constexpr int kColumns = 10;
constexpr int kCellWidth = 24;
constexpr int kCellHeight = 27;
constexpr int kPictureSize = 20;
// The focus frame fills the gap between the pictures.
constexpr int kFrameWidth = 2;

}  // namespace

EmoticonPanel::EmoticonPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame5"));
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    // Reached with Tab only: a click leaves the focus (and the selection) in
    // the nickname box.
    setFocusPolicy(Qt::TabFocus);

    const QList<Emoticon>& table = EmoticonTable();
    for (int i = 0; i < table.size(); ++i) {
        const Emoticon& emoticon = table[i];
        auto* picture = new Picture(assets::emoticonPath(emoticon.image), emoticon.text, this);
        picture->setObjectName(emoticon.image);
        picture->setToolTip(emoticon.tooltip);
        picture->setCursor(Qt::PointingHandCursor);
        picture->setFocusPolicy(Qt::NoFocus);
        const int x = (i % kColumns) * kCellWidth + (kCellWidth - kPictureSize) / 2;
        const int y = (i / kColumns) * kCellHeight + (kCellHeight - kPictureSize) / 2;
        picture->setGeometry(x, y, kPictureSize, kPictureSize);
        connect(picture, &Picture::clicked, this, [this, i] {
            moveTo(i);
            emit emoticonClicked(i);
        });
        pictures_.append(picture);
    }
}

void EmoticonPanel::moveTo(int index) {
    if (index < 0 || index >= pictures_.size() || index == current_) return;
    current_ = index;
    update();
}

void EmoticonPanel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            moveTo(current_ - 1);
            break;
        case Qt::Key_Right:
            moveTo(current_ + 1);
            break;
        case Qt::Key_Up:
            moveTo(current_ - kColumns);
            break;
        case Qt::Key_Down:
            moveTo(current_ + kColumns);
            break;
        case Qt::Key_Home:
            moveTo(0);
            break;
        case Qt::Key_End:
            moveTo(int(pictures_.size()) - 1);
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit emoticonClicked(current_);
            break;
        default:
            QFrame::keyPressEvent(event);
            return;
    }
    event->accept();
}

// With the focus, the current picture is framed in the highlight colour,
// around the picture and outside it.
void EmoticonPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!hasFocus() || pictures_.isEmpty()) return;
    const QRect picture = pictures_.at(current_)->geometry();
    const QRect outer = picture.adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, kFrameWidth);
    QPainter painter(this);
    painter.setClipRegion(QRegion(outer).subtracted(QRegion(picture)));
    painter.fillRect(outer, palette().color(QPalette::Highlight));
}

}  // namespace chromanick
