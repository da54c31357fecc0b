#include "appinfo.h"

namespace chromanick::appinfo {

QString versionDotted() {
    return QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

}  // namespace chromanick::appinfo
