#include "linedecoder.h"

#include "nativefile.h"
#include "textfile.h"

#include <utility>

namespace chromanick::textfile {

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");
const QByteArray kUtf16LeMark("\xFF\xFE");
const QByteArray kUtf16BeMark("\xFE\xFF");

template <typename Text>
void dropCarriageReturn(Text& line) {
    if (!line.isEmpty() && line.back() == '\r') line.chop(1);
}

}  // namespace

QStringList LineDecoder::feed(QByteArrayView bytes) {
    QStringList lines;
    if (failed()) return lines;
    if (encoding_ == Encoding::Utf16) {
        text_ += utf16_.decode(bytes);
        splitText(lines, false);
        return lines;
    }
    bytes_ += bytes;
    if (encoding_ == Encoding::Unknown) detect(false, lines);
    if (encoding_ == Encoding::Unmarked || encoding_ == Encoding::Utf8) splitBytes(lines, false);
    return lines;
}

QStringList LineDecoder::finish() {
    QStringList lines;
    if (failed()) return lines;
    if (encoding_ == Encoding::Unknown) detect(true, lines);
    if (encoding_ == Encoding::Utf16) {
        text_ += utf16_.decode(QByteArrayView());
        splitText(lines, true);
    } else {
        splitBytes(lines, true);
    }
    return lines;
}

QString LineDecoder::failure() const {
    return QStringLiteral("ligne %1 : ce n'est pas de l'UTF-8, qu'annonce la marque du début")
        .arg(badLine_.value_or(0));
}

// The mark needs the first three bytes, or all of them when there are fewer.
void LineDecoder::detect(bool atEnd, QStringList& lines) {
    const bool markMayFollow = kUtf8Mark.startsWith(bytes_) || kUtf16LeMark.startsWith(bytes_) ||
                               kUtf16BeMark.startsWith(bytes_);
    if (!atEnd && bytes_.size() < kUtf8Mark.size() && markMayFollow) return;
    const bool littleEndian = bytes_.startsWith(kUtf16LeMark);
    if (littleEndian || bytes_.startsWith(kUtf16BeMark)) {
        encoding_ = Encoding::Utf16;
        // Only the stream's own mark is dropped: a U+FEFF right behind it is text.
        utf16_ = QStringDecoder(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                                QStringDecoder::Flag::ConvertInitialBom);
        text_ = utf16_.decode(QByteArrayView(bytes_).sliced(kUtf16LeMark.size()));
        bytes_.clear();
        splitText(lines, false);
    } else if (bytes_.startsWith(kUtf8Mark)) {
        encoding_ = Encoding::Utf8;
        bytes_.remove(0, kUtf8Mark.size());
    } else {
        encoding_ = Encoding::Unmarked;
    }
}

void LineDecoder::splitBytes(QStringList& lines, bool atEnd) {
    qsizetype start = 0;
    for (qsizetype lf; !failed() && (lf = bytes_.indexOf('\n', start)) >= 0; start = lf + 1)
        addLine(bytes_.sliced(start, lf - start), lines);
    // Only the piece after the last line end stays: a long line is never
    // copied again while it grows.
    if (start > 0) bytes_.remove(0, start);
    if (atEnd && !failed() && !bytes_.isEmpty()) addLine(std::exchange(bytes_, {}), lines);
}

void LineDecoder::splitText(QStringList& lines, bool atEnd) {
    qsizetype start = 0;
    for (qsizetype lf; (lf = text_.indexOf(QLatin1Char('\n'), start)) >= 0; start = lf + 1)
        addLine(text_.sliced(start, lf - start), lines);
    if (start > 0) text_.remove(0, start);
    if (atEnd && !text_.isEmpty()) addLine(std::exchange(text_, {}), lines);
}

void LineDecoder::addLine(QByteArray line, QStringList& lines) {
    dropCarriageReturn(line);
    if (encoding_ == Encoding::Utf8 && !nativefile::isUtf8(line)) {
        badLine_ = lineCount_ + 1;
        return;
    }
    addLine(decodeUnmarked(line), lines);
}

void LineDecoder::addLine(QString line, QStringList& lines) {
    dropCarriageReturn(line);
    ++lineCount_;
    lines.append(std::move(line));
}

}  // namespace chromanick::textfile
