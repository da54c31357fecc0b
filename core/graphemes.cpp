#include "graphemes.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <numeric>

namespace chromanick::graphemes {

namespace {

// Below U+0300 (where the combining marks begin) every unit is a character
// of its own, CR before LF excepted: such text needs no boundary finder.
bool unitsAreCharacters(QStringView text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x300 && c != u'\r'; });
}

// Calls `next` with the end of each character in turn while it returns true.
template <typename Next>
void walk(QStringView text, Next next) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    qsizetype end = 0;
    while (end < text.size()) {
        const qsizetype boundary = finder.toNextBoundary();
        end = boundary > end ? boundary : text.size();
        if (!next(end)) return;
    }
}

}  // namespace

QList<qsizetype> boundaries(QStringView text) {
    QList<qsizetype> starts;
    if (unitsAreCharacters(text)) {
        starts.resize(text.size() + 1);
        std::iota(starts.begin(), starts.end(), qsizetype(0));
        return starts;
    }
    starts.append(0);
    walk(text, [&](qsizetype end) {
        starts.append(end);
        return true;
    });
    return starts;
}

qsizetype count(QStringView text) {
    if (unitsAreCharacters(text)) return text.size();
    qsizetype n = 0;
    walk(text, [&](qsizetype) {
        ++n;
        return true;
    });
    return n;
}

QString left(const QString& text, qsizetype n) {
    if (n >= text.size()) return text;
    if (unitsAreCharacters(text)) return text.left(std::max<qsizetype>(0, n));
    qsizetype taken = 0;
    qsizetype end = 0;
    walk(text, [&](qsizetype next) {
        if (taken >= n) return false;
        ++taken;
        end = next;
        return true;
    });
    return text.left(end);
}

}  // namespace chromanick::graphemes
