#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace chromanick {

// Draws the SVG picture `file` (a path or a resource) into an image of
// `size` device-independent pixels at `ratio` device pixels each, keeping its
// aspect ratio, on a transparent background. The image carries `ratio` as its
// device pixel ratio. A null image when the file is missing or not a valid
// picture.
// The program draws its pictures this way both when it is built (the
// pictures shown at start-up, see prerendered.h) and when it runs, so that
// both give the same pixels.
QImage renderSvgPicture(const QString& file, QSize size, qreal ratio);

}  // namespace chromanick
