#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>

// A tiny tmpfs mounted for one test, to see how writes behave on a full disk
// or in a read-only folder. Mounting needs privileges that a test run may
// lack; ok() then says false.
class TinyTmpfs {
public:
    explicit TinyTmpfs(const char* size = "size=64k") : options_(size) {
        mounted_ = dir_.isValid() && ::mount("tmpfs", mountPoint().constData(), "tmpfs", 0,
                                             options_.constData()) == 0;
    }
    ~TinyTmpfs() {
        if (mounted_) ::umount2(mountPoint().constData(), MNT_DETACH);
    }
    TinyTmpfs(const TinyTmpfs&) = delete;
    TinyTmpfs& operator=(const TinyTmpfs&) = delete;

    bool ok() const { return mounted_; }
    QString dir() const { return dir_.path(); }
    QString path(const QString& name) const { return dir_.filePath(name); }

    // Remounts the file system read-only, keeping what it holds. Even root
    // cannot write there afterwards.
    bool makeReadOnly() {
        return mounted_ && ::mount("tmpfs", mountPoint().constData(), "tmpfs",
                                   MS_REMOUNT | MS_RDONLY, options_.constData()) == 0;
    }

    // Fills every free byte with a file named `name`: afterwards not a single
    // data byte more can be written. True when the disk ended up full.
    bool fill(const QString& name = QStringLiteral("filler")) {
        QFile filler(path(name));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        // The last block may have been cut short: top up byte by byte.
        while (filler.write("f", 1) == 1) {
        }
        return filler.error() != QFileDevice::NoError;
    }

    // Every file the folder holds, hidden ones included.
    QStringList files() const {
        return QDir(dir()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

private:
    QByteArray mountPoint() const { return QFile::encodeName(dir_.path()); }

    QTemporaryDir dir_;
    QByteArray options_;
    bool mounted_ = false;
};
