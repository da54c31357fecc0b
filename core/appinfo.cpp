#include "appinfo.h"

namespace chromanick::appinfo {

QString versionDotted() {
    return QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

QString versionLine() {
    return kProgramTitle + QLatin1Char(' ') + versionDotted();
}

}  // namespace chromanick::appinfo
