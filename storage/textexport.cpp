#include "textexport.h"

#include "core/appinfo.h"
#include "textfile.h"

#include <QRegularExpression>

namespace chromanick {

namespace {

const QString kDateLabel = QStringLiteral("Pseudo créé le : ");
const QString kCodeLabel = QStringLiteral("Le code couleur à copier :");

// Removes the time-zone fields ("t", "tt", ...) of a time format, with the
// blanks before them, leaving quoted literal text alone.
QString withoutTimeZone(const QString& format) {
    QString result;
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && c == QLatin1Char('t')) {
            while (result.endsWith(QLatin1Char(' '))) result.chop(1);
            continue;
        }
        result += c;
    }
    return result.trimmed();
}

// The code box's own line breaks become line ends of the file.
QStringList codeLines(const QString& code) {
    return code.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
}

QStringList header(const QString& code, const QDateTime& when, const QLocale& locale) {
    return QStringList{kDateLabel + exportDateTime(when, locale), QString(), kCodeLabel,
                       QString()} +
           codeLines(code);
}

}  // namespace

QString exportDateTime(const QDateTime& when, const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') +
                           withoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    return locale.toString(when, format);
}

QString exportVersion() {
    return QStringLiteral("%1.%2%3")
        .arg(appinfo::kVersionMajor)
        .arg(appinfo::kVersionMinor)
        .arg(appinfo::kVersionRevision);
}

QStringList mainEditorExport(const QString& code, const QDateTime& when, ExportSignature signature,
                             const QLocale& locale) {
    const QString tail = signature == ExportSignature::Closing ? QStringLiteral(", Tiwakan.")
                                                               : QStringLiteral(", Tiwakan");
    return header(code, when, locale) +
           QStringList{QString(), QStringLiteral("Pseudo créé avec Chromanick") + exportVersion(),
                       appinfo::kProductSite + tail};
}

QStringList gradientEditorExport(const QString& code, const QDateTime& when,
                                 const QLocale& locale) {
    return header(code, when, locale) +
           QStringList{QString(),
                       QString(),
                       QStringLiteral("Pseudo créé avec Chromanick Dégradé") + exportVersion(),
                       QString(),
                       QStringLiteral("Merci, Tiwakan"),
                       QStringLiteral("N'oubiez pas de visiter ") + appinfo::kProductSite};
}

bool writeExport(const QString& path, const QStringList& lines, QString* error) {
    // Exports are read by people, in terminals and editors: UTF-8, no BOM.
    return textfile::writeAll(path, textfile::joinLines(lines).toUtf8(), error);
}

}  // namespace chromanick
