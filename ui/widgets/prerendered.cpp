#include "ui/widgets/prerendered.h"

#include <QHash>
#include <QResource>

#include <cstring>

namespace chromanick {

namespace {

// A set: "CNPR", version, ratio, count, the set's length in bytes, then an
// index with, for each
// picture, its resource name's length and UTF-8 bytes (padded to 4), its
// size, its size in device pixels and where its pixels start in the set;
// then the pictures' rows of premultiplied ARGB pixels. Every number is a
// 32-bit word in the machine's byte order, and every field starts on a
// multiple of 4. The index comes first so that finding a picture does not
// touch the pixels of all the others.
constexpr char kMagic[4] = {'C', 'N', 'P', 'R'};
constexpr quint32 kVersion = 3;
constexpr qsizetype kHeaderBytes = 20;

void appendWord(QByteArray& out, quint32 word) {
    out.append(reinterpret_cast<const char*>(&word), sizeof word);
}

void padToWord(QByteArray& out) {
    while (out.size() % 4 != 0) out.append('\0');
}

// Reads the set front to back, refusing anything that runs past its end.
class Reader {
public:
    Reader(const char* data, qsizetype length) : data_(data), length_(length) {}

    bool word(quint32& value) {
        if (!has(4)) return false;
        std::memcpy(&value, data_ + offset_, 4);
        offset_ += 4;
        return true;
    }
    const char* take(qsizetype bytes) {
        if (bytes < 0 || !has(bytes)) return nullptr;
        const char* start = data_ + offset_;
        offset_ += (bytes + 3) / 4 * 4;
        return start;
    }

    // `bytes` bytes at `offset` from the start, without moving on.
    const char* at(quint32 offset, qsizetype bytes) const {
        if (offset % 4 != 0 || qsizetype(offset) > length_ || length_ - offset < bytes) {
            return nullptr;
        }
        return data_ + offset;
    }

private:
    bool has(qsizetype bytes) const { return length_ - offset_ >= bytes; }

    const char* data_;
    qsizetype length_;
    qsizetype offset_ = 0;
};

bool readPicture(Reader& reader, int ratio, PrerenderedPicture& picture) {
    quint32 nameLength = 0, width = 0, height = 0, pixelWidth = 0, pixelHeight = 0, start = 0;
    if (!reader.word(nameLength) || nameLength > 4096) return false;
    const char* name = reader.take(nameLength);
    if (name == nullptr || !reader.word(width) || !reader.word(height) ||
        !reader.word(pixelWidth) || !reader.word(pixelHeight) || !reader.word(start) ||
        pixelWidth > 16384 || pixelHeight > 16384 || pixelWidth != width * ratio ||
        pixelHeight != height * ratio) {
        return false;
    }
    const qsizetype bytes = qsizetype(pixelWidth) * pixelHeight * 4;
    const char* pixels = reader.at(start, bytes);
    if (pixels == nullptr) return false;
    picture.resource = QString::fromUtf8(name, nameLength);
    picture.size = QSize(int(width), int(height));
    const auto* bits = reinterpret_cast<const uchar*>(pixels);
    picture.image = QImage(bits, int(pixelWidth), int(pixelHeight), int(pixelWidth) * 4,
                           QImage::Format_ARGB32_Premultiplied);
    // Pixels must start on a 32-bit boundary to be used where they lie.
    if (reinterpret_cast<quintptr>(bits) % 4 != 0) picture.image = picture.image.copy();
    picture.image.setDevicePixelRatio(ratio);
    return true;
}

// The set's length, from its header; 0 when `data` does not start with one.
qsizetype setLength(const char* data, qsizetype length) {
    quint32 words[4] = {};
    if (length < kHeaderBytes || std::memcmp(data, kMagic, sizeof kMagic) != 0) return 0;
    std::memcpy(words, data + 4, sizeof words);
    return words[0] == kVersion && words[3] >= kHeaderBytes && words[3] <= length ? words[3] : 0;
}

// The set for `ratio` built into the program, read once. The program's sets
// lie one after the other in one resource.
const QList<PrerenderedPicture>& builtInSet(int ratio) {
    static QHash<int, QList<PrerenderedPicture>> sets;
    auto found = sets.find(ratio);
    if (found != sets.end()) return *found;
    QList<PrerenderedPicture> pictures;
    const QResource resource(QStringLiteral(":/prerendered/pictures.bin"));
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        const auto* data = reinterpret_cast<const char*>(resource.data());
        qsizetype left = resource.size();
        for (qsizetype length = setLength(data, left); length > 0; length = setLength(data, left)) {
            quint32 setRatio = 0;
            std::memcpy(&setRatio, data + 8, 4);
            if (int(setRatio) == ratio) {
                pictures = decodePrerendered(data, length);
                break;
            }
            data += length;
            left -= length;
        }
    }
    return *sets.insert(ratio, pictures);
}

}  // namespace

QByteArray encodePrerendered(int ratio, const QList<PrerenderedPicture>& pictures) {
    QList<QImage> images;
    QByteArray index;
    for (const PrerenderedPicture& picture : pictures) {
        images.append(picture.image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        const QByteArray name = picture.resource.toUtf8();
        appendWord(index, quint32(name.size()));
        index.append(name);
        padToWord(index);
        appendWord(index, quint32(picture.size.width()));
        appendWord(index, quint32(picture.size.height()));
        appendWord(index, quint32(images.last().width()));
        appendWord(index, quint32(images.last().height()));
        appendWord(index, 0);  // where the pixels start, filled in below
    }
    QByteArray out(kMagic, sizeof kMagic);
    appendWord(out, kVersion);
    appendWord(out, quint32(ratio));
    appendWord(out, quint32(pictures.size()));
    appendWord(out, 0);  // the set's length, filled in at the end
    const qsizetype indexStart = out.size();
    out.append(index);
    qsizetype entry = indexStart;
    for (const QImage& image : images) {
        quint32 nameLength = 0;
        std::memcpy(&nameLength, out.constData() + entry, 4);
        entry += 4 + (nameLength + 3) / 4 * 4 + 4 * 4;
        const auto start = quint32(out.size());
        std::memcpy(out.data() + entry, &start, 4);
        entry += 4;
        for (int y = 0; y < image.height(); ++y) {
            out.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
        }
    }
    const auto length = quint32(out.size());
    std::memcpy(out.data() + 16, &length, 4);
    return out;
}

QList<PrerenderedPicture> decodePrerendered(const char* data, qsizetype length) {
    const qsizetype ownLength = setLength(data, length);
    if (ownLength == 0) return {};
    Reader reader(data, ownLength);
    quint32 header[5] = {};
    for (quint32& word : header) reader.word(word);
    const quint32 ratio = header[2];
    const quint32 count = header[3];
    if (ratio < 1 || ratio > 8) return {};
    QList<PrerenderedPicture> pictures;
    for (quint32 i = 0; i < count; ++i) {
        PrerenderedPicture picture;
        if (!readPicture(reader, int(ratio), picture)) return {};
        pictures.append(picture);
    }
    return pictures;
}

QImage prerenderedPicture(const QString& resource, QSize size, qreal ratio) {
    const int whole = qRound(ratio);
    if (whole < 1 || !qFuzzyCompare(ratio, qreal(whole))) return {};
    for (const PrerenderedPicture& picture : builtInSet(whole)) {
        if (picture.size == size && picture.resource == resource) return picture.image;
    }
    return {};
}

}  // namespace chromanick
