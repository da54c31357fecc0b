#include "output.h"

#include <cstdio>

namespace chromanick::cli {

namespace {

void write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

void printResult(const QString& result) {
    write(stdout, result);
}

void printError(const QString& message) {
    write(stderr, message);
}

}  // namespace chromanick::cli
