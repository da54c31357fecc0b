#include "storage/textfile.h"
#include "tests/support/tmpfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The names a folder holds, as the system gives them.
QList<QByteArray> rawNames(const QByteArray& folder) {
    QList<QByteArray> names;
    if (DIR* d = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(d))
            if (qstrcmp(entry->d_name, ".") && qstrcmp(entry->d_name, ".."))
                names.append(entry->d_name);
        ::closedir(d);
    }
    return names;
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

TEST(TextLines, ALoneCrEndsTheLinesOfAnOldMacFile) {
    // Old Mac files end their lines with CR alone.
    const QStringList expected = {QStringLiteral("a"), QString(), QStringLiteral("b")};
    EXPECT_EQ(textfile::splitLines(QStringLiteral("a\r\rb\r")), expected);
    EXPECT_EQ(textfile::splitLines(QStringLiteral("a\r\rb")), expected);
    EXPECT_EQ(textfile::splitLines(QStringLiteral("\r")), QStringList{QString()});
    // Where LF ends the lines, a lone CR is part of its line.
    EXPECT_EQ(textfile::splitLines(QStringLiteral("a\rb\r\nc\n")),
              (QStringList{QStringLiteral("a\rb"), QStringLiteral("c")}));
}

TEST(TextFileRead, AFileMarkedUtf8ThatIsNotIsRefusedWhole) {
    EXPECT_FALSE(
        textfile::decodeFile("\xEF\xBB\xBF"
                             "B\xE9"
                             "b"));
    EXPECT_FALSE(textfile::decodeFile("\xEF\xBB\xBF\xC3\xA9\xC3"));  // cut in a character
    EXPECT_EQ(textfile::decodeFile("\xEF\xBB\xBF"
                                   "B\xC3\xA9"
                                   "b"),
              QStringLiteral("Béb"));
    EXPECT_EQ(textfile::decodeFile("B\xE9"
                                   "b"),
              QStringLiteral("Béb"));  // no mark: Windows-1252
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("marked.txt"));
    ASSERT_TRUE(textfile::writeAll(path,
                                   "\xEF\xBB\xBFline\r\nB\xE9"
                                   "b\r\n"));
    QString error;
    EXPECT_FALSE(textfile::readLines(path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(textfile::readText(path));
    EXPECT_TRUE(textfile::readAll(path));  // the bytes themselves can be read
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

TEST(TextEncoding, Utf8WithoutMarkIsReadAsUtf8) {
    // What a Linux text editor writes: UTF-8, no mark.
    EXPECT_EQ(textfile::decode("B\xC3\xA9"
                               "b\xC3\xA9 \xE2\x98\xBA\r\n"),
              QStringLiteral("Bébé ☺\r\n"));
    EXPECT_EQ(textfile::decode("\xEF\xBB\xBF\xC3\xA9"), QStringLiteral("é"));
    // Not UTF-8 throughout: Windows-1252, byte for byte.
    EXPECT_EQ(textfile::decode("B\xE9"
                               "b\xC3\xA9"),
              QStringLiteral("BébÃ©"));
    EXPECT_EQ(textfile::decode("\xC0\x80"), QStringLiteral("À€"));            // overlong form
    EXPECT_EQ(textfile::decode("\xED\xA0\x80"), QStringLiteral("í\u00A0€"));  // a surrogate
    EXPECT_EQ(textfile::decode("plain ascii"), QStringLiteral("plain ascii"));
}

TEST(TextEncoding, WhatIsWrittenReadsBackTheSame) {
    // Windows-1252 text stays single bytes...
    EXPECT_EQ(textfile::encode(QStringLiteral("Bébé")), QByteArray("B\xE9"
                                                                   "b\xE9"));
    // ...unless its bytes would pass for UTF-8: then the mark says how to read them.
    for (const QString& text : {QStringLiteral("Ã©"), QStringLiteral("Ã© and Ã¨"),
                                QStringLiteral("â˜º"), QStringLiteral("\u00EF\u00BB\u00BF")}) {
        const QByteArray bytes = textfile::encode(text);
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << text.toStdString();
        EXPECT_EQ(textfile::decode(bytes), text) << text.toStdString();
    }
}

TEST(TextFileRead, OnlyRegularFilesAndLimitedSizes) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QString error;
    EXPECT_FALSE(textfile::readAll(fifo, &error));  // returns at once, nobody writes
    EXPECT_TRUE(error.contains(QStringLiteral("fichier ordinaire"))) << error.toStdString();
    const QString zero = dir.filePath(QStringLiteral("zero"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    EXPECT_FALSE(textfile::readAll(zero, nullptr, 1024));
    EXPECT_FALSE(textfile::readAll(zero));  // not even without a limit

    const QString big = dir.filePath(QStringLiteral("big"));
    ASSERT_TRUE(textfile::writeAll(big, QByteArray(2000, 'x')));
    EXPECT_FALSE(textfile::readAll(big, &error, 1999));
    EXPECT_TRUE(error.contains(QStringLiteral("trop grand"))) << error.toStdString();
    EXPECT_EQ(textfile::readAll(big, nullptr, 2000), QByteArray(2000, 'x'));
    // A link to a regular file is read through.
    ASSERT_TRUE(QFile::link(big, dir.filePath(QStringLiteral("link"))));
    EXPECT_EQ(textfile::readAll(dir.filePath(QStringLiteral("link"))), QByteArray(2000, 'x'));
}

TEST(TextFileWrite, NeverReplacesWhatIsNoRegularFile) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QString error;
    EXPECT_FALSE(textfile::writeAll(fifo, "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(fifo).isSymLink() || !QFileInfo(fifo).isFile());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              QStringList{QStringLiteral("pipe")});
    // A link to a regular file replaces that file and stays a link.
    const QString target = dir.filePath(QStringLiteral("target"));
    ASSERT_TRUE(textfile::writeAll(target, "old"));
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
    const QString link = dir.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(textfile::writeAll(link, "new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(fileBytes(target), QByteArray("new"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);  // the previous file's permissions
}

TEST(NativeFileNames, EveryByteSequenceComesBackUnchanged) {
    using namespace textfile;
    // Names that are not UTF-8 keep their bytes; valid ones are plain text.
    const QByteArray names[] = {
        "lat\xE9.nkp", "\xFE\xFD.nkp",     "\xEF\xBF\xBD.nkp", "\xC0\x80", "\xED\xA0\x80",
        "caf\xC3\xA9", "\xF0\x9F\x98\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xC3"};
    for (const QByteArray& name : names)
        EXPECT_EQ(nativefile::encodeName(nativefile::decodeName(name)), name)
            << name.toHex().data();
    EXPECT_EQ(nativefile::decodeName("caf\xC3\xA9"), QStringLiteral("café"));
    EXPECT_EQ(nativefile::decodeName("\xF0\x9F\x98\x80"), QStringLiteral("😀"));
    EXPECT_EQ(nativefile::decodeName("\xEF\xBB\xBFX"), QStringLiteral("\uFEFFX"));
    EXPECT_NE(nativefile::decodeName("\xFE\xFD.nkp"), nativefile::decodeName("\xEF\xBF\xBD.nkp"));
    QByteArray all;
    for (int i = 1; i < 256; ++i) all.append(char(i));
    EXPECT_EQ(nativefile::encodeName(nativefile::decodeName(all)), all);

    // Files reached by such names are the very files of those bytes.
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    const QString latin = nativefile::decodeName(folder + "lat\xE9.txt");
    ASSERT_TRUE(writeAll(latin, "latin"));
    EXPECT_EQ(fileBytes(QFile::decodeName(folder + "lat\xE9.txt")), "<missing>");  // Qt misses it
    EXPECT_EQ(readAll(latin), QByteArray("latin"));
    EXPECT_EQ(rawNames(folder), QList<QByteArray>{"lat\xE9.txt"});
    EXPECT_FALSE(readAll(nativefile::decodeName(folder + "lat\xEF\xBF\xBD.txt")));
    ::unlink(folder + "lat\xE9.txt");  // QTemporaryDir cannot name it
}

// Long texts are encoded several characters at a time: every character, at
// every place of such a group and in the tail after the last one, gives the
// byte the code page has for it, or makes the text UTF-8.
TEST(TextEncoding, EveryCharacterAtEveryPlaceOfALongText) {
    const QString filler = QStringLiteral("Tiwakan é°o.O ¨x ");
    for (int code = 0; code <= 0xFFFF; code += (code < 0x2200 ? 1 : 97)) {
        const QChar c{char16_t(code)};
        const std::optional<uchar> byte = textfile::unicodeToWindows1252(c);
        for (int place : {0, 3, 7, 8, 15, 17, 20}) {
            QString text = filler + filler;
            text.truncate(21);
            text[place] = c;
            const QByteArray bytes = textfile::encode(text);
            if (!byte) {
                EXPECT_EQ(bytes, QByteArray("\xEF\xBB\xBF") + text.toUtf8())
                    << code << " " << place;
                continue;
            }
            ASSERT_EQ(bytes.size(), text.size()) << code;
            EXPECT_EQ(uchar(bytes.at(place)), *byte) << code << " " << place;
            EXPECT_EQ(textfile::decode(bytes), text) << code << " " << place;
        }
    }
}

TEST(TextEncoding, LinesEncodeAsTheTextTheyJoinInto) {
    const QString million = QString(QStringLiteral("Tiwakan é€¨°o.O, \"x\" ")).repeated(45455);
    const QList<QStringList> files = {
        {},
        {QString()},
        {QStringLiteral("Gras :"), QStringLiteral("Oui"), million},
        {QStringLiteral("Ã©t©"), QStringLiteral("passe pour de l'UTF-8")},
        {QStringLiteral("abc"), QStringLiteral("Жека"), QStringLiteral("x")},
        {QStringLiteral("lone ") + QChar(0xD800) + QStringLiteral(" surrogate"), million},
        {QStringLiteral("😀 paired")},
    };
    for (const QStringList& lines : files)
        EXPECT_EQ(textfile::encodeLines(lines), textfile::encode(textfile::joinLines(lines)))
            << lines.size();
}

TEST(TextEncoding, KindsOfCharactersInAText) {
    using textfile::kindsIn;
    EXPECT_FALSE(kindsIn(u"").surrogate);
    EXPECT_FALSE(kindsIn(u"").lineEnd);
    const QString plain = QString(QStringLiteral("Tiwakan é€ ")).repeated(1000);
    EXPECT_FALSE(kindsIn(plain).surrogate);
    EXPECT_FALSE(kindsIn(plain).lineEnd);
    for (const QChar c : {QChar(0xD800), QChar(0xDBFF), QChar(0xDC00), QChar(0xDFFF)}) {
        EXPECT_TRUE(kindsIn(plain + c).surrogate);
        EXPECT_TRUE(kindsIn(QString(c) + plain).surrogate);
        EXPECT_FALSE(kindsIn(plain + c).lineEnd);
    }
    for (const QChar c : {QChar(0xD7FF), QChar(0xE000)}) EXPECT_FALSE(kindsIn(plain + c).surrogate);
    for (const char* end : {"\n", "\r"}) {
        EXPECT_TRUE(kindsIn(plain + QLatin1String(end) + plain).lineEnd);
        EXPECT_FALSE(kindsIn(plain + QLatin1String(end)).surrogate);
    }
}
