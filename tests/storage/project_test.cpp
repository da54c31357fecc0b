#include "storage/projectfile.h"
#include "storage/textfile.h"
#include "tests/support/tmpfs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace chromanick;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeBytes(const QString& path, const QByteArray& data) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

class ProjectFileTest : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("Bob.nkp")) const {
        return dir_.filePath(name);
    }
    QStringList filesInFolder() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir_;
};

ProjectSnapshot bobSnapshot() {
    ProjectSnapshot snapshot;
    snapshot.settings.Nickname = QStringLiteral("Bob");
    snapshot.settings.ForegroundOption = QStringLiteral("optbleu1");
    snapshot.settings.BackgroundOption = QStringLiteral("Option20");
    snapshot.settings.Bold = true;
    snapshot.combo1Index = 3;
    snapshot.combo2Index = -1;
    return snapshot;
}

// A 39-line project file with the given values on its even lines.
QStringList projectLines(const std::map<int, QString>& values) {
    QStringList lines;
    for (int line = 1; line <= 39; ++line)
        lines.append(line % 2 ? QStringLiteral("label") : QString());
    lines[7] = QStringLiteral("0");
    lines[9] = QStringLiteral("0");
    for (const auto& [line, value] : values) lines[line - 1] = value;
    return lines;
}

}  // namespace

// --- The line procedures ---

TEST_F(ProjectFileTest, SupprLigneKeepsTheNumberOfLines) {
    const struct {
        QByteArray before;
        qint16 line;
        QByteArray after;
    } cases[] = {
        {"a\r\nb\r\nc\r\n", 2, "a\r\nc\r\n\r\n"},
        {"a\r\nb\r\nc\r\n", 1, "b\r\nc\r\n\r\n"},
        {"a\r\nb\r\nc\r\n", 4, "a\r\nb\r\nc\r\n\r\n"},  // beyond the end: nothing removed
        {"a\r\nb\r\nc\r\n", -1, "a\r\nb\r\nc\r\n\r\n"},
        {"a\r\nb", 1, "b\r\n\r\n"},  // a last line without CR LF still counts
        {"", 1, "\r\n"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(writeBytes(path(), c.before));
        ASSERT_TRUE(SupprLigne(c.line, path()));
        EXPECT_EQ(fileBytes(path()), c.after) << c.before.toStdString() << " line " << c.line;
    }
}

TEST_F(ProjectFileTest, InsereFicTxtInsertsAfterTheRightLineEnd) {
    const struct {
        QByteArray before;
        qint16 line;
        QByteArray after;
    } cases[] = {
        {"a\r\nb\r\n", 1, "X\r\na\r\nb\r\n\r\n"},
        {"a\r\nb\r\n", 2, "a\r\nX\r\nb\r\n\r\n"},
        {"a\r\nb\r\n", 3, "a\r\nb\r\nX\r\n\r\n"},
        {"a\r\nb\r\n", 4, "a\r\nb\r\n\r\n"},  // too few line ends: nothing inserted
        {"a\r\nb\r\n", 0, "a\r\nb\r\n\r\n"},
        {"", 1, "X\r\n\r\n"},
        {"a\nb\n", 2, "a\r\nX\r\nb\r\n\r\n"},  // lone LF line ends count as well
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(writeBytes(path(), c.before));
        ASSERT_TRUE(Insere_FicTxt(QStringLiteral("X"), path(), c.line));
        EXPECT_EQ(fileBytes(path()), c.after) << c.before.toStdString() << " line " << c.line;
    }
}

TEST_F(ProjectFileTest, ReplacingLinesLeavesEmptyLinesAtTheEnd) {
    ASSERT_TRUE(writeBytes(path(), ""));
    ASSERT_TRUE(SupprLigne(1, path()));
    ASSERT_TRUE(Insere_FicTxt(QStringLiteral("un"), path(), 1));
    ASSERT_TRUE(SupprLigne(3, path()));
    ASSERT_TRUE(Insere_FicTxt(QStringLiteral("trois"), path(), 3));
    EXPECT_EQ(fileBytes(path()), QByteArray("un\r\n\r\ntrois\r\n\r\n\r\n"));
}

TEST_F(ProjectFileTest, LineProceduresReportAMissingFile) {
    QString error;
    EXPECT_FALSE(SupprLigne(1, path(QStringLiteral("none")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(Insere_FicTxt(QStringLiteral("x"), path(QStringLiteral("none")), 1));
    EXPECT_TRUE(filesInFolder().isEmpty());
}

// --- Saving ---

TEST_F(ProjectFileTest, SavedFileHasItsExactLayout) {
    ASSERT_TRUE(saveProject(path(), bobSnapshot()));
    const QString expected = QStringLiteral(
        "Nom de l'option de couleur pour la couleur du pseudo sélectionnée :\r\n"
        "optbleu1\r\n"
        "Nom de l'option de couleur pour la couleur d'arrière plan du pseudo sélectionnée :\r\n"
        "Option20\r\n"
        "Pseudo :\r\nBob\r\n"
        "Index du combo 1 :\r\n3\r\n"
        "Index du combo 2 :\r\n-1\r\n"
        "Gras :\r\nOui\r\n"
        "Souligné : \r\nNon\r\n"
        "Italique :\r\nNon\r\n"
        "Barré :\r\nNon\r\n"
        "Caractère spéciaux?\r\nNon\r\n"
        "Rouge : \r\n\r\nVert : \r\n\r\nBleu : \r\n\r\n"
        "Rouge2 : \r\n\r\nVert2 : \r\n\r\nBleu2 : \r\n\r\n"
        "Rouge du mot dit : \r\n\r\nVert du mot dit : \r\n\r\nBleu du mot dit : \r\n\r\n"
        "Couleur du mot dit personnalisé ?\r\n");
    EXPECT_EQ(fileBytes(path()), expected.toLatin1());
    EXPECT_EQ(filesInFolder(), QStringList{QStringLiteral("Bob.nkp")});  // working file gone
}

TEST_F(ProjectFileTest, CustomColoursReplaceTheOptionNames) {
    ProjectSnapshot snapshot = bobSnapshot();
    snapshot.settings.ForegroundOption = kCustomForegroundOption;
    snapshot.settings.CustomForeground = 0x0055FF;                 // red 255, green 85, blue 0
    snapshot.settings.BackgroundOption = kCustomBackgroundOption;  // colour never picked
    snapshot.settings.DitColourOn = true;
    snapshot.settings.DitColour = 0x123456;
    snapshot.settings.Strikethrough = true;
    ASSERT_TRUE(saveProject(path(), snapshot));

    const QStringList lines = *textfile::readLines(path());
    ASSERT_EQ(lines.size(), 40);
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[3], QString());
    EXPECT_EQ(lines[16], QStringLiteral("Barré :"));
    EXPECT_EQ(lines[17], QStringLiteral("Oui"));
    const QStringList channels = {lines[21], lines[23], lines[25], lines[27], lines[29],
                                  lines[31], lines[33], lines[35], lines[37]};
    EXPECT_EQ(channels,
              (QStringList{"255", "085", "000", "000", "000", "000", "086", "052", "018"}));
    EXPECT_EQ(lines[38], QStringLiteral("Couleur du mot dit personnalisé ?"));
    EXPECT_EQ(lines[39], QStringLiteral("Oui"));
}

TEST_F(ProjectFileTest, LeftoverWorkingFileDoesNotLeakIntoTheSave) {
    QByteArray stale;
    for (int i = 0; i < 60; ++i) stale += "STALE\r\n";
    ASSERT_TRUE(writeBytes(projectWorkingPath(path()), stale));
    ASSERT_TRUE(saveProject(path(), bobSnapshot()));
    EXPECT_FALSE(fileBytes(path()).contains("STALE"));
    EXPECT_EQ(filesInFolder(), QStringList{QStringLiteral("Bob.nkp")});
}

TEST_F(ProjectFileTest, SaveReplacesAnExistingFile) {
    ASSERT_TRUE(writeBytes(path(), QByteArray(5000, 'z')));
    ASSERT_TRUE(saveProject(path(), bobSnapshot()));
    EXPECT_EQ(textfile::readLines(path())->size(), 39);
}

TEST_F(ProjectFileTest, FailedSaveLeavesThePreviousFileAndNoWorkingFile) {
    ASSERT_TRUE(writeBytes(path(), "previous"));
    // The working file cannot be created where a folder stands.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Bob.nkp.tmp")));
    QString error;
    EXPECT_FALSE(saveProject(path(), bobSnapshot(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(fileBytes(path()), QByteArray("previous"));
    ASSERT_TRUE(QDir(dir_.path()).rmdir(QStringLiteral("Bob.nkp.tmp")));

    // A folder at the target itself.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Dir.nkp")));
    EXPECT_FALSE(saveProject(path(QStringLiteral("Dir.nkp")), bobSnapshot()));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("Dir.nkp"))).isDir());
    EXPECT_FALSE(saveProject(path(QStringLiteral("missing/Bob.nkp")), bobSnapshot()));
    EXPECT_FALSE(saveProject(QString(), bobSnapshot()));
    EXPECT_EQ(filesInFolder(), (QStringList{"Bob.nkp", "Dir.nkp"}));
}

TEST_F(ProjectFileTest, WorkingFileThatIsNoRegularFileIsReplacedNeverWrittenThrough) {
    const QString working = projectWorkingPath(path());
    const QString victim = path(QStringLiteral("victim.txt"));
    ASSERT_TRUE(writeBytes(victim, "keep me"));
    ASSERT_TRUE(QFile::link(victim, working));
    ASSERT_TRUE(saveProject(path(), bobSnapshot()));
    EXPECT_EQ(fileBytes(victim), QByteArray("keep me"));  // the link itself went, not its target
    EXPECT_EQ(readProject(path(), 56, 56)->Nickname, QStringLiteral("Bob"));
    EXPECT_EQ(filesInFolder(), (QStringList{"Bob.nkp", "victim.txt"}));

    // A dangling link, a link to a folder, a named pipe: removed too.
    ASSERT_TRUE(QFile::link(path(QStringLiteral("nowhere")), working));
    ASSERT_TRUE(saveProject(path(), bobSnapshot()));
    ASSERT_TRUE(QFile::link(dir_.path(), working));
    ASSERT_TRUE(saveProject(path(), bobSnapshot()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(working).constData(), 0600), 0);
    ASSERT_TRUE(saveProject(path(), bobSnapshot()));
    EXPECT_EQ(filesInFolder(), (QStringList{"Bob.nkp", "victim.txt"}));
    EXPECT_EQ(textfile::readLines(path())->size(), 39);
}

TEST_F(ProjectFileTest, SaveWaitsForTheSaveHoldingTheWorkingFile) {
    // Another save of the same project holds the working file for a moment.
    const QString working = projectWorkingPath(path());
    const int other = ::open(QFile::encodeName(working).constData(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::write(other, "OTHER\r\n", 7), 7);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    QByteArray seen(64, '\0');
    std::thread release([other, &seen] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        seen.truncate(std::max<ssize_t>(::pread(other, seen.data(), seen.size(), 0), 0));
        ::close(other);  // its lock goes with it
    });
    ASSERT_TRUE(saveProject(path(), bobSnapshot()));
    release.join();
    EXPECT_EQ(seen, QByteArray("OTHER\r\n"));  // untouched while the other save held it
    // This save started only once the other had let go, on an emptied file.
    EXPECT_FALSE(fileBytes(path()).contains("OTHER"));
    EXPECT_EQ(readProject(path(), 56, 56)->Nickname, QStringLiteral("Bob"));
    EXPECT_EQ(filesInFolder(), QStringList{QStringLiteral("Bob.nkp")});
}

TEST(ProjectFileFullDisk, FailedSaveLeavesThePreviousFile) {
    TinyTmpfs disk("size=128k");
    if (!disk.ok()) GTEST_SKIP() << "cannot mount a tmpfs here";
    const QString path = disk.path(QStringLiteral("Bob.nkp"));
    ASSERT_TRUE(saveProject(path, bobSnapshot()));
    const QByteArray previous = fileBytes(path);
    ProjectSnapshot big = bobSnapshot();
    big.settings.Nickname = QString(200'000, QLatin1Char('x'));  // more than the disk holds
    EXPECT_FALSE(saveProject(path, big));
    EXPECT_EQ(fileBytes(path), previous);
    EXPECT_EQ(QDir(disk.dir()).entryList(QDir::Files), QStringList{QStringLiteral("Bob.nkp")});
}

// --- Reading ---

TEST_F(ProjectFileTest, SaveThenReadGivesBackEveryStoredChoice) {
    for (const QString& nickname : {QStringLiteral("Bob"), QStringLiteral(" ¨°o.O Ðâñï€l ·$12 "),
                                    QStringLiteral("Жека 😀 ★"), QString()}) {
        ProjectSnapshot snapshot = bobSnapshot();
        snapshot.settings.Nickname = nickname;
        snapshot.settings.Underline = snapshot.settings.SpecialChars = true;
        snapshot.settings.BackgroundOption = kCustomBackgroundOption;
        snapshot.settings.CustomBackground = 0x80FF00;
        snapshot.settings.DitColourOn = true;
        snapshot.settings.DitColour = 0x0000FF;
        snapshot.combo2Index = 55;
        ASSERT_TRUE(saveProject(path(), snapshot));

        NickProject expected;
        expected.ForegroundOption = QStringLiteral("optbleu1");
        expected.Nickname = nickname;
        expected.Combo1Index = 3;
        expected.Combo2Index = 55;
        expected.Bold = expected.Underline = expected.SpecialChars = true;
        expected.CustomBackground = 0x80FF00;
        expected.DitColour = 0x0000FF;
        EXPECT_EQ(readProject(path(), 56, 56), expected) << nickname.toStdString();
    }
}

// A lone surrogate has no place in a file: the nickname is saved as the file
// gives it back, on its one line, and the rest of the project is unchanged.
TEST_F(ProjectFileTest, ALoneSurrogateInTheNicknameIsSavedAsItReadsBack) {
    ASSERT_TRUE(saveProject(path(), bobSnapshot()));
    const qsizetype lines = textfile::readLines(path())->size();
    for (const QString& nickname :
         {QStringLiteral("Bob ") + QChar(0xD83D), QChar(0xDE00) + QStringLiteral("€ Bob"),
          QString(QStringLiteral("Tiwakan é€ ")).repeated(5000) + QChar(0xDC00) +
              QStringLiteral("x")}) {
        ProjectSnapshot snapshot = bobSnapshot();
        snapshot.settings.Nickname = nickname;
        ASSERT_TRUE(saveProject(path(), snapshot));
        EXPECT_EQ(textfile::readLines(path())->size(), lines);
        const std::optional<NickProject> read = readProject(path(), 56, 56);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->Nickname, textfile::decode(textfile::encode(nickname)));
        EXPECT_EQ(read->ForegroundOption, QStringLiteral("optbleu1"));
    }
}

TEST_F(ProjectFileTest, ReadKeepsRawValuesAndTicksOnlyOnExactOui) {
    ASSERT_TRUE(textfile::writeLines(path(), projectLines({{2, QStringLiteral("optbleu1")},
                                                           {4, QStringLiteral("optbleu1")},
                                                           {12, QStringLiteral("oui")},
                                                           {14, QStringLiteral("Oui ")},
                                                           {16, QStringLiteral("Oui")},
                                                           {22, QStringLiteral("abc")}})));
    const std::optional<NickProject> project = readProject(path(), 56, 56);
    ASSERT_TRUE(project);
    EXPECT_EQ(project->ForegroundOption, QStringLiteral("optbleu1"));
    EXPECT_EQ(project->BackgroundOption, QStringLiteral("optbleu1"));
    EXPECT_FALSE(project->Bold);
    EXPECT_FALSE(project->Underline);
    EXPECT_TRUE(project->Italic);
    EXPECT_FALSE(project->CustomForeground);  // only one of its three lines is filled
}

TEST_F(ProjectFileTest, ChannelsAboveTheRangeCountAs255) {
    ASSERT_TRUE(
        textfile::writeLines(path(), projectLines({{22, QStringLiteral("300")},
                                                   {24, QStringLiteral(" 7 ")},
                                                   {26, QStringLiteral("99999999999999999999")}})));
    EXPECT_EQ(readProject(path(), 56, 56)->CustomForeground, bgrFromRgb(255, 7, 255));
}

TEST_F(ProjectFileTest, MissingIndexLinesGiveIndexZero) {
    QStringList lines = projectLines({{6, QStringLiteral("Bob")}, {8, QStringLiteral("5")}});
    ASSERT_TRUE(textfile::writeLines(path(), lines.mid(0, 9)));
    std::optional<NickProject> project = readProject(path(), 56, 56);
    ASSERT_TRUE(project);
    EXPECT_EQ(project->Combo1Index, 5);
    EXPECT_EQ(project->Combo2Index, 0);
    ASSERT_TRUE(writeBytes(path(), "a\nb\nc\n\ne\nBob\n"));  // LF line ends are read too
    project = readProject(path(), 56, 56);
    ASSERT_TRUE(project);
    EXPECT_EQ(project->BackgroundOption, QString());
    EXPECT_EQ(project->Nickname, QStringLiteral("Bob"));
    EXPECT_EQ(project->Combo1Index, 0);
}

TEST_F(ProjectFileTest, CrOnlyLineEndsOpenWithTheirValues) {
    ProjectSnapshot snapshot = bobSnapshot();
    snapshot.settings.ForegroundOption = kCustomForegroundOption;
    snapshot.settings.CustomForeground = bgrFromRgb(1, 2, 3);
    snapshot.settings.Italic = true;
    ASSERT_TRUE(saveProject(path(), snapshot));
    const std::optional<NickProject> saved = readProject(path(), 56, 56);
    ASSERT_TRUE(saved);
    ASSERT_TRUE(writeBytes(path(), fileBytes(path()).replace("\r\n", "\r")));
    EXPECT_EQ(readProject(path(), 56, 56), saved);
}

TEST_F(ProjectFileTest, AFileMarkedUtf8ThatIsNotFailsWhole) {
    ASSERT_TRUE(saveProject(path(), bobSnapshot()));
    QByteArray bytes = fileBytes(path());
    ASSERT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    bytes.replace("\r\nBob\r\n",
                  "\r\nB\xE9"
                  "b\r\n");
    ASSERT_TRUE(writeBytes(path(), bytes));
    EXPECT_EQ(readProject(path(), 56, 56)->Nickname, QStringLiteral("Béb"));  // Windows-1252
    ASSERT_TRUE(writeBytes(path(), "\xEF\xBB\xBF" + bytes));
    EXPECT_FALSE(readProject(path(), 56, 56));
}

TEST_F(ProjectFileTest, InvalidFilesFailWhole) {
    const std::map<int, QString> bad[] = {
        {{8, QStringLiteral("56")}},       {{8, QStringLiteral("-2")}},
        {{10, QStringLiteral("")}},        {{10, QStringLiteral("x")}},
        {{8, QStringLiteral("1.5")}},      {{22, "1"}, {24, "2"}, {26, "-3"}},
        {{28, "a"}, {30, "2"}, {32, "3"}}, {{34, "1"}, {36, "+"}, {38, "3"}},
    };
    for (const auto& values : bad) {
        ASSERT_TRUE(textfile::writeLines(path(), projectLines(values)));
        EXPECT_FALSE(readProject(path(), 56, 56)) << values.begin()->first;
    }
    ASSERT_TRUE(textfile::writeLines(path(), projectLines({{8, "-1"}, {10, "55"}})));
    EXPECT_TRUE(readProject(path(), 56, 56));
    EXPECT_FALSE(readProject(path(), 56, 55));
    EXPECT_FALSE(readProject(path(QStringLiteral("none.nkp")), 56, 56));
    EXPECT_FALSE(readProject(dir_.path(), 56, 56));
    EXPECT_FALSE(readProject(QString(), 56, 56));
}

TEST(ProposedProjectName, NicknameAndShortDate) {
    EXPECT_EQ(proposedProjectName(QStringLiteral("Bob"), QDate(2026, 12, 7)),
              QStringLiteral("Bob(7 12 26).nkp"));
    EXPECT_EQ(proposedProjectName(QString(), QDate(2026, 12, 7)), QStringLiteral("(7 12 26).nkp"));
    EXPECT_EQ(proposedProjectName(QStringLiteral("x"), QDate(2027, 1, 15)),
              QStringLiteral("x(15 01 27).nkp"));
}

TEST(ProposedProjectName, CharactersThatNameFoldersOrAreRefusedBecomeUnderscores) {
    EXPECT_EQ(proposedProjectName(QStringLiteral("a/b\\c:d*e?f\"g<h>i|j"), QDate(2026, 12, 7)),
              QStringLiteral("a_b_c_d_e_f_g_h_i_j(7 12 26).nkp"));
    // Everything else of the nickname stays, spaces and accents included.
    EXPECT_EQ(proposedProjectName(QStringLiteral("Bob :) é.ô"), QDate(2026, 12, 7)),
              QStringLiteral("Bob _) é.ô(7 12 26).nkp"));
    EXPECT_EQ(safeFileName(QStringLiteral("Bob(7 12 26)")), QStringLiteral("Bob(7 12 26)"));
}
