#include "sampletext.h"

namespace chromanick::bench {

QString sampleNickname(int length) {
    static const QString pattern =
        QStringLiteral("Bob l'Éponge Wally ~ Zorro mange des Noix Sucrées & du Yaourt. ");
    QString text;
    text.reserve(length);
    while (text.size() < length) text += pattern;
    text.truncate(length);
    return text;
}

}  // namespace chromanick::bench
