#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace chromanick {

enum class ExportSignature {
    Plain,    // ", Tiwakan"  (menu export and "Quitter")
    Closing,  // ", Tiwakan." (closing the window)
};

// "07/12/2026 17:45:12" on a French system: short date, a blank, long time.
QString exportDateTime(const QDateTime& when);

// The 8-line layout of the main editor; `code` is written unchanged.
QStringList mainEditorExport(const QString& code, const QDateTime& when, ExportSignature signature);
// The 11-line layout of the gradient editor.
QStringList gradientEditorExport(const QString& code, const QDateTime& when);

// Writes an export file (atomically); false with a reason on failure.
bool writeExport(const QString& path, const QStringList& lines, QString* error = nullptr);

}  // namespace chromanick
