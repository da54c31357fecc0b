#include "ui/widgets/svgpicture.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace chromanick {

QImage renderSvgPicture(const QString& file, QSize size, qreal ratio) {
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (pixels.isEmpty() || !QFile::exists(file)) return {};
    QSvgRenderer renderer;
    if (!renderer.load(file) || !renderer.isValid()) return {};
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

}  // namespace chromanick
