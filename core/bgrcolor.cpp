#include "bgrcolor.h"

namespace chromanick {

QString Code_RVB(BgrColor colour) {
    const auto channel = [](int value) {
        return QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0'));
    };
    return channel(redOf(colour)) + QLatin1Char(',') + channel(greenOf(colour)) + QLatin1Char(',') +
           channel(blueOf(colour));
}

}  // namespace chromanick
