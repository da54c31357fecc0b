#pragma once

#include <QString>

// Identity of the program and the addresses it points its users to. Kept in
// one place: the about window, the help messages, the splash, the exports and
// the gradient editor's credit note all read them from here.
namespace chromanick::appinfo {

inline constexpr int kVersionMajor = 6;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

// Title of message boxes given no title of their own.
inline const QString kProgramTitle = QStringLiteral("Chromanick");

// "6.0.0": major, minor and revision in decimal without leading zeros.
QString versionDotted();

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
