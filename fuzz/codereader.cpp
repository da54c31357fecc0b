#include "dialects/codeformats.h"
#include "dialects/plus3.h"
#include "dialects/registry.h"
#include "fuzz/bodies.h"
#include "fuzz/check.h"

namespace chromanick::fuzz {

namespace {

// What every reader promises: runs are never empty, never split one format,
// and only drop characters; every writer takes them.
void checkReading(const QString& line, const QList<StyledRun>& runs) {
    for (qsizetype i = 0; i < runs.size(); ++i) {
        FUZZ_CHECK(!runs[i].text.isEmpty());
        FUZZ_CHECK(i == 0 || runs[i].style != runs[i - 1].style);
    }
    FUZZ_CHECK(visibleText(runs).size() <= line.size());
    for (const Dialect& format : dialects()) {
        if (format.write != nullptr) format.write(runs);
    }
}

}  // namespace

void codeReader(QByteArrayView data) {
    const QString line = QString::fromUtf8(data);
    for (const Dialect& format : dialects()) {
        if (format.read != nullptr) checkReading(line, format.read(line));
    }
    // The Plus! codes: text without a dot, a bracket or an IRC control code
    // is all text, reading
    // only drops characters, and the runs written back as codes read the same
    // (the writer keeps a dot or a "[" of their text from starting a code).
    const QList<StyledRun> runs = readPlusCode(line);
    const QString visible = visibleText(runs);
    FUZZ_CHECK(visible.size() <= line.size());
    if (!plus3::mayHoldCodes(line)) FUZZ_CHECK(visible == line);
    FUZZ_CHECK(readPlusCode(plus3::writeRuns(runs)) == runs);

    // HTML: the text never becomes markup: the only angle brackets are those
    // of one opening and one closing tag per run.
    const QString html = codeformat::html(runs);
    FUZZ_CHECK(html.count(QLatin1Char('<')) == 2 * runs.size());
    FUZZ_CHECK(html.count(QLatin1Char('>')) == 2 * runs.size());
    // ANSI: one sequence per run and the final reset, none from the text.
    FUZZ_CHECK(codeformat::ansi(runs).count(QChar(0x1B)) == runs.size() + 1);
    // Discord: the text never closes the block; IRC: it never ends the line.
    FUZZ_CHECK(codeformat::discord(runs).count(QStringLiteral("```")) == 2);
    const QString irc = codeformat::irc(runs);
    FUZZ_CHECK(!irc.contains(QLatin1Char('\n')) && !irc.contains(QLatin1Char('\r')));
}

}  // namespace chromanick::fuzz
