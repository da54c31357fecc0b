#pragma once

#include <QRect>

namespace chromanick {

// The gradient window's layout is drawn in twips; a pixel is 15 twips.
constexpr int px(int twips) {
    return twips / 15;
}
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

}  // namespace chromanick
