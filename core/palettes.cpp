#include "palettes.h"

#include <algorithm>

namespace chromanick {

namespace {

struct RawEntry {
    const char16_t* option;
    const char16_t* caption;
    const char16_t* code;
    BgrColor previewColour;
    BgrColor captionColour;
    EntryRole role;
};

// Nickname colours. Several entries share a caption or a code on purpose:
// each is its own option button of the editor.
constexpr RawEntry kForeground[] = {
    {u"Option9", u"Noir", u"·$1", kSystemButtonText, kSystemButtonText, EntryRole::Fixed},
    {u"Option1", u"Rouge", u"·$4", 0x0000FF, kSystemButtonText, EntryRole::Fixed},
    {u"Option2", u"Bleu", u"·$12", 0xFF0000, kSystemButtonText, EntryRole::Fixed},
    {u"Option3", u"Jaune", u"·$8", 0x00FFFF, kSystemButtonText, EntryRole::Fixed},
    {u"Option4", u"Vert", u"·$9", 0x00C000, kSystemButtonText, EntryRole::Fixed},
    {u"Option5", u"Violet", u"·$6", 0x800080, kSystemButtonText, EntryRole::Fixed},
    {u"Option6", u"Orange", u"·$7", 0x0080FF, kSystemButtonText, EntryRole::Fixed},
    {u"Option7", u"Marron", u"·$54", 0x004080, kSystemButtonText, EntryRole::Fixed},
    {u"Option8", u"Blanc", u"·$0", 0xFFFFFF, kSystemButtonText, EntryRole::Fixed},
    {u"Option10", u"Rose", u"·$13", 0xFF00FF, kSystemButtonText, EntryRole::Fixed},
    {u"Option11", u"Turquoise", u"·$11", 0xFFFF00, kSystemButtonText, EntryRole::Fixed},
    {u"Option21", u"Gris", u"·$25", 0x808080, kSystemButtonText, EntryRole::Fixed},
    {u"Option22", u"Rouge foncé", u"·$46", 0x0000C0, kSystemButtonText, EntryRole::Fixed},
    {u"Option23", u"Rose foncé", u"·$47", 0xC000C0, kSystemButtonText, EntryRole::Fixed},
    {u"Option24", u"Bleu marine", u"·$57", 0xC00000, kSystemButtonText, EntryRole::Fixed},
    {u"Option25", u"Vert Kaki", u"·$60", 0x004040, kSystemButtonText, EntryRole::Fixed},
    {u"optrouge1", u"Rouge 1", u"·$28", 0x687DE3, kSystemButtonText, EntryRole::Fixed},
    {u"optrouge2", u"Rouge 2", u"·$(255,085,085)", 0x5555FF, kSystemButtonText, EntryRole::Fixed},
    {u"optrouge3", u"Rouge 3", u"·$(217,049,006)", 0x0631D9, kSystemButtonText, EntryRole::Fixed},
    {u"optrouge4", u"Rouge 4", u"·$55", 0x000099, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu1", u"Bleu 1", u"·$21", 0xFFC0C0, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu2", u"Bleu 2", u"·$30", 0xFF8080, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu3", u"Bleu 3", u"·$48", 0xC00000, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu4", u"Bleu 4", u"·$(011,000,142)", 0x8E000B, kSystemButtonText, EntryRole::Fixed},
    {u"optorange1", u"Orange pâle", u"·$27", 0x63B5F1, kSystemButtonText, EntryRole::Fixed},
    {u"optorange2", u"Orange", u"·$36", 0x0080FF, kSystemButtonText, EntryRole::Fixed},
    {u"optvert1", u"Vert foncé", u"·$66", 0x004000, kSystemButtonText, EntryRole::Fixed},
    {u"optvert2", u"Vert 1", u"·$23", 0xC0FFC0, kSystemButtonText, EntryRole::Fixed},
    {u"optvert3", u"Vert 2", u"·$32", 0x80FF80, kSystemButtonText, EntryRole::Fixed},
    {u"optvert4", u"Vert 3", u"·$59", 0x008000, kSystemButtonText, EntryRole::Fixed},
    {u"optjaune1", u"Jaune", u"·$24", 0xC0FFFF, kSystemButtonText, EntryRole::Fixed},
    {u"optjaune2", u"Jaune", u"·$33", 0x00FFFF, kSystemButtonText, EntryRole::Fixed},
    {u"optjaune3", u"Jaune", u"·$42", 0x2BEBF4, kSystemButtonText, EntryRole::Fixed},
    {u"optrose1", u"Rose pâle", u"·$20", 0xFF80FF, kSystemButtonText, EntryRole::Fixed},
    {u"optrose2", u"Rose", u"·$29", 0xFF00FF, kSystemButtonText, EntryRole::Fixed},
    {u"optrose3", u"Fushia", u"·$38", 0xFA63F5, kSystemButtonText, EntryRole::Fixed},
    {u"optsaumon1", u"Saumon", u"·$18", 0x80C0FF, kSystemButtonText, EntryRole::Fixed},
    {u"optsaumon2", u"Rose saumon", u"·$19", 0x687DE3, kSystemButtonText, EntryRole::Fixed},
    {u"optocre", u"Ocre", u"·$45", 0x53AEDF, kSystemButtonText, EntryRole::Fixed},
    {u"optrouge5", u"Rose / Rouge", u"·$28", 0x5555FF, kSystemButtonText, EntryRole::Fixed},
    {u"optrouge6", u"Rouge", u"·$37", 0x0000FF, kSystemButtonText, EntryRole::Fixed},
    {u"optrouge7", u"Rouge foncé", u"·$5", 0x000080, kSystemButtonText, EntryRole::Fixed},
    {u"optgris1", u"Gris foncé", u"·$14", 0x404040, kSystemButtonText, EntryRole::Fixed},
    {u"optgris2", u"Gris clair", u"·$15", 0x808080, kSystemButtonText, EntryRole::Fixed},
    {u"optgris3", u"Gris très clair", u"·$16", 0xC0C0C0, kSystemButtonText, EntryRole::Fixed},
    {u"optgris4", u"Gris très clair", u"·$17", 0xCBCDD1, kSystemButtonText, EntryRole::Fixed},
    {u"optgris5", u"Gris", u"·$26", 0x808080, kSystemButtonText, EntryRole::Fixed},
    {u"optgris6", u"Gris", u"·$34", 0x404040, kSystemButtonText, EntryRole::Fixed},
    {u"optgris7", u"Gris", u"·$35", 0x808080, kSystemButtonText, EntryRole::Fixed},
    {u"optgris8", u"Gris", u"·$43", 0x404040, kSystemButtonText, EntryRole::Fixed},
    {u"optgris9", u"Gris foncé", u"·$44", 0x404040, kSystemButtonText, EntryRole::Fixed},
    {u"optnoir1", u"Noir", u"·$68", kSystemButtonText, kSystemButtonText, EntryRole::Fixed},
    {u"optnoir2", u"Noir", u"·$53", kSystemButtonText, kSystemButtonText, EntryRole::Fixed},
    {u"optnoir3", u"Noir clair", u"·$52", 0x2E2E2E, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu5", u"Bleu vert clair", u"·$31", 0xD8F995, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu6", u"Bleu foncé", u"·$2", 0x800000, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu7", u"Bleu marine", u"·$39", 0xC00000, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu8", u"Bleu vert", u"·$10", 0xA6B112, kSystemButtonText, EntryRole::Fixed},
    {u"optbleu9", u"Bleu très foncé", u"·$64", 0x800000, kSystemButtonText, EntryRole::Fixed},
    {u"optmarron1", u"Marron clair", u"·$61", 0x004080, kSystemButtonText, EntryRole::Fixed},
    {u"optmarron2", u"Marron rouge", u"·$62", 0x0E30A5, kSystemButtonText, EntryRole::Fixed},
    {u"optbordeau", u"Bordeaux", u"·$55", 0x0E30A5, kSystemButtonText, EntryRole::Fixed},
    {u"optviolet1", u"Violet", u"·$56", 0x800080, kSystemButtonText, EntryRole::Fixed},
    {u"optviolet2", u"Violet foncé", u"·$63", 0x722D86, kSystemButtonText, EntryRole::Fixed},
    {u"optvert5", u"Vert", u"·$58", 0x008000, kSystemButtonText, EntryRole::Fixed},
    {u"optvert6", u"Vert foncé", u"·$65", 0x315535, kSystemButtonText, EntryRole::Fixed},
    {u"optvert7", u"Vert très pâle", u"·$22", 0xD1FDA6, kSystemButtonText, EntryRole::Fixed},
    {u"optvert8", u"Vert", u"·$59", 0x008000, kSystemButtonText, EntryRole::Fixed},
    {u"optvert9", u"Vert Kaki", u"·$66", 0x366D65, kSystemButtonText, EntryRole::Fixed},
    {u"optvert10", u"Vert d'eau", u"·$49", 0x8DC945, kSystemButtonText, EntryRole::Fixed},
    {u"optvert11", u"Vert olive", u"·$50", 0x00C000, kSystemButtonText, EntryRole::Fixed},
    {u"optvert12", u"Vert Kaki", u"·$67", 0x3F6561, kSystemButtonText, EntryRole::Fixed},
    {u"optvert13", u"Vert caca d'oie", u"·$51", 0x62B37E, kSystemButtonText, EntryRole::Fixed},
    {u"optvert14", u"Vert turquoise", u"·$40", 0xDDFF8E, kSystemButtonText, EntryRole::Fixed},
    {u"optvert15", u"Vert clair", u"·$41", 0x80FF80, kSystemButtonText, EntryRole::Fixed},
    {u"optcouleurperso1", u"Couleur perso", u"", 0, kSystemButtonText, EntryRole::Custom},
};

// Background colours. The caption colour keeps each caption readable on its
// own background. "Bordeaux" writes the background twin of the text entry
// "Bordeaux" ("·$55").
constexpr RawEntry kBackground[] = {
    {u"Option20", u"Défaut", u"", kSystemButtonFace, kSystemButtonText, EntryRole::Default},
    {u"Option12", u"Rouge", u"·$,4", 0x0000FF, 0xFFFFFF, EntryRole::Fixed},
    {u"Option13", u"Bleu", u"·$,12", 0xFF0000, 0xFFFFFF, EntryRole::Fixed},
    {u"Option14", u"Jaune", u"·$,8", 0x00FFFF, kSystemButtonText, EntryRole::Fixed},
    {u"Option15", u"Violet", u"·$,6", 0xC000C0, kSystemButtonText, EntryRole::Fixed},
    {u"Option16", u"Orange", u"·$,7", 0x0080FF, kSystemButtonText, EntryRole::Fixed},
    {u"Option17", u"Vert", u"·$,9", 0x00C000, kSystemButtonText, EntryRole::Fixed},
    {u"Option18", u"Turqouise", u"·$,11", 0xFFFF00, kSystemButtonText, EntryRole::Fixed},
    {u"Option19", u"Rose", u"·$,13", 0xFF00FF, 0xFFFFFF, EntryRole::Fixed},
    {u"Option26", u"Rouge foncé", u"·$,46", 0x0000C0, 0xFFFFFF, EntryRole::Fixed},
    {u"Option27", u"Bleu marine", u"·$,57", 0x800000, 0xFFFFFF, EntryRole::Fixed},
    {u"Option28", u"Violet foncé", u"·$,56", 0x800080, 0xFFFFFF, EntryRole::Fixed},
    {u"Option29", u"Gris", u"·$,25", 0x808080, 0xFFFFFF, EntryRole::Fixed},
    {u"Option30", u"Maron clair", u"·$,45", 0x0040C0, 0xFFFFFF, EntryRole::Fixed},
    {u"Option31", u"Maron foncé", u"·$,5", 0x004080, 0xFFFFFF, EntryRole::Fixed},
    {u"Option32", u"Vert foncé", u"·$,59", 0x004000, 0xFFFFFF, EntryRole::Fixed},
    {u"Option33", u"Jaune paille", u"·$,27", 0x42E0F7, 0x000000, EntryRole::Fixed},
    {u"Option34", u"Noir", u"·$,1", 0x000000, 0xFFFFFF, EntryRole::Fixed},
    {u"Option35", u"Chair", u"·$,19", 0xC0C0FF, kSystemButtonText, EntryRole::Fixed},
    {u"Option36", u"Bleu ciel", u"·$,(000,128,255)", 0xFBB92F, 0xFFFFFF, EntryRole::Fixed},
    {u"optarouge1", u"Rouge 1", u"·$,28", 0x687DE3, kSystemButtonText, EntryRole::Fixed},
    {u"optarouge2", u"Rouge 2", u"·$,(255,085,085)", 0x5555FF, kSystemButtonText, EntryRole::Fixed},
    {u"optarouge3", u"Rouge 3", u"·$,(217,049,006)", 0x0631D9, kSystemButtonText, EntryRole::Fixed},
    {u"optarouge4", u"Rouge 4", u"·$,55", 0x000099, kSystemButtonText, EntryRole::Fixed},
    {u"optableu1", u"Bleu 1", u"·$,21", 0xFFC0C0, 0xFFFFFF, EntryRole::Fixed},
    {u"optableu2", u"Bleu 2", u"·$,30", 0xFF8080, 0xFFFFFF, EntryRole::Fixed},
    {u"optableu3", u"Bleu 3", u"·$,48", 0xC00000, 0xFFFFFF, EntryRole::Fixed},
    {u"optableu4", u"Bleu 4", u"·$,(011,000,142)", 0x8E000B, 0xFFFFFF, EntryRole::Fixed},
    {u"optavert1", u"Vert 1", u"·$,23", 0xC0FFC0, 0x000000, EntryRole::Fixed},
    {u"optavert2", u"Vert 2", u"·$,32", 0x80FF80, 0x000000, EntryRole::Fixed},
    {u"optavert3", u"Vert 3", u"·$,59", 0x008000, 0xFFFFFF, EntryRole::Fixed},
    {u"optakaki", u"Kaki", u"·$,60", 0x004040, 0xFFFFFF, EntryRole::Fixed},
    {u"optagrisf", u"Gris foncé", u"·$,44", 0x404040, 0xFFFFFF, EntryRole::Fixed},
    {u"optavert6", u"Vert foncé", u"·$,65", 0x004000, 0xFFFFFF, EntryRole::Fixed},
    {u"optavert7", u"Vert très pâle", u"·$,22", 0xD1FDA6, 0x000000, EntryRole::Fixed},
    {u"optavert10", u"Vert d'eau", u"·$,49", 0x8DC945, 0xFFFFFF, EntryRole::Fixed},
    {u"optavert11", u"Vert olive", u"·$,50", 0x00C000, 0xFFFFFF, EntryRole::Fixed},
    {u"optavert12", u"Vert Kaki", u"·$,67", 0x3F6561, 0xFFFFFF, EntryRole::Fixed},
    {u"optavert13", u"Vert caca d'oie", u"·$,51", 0x62B37E, 0xFFFFFF, EntryRole::Fixed},
    {u"optavert14", u"Vert turquoise", u"·$,40", 0xDDFF8E, 0x000000, EntryRole::Fixed},
    {u"optavert15", u"Vert clair", u"·$,41", 0x80FF80, 0x000000, EntryRole::Fixed},
    {u"optableu5", u"Bleu vert clair", u"·$,31", 0xD8F995, 0x000000, EntryRole::Fixed},
    {u"optableu6", u"Bleu foncé", u"·$,2", 0x800000, 0xFFFFFF, EntryRole::Fixed},
    {u"optableu7", u"Bleu marine", u"·$,39", 0xC00000, 0xFFFFFF, EntryRole::Fixed},
    {u"optableu8", u"Bleu vert", u"·$,10", 0xA6B112, 0xFFFFFF, EntryRole::Fixed},
    {u"optableu9", u"Bleu très foncé", u"·$,64", 0x800000, 0xFFFFFF, EntryRole::Fixed},
    {u"optarouge5", u"Rose / Rouge", u"·$,28", 0x5555FF, 0xFFFFFF, EntryRole::Fixed},
    {u"optamarron2", u"Marron rouge", u"·$,62", 0x0E30A5, 0xFFFFFF, EntryRole::Fixed},
    {u"optarose1", u"Rose pâle", u"·$,20", 0xFF80FF, 0xFFFFFF, EntryRole::Fixed},
    {u"optarose3", u"Fushia", u"·$,38", 0xFA63F5, 0xFFFFFF, EntryRole::Fixed},
    {u"optaviolet1", u"Violet", u"·$,56", 0x800080, 0xFFFFFF, EntryRole::Fixed},
    {u"optasaumon1", u"Saumon", u"·$,18", 0x80C0FF, 0xFFFFFF, EntryRole::Fixed},
    {u"optasaumon2", u"Rose saumon", u"·$,19", 0x687DE3, 0xFFFFFF, EntryRole::Fixed},
    {u"optaocre", u"Ocre", u"·$,45", 0x53AEDF, 0xFFFFFF, EntryRole::Fixed},
    {u"optaorange1", u"Orange pâle", u"·$,27", 0x63B5F1, 0xFFFFFF, EntryRole::Fixed},
    {u"optanoir3", u"Noir clair", u"·$,51", 0x2E2E2E, 0xFFFFFF, EntryRole::Fixed},
    {u"optagris3", u"Gris très clair", u"·$,16", 0xC0C0C0, 0x000000, EntryRole::Fixed},
    {u"optagris4", u"Gris très clair", u"·$,17", 0xCBCDD1, 0x000000, EntryRole::Fixed},
    {u"optabordeau", u"Bordeaux", u"·$,55", 0x0E30A5, 0xFFFFFF, EntryRole::Fixed},
    {u"optaperso", u"Couleur perso", u"", 0, 0x000000, EntryRole::Custom},
};

template <std::size_t N>
QList<PaletteEntry> build(const RawEntry (&raw)[N]) {
    QList<PaletteEntry> entries;
    entries.reserve(qsizetype(N));
    for (const RawEntry& r : raw) {
        entries.append({QString::fromUtf16(r.option), QString::fromUtf16(r.caption),
                        QString::fromUtf16(r.code), r.previewColour, r.captionColour, r.role});
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
    static const QList<PaletteEntry> palette = build(kForeground);
    return palette;
}

const QList<PaletteEntry>& BackgroundPalette() {
    static const QList<PaletteEntry> palette = build(kBackground);
    return palette;
}

const PaletteEntry* findForegroundEntry(const QString& option) {
    return find(ForegroundPalette(), option);
}

const PaletteEntry* findBackgroundEntry(const QString& option) {
    return find(BackgroundPalette(), option);
}

}  // namespace chromanick
