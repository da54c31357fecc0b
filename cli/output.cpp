#include "output.h"

#include <QByteArray>

#include <poll.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace chromanick::cli {

namespace {

constexpr int kFailureStatus = 1;

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes every byte, or fails with errno set. The system's own call: nothing
// is kept in a buffer, so a full disk or a closed pipe shows at once.
bool writeAll(int fd, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(fd, bytes.data(), std::size_t(bytes.size()));
        if (written < 0 && errno == EINTR) continue;
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // A stream left non-blocking by whoever gave it: wait until it takes more.
            pollfd ready{fd, POLLOUT, 0};
            if (::poll(&ready, 1, -1) >= 0 || errno == EINTR) continue;
            return false;
        }
        if (written <= 0) return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

}  // namespace

void printResult(const QString& result) {
    if (!writeAll(STDOUT_FILENO, (result + QLatin1Char('\n')).toUtf8())) {
        throw CliError(QStringLiteral("Impossible d'écrire la sortie : ") + systemReason(errno),
                       kFailureStatus);
    }
}

void printError(const QString& message) {
    // Nowhere is left to report a failure of the error stream itself.
    writeAll(STDERR_FILENO, (message + QLatin1Char('\n')).toUtf8());
}

std::optional<QByteArray> readInput(qsizetype most) {
    QByteArray chunk(most, Qt::Uninitialized);
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, chunk.data(), std::size_t(most));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            throw CliError(QStringLiteral("Impossible de lire l'entrée : ") + systemReason(errno),
                           kFailureStatus);
        }
        if (got == 0) return std::nullopt;
        chunk.truncate(got);
        return chunk;
    }
}

}  // namespace chromanick::cli
