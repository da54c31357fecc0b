#include "assets/resources.h"

namespace chromanick::assets {

QString emoticonPath(const QString& imageName) {
    return QStringLiteral(":/emoticons/%1.svg").arg(imageName);
}

QString iconPath() {
    return QStringLiteral(":/icons/chromanick.svg");
}

QString logoPath() {
    return QStringLiteral(":/logo/logo.svg");
}

}  // namespace chromanick::assets
