#include <algorithm>

#include "fuzz/bodies.h"
#include "fuzz/check.h"
#include "storage/settingsfiles.h"
#include "storage/textfile.h"

namespace chromanick::fuzz {

namespace {

bool isSeparator(QChar c) {
    return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}
bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

}  // namespace

void fieldFile(QByteArrayView data) {
    const QString text = textfile::decode(data.toByteArray());
    const QStringList fields = parseFields(text);

    qsizetype kept = 0;
    for (const QString& field : fields) kept += field.size();
    // Fields are pieces of the text: they never hold more than it does, and
    // there is never more of them than separators allow.
    FUZZ_CHECK(kept <= text.size());
    FUZZ_CHECK(fields.size() <= std::count_if(text.begin(), text.end(), isSeparator) + 1);

    if (text.contains(QLatin1Char('"'))) return;
    // Without quotes a field never holds a separator nor starts or ends with a blank.
    for (const QString& field : fields) {
        FUZZ_CHECK(std::none_of(field.begin(), field.end(), isSeparator));
        FUZZ_CHECK(field.isEmpty() || (!isBlank(field.front()) && !isBlank(field.back())));
    }
}

}  // namespace chromanick::fuzz
