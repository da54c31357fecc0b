// A reading written with the terminal's 24-bit colour and style sequences.
#include "codeformats.h"

namespace chromanick::codeformat {

namespace {

void appendSgrColour(QString& codes, int selector, BgrColor colour) {
    for (const int value : {selector, 2, redOf(colour), greenOf(colour), blueOf(colour)}) {
        codes += QLatin1Char(';');
        codes += QString::number(value);
    }
}

// One "select graphic rendition" sequence that starts from a reset.
void appendSgr(QString& out, const Style& f) {
    out += QLatin1StringView("\x1b[0");
    if (f.bold) out += QLatin1StringView(";1");
    if (f.italic) out += QLatin1StringView(";3");
    if (f.underline) out += QLatin1StringView(";4");
    if (f.strikethrough) out += QLatin1StringView(";9");
    if (f.foreground) appendSgrColour(out, 38, *f.foreground);
    if (f.background) appendSgrColour(out, 48, *f.background);
    out += QLatin1Char('m');
}

QString terminalSafe(const QString& text) {
    QString safe = text;
    for (QChar& c : safe) {
        if (c.category() == QChar::Other_Control) c = QChar::ReplacementCharacter;
    }
    return safe;
}

}  // namespace

QString ansi(const QList<StyledRun>& runs) {
    QString out;
    for (const StyledRun& run : runs) {
        appendSgr(out, run.style);
        out += terminalSafe(run.text);
    }
    return out + QLatin1StringView("\x1b[0m");
}

}  // namespace chromanick::codeformat
