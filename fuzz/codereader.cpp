#include "core/pluscodes.h"
#include "dialects/codeformats.h"
#include "dialects/palettenumbers.h"
#include "dialects/registry.h"
#include "fuzz/bodies.h"
#include "fuzz/check.h"

namespace chromanick::fuzz {

namespace {

// A run's text may hold a dot or a "[" that starts no code, and once the
// codes around it are gone it may be followed by what would make one ("·$" +
// "·$6·0" + "9" reads as the text "·$9", "[" + "·#·#" + "b]" as "[b]"). Written
// back, each such character is followed by a bold marker toggled twice, so it
// stays text; so is a leading ",", which right after a colour code would
// read as a background.
QString literal(const QString& text) {
    static const QString twice = pluscode::bold() + pluscode::bold();
    QString written = text;
    written.replace(pluscode::kDot, pluscode::kDot + twice);
    written.replace(QLatin1Char('['), QLatin1Char('[') + twice);
    if (written.startsWith(QLatin1Char(','))) written.prepend(twice);
    return written;
}

// The runs written back as codes: each run starts from a reset and sets its
// whole format, so reading the line again must give the same runs.
QString writeBack(const QList<StyledRun>& runs) {
    static const QString reset = pluscode::reset(), bold = pluscode::bold(),
                         underline = pluscode::underline(), italic = pluscode::italic(),
                         strikethrough = pluscode::strikethrough();
    QString line;
    for (const StyledRun& run : runs) {
        const Style& f = run.style;
        line += reset;
        if (f.foreground) line += pluscode::rgbText(*f.foreground);
        if (f.background) line += pluscode::rgbBackground(*f.background);
        if (f.bold) line += bold;
        if (f.underline) line += underline;
        if (f.italic) line += italic;
        if (f.strikethrough) line += strikethrough;
        line += literal(run.text);
    }
    return line;
}

// Whether the line holds one of IRC's control codes.
bool hasIrcCode(const QString& line) {
    static const QString codes = QStringLiteral("\x02\x03\x04\x0F\x11\x16\x1D\x1E\x1F");
    for (const QChar c : line) {
        if (codes.contains(c)) return true;
    }
    return false;
}

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
    // is all text, reading only drops characters, and the runs written back
    // as codes read the same.
    const QList<StyledRun> runs = readPlusCode(line);
    const QString visible = visibleText(runs);
    FUZZ_CHECK(visible.size() <= line.size());
    if (!line.contains(pluscode::kDot) && !line.contains(QLatin1Char('[')) && !hasIrcCode(line))
        FUZZ_CHECK(visible == line);
    FUZZ_CHECK(readPlusCode(writeBack(runs)) == runs);

    // HTML: the text never becomes markup: the only angle brackets are those
    // of one opening and one closing tag per run.
    const QString html = codeformat::html(runs);
    FUZZ_CHECK(html.count(QLatin1Char('<')) == 2 * runs.size());
    FUZZ_CHECK(html.count(QLatin1Char('>')) == 2 * runs.size());
    // ANSI: one sequence per run and the final reset, none from the text.
    FUZZ_CHECK(codeformat::ansi(runs).count(QChar(0x1B)) == runs.size() + 1);
}

}  // namespace chromanick::fuzz
