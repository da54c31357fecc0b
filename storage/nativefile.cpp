#include "nativefile.h"

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

// The target of the link `name`, as a name of its own (a relative target
// counts from the link's folder), or nothing when it cannot be read.
std::optional<QByteArray> linkTarget(const QByteArray& name, qint64 sizeHint) {
    QByteArray target(qsizetype(sizeHint > 0 ? sizeHint : 4096) + 1, Qt::Uninitialized);
    const ssize_t length = ::readlink(name.constData(), target.data(), size_t(target.size()));
    if (length <= 0 || length >= target.size()) return std::nullopt;
    target.truncate(length);
    return target.startsWith('/') ? target : folderOf(name) + target;
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

// The permissions a new file gets: 0666 less the process's mask, read from
// the system once (setting the mask to read it would race with other threads).
unsigned newFileMode() {
    static const unsigned mode = [] {
        QByteArray status(4096, Qt::Uninitialized);
        const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
        const ssize_t n = fd < 0 ? -1 : ::read(fd, status.data(), size_t(status.size()));
        if (fd >= 0) ::close(fd);
        status.truncate(std::max<ssize_t>(n, 0));
        const qsizetype at = status.indexOf("Umask:");
        bool ok = false;
        const uint mask =
            at < 0 ? 0
                   : status.mid(at + 6, status.indexOf('\n', at) - at - 6).trimmed().toUInt(&ok, 8);
        return 0666u & ~(ok ? mask : 022u);
    }();
    return mode;
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

bool isRegularFile(const QString& path) {
    struct stat st {};
    return ::stat(encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool exists(const QString& path) {
    struct stat st {};
    return ::stat(encodeName(path).constData(), &st) == 0;
}

namespace {

bool isFolder(const QByteArray& name) {
    struct stat st {};
    return ::stat(name.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

bool makePath(const QString& path) {
    const QByteArray name = encodeName(path);
    // Each folder from the top down; those that stand already are kept.
    for (qsizetype end = name.indexOf('/', 1);; end = name.indexOf('/', end + 1)) {
        const QByteArray folder = end < 0 ? name : name.left(end);
        if (::mkdir(folder.constData(), 0777) != 0 && errno != EEXIST && !isFolder(folder))
            return false;
        if (end < 0) break;
    }
    return isFolder(name);
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

std::optional<QByteArray> finalTarget(const QByteArray& name) {
    QByteArray current = name;
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat st {};
        if (::lstat(current.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        if (links == kMaxLinks) break;
        const std::optional<QByteArray> next = linkTarget(current, st.st_size);
        if (!next) return std::nullopt;
        current = *next;
    }
    errno = ELOOP;
    return std::nullopt;
}

bool replace(const QString& path, const QByteArrayView data, QString* error) {
    Replacement replacement(path);
    if (replacement.isOpen() && replacement.commit(data)) return true;
    setError(error, replacement.error());
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

bool LockedFile::renameOver(const QByteArray& target, unsigned mode) {
    if (!isOpen()) return false;
    if (::fchmod(fd_, mode_t(mode)) != 0 || ::fdatasync(fd_) != 0) return fail();
    if (!stillNamed() || ::rename(name_.constData(), target.constData()) != 0) return fail();
    close();
    return true;
}

bool LockedFile::fail() {
    error_ = systemError();
    return false;
}

void LockedFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

// --- Replacement ---

Replacement::Replacement(const QString& path, std::chrono::milliseconds wait) {
    if (!checkTarget(path)) return;
    working_.emplace(decodeName(target_ + ".tmp"), wait);
    if (!working_->isOpen()) error_ = working_->error();
}

Replacement::~Replacement() {
    if (working_) working_->removeAndClose();
}

// The file at the end of the links, which must be a regular file that may be
// written, or missing.
bool Replacement::checkTarget(const QString& path) {
    const std::optional<QByteArray> target = finalTarget(encodeName(path));
    if (!target)
        return fail(QStringLiteral("%1 : trop de liens symboliques, ou une boucle").arg(path));
    target_ = *target;
    struct stat st {};
    if (::stat(target_.constData(), &st) != 0) {
        if (errno != ENOENT) return fail(systemError());
        mode_ = newFileMode();
        return true;
    }
    if (S_ISDIR(st.st_mode)) return fail(QStringLiteral("%1 est un dossier").arg(path));
    if (!S_ISREG(st.st_mode))
        return fail(QStringLiteral("%1 n'est pas un fichier ordinaire").arg(path));
    if (::access(target_.constData(), W_OK) != 0) return fail(systemError());
    mode_ = st.st_mode & 07777;
    return true;
}

bool Replacement::commit(QByteArrayView data) {
    if (!isOpen()) return false;
    if (working_->rewrite(data) && working_->renameOver(target_, mode_)) return true;
    error_ = working_->error();
    return false;
}

bool Replacement::fail(const QString& message) {
    error_ = message;
    return false;
}

}  // namespace chromanick::nativefile
