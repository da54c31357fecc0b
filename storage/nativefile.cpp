#include "nativefile.h"

#include <QRandomGenerator>
#include <QThread>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace chromanick::nativefile {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // U+DC80..U+DCFF stand for the bytes 0x80..0xFF

void setError(QString* error, const QString& message) {
    if (error) *error = message;
}

QString systemError() {
    return qt_error_string(errno);
}

bool isContinuation(uchar byte) {
    return (byte & 0xC0) == 0x80;
}

// The code point of the UTF-8 sequence at `pos` and its length, or nothing
// when the bytes there are no valid sequence (overlong forms and encoded
// surrogates included).
std::optional<std::pair<char32_t, int>> utf8Sequence(QByteArrayView bytes, qsizetype pos) {
    const uchar lead = uchar(bytes[pos]);
    int length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + length > bytes.size()) return std::nullopt;
    for (int i = 1; i < length; ++i) {
        const uchar byte = uchar(bytes[pos + i]);
        if (!isContinuation(byte)) return std::nullopt;
        code = (code << 6) | (byte & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    return std::pair{code, length};
}

void appendUtf8(QByteArray& out, char32_t code) {
    if (code < 0x80) {
        out.append(char(code));
    } else if (code < 0x800) {
        out.append(char(0xC0 | (code >> 6)));
        out.append(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.append(char(0xE0 | (code >> 12)));
        out.append(char(0x80 | ((code >> 6) & 0x3F)));
        out.append(char(0x80 | (code & 0x3F)));
    } else {
        out.append(char(0xF0 | (code >> 18)));
        out.append(char(0x80 | ((code >> 12) & 0x3F)));
        out.append(char(0x80 | ((code >> 6) & 0x3F)));
        out.append(char(0x80 | (code & 0x3F)));
    }
}

// The folder part of a name, with its final slash ("" for a bare name).
QByteArray folderOf(const QByteArray& name) {
    const qsizetype slash = name.lastIndexOf('/');
    return slash < 0 ? QByteArray() : name.left(slash + 1);
}

// The file a chain of links ends on (the name itself when it is no link).
QByteArray followLinks(QByteArray name) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
        QByteArray target(qsizetype(st.st_size > 0 ? st.st_size : 4096) + 1, Qt::Uninitialized);
        const ssize_t length = ::readlink(name.constData(), target.data(), size_t(target.size()));
        if (length <= 0 || length >= target.size()) return name;
        target.truncate(length);
        name = target.startsWith('/') ? target : folderOf(name) + target;
    }
    return name;
}

bool writeWhole(int fd, QByteArrayView data, qint64 offset) {
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n =
            ::pwrite(fd, data.data() + done, size_t(data.size() - done), offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

// Reads to the end, or fails once more than `maxBytes` came.
std::optional<QByteArray> readToEnd(int fd, qint64 sizeHint, qint64 maxBytes) {
    QByteArray data;
    data.reserve(qsizetype(std::max<qint64>(sizeHint, 0)) + 1);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return data;
        data.append(buffer, n);
        if (maxBytes != kNoLimit && data.size() > maxBytes) {
            errno = EFBIG;
            return std::nullopt;
        }
    }
}

// A new file beside `target`, opened for writing, with a name nobody uses.
int createBeside(const QByteArray& target, mode_t mode, QByteArray* name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd =
            ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

bool isUtf8(QByteArrayView bytes) {
    for (qsizetype pos = 0; pos < bytes.size();) {
        if (uchar(bytes[pos]) < 0x80) {
            ++pos;
        } else if (const auto sequence = utf8Sequence(bytes, pos)) {
            pos += sequence->second;
        } else {
            return false;
        }
    }
    return true;
}

QByteArray encodeName(const QString& name) {
    QByteArray out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(c, name[i + 1]));
            ++i;
        } else if (c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF) {
            out.append(char(c.unicode() - kEscapeBase));
        } else {
            appendUtf8(out, c.unicode());
        }
    }
    return out;
}

QString decodeName(QByteArrayView bytes) {
    QString out;
    out.reserve(bytes.size());
    for (qsizetype pos = 0; pos < bytes.size();) {
        const uchar byte = uchar(bytes[pos]);
        if (byte < 0x80) {
            out.append(QChar(byte));
            ++pos;
        } else if (const auto sequence = utf8Sequence(bytes, pos)) {
            // Not QString::fromUcs4, which drops a U+FEFF at its start.
            const char32_t code = sequence->first;
            if (QChar::requiresSurrogates(code)) {
                out.append(QChar(QChar::highSurrogate(code)));
                out.append(QChar(QChar::lowSurrogate(code)));
            } else {
                out.append(QChar(char16_t(code)));
            }
            pos += sequence->second;
        } else {
            out.append(QChar(char16_t(kEscapeBase + byte)));
            ++pos;
        }
    }
    return out;
}

std::optional<QByteArray> readRegular(const QString& path, qint64 maxBytes, QString* error) {
    // Without waiting: opening a named pipe would otherwise block until
    // someone writes into it.
    const int fd = ::open(encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setError(error, systemError());
        return std::nullopt;
    }
    struct stat st {};
    std::optional<QByteArray> data;
    if (::fstat(fd, &st) != 0) {
        setError(error, systemError());
    } else if (S_ISDIR(st.st_mode)) {
        setError(error, QStringLiteral("%1 est un dossier").arg(path));
    } else if (!S_ISREG(st.st_mode)) {
        setError(error, QStringLiteral("%1 n'est pas un fichier ordinaire").arg(path));
    } else if (maxBytes != kNoLimit && st.st_size > maxBytes) {
        setError(error, QStringLiteral("%1 est trop grand").arg(path));
    } else {
        data = readToEnd(fd, st.st_size, maxBytes);
        if (!data) setError(error, systemError());
    }
    ::close(fd);
    return data;
}

bool replace(const QString& path, const QByteArrayView data, QString* error) {
    const QByteArray target = followLinks(encodeName(path));
    struct stat st {};
    const bool exists = ::stat(target.constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        setError(error, QStringLiteral("%1 est un dossier").arg(path));
        return false;
    }
    if (exists && !S_ISREG(st.st_mode)) {
        setError(error, QStringLiteral("%1 n'est pas un fichier ordinaire").arg(path));
        return false;
    }
    if (exists && ::access(target.constData(), W_OK) != 0) {
        setError(error, systemError());
        return false;
    }
    // The new file gets the previous one's permissions; until then nobody
    // else may open it.
    QByteArray temporary;
    const int fd = createBeside(target, exists ? 0600 : 0666, &temporary);
    if (fd < 0) {
        setError(error, systemError());
        return false;
    }
    const bool ok = (!exists || ::fchmod(fd, st.st_mode & 07777) == 0) && writeWhole(fd, data, 0) &&
                    ::fdatasync(fd) == 0;
    if (!ok) setError(error, systemError());
    const bool closed = ::close(fd) == 0;
    if (ok && !closed) setError(error, systemError());
    if (ok && closed && ::rename(temporary.constData(), target.constData()) == 0) return true;
    if (ok && closed) setError(error, systemError());
    ::unlink(temporary.constData());
    return false;
}

// --- LockedFile ---

LockedFile::LockedFile(const QString& path, std::chrono::milliseconds wait)
    : name_(encodeName(path)) {
    for (int attempt = 0; attempt < 100 && open(name_); ++attempt) {
        if (lock(wait)) return;
        if (!error_.isEmpty()) break;
    }
    if (error_.isEmpty()) error_ = QStringLiteral("%1 est sans cesse remplacé").arg(path);
    close();
}

LockedFile::~LockedFile() {
    close();
}

// Opens the regular file of that name, creating it when missing, without
// emptying it: another writer may still be using it.
bool LockedFile::open(const QByteArray& name) {
    close();
    for (int attempt = 0; attempt < 10; ++attempt) {
        struct stat st {};
        if (::lstat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
            if (S_ISDIR(st.st_mode)) {
                error_ = QStringLiteral("%1 est un dossier").arg(decodeName(name));
                return false;
            }
            // A link, a pipe, a device: the entry goes, whatever it points to stays.
            if (::unlink(name.constData()) != 0 && errno != ENOENT) return fail();
            continue;
        }
        fd_ =
            ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            // Something else took the name between the check and the opening.
            if (errno == ELOOP || errno == ENXIO) continue;
            return fail();
        }
        if (::fstat(fd_, &st) != 0) return fail();
        if (S_ISREG(st.st_mode)) return true;
        close();
    }
    error_ = QStringLiteral("%1 n'est pas un fichier ordinaire").arg(decodeName(name));
    return false;
}

// True once this process alone holds the file that the name leads to. False
// without an error when the name was moved to another file meanwhile (the
// previous writer removed it): the caller opens again.
bool LockedFile::lock(std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    int pause = 1;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        // A file system without locks: the file is used as it is.
        if (errno != EWOULDBLOCK) break;
        if (std::chrono::steady_clock::now() >= deadline) {
            error_ =
                QStringLiteral("%1 est utilisé par un autre enregistrement").arg(decodeName(name_));
            return false;
        }
        QThread::msleep(pause);
        pause = std::min(pause * 2, 50);
    }
    if (!stillNamed()) return false;
    if (::ftruncate(fd_, 0) != 0) return fail();
    return true;
}

bool LockedFile::stillNamed() const {
    struct stat byName {};
    struct stat byHandle {};
    return ::lstat(name_.constData(), &byName) == 0 && ::fstat(fd_, &byHandle) == 0 &&
           byName.st_dev == byHandle.st_dev && byName.st_ino == byHandle.st_ino;
}

std::optional<QByteArray> LockedFile::readAll() {
    if (!isOpen()) return std::nullopt;
    struct stat st {};
    std::optional<QByteArray> data =
        readToEnd(fd_, ::fstat(fd_, &st) == 0 ? st.st_size : 0, kNoLimit);
    if (!data) fail();
    return data;
}

bool LockedFile::rewrite(QByteArrayView data) {
    if (!isOpen()) return false;
    if (!writeWhole(fd_, data, 0) || ::ftruncate(fd_, data.size()) != 0) return fail();
    return true;
}

void LockedFile::removeAndClose() {
    if (isOpen() && stillNamed()) ::unlink(name_.constData());
    close();
}

bool LockedFile::fail() {
    error_ = systemError();
    return false;
}

void LockedFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

}  // namespace chromanick::nativefile
