#pragma once

#include "core/bgrcolor.h"

#include <QColor>
#include <QPalette>

namespace chromanick {

// A BgrColor as the desktop draws it. The system colours resolve against
// `palette`: the button face to Button, the button text to ButtonText.
QColor toQColor(BgrColor colour, const QPalette& palette);
// Fixed colours only (system colours resolve against the application palette).
QColor toQColor(BgrColor colour);
BgrColor toBgr(const QColor& colour);

}  // namespace chromanick
