#include "storage/linedecoder.h"
#include "storage/textfile.h"

#include <gtest/gtest.h>

using namespace chromanick;
using textfile::LineDecoder;

namespace {

// The lines of `bytes` fed in pieces of `piece` bytes.
QStringList decodeInPieces(const QByteArray& bytes, qsizetype piece, bool* failed = nullptr) {
    LineDecoder decoder;
    QStringList lines;
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        lines += decoder.feed(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
    lines += decoder.finish();
    if (failed) *failed = decoder.failed();
    return lines;
}

QByteArray utf16(const QString& text, bool littleEndian) {
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (QChar c : text) {
        const char low = char(c.unicode() & 0xFF);
        const char high = char(c.unicode() >> 8);
        bytes += littleEndian ? QByteArray{1, low} + QByteArray{1, high}
                              : QByteArray{1, high} + QByteArray{1, low};
    }
    return bytes;
}

}  // namespace

// However the bytes arrive, one at a time or all at once, the lines are the
// same: a mark or a character cut between two pieces is read whole.
TEST(LineDecoder, ReadsEveryEncodingWhateverThePieces) {
    const QString text = QStringLiteral("·é€😀\r\n\uFEFFplain\n\nlast");
    const QStringList lines = {QStringLiteral("·é€😀"), QStringLiteral("\uFEFFplain"), QString(),
                               QStringLiteral("last")};
    const QByteArray inputs[] = {
        text.toUtf8(),
        QByteArray("\xEF\xBB\xBF") + text.toUtf8(),
        utf16(text, true),
        utf16(text, false),
    };
    for (const QByteArray& input : inputs) {
        for (qsizetype piece : {1, 2, 3, 7, 4096})
            EXPECT_EQ(decodeInPieces(input, piece), lines) << input.toHex().toStdString() << piece;
    }
}

TEST(LineDecoder, AnUnmarkedLineIsReadAsAFileIs) {
    const QByteArray lines[] = {"\xB7#caf\xE9", "\xC2\xB7#caf\xC3\xA9", "ascii", "\x80\x9F"};
    QByteArray input;
    QStringList expected;
    for (const QByteArray& line : lines) {
        input += line + "\n";
        expected.append(textfile::decodeUnmarked(line));
    }
    EXPECT_EQ(decodeInPieces(input, 5), expected);
    EXPECT_EQ(decodeInPieces("\n", 1), QStringList{QString()});
    EXPECT_EQ(decodeInPieces("", 1), QStringList{});
    EXPECT_EQ(decodeInPieces("\xEF\xBB", 1), QStringList{QStringLiteral("ï»")});
    EXPECT_EQ(decodeInPieces("\xFF", 1), QStringList{QStringLiteral("ÿ")});
    // Only the stream's own mark is dropped.
    EXPECT_EQ(decodeInPieces("\xEF\xBB\xBF\xEF\xBB\xBFx", 1),
              QStringList{QStringLiteral("\uFEFFx")});
    EXPECT_EQ(decodeInPieces(utf16(QStringLiteral("\uFEFFx"), true), 1),
              QStringList{QStringLiteral("\uFEFFx")});
}

TEST(LineDecoder, AUtf8MarkBeforeBytesThatAreNotUtf8Fails) {
    LineDecoder decoder;
    EXPECT_EQ(decoder.feed("\xEF\xBB\xBFok\nB\xE9"
                           "b\nafter\n"),
              QStringList{"ok"});
    EXPECT_TRUE(decoder.failed());
    EXPECT_TRUE(decoder.failure().startsWith(QStringLiteral("ligne 2 : ")));
    EXPECT_EQ(decoder.feed("more\n"), QStringList{});
    EXPECT_EQ(decoder.finish(), QStringList{});
}
