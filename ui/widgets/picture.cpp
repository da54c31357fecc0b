#include "ui/widgets/picture.h"

#include "ui/widgets/prerendered.h"
#include "ui/widgets/svgpicture.h"

#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>

namespace chromanick {

Picture::Picture(const QString& resource, const QString& fallbackText, QWidget* parent)
    : QWidget(parent), resource_(resource), fallbackText_(fallbackText) {}

bool Picture::hasArtwork() const {
    if (!valid_) valid_ = QFile::exists(resource_) && QSvgRenderer(resource_).isValid();
    return *valid_;
}

// The pictures the windows show at start-up were drawn when the program was
// built (ui/widgets/prerendered.h); any other size or density is drawn here, once.
bool Picture::renderArtwork() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (!rendered_.isNull() && rendered_.size() == pixels) return true;
    if (valid_ == false || pixels.isEmpty()) return false;
    QImage image = prerenderedPicture(resource_, size(), ratio);
    if (image.isNull()) image = renderSvgPicture(resource_, size(), ratio);
    valid_ = !image.isNull();
    if (!*valid_) return false;
    rendered_ = image;
    return true;
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (renderArtwork()) {
        painter.drawImage(0, 0, rendered_);
    } else {
        paintFallback(painter);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
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

void Picture::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
                emit clicked();
                return;
            }
            break;
        default:
            break;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace chromanick
