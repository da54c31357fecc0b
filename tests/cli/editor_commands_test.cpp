// chromanick-cli project, save-project and export: a headless main editor
// saving, opening and exporting as its menu commands do. Each test runs the
// program with its own settings folder.
#include "clirunner.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class EditorCommands : public ::testing::Test {
protected:
    CliRun run(const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(CHROMANICK_CLI_PATH), args);
        process.waitForFinished(-1);
        CliRun result;
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return result;
    }

    // The single result line of a successful run.
    QString line(const QStringList& args) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        return r.out.endsWith(QLatin1Char('\n')) ? r.out.chopped(1) : QStringLiteral("<failed>");
    }

    // Saves a project with the given options and prints its code back.
    QString saveAndOpen(const QStringList& optionsAndNickname) {
        const QString path = file(QStringLiteral("p.nkp"));
        const CliRun saved =
            run(QStringList{QStringLiteral("save-project"), path} + optionsAndNickname);
        EXPECT_EQ(saved.status, 0) << saved.err.toStdString();
        EXPECT_TRUE(saved.out.isEmpty());
        return line({QStringLiteral("project"), path});
    }

    void writeSettingsFile(const QString& name, const QByteArray& content) {
        QDir(data.path()).mkpath(QStringLiteral("Chromanick"));
        QFile f(data.filePath(QStringLiteral("Chromanick/") + name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    QString file(const QString& name) const { return work.filePath(name); }

    QTemporaryDir data;
    QTemporaryDir work;
};

}  // namespace

TEST_F(EditorCommands, ProjectGivesBackTheCodeOfTheSavedChoices) {
    const QStringList cases[] = {
        {"--fg", "Option2", "--bg", "Option12", "--bold", "--underline", "--italic", "abc"},
        {"--fg", "optbleu1", "--bg", "optakaki", "--prefix-entry", "1", "--suffix-entry", "1",
         "--strikethrough", "Bob"},
        {"--fg", "optcouleurperso1", "--custom-fg", "#FF5500", "--bg", "optaperso", "--custom-bg",
         "#0080FF", "--dit-colour", "#FF0000", "Жора 😀"},
        {"--italic", "--prefix-entry", "55", ""},
    };
    for (const QStringList& options : cases) {
        EXPECT_EQ(saveAndOpen(options), line(QStringList{"compose"} + options))
            << options.join(' ').toStdString();
    }
}

TEST_F(EditorCommands, ProjectsDoNotKeepTheDitSuppression) {
    EXPECT_EQ(saveAndOpen({"--suppress-dit", "x"}), QStringLiteral("·$1x·0"));
}

TEST_F(EditorCommands, LookalikeIsSavedAndTypedDecorationsAreNot) {
    EXPECT_EQ(saveAndOpen({"--lookalike", "Salut Lola"}), QStringLiteral("·$1$ålµt |_ølå·0"));
    // A typed decoration is no entry of the list: the project keeps -1.
    EXPECT_EQ(saveAndOpen({"--prefix", "[", "--suffix-entry", "2", "x"}),
              QStringLiteral("·$1xO.o°¨·0"));
}

TEST_F(EditorCommands, EntryPositionsReachTheUserEntries) {
    writeSettingsFile(QStringLiteral("combo1.dll"), "\"<<, \"\r\n");
    writeSettingsFile(QStringLiteral("combo2.dll"), ">>\r\n");
    const QStringList options{"--prefix-entry", "56", "--suffix-entry", "56", "x"};
    EXPECT_EQ(line(QStringList{"compose"} + options), QStringLiteral("·$1<<, x>>·0"));
    EXPECT_EQ(saveAndOpen(options), QStringLiteral("·$1<<, x>>·0"));

    const CliRun beyond = run({"compose", "--prefix-entry", "99", "x"});
    EXPECT_EQ(beyond.status, 2);
    EXPECT_TRUE(beyond.err.contains(QStringLiteral("99")));
}

TEST_F(EditorCommands, ProjectFailsWithTheEditorsMessage) {
    const QString missing = file(QStringLiteral("absent.nkp"));
    const CliRun r = run({"project", missing});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(
        r.err.endsWith(QStringLiteral("Impossible d'ouvrir le fichier : ") + missing + '\n'))
        << r.err.toStdString();
    EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1);

    // A position that only the user's list had does not open without it.
    writeSettingsFile(QStringLiteral("combo1.dll"), "<<\r\n");
    const QString path = file(QStringLiteral("user.nkp"));
    ASSERT_EQ(run({"save-project", path, "--prefix-entry", "56", "x"}).status, 0);
    QFile::remove(data.filePath(QStringLiteral("Chromanick/combo1.dll")));
    EXPECT_EQ(run({"project", path}).status, 1);
}

TEST_F(EditorCommands, SaveAndExportReportFailedWrites) {
    const QString bad = file(QStringLiteral("absent/p.nkp"));
    const CliRun saved = run({"save-project", bad, "x"});
    EXPECT_EQ(saved.status, 1);
    EXPECT_TRUE(
        saved.err.endsWith(QStringLiteral("Impossible d'enregistrer le fichier : ") + bad + '\n'))
        << saved.err.toStdString();

    const CliRun exported = run({"export", bad, "x"});
    EXPECT_EQ(exported.status, 1);
    EXPECT_TRUE(exported.err.contains(QStringLiteral("Impossible d'enregistrer le fichier : ")));
}

TEST_F(EditorCommands, ExportWritesTheGeneratedCode) {
    const QString path = file(QStringLiteral("pseudo"));
    const CliRun r = run({"export", path, "--fg", "Option2", "--bold", "abc"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    ASSERT_EQ(lines.size(), 9);  // eight lines, each ended by CR LF
    EXPECT_EQ(QString::fromUtf8(lines[4]), QStringLiteral("·#·$12abc·0\r"));
    EXPECT_TRUE(lines[7].endsWith(", Tiwakan\r"));
}

TEST_F(EditorCommands, BadArgumentsAreUsageErrors) {
    const QString path = file(QStringLiteral("p.nkp"));
    for (const QStringList& args :
         {QStringList{"save-project"}, QStringList{"save-project", path},
          QStringList{"export", path, "--fg", "Nope", "x"}, QStringList{"project"},
          QStringList{"project", "a", "b"},
          QStringList{"save-project", path, "--dit-colour", "#FF0000", "--suppress-dit", "x"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(QFile::exists(path));
    }
}
