#include "storage/textfile.h"
#include "tests/support/tmpfs.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace

TEST(TextEncoding, Windows1252TextIsWrittenByteForByte) {
    const QString text = QStringLiteral("Barré : ¨°o.O €·") + QChar(0x00A0);
    ASSERT_TRUE(textfile::fitsWindows1252(text));
    EXPECT_EQ(textfile::encode(text), QByteArray("Barr\xE9 : \xA8\xB0o.O \x80\xB7\xA0"));
    EXPECT_EQ(textfile::decode(textfile::encode(text)), text);
}

TEST(TextEncoding, OtherTextMakesTheWholeFileUtf8WithBom) {
    for (const QString& text :
         {QStringLiteral("é Жека"), QStringLiteral("café 😀"), QStringLiteral("Ā")}) {
        EXPECT_FALSE(textfile::fitsWindows1252(text));
        const QByteArray bytes = textfile::encode(text);
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        EXPECT_EQ(bytes.mid(3), text.toUtf8());
        EXPECT_EQ(textfile::decode(bytes), text);
    }
}

TEST(TextEncoding, EveryByteDecodesAndEncodesBack) {
    QByteArray all;
    for (int i = 0; i < 256; ++i) all.append(char(i));
    const QString text = textfile::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(textfile::encode(text), all);
    // The built-in table agrees with the system converter where there is one.
    QStringDecoder codec("windows-1252");
    if (codec.isValid()) {
        const QString viaCodec = codec.decode(all);
        for (int i = 0; i < 256; ++i) {
            EXPECT_EQ(textfile::windows1252ToUnicode(uchar(i)), viaCodec[i]) << i;
            EXPECT_EQ(textfile::unicodeToWindows1252(viaCodec[i]), uchar(i)) << i;
        }
    }
    EXPECT_FALSE(textfile::unicodeToWindows1252(QChar(0x0100)).has_value());
}

TEST(TextLines, CrLfAfterEveryLineAndLoneLfAccepted) {
    EXPECT_EQ(textfile::joinLines({QStringLiteral("a"), QString(), QStringLiteral("b")}),
              QStringLiteral("a\r\n\r\nb\r\n"));
    const QStringList expected = {QStringLiteral("a"), QString(), QStringLiteral("b")};
    EXPECT_EQ(textfile::splitLines(QStringLiteral("a\r\n\r\nb\r\n")), expected);
    EXPECT_EQ(textfile::splitLines(QStringLiteral("a\n\nb")), expected);
    EXPECT_EQ(textfile::splitLines(QStringLiteral("a\r\n\nb\n")), expected);
    EXPECT_TRUE(textfile::splitLines(QString()).isEmpty());
}

TEST(TextFileWrite, ReplacesTheWholeFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.txt"));
    ASSERT_TRUE(textfile::writeLines(path, {QStringLiteral("un"), QStringLiteral("deux")}));
    ASSERT_TRUE(textfile::writeLines(path, {QStringLiteral("é")}));
    EXPECT_EQ(fileBytes(path), QByteArray("\xE9\r\n"));
    EXPECT_EQ(textfile::readLines(path), QStringList{QStringLiteral("é")});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("f.txt")});
}

TEST(TextFileWrite, FailureReportsAndCreatesNothing) {
    QTemporaryDir dir;
    const QString regular = dir.filePath(QStringLiteral("plain"));
    ASSERT_TRUE(textfile::writeAll(regular, "x"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));

    for (const QString& target : {regular + QStringLiteral("/inside.txt"),  // parent is a file
                                  dir.filePath(QStringLiteral("missing/x.txt")),
                                  dir.filePath(QStringLiteral("folder")), QString()}) {
        QString error;
        EXPECT_FALSE(textfile::writeAll(target, "data", &error)) << target.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(fileBytes(regular), QByteArray("x"));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
}

TEST(TextFileWrite, FullDiskLeavesThePreviousFileIntact) {
    // More bytes than the disk holds, and a few bytes once the disk is full:
    // those sit in the write buffer until the file is flushed.
    for (const bool full : {false, true}) {
        SCOPED_TRACE(full ? "full disk" : "too large");
        TinyTmpfs disk;
        if (!disk.ok()) {
            GTEST_SKIP() << "cannot mount a tmpfs here";
        }
        const QString path = disk.path(QStringLiteral("f.txt"));
        ASSERT_TRUE(textfile::writeAll(path, "previous\r\n"));
        if (full) {
            ASSERT_TRUE(disk.fill());
        }
        const QStringList files = disk.files();
        QString error;
        EXPECT_FALSE(textfile::writeAll(
            path, full ? QByteArray("new\r\n") : QByteArray(256 * 1024, 'x'), &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(fileBytes(path), QByteArray("previous\r\n"));
        EXPECT_EQ(disk.files(), files);
    }
}

TEST(TextFileRead, MissingFileOrFolderFails) {
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(textfile::readLines(dir.filePath(QStringLiteral("none")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(textfile::readLines(dir.path()));
}
