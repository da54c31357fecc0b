#pragma once

#include "bgrcolor.h"

#include <span>

namespace chromanick {

// A colour in the OKLab perceptual space: L the lightness (0 for black, 1 for
// white), a and b the green-red and blue-yellow axes.
struct OkLab {
    double L = 0;
    double a = 0;
    double b = 0;
};

// An sRGB colour (standard transfer function) in OKLab. System colours are
// not meant here: only the red, green and blue bytes are read.
OkLab toOkLab(BgrColor colour);
// Back to sRGB, each channel rounded to the nearest integer and clamped to 0-255.
BgrColor fromOkLab(const OkLab& colour);
// The point at `u` (0 gives `from`, 1 gives `to`) on the straight line between
// two OKLab colours.
OkLab mixOkLab(const OkLab& from, const OkLab& to, double u);

// The index of the colour of `palette` nearest to `colour`: the smallest
// Euclidean distance in OKLab, a tie going to the lower index. -1 for an
// empty palette.
int nearestColourIndex(std::span<const BgrColor> palette, BgrColor colour);
// The same over a palette already in OKLab (a fixed palette converts once).
int nearestColourIndex(std::span<const OkLab> palette, BgrColor colour);

}  // namespace chromanick
