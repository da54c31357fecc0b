// Where a write lands and what it leaves beside the file: links followed to
// their file and kept, loops and overlong chains refused untouched, and the
// one working file "<name>.tmp" as the only other name a write ever uses.
#include "storage/projectfile.h"
#include "storage/settingsfiles.h"
#include "storage/textexport.h"
#include "storage/textfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

#include <dirent.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace chromanick;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool isLink(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

// Every name that appears in a folder (created, or renamed into it) while
// the watch is on.
class FolderWatch {
public:
    explicit FolderWatch(const QString& folder) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (fd_ >= 0)
            ::inotify_add_watch(fd_, QFile::encodeName(folder).constData(),
                                IN_CREATE | IN_MOVED_TO);
    }
    ~FolderWatch() {
        if (fd_ >= 0) ::close(fd_);
    }
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    bool ok() const { return fd_ >= 0; }
    std::set<QByteArray> names() {
        alignas(inotify_event) char buffer[65536];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (char* p = buffer; p < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                if (event->len > 0) names_.insert(QByteArray(event->name));
                p += sizeof(inotify_event) + event->len;
            }
        }
        return names_;
    }

private:
    int fd_;
    std::set<QByteArray> names_;
};

class WriteTargets : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QStringList entries() const {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    }
    // name1 -> name2 -> ... -> name<count> -> target, relative names.
    void chain(const QString& name, int count, const QString& target) const {
        for (int i = 1; i <= count; ++i) {
            const QString next = i == count ? target : name + QString::number(i + 1);
            ASSERT_EQ(::symlink(QFile::encodeName(next).constData(),
                                QFile::encodeName(path(name + QString::number(i))).constData()),
                      0);
        }
    }

    QTemporaryDir dir_;
};

ProjectSnapshot snapshotOf(const QString& nickname) {
    ProjectSnapshot snapshot;
    snapshot.settings.Nickname = nickname;
    snapshot.settings.ForegroundOption = QStringLiteral("optbleu1");
    snapshot.settings.BackgroundOption = QStringLiteral("Option20");
    return snapshot;
}

}  // namespace

TEST_F(WriteTargets, ALinkIsFollowedToItsFileAndStaysALink) {
    ASSERT_TRUE(textfile::writeAll(path(QStringLiteral("real.txt")), "old"));
    chain(QStringLiteral("link"), 40, QStringLiteral("real.txt"));  // the longest chain followed
    const QStringList before = entries();
    ASSERT_TRUE(textfile::writeAll(path(QStringLiteral("link1")), "new"));
    EXPECT_EQ(fileBytes(path(QStringLiteral("real.txt"))), QByteArray("new"));
    for (int i = 1; i <= 40; ++i) EXPECT_TRUE(isLink(path(QStringLiteral("link%1").arg(i)))) << i;
    EXPECT_EQ(entries(), before);

    // A link that names no file yet: the file is created where it points.
    ASSERT_TRUE(QFile::link(QStringLiteral("sub/later.txt"), path(QStringLiteral("dangling"))));
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("sub")));
    ASSERT_TRUE(writeExport(path(QStringLiteral("dangling")), {QStringLiteral("code")}));
    EXPECT_EQ(fileBytes(path(QStringLiteral("sub/later.txt"))), QByteArray("code\r\n"));
    EXPECT_TRUE(isLink(path(QStringLiteral("dangling"))));
    EXPECT_EQ(QDir(path(QStringLiteral("sub"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("later.txt")});

    // A project saved through a link into another folder.
    ASSERT_TRUE(QFile::link(QStringLiteral("sub/Bob.nkp"), path(QStringLiteral("Bob.nkp"))));
    ASSERT_TRUE(saveProject(path(QStringLiteral("Bob.nkp")), snapshotOf(QStringLiteral("Bob"))));
    EXPECT_TRUE(isLink(path(QStringLiteral("Bob.nkp"))));
    EXPECT_EQ(readProject(path(QStringLiteral("sub/Bob.nkp")), 56, 56)->Nickname,
              QStringLiteral("Bob"));
    EXPECT_EQ(QDir(path(QStringLiteral("sub"))).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("Bob.nkp"), QStringLiteral("later.txt")}));
}

TEST_F(WriteTargets, ALoopOrAnOverlongChainOfLinksIsRefusedUntouched) {
    ASSERT_TRUE(textfile::writeAll(path(QStringLiteral("real.txt")), "old"));
    chain(QStringLiteral("long"), 41, QStringLiteral("real.txt"));
    ASSERT_TRUE(QFile::link(QStringLiteral("loop2"), path(QStringLiteral("loop1"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("loop1"), path(QStringLiteral("loop2"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("self"), path(QStringLiteral("self"))));
    const QStringList before = entries();
    for (const QString& name :
         {QStringLiteral("long1"), QStringLiteral("loop1"), QStringLiteral("self")}) {
        QString error;
        EXPECT_FALSE(textfile::writeAll(path(name), "new", &error)) << name.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(saveProject(path(name), snapshotOf(QStringLiteral("Bob"))));
        EXPECT_FALSE(writeExport(path(name), {QStringLiteral("code")}));
    }
    EXPECT_EQ(fileBytes(path(QStringLiteral("real.txt"))), QByteArray("old"));
    for (const QString& name : before) {
        if (name != QStringLiteral("real.txt")) {
            EXPECT_TRUE(isLink(path(name))) << name.toStdString();
        }
    }
    EXPECT_EQ(entries(), before);
}

TEST_F(WriteTargets, EveryWriteGoesThroughTheOneWorkingFileBesideTheFile) {
    FolderWatch watch(dir_.path());
    ASSERT_TRUE(watch.ok());
    for (int round = 0; round < 2; ++round) {  // a new file, then its replacement
        ASSERT_TRUE(textfile::writeAll(path(QStringLiteral("f.txt")), "text"));
        ASSERT_TRUE(writeExport(path(QStringLiteral("e.txt")), {QStringLiteral("code")}));
        ASSERT_TRUE(saveProject(path(QStringLiteral("p.nkp")), snapshotOf(QStringLiteral("Bob"))));
        ASSERT_TRUE(SettingsFolder(dir_.path()).writeNkp(QStringLiteral("Ok"), round == 0));
    }
    const std::set<QByteArray> expected = {"e.txt",   "e.txt.tmp",   "f.txt", "f.txt.tmp",
                                           "nkp.dll", "nkp.dll.tmp", "p.nkp", "p.nkp.tmp"};
    EXPECT_EQ(watch.names(), expected);
    EXPECT_EQ(entries(), (QStringList{"e.txt", "f.txt", "nkp.dll", "p.nkp"}));
}

TEST_F(WriteTargets, AWorkingFileLeftByAKilledWriteIsTakenOverAndRemoved) {
    const QByteArray stale = QByteArray("STALE\r\n").repeated(10'000);
    for (const QString& name : {QStringLiteral("f.txt"), QStringLiteral("p.nkp")}) {
        QFile leftover(path(name + QStringLiteral(".tmp")));
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
        ASSERT_EQ(leftover.write(stale), stale.size());
        leftover.close();
        ASSERT_TRUE(leftover.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    }
    ASSERT_TRUE(textfile::writeAll(path(QStringLiteral("f.txt")), "text"));
    ASSERT_TRUE(saveProject(path(QStringLiteral("p.nkp")), snapshotOf(QStringLiteral("Bob"))));
    EXPECT_EQ(fileBytes(path(QStringLiteral("f.txt"))), QByteArray("text"));
    EXPECT_FALSE(fileBytes(path(QStringLiteral("p.nkp"))).contains("STALE"));
    EXPECT_EQ(readProject(path(QStringLiteral("p.nkp")), 56, 56)->Nickname, QStringLiteral("Bob"));
    EXPECT_EQ(entries(), (QStringList{"f.txt", "p.nkp"}));
    // A new file gets the permissions of a new file, not the leftover's.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    for (const char* name : {"f.txt", "p.nkp"}) {
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(path(QString::fromLatin1(name))).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0666u & ~mask) << name;
    }
}
