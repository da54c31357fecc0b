#include "ui/fonts.h"

#include <QStringList>

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

}  // namespace

QFont msSansSerif(double points) {
    QFont font;
    font.setFamilies(sansSerifFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

QFont windowFont() {
    return msSansSerif(8);
}

}  // namespace chromanick
