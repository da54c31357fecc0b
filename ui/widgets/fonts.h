#pragma once

#include <QFont>

namespace chromanick {

// The windows were laid out for "MS Sans Serif" 8 pt. Where that face is
// missing the closest narrow sans-serif faces stand in, in this order.
QFont windowFont();

// "MS Sans Serif" (or its stand-in) at `points`, as the preview draws it.
QFont msSansSerif(double points);

}  // namespace chromanick
