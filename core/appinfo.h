#pragma once

#include "core/version.h"

#include <QString>

// Identity of the program and the addresses it points its users to. Kept in
// one place: the about window, the help messages, the splash, the exports and
// the gradient editor's credit note all read them from here.
namespace chromanick::appinfo {

// Title of message boxes given no title of their own.
inline const QString kProgramTitle = QStringLiteral("Chromanick");

// Major, minor and revision in decimal without leading zeros, between dots.
QString versionDotted();
// What `--version` prints, in both programs: "Chromanick 6.0.0".
QString versionLine();

// Until the product has a site of its own these hosts are placeholders
// (the .example top-level domain is reserved and never resolves).
inline const QString kProductSite = QStringLiteral("http://www.chromanick.example/");
inline const QString kNewVersionPage =
    QStringLiteral("http://www.chromanick.example/newversionchromanick.htm");
inline const QString kMessengerPlusSite = QStringLiteral("http://www.msgplus.example/");
inline const QString kMessengerPlusDownload =
    QStringLiteral("http://www.msgplus.example/global.php?lang=fr");
inline const QString kContactEmail = QStringLiteral("tiwakan@chromanick.example");

}  // namespace chromanick::appinfo
