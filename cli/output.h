#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <stdexcept>

namespace chromanick::cli {

// Exit status of bad input on the command line.
inline constexpr int kUsageStatus = 2;

// A failure to report: `message` (French) goes to stderr and the program
// exits with `status`; nothing is printed on stdout.
class CliError : public std::runtime_error {
public:
    explicit CliError(const QString& message, int status = kUsageStatus)
        : std::runtime_error(message.toStdString()), message_(message), status_(status) {}
    const QString& message() const { return message_; }
    int status() const { return status_; }

private:
    QString message_;
    int status_;
};

// Bad input: exit status 2.
class UsageError : public CliError {
public:
    explicit UsageError(const QString& message) : CliError(message, kUsageStatus) {}
};

// Writes a command's result followed by a newline, UTF-8, on stdout; a
// failed write (a full disk, a closed pipe) throws a CliError of status 1,
// "Impossible d'écrire la sortie : " and the system's reason.
void printResult(const QString& result);
// Writes a message followed by a newline, UTF-8, on stderr.
void printError(const QString& message);
// The next bytes of stdin, at most `most`; nothing at its end. A failed read
// (stdin is a folder...) throws a CliError of status 1, "Impossible de lire
// l'entrée : " and the system's reason.
std::optional<QByteArray> readInput(qsizetype most);

}  // namespace chromanick::cli
