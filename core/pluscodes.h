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

// A colour as a colour code names it: "(rrr,ggg,bbb)".
QString rgbValue(BgrColor colour);
// A palette number as a colour code names it: "4", or "04" when `padded`
// (a digit follows, which would otherwise be read as part of the number).
QString paletteValue(int number, bool padded);
// "·$" with a text colour, then "," and a background; either value (as
// rgbValue or paletteValue write them) may be empty, not both.
QString colours(const QString& text, const QString& background);

}  // namespace chromanick::pluscode
