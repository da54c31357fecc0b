#include "fuzz/bodies.h"
#include "fuzz/check.h"
#include "storage/settingsfiles.h"
#include "storage/textfile.h"

namespace chromanick::fuzz {

void fieldFile(QByteArrayView data) {
    const QString text = textfile::decode(data.toByteArray());
    const QStringList fields = parseFields(text);
    qsizetype kept = 0;
    for (const QString& field : fields) kept += field.size();
    // Fields are pieces of the text: they never hold more than it does.
    FUZZ_CHECK(kept <= text.size());
}

}  // namespace chromanick::fuzz
