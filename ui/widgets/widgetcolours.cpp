#include "ui/widgets/widgetcolours.h"

#include <QGuiApplication>

namespace chromanick {

namespace {

// Desktop colour indices of the system colours the program uses.
constexpr int kIndexButtonFace = 0x0F;
constexpr int kIndexButtonText = 0x12;

}  // namespace

QColor toQColor(BgrColor colour, const QPalette& palette) {
    if (isSystemColour(colour)) {
        switch (int(colour & 0xFFu)) {
            case kIndexButtonText:
                return palette.color(QPalette::ButtonText);
            case kIndexButtonFace:
            default:
                return palette.color(QPalette::Button);
        }
    }
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

QColor toQColor(BgrColor colour) {
    return toQColor(colour, QGuiApplication::palette());
}

BgrColor toBgr(const QColor& colour) {
    return bgrFromRgb(colour.red(), colour.green(), colour.blue());
}

}  // namespace chromanick
