#include "folders.h"

#include <QRegularExpression>

namespace chromanick::architecture {

namespace {

QStringList cells(const QString& line) {
    QStringList parts = line.trimmed().split(QLatin1Char('|'));
    if (parts.size() < 3) return {};
    parts.removeFirst();
    parts.removeLast();
    for (QString& part : parts) part = part.trimmed();
    return parts;
}

QStringList backticked(const QString& cell) {
    static const QRegularExpression quoted(QStringLiteral("`([^`]+)`"));
    QStringList names;
    for (const QRegularExpressionMatch& m : quoted.globalMatch(cell)) names.append(m.captured(1));
    return names;
}

void readUses(const QString& cell, FolderRow& row) {
    static const QRegularExpression range(QStringLiteral("^(\\d+)\\s*[–-]\\s*(\\d+)$"));
    for (QString item : cell.split(QLatin1Char(','))) {
        item = item.trimmed();
        bool isNumber = false;
        const int number = item.toInt(&isNumber);
        if (item == u"anything") {
            row.usesAnything = true;
        } else if (const QRegularExpressionMatch m = range.match(item); m.hasMatch()) {
            for (int n = m.captured(1).toInt(); n <= m.captured(2).toInt(); ++n)
                row.usedRows.append(n);
        } else if (isNumber) {
            row.usedRows.append(number);
        } else if (item.startsWith(QLatin1Char('`'))) {
            row.usedTargets.append(backticked(item));
        }
        // Anything else is a Qt module (QtCore, QtWidgets), not a folder.
    }
}

}  // namespace

QList<FolderRow> readFolderTable(const QString& markdown) {
    QList<FolderRow> rows;
    bool inTable = false;
    for (const QString& line : markdown.split(QLatin1Char('\n'))) {
        const QStringList row = cells(line);
        if (!inTable) {
            inTable = row.size() == 4 && row[0] == u"#" && row[1] == u"Folder";
            continue;
        }
        if (row.size() != 4) break;
        bool number = false;
        const int n = row[0].toInt(&number);
        if (!number) continue;  // the |---| line
        FolderRow folderRow;
        folderRow.number = n;
        for (const QString& name : backticked(row[1]))
            if (name.endsWith(QLatin1Char('/'))) folderRow.folders.append(name);
        folderRow.targets = backticked(row[2]);
        readUses(row[3], folderRow);
        rows.append(folderRow);
    }
    return rows;
}

const FolderRow* rowOf(const QList<FolderRow>& rows, const QString& path, QString* folder) {
    const FolderRow* best = nullptr;
    QString bestFolder;
    for (const FolderRow& row : rows) {
        for (const QString& f : row.folders) {
            if (path.startsWith(f) && f.size() > bestFolder.size()) {
                best = &row;
                bestFolder = f;
            }
        }
    }
    if (folder != nullptr) *folder = bestFolder;
    return best;
}

QSet<QString> allowedFolders(const QList<FolderRow>& rows, const FolderRow& row) {
    QSet<QString> allowed(row.folders.begin(), row.folders.end());
    for (const FolderRow& other : rows) {
        bool used = row.usedRows.contains(other.number);
        for (const QString& target : row.usedTargets) used = used || other.targets.contains(target);
        if (used) allowed.unite(QSet<QString>(other.folders.begin(), other.folders.end()));
    }
    return allowed;
}

QStringList folderIncludes(const QString& source) {
    static const QRegularExpression include(
        QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+/[^\"]+)\""),
        QRegularExpression::MultilineOption);
    QStringList paths;
    for (const QRegularExpressionMatch& m : include.globalMatch(source))
        paths.append(m.captured(1));
    return paths;
}

}  // namespace chromanick::architecture
