#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// The table "Folders, and which may use which" of docs/architecture.md.
namespace chromanick::architecture {

struct FolderRow {
    int number = 0;
    QStringList folders;      // "core/", "ui/editor/"... ("ui/" for the platform layer)
    QStringList targets;      // the names in backticks of the Targets column
    QList<int> usedRows;      // rows named in the Uses column, ranges expanded
    QStringList usedTargets;  // targets named in the Uses column
    bool usesAnything = false;
};

// The rows of the table in `markdown`; empty when there is none.
QList<FolderRow> readFolderTable(const QString& markdown);

// The row whose folder is the longest start of `path` (a path from the top of
// the source tree, with '/'), or nullptr.
const FolderRow* rowOf(const QList<FolderRow>& rows, const QString& path,
                       QString* folder = nullptr);

// The folders `row` may include from: its own, the rows it uses and the
// folders of the targets it names.
QSet<QString> allowedFolders(const QList<FolderRow>& rows, const FolderRow& row);

// The paths of the #include "..." lines of `source` that name a folder.
QStringList folderIncludes(const QString& source);

}  // namespace chromanick::architecture
