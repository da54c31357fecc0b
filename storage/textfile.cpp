#include "textfile.h"

#include "nativefile.h"

#include <QFile>
#include <QStringDecoder>

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace chromanick::textfile {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

// Characters of the bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
// The table is the whole conversion: it gives the same characters as the
// system's converters (the five unassigned bytes map to the C1 controls of
// the same number) without opening a converter for every file.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// A character that is its own byte: ASCII, and U+00A0 to U+00FF.
constexpr bool isOwnByte(char16_t code) {
    return code < 0x80 || char16_t(code - 0xA0) < 0x60;
}

// Writes the byte of each character of `text` at `out`; false at the first
// character without one. Most characters of any text are their own byte, so
// they are narrowed eight at a time and only the others are looked up: a
// project may hold a nickname of a million characters.
bool writeWindows1252(QStringView text, char* out) {
    const char16_t* in = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i belowA0 = _mm_set1_epi16(0x7F);
    const __m128i a0 = _mm_set1_epi16(short(0xA0));
    const __m128i upToFF = _mm_set1_epi16(0x5F);
    const __m128i zero = _mm_setzero_si128();
    for (; i + 8 <= size; i += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        const __m128i ascii = _mm_cmpeq_epi16(_mm_subs_epu16(chars, belowA0), zero);
        const __m128i latin =
            _mm_cmpeq_epi16(_mm_subs_epu16(_mm_sub_epi16(chars, a0), upToFF), zero);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(chars, chars));
        // Two mask bits per character; a clear pair is a character to look up.
        unsigned others = ~unsigned(_mm_movemask_epi8(_mm_or_si128(ascii, latin))) & 0xFFFFu;
        while (others) {
            const int lane = std::countr_zero(others) / 2;
            others &= ~(3u << (2 * lane));
            const std::optional<uchar> byte = unicodeToWindows1252(QChar(in[i + lane]));
            if (!byte) return false;
            out[i + lane] = char(*byte);
        }
    }
#endif
    for (; i < size; ++i) {
        if (isOwnByte(in[i])) {
            out[i] = char(in[i]);
            continue;
        }
        const std::optional<uchar> byte = unicodeToWindows1252(QChar(in[i]));
        if (!byte) return false;
        out[i] = char(*byte);
    }
    return true;
}

std::optional<QByteArray> toWindows1252(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    if (!writeWindows1252(text, bytes.data())) return std::nullopt;
    return bytes;
}

bool isAscii(QByteArrayView bytes) {
    for (char byte : bytes)
        if (uchar(byte) >= 0x80) return false;
    return true;
}

// Text that is UTF-8 from end to end, keeping a U+FEFF at its start
// (QString::fromUtf8 would drop it).
QString fromUtf8KeepingMarks(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

// Windows-1252 bytes that a reader would take for UTF-8.
bool passesForUtf8(QByteArrayView bytes) {
    return !isAscii(bytes) && nativefile::isUtf8(bytes);
}

QString fromWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) text.append(windows1252ToUnicode(uchar(byte)));
    return text;
}

void setError(QString* error, const QString& message) {
    if (error) *error = message;
}

}  // namespace

QChar windows1252ToUnicode(uchar byte) {
    if (byte >= 0x80 && byte <= 0x9F) return QChar(kHighControls[byte - 0x80]);
    return QChar(byte);
}

std::optional<uchar> unicodeToWindows1252(QChar c) {
    const char16_t code = c.unicode();
    if (isOwnByte(code)) return uchar(code);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == code) return uchar(0x80 + i);
    return std::nullopt;
}

bool fitsWindows1252(const QString& text) {
    return toWindows1252(text).has_value();
}

QByteArray encode(const QString& text) {
    // Windows-1252 bytes that happen to form UTF-8 would read back as other
    // text ("Ã©" as "é"): such a text gets the mark too.
    if (std::optional<QByteArray> bytes = toWindows1252(text))
        if (!passesForUtf8(*bytes)) return *bytes;
    return kUtf8Bom + text.toUtf8();
}

QByteArray encodeLines(const QStringList& lines) {
    // Straight into the file's bytes, without the text of the whole file.
    qsizetype size = 0;
    for (const QString& line : lines) size += line.size() + kCrLf.size();
    QByteArray bytes(size, Qt::Uninitialized);
    char* out = bytes.data();
    bool fits = true;
    for (const QString& line : lines) {
        fits = writeWindows1252(line, out);
        if (!fits) break;
        out += line.size();
        *out++ = '\r';
        *out++ = '\n';
    }
    if (fits && !passesForUtf8(bytes)) return bytes;
    return kUtf8Bom + joinLines(lines).toUtf8();
}

CharacterKinds kindsIn(QStringView text) {
    // No early exit, and flags as wide as a character: the compiler then
    // checks eight characters at once.
    const char16_t* chars = text.utf16();
    char16_t surrogate = 0;
    char16_t lineEnd = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        surrogate |= char16_t(char16_t(chars[i] - 0xD800) < 0x800);
        lineEnd |= char16_t((chars[i] == u'\n') | (chars[i] == u'\r'));
    }
    return {surrogate != 0, lineEnd != 0};
}

QString decode(const QByteArray& data) {
    if (data.startsWith(kUtf8Bom)) {
        // Only the file's own mark is dropped: a U+FEFF that belongs to the text
        // right behind it is kept.
        return fromUtf8KeepingMarks(QByteArrayView(data).sliced(kUtf8Bom.size()));
    }
    // Text editors of today write UTF-8 without a mark; Windows-1252 text
    // other than plain ASCII is almost never valid UTF-8.
    if (passesForUtf8(data)) return fromUtf8KeepingMarks(data);
    return fromWindows1252(data);
}

QString decodeUnmarked(const QByteArray& data) {
    return passesForUtf8(data) ? fromUtf8KeepingMarks(data) : fromWindows1252(data);
}

std::optional<QString> decodeFile(const QByteArray& data) {
    if (data.startsWith(kUtf8Bom) &&
        !nativefile::isUtf8(QByteArrayView(data).sliced(kUtf8Bom.size())))
        return std::nullopt;
    return decode(data);
}

QString joinLines(const QStringList& lines) {
    qsizetype size = 0;
    for (const QString& line : lines) size += line.size() + kCrLf.size();
    QString text;
    text.reserve(size);
    for (const QString& line : lines) text.append(line).append(kCrLf);
    return text;
}

QStringList splitLines(const QString& text) {
    // A file without a single LF is an old Mac file, whose lines end with CR
    // alone; elsewhere a lone CR belongs to its line.
    const bool crEndsLines = !text.contains(QLatin1Char('\n'));
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype pos = 0; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        const bool crLf =
            c == QLatin1Char('\r') && pos + 1 < text.size() && text[pos + 1] == QLatin1Char('\n');
        if (c != QLatin1Char('\n') && !crLf && !(crEndsLines && c == QLatin1Char('\r'))) continue;
        lines.append(text.mid(start, pos - start));
        if (crLf) ++pos;
        start = pos + 1;
    }
    if (start < text.size()) lines.append(text.mid(start));
    return lines;
}

std::optional<QByteArray> readAll(const QString& path, QString* error, qint64 maxBytes) {
    return nativefile::readRegular(path, maxBytes, error);
}

std::optional<QString> readText(const QString& path, QString* error, qint64 maxBytes) {
    const std::optional<QByteArray> data = readAll(path, error, maxBytes);
    if (!data) return std::nullopt;
    std::optional<QString> text = decodeFile(*data);
    if (!text)
        setError(
            error,
            QStringLiteral("%1 commence par la marque de l'UTF-8 sans être de l'UTF-8").arg(path));
    return text;
}

std::optional<QStringList> readLines(const QString& path, QString* error, qint64 maxBytes) {
    std::optional<QString> text = readText(path, error, maxBytes);
    if (!text) return std::nullopt;
    return splitLines(*text);
}

bool writeAll(const QString& path, const QByteArray& data, QString* error) {
    if (path.isEmpty()) {
        setError(error, QStringLiteral("aucun nom de fichier"));
        return false;
    }
    return nativefile::replace(path, data, error);
}

bool writeText(const QString& path, const QString& text, QString* error) {
    return writeAll(path, encode(text), error);
}

bool writeLines(const QString& path, const QStringList& lines, QString* error) {
    return writeText(path, joinLines(lines), error);
}

bool overwriteText(const QString& path, const QString& text, QString* error) {
    const QByteArray data = encode(text);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size() ||
        !file.flush()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

}  // namespace chromanick::textfile
