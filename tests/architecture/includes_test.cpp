// The folder table of docs/architecture.md is the one statement of which
// folder may use which: these tests read it and hold every #include of the
// sources to it.
#include "folders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

#include <gtest/gtest.h>

using namespace chromanick::architecture;

namespace {

const QString kSourceDir = QStringLiteral(CHROMANICK_SOURCE_DIR);

QString readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QList<FolderRow> architectureTable() {
    return readFolderTable(readFile(kSourceDir + QStringLiteral("/docs/architecture.md")));
}

// Every C++ file of the source tree, as a path from its top; build trees and
// hidden folders left out.
QStringList sourceFiles() {
    QStringList files;
    const QDir top(kSourceDir);
    QDirIterator it(kSourceDir, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = top.relativeFilePath(it.next());
        const QString first = path.section(QLatin1Char('/'), 0, 0);
        if (first.startsWith(QLatin1String("build")) || first.startsWith(QLatin1Char('.')))
            continue;
        files.append(path);
    }
    files.sort();
    return files;
}

TEST(FolderTable, ReadsEveryRowOfTheDocument) {
    const QList<FolderRow> rows = architectureTable();
    ASSERT_GE(rows.size(), 10);
    const FolderRow* core = rowOf(rows, QStringLiteral("core/palettes.h"));
    ASSERT_NE(core, nullptr);
    EXPECT_EQ(core->number, 1);
    EXPECT_TRUE(core->usedRows.isEmpty());
    QString folder;
    ASSERT_NE(rowOf(rows, QStringLiteral("ui/editor/mainmodel.cpp"), &folder), nullptr);
    EXPECT_EQ(folder, QStringLiteral("ui/editor/"));
    ASSERT_NE(rowOf(rows, QStringLiteral("ui/platform.h"), &folder), nullptr);
    EXPECT_EQ(folder, QStringLiteral("ui/"));
    const FolderRow* cli = rowOf(rows, QStringLiteral("cli/main.cpp"));
    ASSERT_NE(cli, nullptr);
    EXPECT_TRUE(cli->usedTargets.contains(QStringLiteral("chromanick_editor")));
    EXPECT_TRUE(allowedFolders(rows, *cli).contains(QStringLiteral("ui/editor/")));
    EXPECT_FALSE(allowedFolders(rows, *cli).contains(QStringLiteral("ui/app/")));
}

TEST(FolderTable, ReadsRangesAndModules) {
    const QList<FolderRow> rows =
        readFolderTable(QStringLiteral("| # | Folder | Targets | Uses |\n|---|---|---|---|\n"
                                       "| 1 | `a/` | `liba` | QtCore |\n"
                                       "| 2 | `b/`, `c/` | `libb` | 1, QtWidgets |\n"
                                       "| 3 | `d/` | `libd` | 1–2, `libb` |\n"
                                       "\nAfter the table | 9 | `x/` | `y` | 1 |\n"));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1].folders, (QStringList{"b/", "c/"}));
    EXPECT_EQ(rows[1].usedRows, (QList<int>{1}));
    EXPECT_EQ(rows[2].usedRows, (QList<int>{1, 2}));
    EXPECT_EQ(allowedFolders(rows, rows[0]), (QSet<QString>{"a/"}));
    EXPECT_EQ(allowedFolders(rows, rows[2]), (QSet<QString>{"a/", "b/", "c/", "d/"}));
    EXPECT_EQ(folderIncludes(QStringLiteral("#include \"a/x.h\"\n#include \"local.h\"\n"
                                            "#include <QString>\n  #  include \"c/y.h\"\n")),
              (QStringList{"a/x.h", "c/y.h"}));
}

// A folder uses only rows above its own, so no two folders can use each other.
TEST(FolderTable, FoldersUseOnlyTheRowsAboveThem) {
    const QList<FolderRow> rows = architectureTable();
    for (const FolderRow& row : rows) {
        for (int used : row.usedRows)
            EXPECT_LT(used, row.number) << row.folders.join(QStringLiteral(", ")).toStdString();
        for (const QString& target : row.usedTargets) {
            const auto owner = std::find_if(rows.begin(), rows.end(), [&](const FolderRow& r) {
                return r.targets.contains(target);
            });
            ASSERT_NE(owner, rows.end()) << target.toStdString();
            EXPECT_LT(owner->number, row.number) << target.toStdString();
        }
    }
}

TEST(FolderTable, EverySourceFileLiesInAFolderOfTheTable) {
    const QList<FolderRow> rows = architectureTable();
    const QStringList files = sourceFiles();
    ASSERT_FALSE(files.isEmpty());
    for (const QString& path : files) EXPECT_NE(rowOf(rows, path), nullptr) << path.toStdString();
}

TEST(FolderTable, EveryIncludeBetweenFoldersFollowsTheTable) {
    const QList<FolderRow> rows = architectureTable();
    QStringList breaches;
    for (const QString& path : sourceFiles()) {
        const FolderRow* row = rowOf(rows, path);
        if (row == nullptr || row->usesAnything) continue;
        const QSet<QString> allowed = allowedFolders(rows, *row);
        for (const QString& included : folderIncludes(readFile(kSourceDir + u'/' + path))) {
            QString folder;
            if (rowOf(rows, included, &folder) == nullptr || !allowed.contains(folder))
                breaches.append(path + QStringLiteral(" → ") + included);
        }
    }
    EXPECT_TRUE(breaches.isEmpty()) << breaches.join(u'\n').toStdString();
}

// A chat format's codes are spelled by its own file only: every other part
// of the program says what it writes as operations. For Plus! 3, a middle
// dot followed by a marker; the tests may spell codes freely.
TEST(FormatCodes, PlusThreeMarkersAreSpelledInTheirFormatsFileOnly) {
    static const QRegularExpression marker(QStringLiteral("\u00B7[#@&'0$]"));
    QStringList spelling;
    for (const QString& path : sourceFiles()) {
        if (path.startsWith(QLatin1String("tests/"))) continue;
        if (readFile(kSourceDir + u'/' + path).contains(marker)) spelling.append(path);
    }
    EXPECT_EQ(spelling.join(u' ').toStdString(), "dialects/plus3.cpp");
}

}  // namespace
