#include "palettes.h"

#include <algorithm>

namespace chromanick {

namespace {

// An entry's colour code: a palette number, or an RGB colour (number -1);
// none for the "Défaut" and custom entries.
struct RawCode {
    int number;
    int red, green, blue;
    bool none = false;
};

constexpr RawCode number(int n) {
    return {n, 0, 0, 0};
}
constexpr RawCode rgb(int red, int green, int blue) {
    return {-1, red, green, blue};
}
constexpr RawCode kNoCode{-1, 0, 0, 0, true};

struct RawEntry {
    const char16_t* option;
    const char16_t* caption;
    RawCode code;
    BgrColor previewColour;
    BgrColor captionColour;
    EntryRole role;
};

// Nickname colours. Several entries share a caption or a code on purpose:
// each is its own option button of the editor.
constexpr RawEntry kForeground[] = {
    {u"Option9", u"Noir", number(1), kSystemButtonText, kSystemButtonText, EntryRole::Fixed},
    {u"Option1", u"Rouge", number(4), 0x0000FF, kSystemButtonText, EntryRole::Fixed},
    {u"Option2", u"Bleu", number(12), 0xFF0000, kSystemButtonText, EntryRole::Fixed},
    {u"Option3", u"Jaune", number(8), 0x00FFFF, kSystemButtonText, EntryRole::Fixed},
    {u"Option4", u"Vert", number(9), 0x00C000, kSystemButtonText, EntryRole::Fixed},
    {u"Option5", u"Violet", number(6), 0x800080, kSystemButtonText, EntryRole::Fixed},
    {u"Option6", u"Orange", number(7), 0x0080FF, kSystemButtonText, EntryRole::Fixed},
    {u"Option7", u"Marron", number(54), 0x004080, kSystemButtonText, EntryRole::Fixed},
    {u"Option8", u"Blanc", number(0), 0xFFFFFF, kSystemButtonText, EntryRole::Fixed},
    {u"Option10", u"Rose", number(13), 0xFF00FF, kSystemButtonText, EntryRole::Fixed},
    {u"Option11", u"Turquoise", number(11), 0xFFFF00, kSystemButtonText, EntryRole::Fixed},
    {u"Option21", u"Gris", number(25), 0x808080, kSystemButtonText, EntryRole::Fixed},
    {u"Option22", u"Rouge foncé", number(46), 0x0000C0, kSystemButtonText, EntryRole::Fixed},
    {u"Option23", u"Rose foncé", number(47), 0xC000C0, kSystemButtonText, EntryRole::Fixed},
    {u"Option24", u"Bleu marine", number(57), 0xC00000, kSystemButtonText, EntryRole::Fixed},
    {u"Option25", u"Vert Kaki", number(60), 0x004040, kSystemButtonText, EntryRole::Fixed},
    {u"optrouge1", u"Rouge 1", number(28), 0x687DE3, kSystemButtonText, EntryRole::Fixed},
    {u"optrouge2", u"Rouge 2", rgb(255, 85, 85), 0x5555FF, kSystemButtonText, EntryRole::Fixed},
    {u"optrouge3", u"Rouge 3", rgb(217, 49, 6), 0x0631D9, kSystemButtonText, EntryRole::Fixed},
    {u"optrouge4", u"Rouge 4", number(55), 0x000099, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu1", u"Bleu 1", number(21), 0xFFC0C0, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu2", u"Bleu 2", number(30), 0xFF8080, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu3", u"Bleu 3", number(48), 0xC00000, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu4", u"Bleu 4", rgb(11, 0, 142), 0x8E000B, kSystemButtonText, EntryRole::Fixed},
    {u"optorange1", u"Orange pâle", number(27), 0x63B5F1, kSystemButtonText, EntryRole::Fixed},
    {u"optorange2", u"Orange", number(36), 0x0080FF, kSystemButtonText, EntryRole::Fixed},
    {u"optvert1", u"Vert foncé", number(66), 0x004000, kSystemButtonText, EntryRole::Fixed},
    {u"optvert2", u"Vert 1", number(23), 0xC0FFC0, kSystemButtonText, EntryRole::Fixed},
    {u"optvert3", u"Vert 2", number(32), 0x80FF80, kSystemButtonText, EntryRole::Fixed},
    {u"optvert4", u"Vert 3", number(59), 0x008000, kSystemButtonText, EntryRole::Fixed},
    {u"optjaune1", u"Jaune", number(24), 0xC0FFFF, kSystemButtonText, EntryRole::Fixed},
    {u"optjaune2", u"Jaune", number(33), 0x00FFFF, kSystemButtonText, EntryRole::Fixed},
    {u"optjaune3", u"Jaune", number(42), 0x2BEBF4, kSystemButtonText, EntryRole::Fixed},
    {u"optrose1", u"Rose pâle", number(20), 0xFF80FF, kSystemButtonText, EntryRole::Fixed},
    {u"optrose2", u"Rose", number(29), 0xFF00FF, kSystemButtonText, EntryRole::Fixed},
    {u"optrose3", u"Fushia", number(38), 0xFA63F5, kSystemButtonText, EntryRole::Fixed},
    {u"optsaumon1", u"Saumon", number(18), 0x80C0FF, kSystemButtonText, EntryRole::Fixed},
    {u"optsaumon2", u"Rose saumon", number(19), 0x687DE3, kSystemButtonText, EntryRole::Fixed},
    {u"optocre", u"Ocre", number(45), 0x53AEDF, kSystemButtonText, EntryRole::Fixed},
    {u"optrouge5", u"Rose / Rouge", number(28), 0x5555FF, kSystemButtonText, EntryRole::Fixed},
    {u"optrouge6", u"Rouge", number(37), 0x0000FF, kSystemButtonText, EntryRole::Fixed},
    {u"optrouge7", u"Rouge foncé", number(5), 0x000080, kSystemButtonText, EntryRole::Fixed},
    {u"optgris1", u"Gris foncé", number(14), 0x404040, kSystemButtonText, EntryRole::Fixed},
    {u"optgris2", u"Gris clair", number(15), 0x808080, kSystemButtonText, EntryRole::Fixed},
    {u"optgris3", u"Gris très clair", number(16), 0xC0C0C0, kSystemButtonText, EntryRole::Fixed},
    {u"optgris4", u"Gris très clair", number(17), 0xCBCDD1, kSystemButtonText, EntryRole::Fixed},
    {u"optgris5", u"Gris", number(26), 0x808080, kSystemButtonText, EntryRole::Fixed},
    {u"optgris6", u"Gris", number(34), 0x404040, kSystemButtonText, EntryRole::Fixed},
    {u"optgris7", u"Gris", number(35), 0x808080, kSystemButtonText, EntryRole::Fixed},
    {u"optgris8", u"Gris", number(43), 0x404040, kSystemButtonText, EntryRole::Fixed},
    {u"optgris9", u"Gris foncé", number(44), 0x404040, kSystemButtonText, EntryRole::Fixed},
    {u"optnoir1", u"Noir", number(68), kSystemButtonText, kSystemButtonText, EntryRole::Fixed},
    {u"optnoir2", u"Noir", number(53), kSystemButtonText, kSystemButtonText, EntryRole::Fixed},
    {u"optnoir3", u"Noir clair", number(52), 0x2E2E2E, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu5", u"Bleu vert clair", number(31), 0xD8F995, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu6", u"Bleu foncé", number(2), 0x800000, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu7", u"Bleu marine", number(39), 0xC00000, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu8", u"Bleu vert", number(10), 0xA6B112, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu9", u"Bleu très foncé", number(64), 0x800000, kSystemButtonText, EntryRole::Fixed},
    {u"optmarron1", u"Marron clair", number(61), 0x004080, kSystemButtonText, EntryRole::Fixed},
    {u"optmarron2", u"Marron rouge", number(62), 0x0E30A5, kSystemButtonText, EntryRole::Fixed},
    {u"optbordeau", u"Bordeaux", number(55), 0x0E30A5, kSystemButtonText, EntryRole::Fixed},
    {u"optviolet1", u"Violet", number(56), 0x800080, kSystemButtonText, EntryRole::Fixed},
    {u"optviolet2", u"Violet foncé", number(63), 0x722D86, kSystemButtonText, EntryRole::Fixed},
    {u"optvert5", u"Vert", number(58), 0x008000, kSystemButtonText, EntryRole::Fixed},
    {u"optvert6", u"Vert foncé", number(65), 0x315535, kSystemButtonText, EntryRole::Fixed},
    {u"optvert7", u"Vert très pâle", number(22), 0xD1FDA6, kSystemButtonText, EntryRole::Fixed},
    {u"optvert8", u"Vert", number(59), 0x008000, kSystemButtonText, EntryRole::Fixed},
    {u"optvert9", u"Vert Kaki", number(66), 0x366D65, kSystemButtonText, EntryRole::Fixed},
    {u"optvert10", u"Vert d'eau", number(49), 0x8DC945, kSystemButtonText, EntryRole::Fixed},
    {u"optvert11", u"Vert olive", number(50), 0x00C000, kSystemButtonText, EntryRole::Fixed},
    {u"optvert12", u"Vert Kaki", number(67), 0x3F6561, kSystemButtonText, EntryRole::Fixed},
    {u"optvert13", u"Vert caca d'oie", number(51), 0x62B37E, kSystemButtonText, EntryRole::Fixed},
    {u"optvert14", u"Vert turquoise", number(40), 0xDDFF8E, kSystemButtonText, EntryRole::Fixed},
    {u"optvert15", u"Vert clair", number(41), 0x80FF80, kSystemButtonText, EntryRole::Fixed},
    {u"optcouleurperso1", u"Couleur perso", kNoCode, 0, kSystemButtonText, EntryRole::Custom},
};

// Background colours. The caption colour keeps each caption readable on its
// own background. "Bordeaux" writes the background twin of the text entry
// "Bordeaux" (palette number 55).
constexpr RawEntry kBackground[] = {
    {u"Option20", u"Défaut", kNoCode, kSystemButtonFace, kSystemButtonText, EntryRole::Default},
    {u"Option12", u"Rouge", number(4), 0x0000FF, 0xFFFFFF, EntryRole::Fixed},
    {u"Option13", u"Bleu", number(12), 0xFF0000, 0xFFFFFF, EntryRole::Fixed},
    {u"Option14", u"Jaune", number(8), 0x00FFFF, kSystemButtonText, EntryRole::Fixed},
    {u"Option15", u"Violet", number(6), 0xC000C0, kSystemButtonText, EntryRole::Fixed},
    {u"Option16", u"Orange", number(7), 0x0080FF, kSystemButtonText, EntryRole::Fixed},
    {u"Option17", u"Vert", number(9), 0x00C000, kSystemButtonText, EntryRole::Fixed},
    {u"Option18", u"Turqouise", number(11), 0xFFFF00, kSystemButtonText, EntryRole::Fixed},
    {u"Option19", u"Rose", number(13), 0xFF00FF, 0xFFFFFF, EntryRole::Fixed},
    {u"Option26", u"Rouge foncé", number(46), 0x0000C0, 0xFFFFFF, EntryRole::Fixed},
    {u"Option27", u"Bleu marine", number(57), 0x800000, 0xFFFFFF, EntryRole::Fixed},
    {u"Option28", u"Violet foncé", number(56), 0x800080, 0xFFFFFF, EntryRole::Fixed},
    {u"Option29", u"Gris", number(25), 0x808080, 0xFFFFFF, EntryRole::Fixed},
    {u"Option30", u"Maron clair", number(45), 0x0040C0, 0xFFFFFF, EntryRole::Fixed},
    {u"Option31", u"Maron foncé", number(5), 0x004080, 0xFFFFFF, EntryRole::Fixed},
    {u"Option32", u"Vert foncé", number(59), 0x004000, 0xFFFFFF, EntryRole::Fixed},
    {u"Option33", u"Jaune paille", number(27), 0x42E0F7, 0x000000, EntryRole::Fixed},
    {u"Option34", u"Noir", number(1), 0x000000, 0xFFFFFF, EntryRole::Fixed},
    {u"Option35", u"Chair", number(19), 0xC0C0FF, kSystemButtonText, EntryRole::Fixed},
    {u"Option36", u"Bleu ciel", rgb(0, 128, 255), 0xFBB92F, 0xFFFFFF, EntryRole::Fixed},
    {u"optarouge1", u"Rouge 1", number(28), 0x687DE3, kSystemButtonText, EntryRole::Fixed},
    {u"optarouge2", u"Rouge 2", rgb(255, 85, 85), 0x5555FF, kSystemButtonText, EntryRole::Fixed},
    {u"optarouge3", u"Rouge 3", rgb(217, 49, 6), 0x0631D9, kSystemButtonText, EntryRole::Fixed},
    {u"optarouge4", u"Rouge 4", number(55), 0x000099, kSystemButtonText, EntryRole::Fixed},
    {u"optableu1", u"Bleu 1", number(21), 0xFFC0C0, 0xFFFFFF, EntryRole::Fixed},
    {u"optableu2", u"Bleu 2", number(30), 0xFF8080, 0xFFFFFF, EntryRole::Fixed},
    {u"optableu3", u"Bleu 3", number(48), 0xC00000, 0xFFFFFF, EntryRole::Fixed},
    {u"optableu4", u"Bleu 4", rgb(11, 0, 142), 0x8E000B, 0xFFFFFF, EntryRole::Fixed},
    {u"optavert1", u"Vert 1", number(23), 0xC0FFC0, 0x000000, EntryRole::Fixed},
    {u"optavert2", u"Vert 2", number(32), 0x80FF80, 0x000000, EntryRole::Fixed},
    {u"optavert3", u"Vert 3", number(59), 0x008000, 0xFFFFFF, EntryRole::Fixed},
    {u"optakaki", u"Kaki", number(60), 0x004040, 0xFFFFFF, EntryRole::Fixed},
    {u"optagrisf", u"Gris foncé", number(44), 0x404040, 0xFFFFFF, EntryRole::Fixed},
    {u"optavert6", u"Vert foncé", number(65), 0x004000, 0xFFFFFF, EntryRole::Fixed},
    {u"optavert7", u"Vert très pâle", number(22), 0xD1FDA6, 0x000000, EntryRole::Fixed},
    {u"optavert10", u"Vert d'eau", number(49), 0x8DC945, 0xFFFFFF, EntryRole::Fixed},
    {u"optavert11", u"Vert olive", number(50), 0x00C000, 0xFFFFFF, EntryRole::Fixed},
    {u"optavert12", u"Vert Kaki", number(67), 0x3F6561, 0xFFFFFF, EntryRole::Fixed},
    {u"optavert13", u"Vert caca d'oie", number(51), 0x62B37E, 0xFFFFFF, EntryRole::Fixed},
    {u"optavert14", u"Vert turquoise", number(40), 0xDDFF8E, 0x000000, EntryRole::Fixed},
    {u"optavert15", u"Vert clair", number(41), 0x80FF80, 0x000000, EntryRole::Fixed},
    {u"optableu5", u"Bleu vert clair", number(31), 0xD8F995, 0x000000, EntryRole::Fixed},
    {u"optableu6", u"Bleu foncé", number(2), 0x800000, 0xFFFFFF, EntryRole::Fixed},
    {u"optableu7", u"Bleu marine", number(39), 0xC00000, 0xFFFFFF, EntryRole::Fixed},
    {u"optableu8", u"Bleu vert", number(10), 0xA6B112, 0xFFFFFF, EntryRole::Fixed},
    {u"optableu9", u"Bleu très foncé", number(64), 0x800000, 0xFFFFFF, EntryRole::Fixed},
    {u"optarouge5", u"Rose / Rouge", number(28), 0x5555FF, 0xFFFFFF, EntryRole::Fixed},
    {u"optamarron2", u"Marron rouge", number(62), 0x0E30A5, 0xFFFFFF, EntryRole::Fixed},
    {u"optarose1", u"Rose pâle", number(20), 0xFF80FF, 0xFFFFFF, EntryRole::Fixed},
    {u"optarose3", u"Fushia", number(38), 0xFA63F5, 0xFFFFFF, EntryRole::Fixed},
    {u"optaviolet1", u"Violet", number(56), 0x800080, 0xFFFFFF, EntryRole::Fixed},
    {u"optasaumon1", u"Saumon", number(18), 0x80C0FF, 0xFFFFFF, EntryRole::Fixed},
    {u"optasaumon2", u"Rose saumon", number(19), 0x687DE3, 0xFFFFFF, EntryRole::Fixed},
    {u"optaocre", u"Ocre", number(45), 0x53AEDF, 0xFFFFFF, EntryRole::Fixed},
    {u"optaorange1", u"Orange pâle", number(27), 0x63B5F1, 0xFFFFFF, EntryRole::Fixed},
    {u"optanoir3", u"Noir clair", number(51), 0x2E2E2E, 0xFFFFFF, EntryRole::Fixed},
    {u"optagris3", u"Gris très clair", number(16), 0xC0C0C0, 0x000000, EntryRole::Fixed},
    {u"optagris4", u"Gris très clair", number(17), 0xCBCDD1, 0x000000, EntryRole::Fixed},
    {u"optabordeau", u"Bordeaux", number(55), 0x0E30A5, 0xFFFFFF, EntryRole::Fixed},
    {u"optaperso", u"Couleur perso", kNoCode, 0, 0x000000, EntryRole::Custom},
};

CodeOps codeOf(const RawCode& code, bool background) {
    if (code.none) return {};
    if (code.number >= 0)
        return {background ? CodeOp::paletteBackground(code.number)
                           : CodeOp::paletteTextColour(code.number)};
    const BgrColor colour = bgrFromRgb(code.red, code.green, code.blue);
    return {background ? CodeOp::background(colour) : CodeOp::textColour(colour)};
}

template <std::size_t N>
QList<PaletteEntry> build(const RawEntry (&raw)[N], bool background) {
    QList<PaletteEntry> entries;
    entries.reserve(qsizetype(N));
    for (const RawEntry& r : raw) {
        entries.append({QString::fromUtf16(r.option), QString::fromUtf16(r.caption),
                        codeOf(r.code, background), r.previewColour, r.captionColour, r.role});
    }
    return entries;
}

const PaletteEntry* find(const QList<PaletteEntry>& palette, const QString& option) {
    const auto it = std::find_if(palette.begin(), palette.end(),
                                 [&](const PaletteEntry& e) { return e.option == option; });
    return it == palette.end() ? nullptr : &*it;
}

}  // namespace

const QList<PaletteEntry>& ForegroundPalette() {
    static const QList<PaletteEntry> palette = build(kForeground, false);
    return palette;
}

const QList<PaletteEntry>& BackgroundPalette() {
    static const QList<PaletteEntry> palette = build(kBackground, true);
    return palette;
}

const PaletteEntry* findForegroundEntry(const QString& option) {
    return find(ForegroundPalette(), option);
}

const PaletteEntry* findBackgroundEntry(const QString& option) {
    return find(BackgroundPalette(), option);
}

}  // namespace chromanick
