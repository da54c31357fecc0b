#include "oneline.h"

namespace chromanick {

namespace {

bool hasLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// True when the CR at `pos` is the first half of a CR LF, which counts once.
bool startsCrLf(const QString& text, qsizetype pos) {
    return text[pos] == QLatin1Char('\r') && pos + 1 < text.size() &&
           text[pos + 1] == QLatin1Char('\n');
}

}  // namespace

QString oneLine(const QString& text) {
    if (!hasLineBreak(text)) return text;  // shared, not copied: nicknames may be huge
    QString line;
    line.reserve(text.size());
    for (qsizetype pos = 0; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (startsCrLf(text, pos)) continue;
        line.append(c == QLatin1Char('\r') || c == QLatin1Char('\n') ? QLatin1Char(' ') : c);
    }
    return line;
}

int oneLinePosition(const QString& text, int position) {
    int moved = position;
    for (qsizetype pos = 0; pos < qMin<qsizetype>(position, text.size()); ++pos)
        if (startsCrLf(text, pos) && pos + 1 < position) --moved;
    return moved;
}

}  // namespace chromanick
