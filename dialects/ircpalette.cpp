#include "ircpalette.h"

#include "core/oklab.h"
#include "core/palettenumbers.h"

namespace chromanick {

namespace {

// IRC colours 16 to 98 as 0xRRGGBB, red first.
constexpr quint32 kExtendedRgb[kIrcColourCount - 16] = {
    0x470000, 0x472100, 0x474700, 0x324700, 0x004700, 0x00472C, 0x004747, 0x002747, 0x000047,
    0x2E0047, 0x470047, 0x47002A, 0x740000, 0x743A00, 0x747400, 0x517400, 0x007400, 0x007449,
    0x007474, 0x004074, 0x000074, 0x4B0074, 0x740074, 0x740045, 0xB50000, 0xB56300, 0xB5B500,
    0x7DB500, 0x00B500, 0x00B571, 0x00B5B5, 0x0063B5, 0x0000B5, 0x7500B5, 0xB500B5, 0xB5006B,
    0xFF0000, 0xFF8C00, 0xFFFF00, 0xB2FF00, 0x00FF00, 0x00FFA0, 0x00FFFF, 0x008CFF, 0x0000FF,
    0xA500FF, 0xFF00FF, 0xFF0098, 0xFF5959, 0xFFB459, 0xFFFF71, 0xCFFF60, 0x6FFF6F, 0x65FFC9,
    0x6DFFFF, 0x59B4FF, 0x5959FF, 0xC459FF, 0xFF66FF, 0xFF59BC, 0xFF9C9C, 0xFFD39C, 0xFFFF9C,
    0xE2FF9C, 0x9CFF9C, 0x9CFFDB, 0x9CFFFF, 0x9CD3FF, 0x9C9CFF, 0xDC9CFF, 0xFF9CFF, 0xFF94D3,
    0x000000, 0x131313, 0x282828, 0x363636, 0x4D4D4D, 0x656565, 0x818181, 0x9F9F9F, 0xBCBCBC,
    0xE2E2E2, 0xFFFFFF,
};

}  // namespace

const IrcColours& ircColours() {
    static const IrcColours colours = [] {
        IrcColours table{};
        for (int n = 0; n < 16; ++n) table[n] = PaletteNumberColours()[n];
        for (int n = 16; n < kIrcColourCount; ++n) {
            const quint32 rgb = kExtendedRgb[n - 16];
            table[n] = bgrFromRgbValue(rgb);
        }
        return table;
    }();
    return colours;
}

int nearestIrcColour(BgrColor colour) {
    static const std::array<OkLab, kIrcColourCount> lab = [] {
        std::array<OkLab, kIrcColourCount> table{};
        for (int n = 0; n < kIrcColourCount; ++n) table[n] = toOkLab(ircColours()[n]);
        return table;
    }();
    return nearestColourIndex(std::span<const OkLab>(lab), colour);
}

}  // namespace chromanick
