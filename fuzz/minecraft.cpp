#include "dialects/codeformats.h"
#include "dialects/registry.h"
#include "fuzz/bodies.h"
#include "fuzz/check.h"

namespace chromanick::fuzz {

namespace {

using Reader = QList<StyledRun> (*)(const QString&);

// What both Minecraft readers promise: runs are never empty, never split one
// look, never have a background, and only drop characters; a line without
// `markers` is all text. Each of the two writers writes them so that its
// reader gives them back, and every other writer takes them.
void checkMinecraftReading(const QString& line, Reader read, const QString& markers) {
    const QList<StyledRun> runs = read(line);
    for (qsizetype i = 0; i < runs.size(); ++i) {
        FUZZ_CHECK(!runs[i].text.isEmpty());
        FUZZ_CHECK(!runs[i].style.background);
        FUZZ_CHECK(i == 0 || runs[i].style != runs[i - 1].style);
    }
    const QString visible = visibleText(runs);
    FUZZ_CHECK(visible.size() <= line.size());
    bool marked = false;
    for (const QChar marker : markers) marked = marked || line.contains(marker);
    if (!marked) FUZZ_CHECK(visible == line);
    FUZZ_CHECK(codeformat::shownInMinecraft(runs) == runs);
    FUZZ_CHECK(codeformat::readMinecraft(codeformat::minecraft(runs)) == runs);
    FUZZ_CHECK(codeformat::readMiniMessage(codeformat::miniMessage(runs)) == runs);
    for (const Dialect& format : dialects()) {
        if (format.write != nullptr) format.write(runs);
    }
}

}  // namespace

void minecraftReader(QByteArrayView data) {
    checkMinecraftReading(QString::fromUtf8(data), &codeformat::readMinecraft,
                          QStringLiteral("&§"));
}

void miniMessageReader(QByteArrayView data) {
    checkMinecraftReading(QString::fromUtf8(data), &codeformat::readMiniMessage,
                          QStringLiteral("<\\"));
}

}  // namespace chromanick::fuzz
