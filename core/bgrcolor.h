#pragma once

#include <QString>
#include <QtGlobal>

namespace chromanick {

// A colour as 0x00BBGGRR, red in the low byte (255 is pure red). A value
// whose top byte is 0x80 names a desktop system colour by its low byte; it
// is resolved only when drawn.
using BgrColor = quint32;

inline constexpr BgrColor kSystemButtonFace = 0x8000000F;
inline constexpr BgrColor kSystemButtonText = 0x80000012;

constexpr bool isSystemColour(BgrColor c) {
    return (c & 0xFF000000u) == 0x80000000u;
}
constexpr int redOf(BgrColor c) {
    return int(c & 0xFFu);
}
constexpr int greenOf(BgrColor c) {
    return int((c >> 8) & 0xFFu);
}
constexpr int blueOf(BgrColor c) {
    return int((c >> 16) & 0xFFu);
}
constexpr BgrColor bgrFromRgb(int red, int green, int blue) {
    return BgrColor(red & 0xFF) | (BgrColor(green & 0xFF) << 8) | (BgrColor(blue & 0xFF) << 16);
}

// A colour written 0xRRGGBB, red first, as tables of other programs give it.
constexpr BgrColor bgrFromRgbValue(quint32 rgb) {
    return bgrFromRgb(int(rgb >> 16), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

// "rrr,ggg,bbb": red, green, blue, three decimal digits each, no blanks.
QString Code_RVB(BgrColor colour);

}  // namespace chromanick
