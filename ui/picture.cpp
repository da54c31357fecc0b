#include "ui/picture.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace chromanick {

Picture::Picture(const QString& resource, const QString& fallbackText, QWidget* parent)
    : QWidget(parent), fallbackText_(fallbackText) {
    if (QFile::exists(resource)) {
        renderer_ = new QSvgRenderer(resource, this);
        if (!renderer_->isValid()) {
            delete renderer_;
            renderer_ = nullptr;
        }
    }
    if (renderer_ != nullptr) renderer_->setAspectRatioMode(Qt::KeepAspectRatio);
}

bool Picture::hasArtwork() const {
    return renderer_ != nullptr;
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (renderer_ != nullptr) {
        renderer_->render(&painter, QRectF(rect()));
    } else {
        paintFallback(painter);
    }
}

void Picture::paintFallback(QPainter& painter) {
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(0xC8, 0x96, 0x00), 1));
    painter.setBrush(QColor(0xFF, 0xE0, 0x66));
    painter.drawRoundedRect(area, 4, 4);
    QFont font = painter.font();
    font.setBold(true);
    // Shrink the text until it fits the picture.
    for (int pixels = qMax(6, height() / 2); pixels >= 5; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(fallbackText_) <= area.width() - 2) break;
    }
    painter.setFont(font);
    painter.setPen(QColor(0x40, 0x30, 0x00));
    painter.drawText(area, Qt::AlignCenter, fallbackText_);
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace chromanick
