#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace chromanick {

enum class ExportSignature {
    Plain,    // ", Tiwakan"  (menu export and "Quitter")
    Closing,  // ", Tiwakan." (closing the window)
};

// Local date and time as the system writes it: short date, a blank, long
// time without the time zone ("07/12/2026 17:45:12" on a French system).
QString exportDateTime(const QDateTime& when, const QLocale& locale = QLocale());

// "6.00": major version, ".", minor version and revision side by side.
QString exportVersion();

// The 8-line layout of the main editor. `code` is written unchanged: each of
// its line breaks starts a new line of the file.
QStringList mainEditorExport(const QString& code, const QDateTime& when, ExportSignature signature,
                             const QLocale& locale = QLocale());
// The 11-line layout of the gradient editor.
QStringList gradientEditorExport(const QString& code, const QDateTime& when,
                                 const QLocale& locale = QLocale());

// Writes an export file (atomically) as UTF-8 without a byte-order mark,
// CR LF after every line; false with a reason on failure. (Project and
// settings files keep the encoding of storage/textfile.h.)
bool writeExport(const QString& path, const QStringList& lines, QString* error = nullptr);

}  // namespace chromanick
