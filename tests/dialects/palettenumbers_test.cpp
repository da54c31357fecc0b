#include "dialects/palettenumbers.h"
#include "core/palettes.h"
#include "gradient/gradient.h"
#include "tests/support/coderuns.h"

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

BgrColor rgb(quint32 value) {
    return bgrFromRgb(int(value >> 16), int((value >> 8) & 0xFF), int(value & 0xFF));
}

}  // namespace

TEST(PaletteNumbers, EveryNumberFrom0To68GetsAColourFromTheTables) {
    const auto derived = derivePaletteNumberColours();
    for (std::size_t n = 0; n < derived.size(); ++n) {
        ASSERT_TRUE(derived[n].has_value()) << n;
        EXPECT_EQ(PaletteNumberColours()[n], *derived[n]) << n;
    }
}

TEST(PaletteNumbers, TextColoursComeFirstThenBackgroundsThenPresets) {
    EXPECT_EQ(PaletteNumberColours()[1], rgb(0x000000));   // "Noir": the system text colour
    EXPECT_EQ(PaletteNumberColours()[3], rgb(0x008000));   // only in the green presets
    EXPECT_EQ(PaletteNumberColours()[28], rgb(0xE37D68));  // "Rouge 1", before "Rose / Rouge"
    EXPECT_EQ(PaletteNumberColours()[55], rgb(0x990000));  // "Rouge 4", before "Bordeaux"
    EXPECT_EQ(PaletteNumberColours()[66], rgb(0x004000));  // "Vert foncé", before "Vert Kaki"
    EXPECT_EQ(PaletteNumberColours()[0], rgb(0xFFFFFF));
    // "·$6" is a text colour ("Violet"): its background twin "·$,6" reads the same.
    EXPECT_EQ(readPlusCode(QStringLiteral("·$,6x")).front().style.background,
              findForegroundEntry(QStringLiteral("Option5"))->previewColour);
}
