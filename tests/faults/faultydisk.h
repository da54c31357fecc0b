#pragma once

// A previous file on a disk that then refuses writes: either the file system
// is remounted read-only or its last free byte is taken.
#include "storage/textfile.h"
#include "tests/support/tmpfs.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace chromanick::testing {

enum class DiskFault { ReadOnly, Full };

inline std::ostream& operator<<(std::ostream& out, DiskFault fault) {
    return out << (fault == DiskFault::ReadOnly ? "ReadOnly" : "Full");
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class FaultyDiskTest : public ::testing::TestWithParam<DiskFault> {
protected:
    void SetUp() override {
        disk = std::make_unique<TinyTmpfs>("size=256k");
        if (!disk->ok()) GTEST_SKIP() << "cannot mount a tmpfs here";
    }

    // Places `bytes` as the previous file `name`, then turns the fault on.
    // Returns the file's path.
    QString previousFileThenFault(const QString& name, const QByteArray& bytes) {
        const QString path = disk->path(name);
        EXPECT_TRUE(textfile::writeAll(path, bytes));
        if (GetParam() == DiskFault::ReadOnly) {
            EXPECT_TRUE(disk->makeReadOnly());
        } else {
            EXPECT_TRUE(disk->fill());
        }
        filesBefore = disk->files();
        return path;
    }

    // Nothing was added, removed or changed on the disk.
    void expectUntouched(const QString& path, const QByteArray& previous) {
        EXPECT_EQ(fileBytes(path), previous);
        EXPECT_EQ(disk->files(), filesBefore);
    }

    std::unique_ptr<TinyTmpfs> disk;
    QStringList filesBefore;
};

inline std::string faultName(const ::testing::TestParamInfo<DiskFault>& info) {
    return info.param == DiskFault::ReadOnly ? "ReadOnlyFolder" : "FullDisk";
}

}  // namespace chromanick::testing
