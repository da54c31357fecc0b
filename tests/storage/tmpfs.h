#pragma once

#include <QDir>
#include <QTemporaryDir>

#include <sys/mount.h>

// A tiny tmpfs mounted for one test, to see how writes behave on a full disk.
// Mounting needs privileges that a test run may lack; ok() then says false.
class TinyTmpfs {
public:
    explicit TinyTmpfs(const char* size = "size=64k") {
        mounted_ = dir_.isValid() && ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(),
                                             "tmpfs", 0, size) == 0;
    }
    ~TinyTmpfs() {
        if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    TinyTmpfs(const TinyTmpfs&) = delete;
    TinyTmpfs& operator=(const TinyTmpfs&) = delete;

    bool ok() const { return mounted_; }
    QString dir() const { return dir_.path(); }
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};
