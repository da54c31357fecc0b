#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <chrono>
#include <optional>

// Files reached through the system's own calls, by the exact bytes of their
// names. Qt's conversion of file names replaces bytes that are not UTF-8, so
// a name such as "lat\xe9.nkp" would reach another file; here such bytes are
// carried inside the QString and given back unchanged.
namespace chromanick::nativefile {

// The bytes of a file name: UTF-8, where the code units U+DC80 to U+DCFF
// (which no valid text holds alone) stand for the bytes 0x80 to 0xFF that
// were not part of any UTF-8 sequence.
QByteArray encodeName(const QString& name);
// The reverse: every byte that does not belong to a valid UTF-8 sequence
// becomes its code unit U+DC80 to U+DCFF, so encodeName gives the bytes back.
QString decodeName(QByteArrayView bytes);

// True when the bytes are UTF-8 from end to end (no overlong forms, no
// encoded surrogates); stops at the first byte that is not.
bool isUtf8(QByteArrayView bytes);

// No limit on what readRegular reads.
inline constexpr qint64 kNoLimit = -1;

// The whole content of a regular file (links to one are followed). Anything
// else fails without waiting: a folder, a named pipe, a device. A file
// larger than `maxBytes` (unless kNoLimit) fails too.
std::optional<QByteArray> readRegular(const QString& path, qint64 maxBytes = kNoLimit,
                                      QString* error = nullptr);

// Replaces the file atomically: the bytes go to a new file beside it, which
// is flushed to the disk and then renamed over it. On any failure the
// previous file is left byte-identical and no partial file remains. A link
// is followed to the file it names; a target that exists and is not a
// regular file is never replaced.
bool replace(const QString& path, const QByteArrayView data, QString* error = nullptr);

// A working file of this program, held by one writer at a time: opened
// without following a link, always a regular file, and locked (an advisory
// lock of the system, dropped by the system when the process ends) while it
// is open. A link or another entry that is not a regular file in its place
// is removed, never what a link points to; a folder is left alone and fails.
class LockedFile {
public:
    // Opens or creates `path` and waits up to `wait` for the lock another
    // writer holds on it.
    LockedFile(const QString& path, std::chrono::milliseconds wait);
    ~LockedFile();
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    const QString& error() const { return error_; }

    std::optional<QByteArray> readAll();
    // The file then holds exactly `data`.
    bool rewrite(QByteArrayView data);
    // Removes the file from its folder (when its name still leads to this
    // very file) and closes it, which drops the lock.
    void removeAndClose();

private:
    bool open(const QByteArray& name);
    bool lock(std::chrono::milliseconds wait);
    bool stillNamed() const;
    bool fail();
    void close();

    QByteArray name_;
    int fd_ = -1;
    QString error_;
};

}  // namespace chromanick::nativefile
