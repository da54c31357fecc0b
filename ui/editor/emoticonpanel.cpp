#include "ui/editor/emoticonpanel.h"

#include "core/emoticons.h"
#include "ui/widgets/picture.h"

namespace chromanick {

namespace {

constexpr int kColumns = 10;
constexpr int kCellWidth = 24;
constexpr int kCellHeight = 27;
constexpr int kPictureSize = 20;

}  // namespace

EmoticonPanel::EmoticonPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame5"));
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    const QList<Emoticon>& table = EmoticonTable();
    for (int i = 0; i < table.size(); ++i) {
        const Emoticon& emoticon = table[i];
        auto* picture = new Picture(QStringLiteral(":/emoticons/%1.svg").arg(emoticon.image),
                                    emoticon.text, this);
        picture->setObjectName(emoticon.image);
        picture->setToolTip(emoticon.tooltip);
        picture->setCursor(Qt::PointingHandCursor);
        // Reached with Tab and chosen with Space or Enter; a click leaves the
        // focus (and the selection) in the nickname box.
        picture->setFocusPolicy(Qt::TabFocus);
        const int x = (i % kColumns) * kCellWidth + (kCellWidth - kPictureSize) / 2;
        const int y = (i / kColumns) * kCellHeight + (kCellHeight - kPictureSize) / 2;
        picture->setGeometry(x, y, kPictureSize, kPictureSize);
        connect(picture, &Picture::clicked, this, [this, i] { emit emoticonClicked(i); });
    }
}

}  // namespace chromanick
