#include "fuzz/bodies.h"
#include "fuzz/check.h"
#include "storage/textfile.h"

namespace chromanick::fuzz {

void textDecoding(QByteArrayView data) {
    const QString text = textfile::decode(data.toByteArray());

    // Whatever was read is written back so that it reads the same.
    FUZZ_CHECK(textfile::decode(textfile::encode(text)) == text);

    const QStringList lines = textfile::splitLines(text);
    for (const QString& line : lines) FUZZ_CHECK(!line.contains(QLatin1Char('\n')));
    // Splitting what was joined gives back the same lines.
    FUZZ_CHECK(textfile::splitLines(textfile::joinLines(lines)) == lines);
}

}  // namespace chromanick::fuzz
