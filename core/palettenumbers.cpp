#include "palettenumbers.h"

namespace chromanick {

namespace {

// Palette numbers 0 to 68 as 0xRRGGBB, red first.
constexpr quint32 kPaletteRgb[kPaletteNumberCount] = {
    0xFFFFFF, 0x000000, 0x00007F, 0x009300, 0xFF0000, 0x7F0000, 0x9C009C, 0xFC7F00, 0xFFFF00,
    0x00FC00, 0x009393, 0x00FFFF, 0x0000FC, 0xFF00FF, 0x7F7F7F, 0xD2D2D2, 0xE7E6E4, 0xCFCDD0,
    0xFFDEA4, 0xFFAEB9, 0xFFA8FF, 0xB4B4FC, 0xBAFBE5, 0xC1FFA3, 0xFAFDA2, 0xB6B4B7, 0xA2A0A1,
    0xF9C152, 0xFF6D66, 0xFF62FF, 0x6C6CFF, 0x68FFC3, 0x8EFF67, 0xF9FF57, 0x858482, 0x6E6D7B,
    0xFFA01E, 0xF92611, 0xFF20FF, 0x202BFF, 0x1EFFA5, 0x60F913, 0xFFF813, 0x5E6464, 0x4B494C,
    0xD98812, 0xEB0505, 0xDE00DE, 0x0000D3, 0x03CC88, 0x59D80D, 0xD4C804, 0x333335, 0x18171C,
    0x944E00, 0x9B0008, 0x980299, 0x01038C, 0x01885F, 0x389600, 0x9A9E15, 0x473400, 0x4D0000,
    0x5F0162, 0x000047, 0x06502F, 0x1C5300, 0x544D05, 0x000000,
};

}  // namespace

const PaletteColours& PaletteNumberColours() {
    static const PaletteColours colours = [] {
        PaletteColours table{};
        for (std::size_t n = 0; n < table.size(); ++n) {
            const quint32 rgb = kPaletteRgb[n];
            table[n] = bgrFromRgbValue(rgb);
        }
        return table;
    }();
    return colours;
}

int paletteNumberOf(BgrColor colour) {
    const PaletteColours& palette = PaletteNumberColours();
    for (int n = 0; n < kPaletteNumberCount; ++n) {
        if (palette[n] == colour) return n;
    }
    return -1;
}

}  // namespace chromanick
