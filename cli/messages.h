#pragma once

#include <QString>

// The command line's messages that are not an error of one command.
namespace chromanick::cli::message {

// A result longer than its format's limit, printed all the same:
// "Attention : 612 octets, au-delà de la limite de 510 octets de ce format."
QString overLimit(qsizetype length, qsizetype limit, const QString& unit);

}  // namespace chromanick::cli::message
