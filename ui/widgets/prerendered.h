#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

namespace chromanick {

// Pictures drawn ahead of time, when the program is built, at the sizes the
// windows show them: reading and drawing an SVG picture costs far more than
// copying its pixels, and the main editor shows its 67 emoticons and its logo
// as soon as it opens. The program's sets, one per whole screen density it
// holds pictures for, lie one after the other in ":/prerendered/pictures.bin"
// (ui/widgets/CMakeLists.txt says which densities); each holds its images
// uncompressed, in the machine's own pixel format, so that an image is used
// where it lies without being read or decoded.
struct PrerenderedPicture {
    QString resource;  // the picture's SVG resource, e.g. ":/logo/logo.svg"
    QSize size;        // in device-independent pixels
    QImage image;      // premultiplied ARGB, `size` × the set's ratio
};

// One set of pictures drawn at `ratio` device pixels per pixel.
QByteArray encodePrerendered(int ratio, const QList<PrerenderedPicture>& pictures);
// The pictures of an encoded set; empty when `data` is not one. The images
// point into `data`, which must outlive them.
QList<PrerenderedPicture> decodePrerendered(const char* data, qsizetype length);

// The picture `resource` drawn ahead at `size` and `ratio`, or a null image
// when the program holds none (another size, a fractional density).
QImage prerenderedPicture(const QString& resource, QSize size, qreal ratio);

}  // namespace chromanick
