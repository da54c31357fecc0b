#include "ui/widgets/fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <algorithm>

namespace chromanick {

namespace {

const QStringList& sansSerifFamilies() {
    static const QStringList families = {
        QStringLiteral("MS Sans Serif"),
        QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Tahoma"),
        QStringLiteral("Liberation Sans"),
        QStringLiteral("Arial"),
        QStringLiteral("Nimbus Sans"),
        QStringLiteral("DejaVu Sans Condensed"),
        QStringLiteral("DejaVu Sans"),
    };
    return families;
}

// The stand-ins without those leading faces that are not installed. Qt looks
// every missing face up again, through fontconfig's aliases, for each font
// it loads (every size, weight and slant of every window); dropping them here
// gives the same faces, since a missing face can only lead to its own
// substitutes, and it is only dropped when those come later in the list.
// Whether `family` is installed, asked once per face: the preview builds its
// font again on every change, and each answer costs a fontconfig look-up.
// The program adds no faces of its own while it runs.
bool installed(const QString& family) {
    static QHash<QString, bool> known;
    auto found = known.constFind(family);
    if (found == known.constEnd()) found = known.insert(family, QFontDatabase::hasFamily(family));
    return *found;
}

QStringList installedFamilies() {
    QStringList families = sansSerifFamilies();
    while (families.size() > 1 && !installed(families.first())) {
        const QStringList rest = families.mid(1);
        const QStringList substitutes = QFont::substitutes(families.first());
        if (!std::all_of(substitutes.begin(), substitutes.end(),
                         [&](const QString& face) { return rest.contains(face); })) {
            break;
        }
        families = rest;
    }
    return families;
}

}  // namespace

QFont msSansSerif(double points) {
    QFont font;
    font.setFamilies(installedFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

QFont windowFont() {
    return msSansSerif(8);
}

}  // namespace chromanick
