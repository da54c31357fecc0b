#include "emoticons.h"

#include <algorithm>

namespace chromanick {

namespace {

struct RawEmoticon {
    const char16_t* tooltip;
    const char16_t* text;
};

// In picture order, Image2 first.
constexpr RawEmoticon kEmoticons[] = {
    {u"Sourir", u":)"},                // Image2
    {u"Tire la langue", u":P"},        // Image3
    {u"Clin d'oeil", u";)"},           // Image4
    {u"Big sourir", u":D"},            // Image5
    {u"Triste", u":("},                // Image6
    {u"Embarassé", u":$"},             // Image7
    {u"Déçu", u":|"},                  // Image8
    {u"Pleure", u":'("},               // Image9
    {u"Arc en ciel", u"(R)"},          // Image10
    {u"Coeur déchiré", u"(U)"},        // Image11
    {u"Coeur", u"(L)"},                // Image12
    {u"Confu", u":S"},                 // Image13
    {u"Hooo", u":-o"},                 // Image14
    {u"Enervé", u":@"},                // Image15
    {u"Ange", u"(A)"},                 // Image16
    {u"Lunette de soleil", u"(h)"},    // Image17
    {u"Bisou", u"(k)"},                // Image18
    {u"Fatigué", u"|-)"},              // Image19
    {u"Escargot", u"(sn)"},            // Image20
    {u"Chat", u"(@)"},                 // Image21
    {u"Bouche fermé", u":-#"},         // Image22
    {u"Femme", u"(})"},                // Image23
    {u"Etoile", u"(*)"},               // Image24
    {u"Chien", u"(&)"},                // Image25
    {u"Homme", u"({)"},                // Image26
    {u"Fleur fané", u"(W)"},           // Image27
    {u"Fait la fête", u"<:o)"},        // Image28
    {u"Horloge", u"(O)"},              // Image29
    {u"Sert les dents", u"8o|"},       // Image30
    {u"Fleur", u"(F)"},                // Image31
    {u"Lune", u"(S)"},                 // Image32
    {u"Soleil", u"(#)"},               // Image33
    {u"Dit un secret", u":-*"},        // Image34
    {u"Mouton", u"(bah)"},             // Image35
    {u"Lunette", u"8-|"},              // Image36
    {u"Malade", u"+o("},               // Image37
    {u"Pensif", u"*-)"},               // Image38
    {u"Msn", u"(M)"},                  // Image39
    {u"Parapluie", u"(um)"},           // Image40
    {u"Cadeau", u"(G)"},               // Image41
    {u"Ordinateur", u"(co)"},          // Image42
    {u"Chauve souris", u":["},         // Image43
    {u"Bol de riz", u"(||)"},          // Image44
    {u"Orage", u"(li)"},               // Image45
    {u"Avion", u"(ap)"},               // Image46
    {u"Bière", u"(B)"},                // Image47
    {u"Ballon", u"(so)"},              // Image48
    {u"Île", u"(ip)"},                 // Image49
    {u"Femme", u"(X)"},                // Image50
    {u"Gâteau", u"(^)"},               // Image51
    {u"Homme", u"(Z)"},                // Image52
    {u"Enveloppe", u"(E)"},            // Image53
    {u"Appareil photo", u"(P)"},       // Image54
    {u"Applaudissement", u"(h5)"},     // Image55
    {u"Couvert", u"(pl)"},             // Image56
    {u"Ampoule", u"(I)"},              // Image57
    {u"Cocktail", u"(D)"},             // Image58
    {u"Pluie", u"(st)"},               // Image59
    {u"Tortue", u"(tu)"},              // Image60
    {u"Pouce levé", u"(Y)"},           // Image61
    {u"Téléphone", u"(T)"},            // Image62
    {u"Téléphone portable", u"(mp)"},  // Image63
    {u"Pièce de monaie", u"(mo)"},     // Image64
    {u"Pouce baissé", u"(N)"},         // Image65
    {u"Pizza", u"(pi)"},               // Image66
    {u"Tasse à café", u"(C)"},         // Image67
    {u"Vidéo", u"(~)"},                // Image68
};

constexpr int kFirstImage = 2;

}  // namespace

const QList<Emoticon>& EmoticonTable() {
    static const QList<Emoticon> table = [] {
        QList<Emoticon> list;
        int number = kFirstImage;
        for (const RawEmoticon& e : kEmoticons) {
            list.append({QStringLiteral("Image%1").arg(number++), QString::fromUtf16(e.tooltip),
                         QString::fromUtf16(e.text)});
        }
        return list;
    }();
    return table;
}

TextEdit insertAtCaret(const QString& text, int selectionStart, int selectionLength,
                       const QString& insert) {
    const int length = int(text.size());
    const int start = std::clamp(selectionStart, 0, length);
    const int removed = std::clamp(selectionLength, 0, length - start);
    TextEdit edit;
    edit.text = text.left(start) + insert + text.mid(start + removed);
    edit.caret = start + int(insert.size());
    return edit;
}

}  // namespace chromanick
