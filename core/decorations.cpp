#include "decorations.h"

namespace chromanick {

namespace {

struct RawPair {
    const char16_t* prefix;
    const char16_t* suffix;
};

// Entry n of the suffixes is the mirror image of entry n of the prefixes.
// Trailing blanks belong to their entries; entry 20 holds soft hyphens
// (U+00AD) beside its guillemets.
constexpr RawPair kPairs[] = {
    {u"", u""},                                        // 0
    {u"(¯`·._.·[", u"]·._.·´¯)"},                      // 1
    {u"¨°o.O", u"O.o°¨"},                              // 2
    {u"×÷·.·´¯`·)»", u"«(·´¯`·.·÷×"},                  // 3
    {u"· ··^v´¯`×)", u"(×´¯`v^·· ·"},                  // 4
    {u",.-~*'¨¯¨'*·~-.¸-(_", u"_)-,.-~*'¨¯¨'*·~-.¸"},  // 5
    {u"Oº°‘¨", u"¨‘°ºO"},                              // 6
    {u"- - --^[", u"]^-- - -"},                        // 7
    {u"•·.·´¯`·.·•", u"•·.·´¯`·.·•"},                  // 8
    {u"`·.¸¸.·´´¯`··._.·", u"`·.¸¸.·´´¯`··._.·"},      // 9
    {u"(¯`·._)", u"(¯`·._)"},                          // 10
    {u"¯¨'*·~-.¸¸,.-~*'", u"¯¨'*·~-.¸¸,.-~*'"},        // 11
    {u"×º°”˜`”°º×", u"×º°”˜`”°º×"},                    // 12
    {u"·´)›", u"‹(`·"},                                // 13
    {u"¸„.-·~¹°”ˆ˜¨", u"¨˜ˆ”°¹~·-.„¸"},                // 14
    {u"(¯`·._.•", u"•._.·´¯)"},                        // 15
    {u"—÷[(`", u"´)]÷—"},                              // 16
    {u"—(•·÷[", u"]÷·•)—"},                            // 17
    {u"—¤÷(`[¤", u"¤]´)÷¤— "},                         // 18
    {u"··¤(`×[¤", u"¤]×´)¤··"},                        // 19
    {u"·´¯`·\u00AD»", u"«\u00AD·´¯`·"},                // 20
    {u"]¦•¦[", u"]¦•¦["},                              // 21
    {u"`·.,¸¸,.·´¯", u"¯`·.,¸¸,.·´"},                  // 22
    {u"[`·.]", u"[.·´]"},                              // 23
    {u"(`·.·•", u"•·.·´) "},                           // 24
    {u"•´¯¥¯`•", u"•´¯¥¯`•"},                          // 25
    {u"•^v^–[", u"]–^v^•"},                            // 26
    {u"•·´¯°·", u"·°¯`·•"},                            // 27
    {u"·°¯`·•", u"•·´¯°·"},                            // 28
    {u"§.·´¨`°÷·..×", u"×..·÷°´¨`·.§"},                // 29
    {u"]|I{•------»", u"«------•}I|["},                // 30
    {u"•]•·´º´·»", u"«·´º´·•[•"},                      // 31
    {u"ðº°˜¨", u"¨˜°ºð "},                             // 32
    {u"<º))))><.·´¯`·.", u".·´¯`·.¸><((((º>"},         // 33
    {u"- -¤--^]", u"[^--¤- -"},                        // 34
    {u"._|.<(+_+)>.|_.", u"._|.<(+_+)>.|_."},          // 35
    {u"..|..<(+_ ", u"_+)>..|.."},                     // 36
    {u"-·=»‡«=·-", u"-·=»‡«=·-"},                      // 37
    {u"•°o.O", u"O.o°•"},                              // 38
    {u"+*¨^¨*+", u"+*¨^¨*+"},                          // 39
    {u"––––•(-•", u"•-)•––––"},                        // 40
    {u"(¯`•¸·´¯)", u"(¯`·¸•´¯)"},                      // 41
    {u"··¤(`×[¤", u"¤]×´)¤··"},                        // 42
    {u"—(•·÷[", u"]÷·•)—"},                            // 43
    {u"·ï¡÷¡ï·", u"·ï¡÷¡ï·"},                          // 44
    {u"()¯¯¯)¯¯", u"¯¯(¯¯¯() "},                       // 45
    {u"°º¤ø,¸¸,ø¤º°`°º¤ø,¸", u"°º¤ø,¸¸,ø¤º°`°º¤ø,¸"},  // 46
    {u"»-(¯`v´¯)-»", u"»-(¯`v´¯)-»"},                  // 47
    {u"°l||l°", u"°l||l°"},                            // 48
    {u"•°¤*(¯`°(F)(", u")(F)°´¯)*¤°•"},                // 49
    {u"—¤÷(`[¤*", u"*¤]´)÷¤—"},                        // 50
    {u"¸.´)(`·[", u"]·´)(` .¸"},                       // 51
    {u"·÷±‡±", u"±‡±÷"},                               // 52
    {u"+*¨^¨*+", u"+*¨^¨*+"},                          // 53
    {u"*...*", u"*...*"},                              // 54
    {u"°~*~°", u"°~*~°"},                              // 55
};

}  // namespace

const QList<DecorationPair>& BuiltinDecorations() {
    static const QList<DecorationPair> pairs = [] {
        QList<DecorationPair> list;
        for (const RawPair& p : kPairs) {
            list.append({QString::fromUtf16(p.prefix), QString::fromUtf16(p.suffix)});
        }
        return list;
    }();
    return pairs;
}

QStringList BuiltinPrefixes() {
    QStringList list;
    for (const DecorationPair& p : BuiltinDecorations()) list.append(p.prefix);
    return list;
}

QStringList BuiltinSuffixes() {
    QStringList list;
    for (const DecorationPair& p : BuiltinDecorations()) list.append(p.suffix);
    return list;
}

void DecorationList::append(const QString& entry) {
    entries_.append(entry);
}

void DecorationList::append(const QStringList& entries) {
    entries_.append(entries);
}

bool DecorationList::setCurrentIndex(int index) {
    if (index < -1 || index >= count()) return false;
    index_ = index;
    text_ = index < 0 ? QString() : entries_.at(index);
    return true;
}

void DecorationList::setText(const QString& text) {
    index_ = -1;
    text_ = text;
}

std::optional<int> balancedIndex(int sourceIndex, int targetCount) {
    if (sourceIndex == -1) return -1;
    if (sourceIndex < 0 || sourceIndex >= targetCount) return std::nullopt;
    return sourceIndex;
}

}  // namespace chromanick
