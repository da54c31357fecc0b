#pragma once

#include <QList>
#include <QString>

namespace chromanick {

struct LookalikeRow {
    QString letter;
    QString lookalike;
};

// The 29 ordered rows; both directions walk them from the first to the last.
const QList<LookalikeRow>& SpecialCharMap();

QString Applique_CaracSpe(const QString& text);  // letters -> look-alikes
QString Retire_CaracSpe(const QString& text);    // look-alikes -> letters (lossy)

// Captions of the look-alike check box.
inline const QString kLookalikeCaptionInitial = QStringLiteral("Activé les caractères spéciaux");
inline const QString kLookalikeCaptionOn = QStringLiteral("Ðé§å¢tív€r l€§ ¢årå¢tèr€§ §Þé¢íåµ¤");
inline const QString kLookalikeCaptionOff = QStringLiteral("Activer les caractères spéciaux");

}  // namespace chromanick
