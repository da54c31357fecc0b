#pragma once

#include <QList>
#include <QString>

namespace chromanick {

struct SpecialCharRow {
    QString letter;
    QString lookalike;
};

// The 29 ordered rows; both directions walk them from the first to the last.
const QList<SpecialCharRow>& SpecialCharMap();

QString Applique_CaracSpe(const QString& text);  // letters -> look-alikes
QString Retire_CaracSpe(const QString& text);    // look-alikes -> letters (lossy)

// Captions of the look-alike check box.
inline const QString kSpecialCharsCaptionInitial = QStringLiteral("Activé les caractères spéciaux");
inline const QString kSpecialCharsCaptionOn = QStringLiteral("Ðé§å¢tív€r l€§ ¢årå¢tèr€§ §Þé¢íåµ¤");
inline const QString kSpecialCharsCaptionOff = QStringLiteral("Activer les caractères spéciaux");

}  // namespace chromanick
