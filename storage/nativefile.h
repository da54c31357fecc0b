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

// True when the name (links followed) leads to a regular file.
bool isRegularFile(const QString& path);
// True when the name (links followed) leads to anything.
bool exists(const QString& path);
// Creates the folder and the folders above it that are missing; true when
// it then stands.
bool makePath(const QString& path);

// No limit on what readRegular reads.
inline constexpr qint64 kNoLimit = -1;

// The whole content of a regular file (links to one are followed). Anything
// else fails without waiting: a folder, a named pipe, a device. A file
// larger than `maxBytes` (unless kNoLimit) fails too.
std::optional<QByteArray> readRegular(const QString& path, qint64 maxBytes = kNoLimit,
                                      QString* error = nullptr);

// How long a write waits for another write of the same file to let go of
// the working file before it gives up.
inline constexpr std::chrono::seconds kWorkingFileWait{10};
// The longest chain of symbolic links a write follows (the system's own limit).
inline constexpr int kMaxLinks = 40;

// The file a write to `name` lands on: the end of its chain of links (the
// name itself when it is no link, or names nothing yet). Nothing for a loop
// or a chain of more than kMaxLinks links.
std::optional<QByteArray> finalTarget(const QByteArray& name);

// Replaces the file atomically through its working file (see Replacement).
// On any failure the previous file is left byte-identical and nothing is
// left beside it.
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
    // Gives the file the permissions `mode`, flushes it to the disk, renames
    // it to `target` and closes it. On failure it stays open under its name.
    bool renameOver(const QByteArray& target, unsigned mode);

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

// A write of a whole file. The file written is the end of the path's links
// (the links stay links); the bytes go to the one working file
// "<file>.tmp" beside it, held under its lock, which then takes the file's
// place. A working file left by a write that was killed is taken over and
// emptied; one that is no regular file is removed, never written through.
// Nothing else is ever created beside the file.
class Replacement {
public:
    // Finds the file and takes its working file; fails (with error()) for a
    // loop of links, a folder or anything else that is no regular file, a
    // file that may not be written, or a working file that cannot be made.
    explicit Replacement(const QString& path, std::chrono::milliseconds wait = kWorkingFileWait);
    // Removes the working file unless it took the file's place.
    ~Replacement();
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    bool isOpen() const { return working_ && working_->isOpen(); }
    const QString& error() const { return error_; }
    // The working file, for a writer that builds its content step by step.
    LockedFile& working() { return *working_; }

    // The working file then holds exactly `data`, with the permissions of the
    // file it replaces, flushed to the disk, and takes its place.
    bool commit(QByteArrayView data);

private:
    bool checkTarget(const QString& path);
    bool fail(const QString& message);

    QByteArray target_;
    unsigned mode_ = 0;
    std::optional<LockedFile> working_;
    QString error_;
};

}  // namespace chromanick::nativefile
