#pragma once

#include <QString>

// Where the program's pictures live in the Qt resource system. Any target that
// links chromanick_assets can open these paths with QSvgRenderer, QIcon or
// QPixmap.
namespace chromanick::assets {

// ":/emoticons/Image20.svg" for the picture control "Image20".
QString emoticonPath(const QString& imageName);

// The application icon, a speech balloon with a "C".
QString iconPath();

// The wide logo (250 x 100) of the splash and the about window.
QString logoPath();

}  // namespace chromanick::assets
