#pragma once

// Reading back a text export, which is written as UTF-8 without a BOM.
#include "storage/textfile.h"

#include <QString>
#include <QStringList>

namespace chromanick::testing {

// The lines of the export at `path`; empty when it cannot be read.
inline QStringList exportLines(const QString& path) {
    const auto bytes = textfile::readAll(path);
    if (!bytes) return {};
    return textfile::splitLines(QString::fromUtf8(*bytes));
}

}  // namespace chromanick::testing
