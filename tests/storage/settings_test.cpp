#include "storage/nativefile.h"
#include "storage/settingsfiles.h"
#include "storage/textfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace chromanick;

namespace {

QStringList fields(const char* utf8) {
    return parseFields(QString::fromUtf8(utf8));
}

}  // namespace

TEST(FieldFile, SeparatorsBlanksAndQuotes) {
    EXPECT_EQ(fields("¨°o.O\r\n"), QStringList{QStringLiteral("¨°o.O")});
    EXPECT_EQ(fields("a,b\r\nc"), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(fields("   a  ,\t b \r\n"), (QStringList{"a", "b"}));
    EXPECT_EQ(fields("\" x, y \",z\r\n"), (QStringList{" x, y ", "z"}));
    EXPECT_EQ(fields("a,,b\r\n\r\nc\n"), (QStringList{"a", "", "b", "", "c"}));
    EXPECT_EQ(fields("a,\r\n"), (QStringList{"a", ""}));
    EXPECT_TRUE(fields("").isEmpty());
}

TEST(FieldFile, FieldsStayTextAndQuotesMaySpanLines) {
    EXPECT_EQ(fields("007, 1.50 ,01/02/2003,#TRUE#\r\n"),
              (QStringList{"007", "1.50", "01/02/2003", "#TRUE#"}));
    EXPECT_EQ(fields("\"a\r\nb\"\r\n"), QStringList{QStringLiteral("a\r\nb")});
    EXPECT_EQ(fields("\"open"), QStringList{QStringLiteral("open")});
    EXPECT_EQ(fields("\"q\" rest,next"), (QStringList{"q", "next"}));
}

TEST(SettingsFolder, LivesInTheUserDataFolder) {
    EXPECT_EQ(defaultInstallDir(),
              QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                  QStringLiteral("/Chromanick/"));
    EXPECT_EQ(SettingsFolder(QStringLiteral("/x/y")).path(QStringLiteral("nkp.dll")),
              QStringLiteral("/x/y/nkp.dll"));
}

TEST(SettingsFolder, TheDataFolderVariableIsTakenByteForByteAndOnlyWhenAbsolute) {
    QTemporaryDir root;
    const QByteArray data = QFile::encodeName(root.path()) + "/n\xE9u";
    const QByteArray folder = data + "/Chromanick";
    ASSERT_EQ(::mkdir(data.constData(), 0700), 0);
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    const QByteArray prefixes = folder + "/combo1.dll";
    const int fd = ::open(prefixes.constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "mine\r\n", 6), 6);
    ::close(fd);

    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data + "/");
    const QString dir = defaultInstallDir();
    EXPECT_EQ(nativefile::encodeName(dir), folder + "/");
    const SettingsFolder settings(dir);
    EXPECT_TRUE(settings.exists(SettingsFolder::kPrefixFile));
    EXPECT_EQ(settings.readFields(SettingsFolder::kPrefixFile),
              QStringList{QStringLiteral("mine")});
    settings.readNkp();  // the first start's nkp.dll, in the same folder
    struct stat st {};
    EXPECT_EQ(::stat((folder + "/nkp.dll").constData(), &st), 0);
    // Nothing else was made beside it (a folder with the name mangled).
    int entries = 0;
    if (DIR* d = ::opendir(QFile::encodeName(root.path()).constData())) {
        while (const dirent* e = ::readdir(d)) entries += e->d_name[0] != '.';
        ::closedir(d);
    }
    EXPECT_EQ(entries, 1);
    for (const char* name : {"/nkp.dll", "/combo1.dll"}) ::unlink((folder + name).constData());
    ::rmdir(folder.constData());
    ::rmdir(data.constData());

    // A relative or empty variable is ignored: the default folder is used.
    const QString fallback = QDir::homePath() + QStringLiteral("/.local/share/Chromanick/");
    for (const QByteArray& ignored : {QByteArray("relative/data"), QByteArray()}) {
        qputenv("XDG_DATA_HOME", ignored);
        EXPECT_EQ(defaultInstallDir(), fallback) << ignored.constData();
    }
    qputenv("XDG_DATA_HOME", saved);
}

TEST(SettingsFolder, FirstStartCreatesFolderAndEmptyNkp) {
    QTemporaryDir root;
    const SettingsFolder folder(root.filePath(QStringLiteral("a/Chromanick")));
    const NkpAnswers answers = folder.readNkp();
    EXPECT_FALSE(answers.doNotAskAgain());
    EXPECT_FALSE(answers.launchesAutomatically());
    QFile nkp(folder.path(QStringLiteral("nkp.dll")));
    ASSERT_TRUE(nkp.exists());
    EXPECT_EQ(nkp.size(), 0);
}

TEST(SettingsFolder, NkpRoundTripAndExactAnswers) {
    QTemporaryDir root;
    const SettingsFolder folder(root.path());
    ASSERT_TRUE(folder.writeNkp(QStringLiteral("Ok"), true));
    QFile nkp(folder.path(QStringLiteral("nkp.dll")));
    ASSERT_TRUE(nkp.open(QIODevice::ReadOnly));
    EXPECT_EQ(nkp.readAll(),
              QByteArray("L'utilisateur poss\xE8"
                         "de Msn Plus?\r\nOk\r\nLancement automatique?\r\nauto\r\n"));
    NkpAnswers answers = folder.readNkp();
    EXPECT_TRUE(answers.doNotAskAgain());
    EXPECT_TRUE(answers.launchesAutomatically());

    ASSERT_TRUE(folder.writeNkp(QStringLiteral("label4"), false));
    answers = folder.readNkp();
    EXPECT_EQ(answers.messengerPlus, QStringLiteral("label4"));
    EXPECT_EQ(answers.autoLaunch, QStringLiteral("non"));
    EXPECT_FALSE(answers.doNotAskAgain());

    ASSERT_TRUE(
        textfile::writeLines(folder.path(QStringLiteral("nkp.dll")), {"x", "ok", "y", "Auto"}));
    answers = folder.readNkp();
    EXPECT_FALSE(answers.doNotAskAgain());
    EXPECT_FALSE(answers.launchesAutomatically());
}

// A launch that writes back the answers already kept leaves the file alone;
// other answers, or a file changed by hand, are written.
TEST(SettingsFolder, NkpIsOnlyReplacedWhenItsContentChanges) {
    QTemporaryDir root;
    const SettingsFolder folder(root.path());
    const QString path = folder.path(QStringLiteral("nkp.dll"));
    const QDateTime longAgo(QDate(2006, 1, 1), QTime(12, 0), Qt::UTC);
    auto age = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadWrite) &&
               file.setFileTime(longAgo, QFileDevice::FileModificationTime);
    };
    auto modified = [&] { return QFileInfo(path).lastModified(); };

    ASSERT_TRUE(folder.writeNkp(QStringLiteral("Ok"), true));
    const std::optional<QByteArray> written = textfile::readAll(path);
    ASSERT_TRUE(age());
    ASSERT_TRUE(folder.writeNkp(QStringLiteral("Ok"), true));
    EXPECT_EQ(modified(), longAgo);
    EXPECT_EQ(textfile::readAll(path), written);

    ASSERT_TRUE(folder.writeNkp(QStringLiteral("Ok"), false));
    EXPECT_NE(modified(), longAgo);
    EXPECT_TRUE(folder.readNkp().doNotAskAgain());
    EXPECT_FALSE(folder.readNkp().launchesAutomatically());

    // The same answers over a file whose line ends were changed by hand.
    ASSERT_TRUE(textfile::writeAll(path,
                                   "L'utilisateur poss\xE8"
                                   "de Msn Plus?\nOk\nLancement automatique?\nnon\n"));
    ASSERT_TRUE(folder.writeNkp(QStringLiteral("Ok"), false));
    EXPECT_EQ(textfile::readAll(path),
              QByteArray("L'utilisateur poss\xE8"
                         "de Msn Plus?\r\nOk\r\nLancement automatique?\r\nnon\r\n"));
}

TEST(SettingsFolder, UnusableFolderMeansNoAnswers) {
    QTemporaryDir root;
    const QString blocker = root.filePath(QStringLiteral("file"));
    ASSERT_TRUE(textfile::writeAll(blocker, "x"));
    const SettingsFolder folder(blocker);  // a regular file where the folder should be
    const NkpAnswers answers = folder.readNkp();
    EXPECT_TRUE(answers.messengerPlus.isEmpty());
    EXPECT_TRUE(answers.autoLaunch.isEmpty());
    QString error;
    EXPECT_FALSE(folder.writeNkp(QStringLiteral("Ok"), true, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(folder.readFields(QStringLiteral("combo1.dll")).isEmpty());
}

TEST(SettingsFolder, FieldFilesAreReadWhenPresent) {
    QTemporaryDir root;
    const SettingsFolder folder(root.path());
    EXPECT_TRUE(folder.readFields(QStringLiteral("combo1.dll")).isEmpty());
    ASSERT_TRUE(textfile::writeAll(folder.path(QStringLiteral("combo2.dll")), QByteArray()));
    EXPECT_TRUE(folder.readFields(QStringLiteral("combo2.dll")).isEmpty());
    ASSERT_TRUE(textfile::writeAll(folder.path(QStringLiteral("intmsg.dll")),
                                   "Bienvenue\r\n\"Salut, \xE0 toi\"\r\n"));
    const QStringList welcome = folder.readFields(QStringLiteral("intmsg.dll"));
    ASSERT_EQ(welcome.size(), 2);
    EXPECT_EQ(welcome.last(), QStringLiteral("Salut, à toi"));
    ASSERT_TRUE(textfile::writeLines(folder.path(QStringLiteral("combo1.dll")),
                                     {QStringLiteral("★ Жека, ♥")}));
    EXPECT_EQ(folder.readFields(QStringLiteral("combo1.dll")),
              (QStringList{QStringLiteral("★ Жека"), QStringLiteral("♥")}));
}

TEST(SettingsFolder, FilesThatAreNoRegularFilesOrTooLargeCountAsMissing) {
    QTemporaryDir root;
    const SettingsFolder folder(root.path());
    // A named pipe as nkp.dll: nothing waits for a writer.
    const QByteArray nkp = QFile::encodeName(folder.path(SettingsFolder::kNkpFile));
    ASSERT_EQ(::mkfifo(nkp.constData(), 0600), 0);
    EXPECT_FALSE(folder.readNkp().doNotAskAgain());
    EXPECT_FALSE(folder.writeNkp(QStringLiteral("Ok"), true));  // never written into
    // Links to an endless device: nothing is read from it.
    for (const QString& name : {SettingsFolder::kPrefixFile, SettingsFolder::kWelcomeFile}) {
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder.path(name)));
        EXPECT_TRUE(folder.readFields(name).isEmpty());
    }
    ::unlink(nkp.constData());
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder.path(SettingsFolder::kNkpFile)));
    EXPECT_TRUE(folder.readNkp().messengerPlus.isEmpty());
    // Above 1 MiB a file is no settings file.
    const QString suffixes = folder.path(SettingsFolder::kSuffixFile);
    ASSERT_TRUE(textfile::writeAll(suffixes, QByteArray(1024 * 1024, 'a') + "\r\n"));
    EXPECT_TRUE(folder.readFields(SettingsFolder::kSuffixFile).isEmpty());
    ASSERT_TRUE(textfile::writeAll(suffixes, QByteArray(1024 * 1024 - 2, 'a') + "\r\n"));
    EXPECT_EQ(folder.readFields(SettingsFolder::kSuffixFile).size(), 1);
    const QString many = QStringLiteral("many.dll");
    ASSERT_TRUE(textfile::writeAll(folder.path(many), QByteArray("a,").repeated(512 * 1024)));
    EXPECT_EQ(folder.readFields(many).size(), 512 * 1024);
    ASSERT_TRUE(textfile::writeAll(folder.path(many), QByteArray("a,").repeated(512 * 1024 + 1)));
    EXPECT_TRUE(folder.readFields(many).isEmpty());
}

TEST(SettingsFolder, Utf8WithoutMarkFromATextEditor) {
    QTemporaryDir root;
    const SettingsFolder folder(root.path());
    ASSERT_TRUE(textfile::writeAll(folder.path(SettingsFolder::kPrefixFile),
                                   "\xE2\x98\x85 J\xC3\xA9r\xC3\xB4me\n\xC2\xA8\xC2\xB0o.O\n"));
    EXPECT_EQ(folder.readFields(SettingsFolder::kPrefixFile),
              (QStringList{QStringLiteral("★ Jérôme"), QStringLiteral("¨°o.O")}));
}
