#include "oklab.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace chromanick {

namespace {

using Matrix = double[3][3];

// Linear sRGB to the cone responses, and their cube roots to OKLab.
constexpr Matrix kLinearToLms = {
    {0.4122214708, 0.5363325363, 0.0514459929},
    {0.2119034982, 0.6806995451, 0.1073969566},
    {0.0883024619, 0.2817188376, 0.6299787005},
};
constexpr Matrix kLmsRootToLab = {
    {0.2104542553, 0.7936177850, -0.0040720468},
    {1.9779984951, -2.4285922050, 0.4505937099},
    {0.0259040371, 0.7827717662, -0.8086757660},
};
// And the way back.
constexpr Matrix kLabToLmsRoot = {
    {1.0, 0.3963377774, 0.2158037573},
    {1.0, -0.1055613458, -0.0638541728},
    {1.0, -0.0894841775, -1.2914855480},
};
constexpr Matrix kLmsToLinear = {
    {4.0767416621, -3.3077115913, 0.2309699292},
    {-1.2684380046, 2.6097574011, -0.3413193965},
    {-0.0041960863, -0.7034186147, 1.7076147010},
};

struct Vector {
    double x, y, z;
};

Vector times(const Matrix& m, const Vector& v) {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

// The sRGB transfer function, from an encoded value (0 to 1) to linear light.
double decode(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// Linear light of every channel byte.
const std::array<double, 256>& linearOfByte() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> linear{};
        for (int byte = 0; byte < 256; ++byte) linear[byte] = decode(byte / 255.0);
        return linear;
    }();
    return table;
}

// Where the encoded byte steps up: from step k on, the encoded value rounds to
// k + 1 or more. Encoding is increasing, so rounding it to the nearest byte is
// counting the steps at or below a linear value.
const std::array<double, 255>& byteSteps() {
    static const std::array<double, 255> table = [] {
        std::array<double, 255> steps{};
        for (int k = 0; k < 255; ++k) steps[k] = decode((k + 0.5) / 255.0);
        return steps;
    }();
    return table;
}

// The count of steps below each of kBuckets equal slices of 0 to 1: no two
// steps are closer than a slice, so a count starts at most one step short.
constexpr int kBuckets = 4096;

const std::array<quint8, kBuckets>& stepsBelowBucket() {
    static const std::array<quint8, kBuckets> table = [] {
        const std::array<double, 255>& steps = byteSteps();
        std::array<quint8, kBuckets> below{};
        for (int bucket = 0; bucket < kBuckets; ++bucket)
            below[bucket] =
                quint8(std::lower_bound(steps.begin(), steps.end(), double(bucket) / kBuckets) -
                       steps.begin());
        return below;
    }();
    return table;
}

double toLinear(int channel) {
    return linearOfByte()[channel];
}

// Rounded to the nearest byte and clamped to 0-255.
int fromLinear(double linear) {
    if (!(linear > 0)) return 0;
    if (linear >= 1) return 255;
    const std::array<double, 255>& steps = byteSteps();
    int byte = stepsBelowBucket()[int(linear * kBuckets)];
    while (byte < 255 && steps[byte] <= linear) ++byte;
    return byte;
}

}  // namespace

OkLab toOkLab(BgrColor colour) {
    const Vector lms = times(kLinearToLms, {toLinear(redOf(colour)), toLinear(greenOf(colour)),
                                            toLinear(blueOf(colour))});
    const Vector lab = times(kLmsRootToLab, {std::cbrt(lms.x), std::cbrt(lms.y), std::cbrt(lms.z)});
    return {lab.x, lab.y, lab.z};
}

BgrColor fromOkLab(const OkLab& colour) {
    const Vector root = times(kLabToLmsRoot, {colour.L, colour.a, colour.b});
    const Vector linear = times(kLmsToLinear, {root.x * root.x * root.x, root.y * root.y * root.y,
                                               root.z * root.z * root.z});
    return bgrFromRgb(fromLinear(linear.x), fromLinear(linear.y), fromLinear(linear.z));
}

OkLab mixOkLab(const OkLab& from, const OkLab& to, double u) {
    return {from.L + (to.L - from.L) * u, from.a + (to.a - from.a) * u,
            from.b + (to.b - from.b) * u};
}

int nearestColourIndex(std::span<const OkLab> palette, BgrColor colour) {
    const OkLab target = toOkLab(colour);
    int best = -1;
    double bestDistance = 0;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const OkLab& c = palette[i];
        const double dL = c.L - target.L, da = c.a - target.a, db = c.b - target.b;
        const double distance = dL * dL + da * da + db * db;
        if (best < 0 || distance < bestDistance) {
            best = int(i);
            bestDistance = distance;
        }
    }
    return best;
}

int nearestColourIndex(std::span<const BgrColor> palette, BgrColor colour) {
    std::vector<OkLab> lab(palette.size());
    std::transform(palette.begin(), palette.end(), lab.begin(), toOkLab);
    return nearestColourIndex(std::span<const OkLab>(lab), colour);
}

}  // namespace chromanick
