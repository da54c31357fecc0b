#pragma once

#include "bgrcolor.h"

#include <QString>

// The Messenger Plus! 3 formatting codes: a middle dot U+00B7 and a marker.
namespace chromanick::pluscode {

inline const QChar kDot = QChar(0x00B7);

QString reset();                         // "·0"
QString bold();                          // "·#"
QString underline();                     // "·@"
QString italic();                        // "·&"
QString strikethrough();                 // "·'"
QString rgbText(BgrColor colour);        // "·$(rrr,ggg,bbb)"
QString rgbBackground(BgrColor colour);  // "·$,(rrr,ggg,bbb)"
QString ditSuppression();                // "·$0" + U+00A0

}  // namespace chromanick::pluscode
