#pragma once

// Lines of runs made at random, for the write-then-read-back properties.
#include "core/styledtext.h"
#include "dialects/plus3.h"

#include <QList>
#include <QRandomGenerator>

namespace chromanick {

// A colour: half of the time one of the palette numbers, else any.
inline BgrColor randomColour(QRandomGenerator& random) {
    if (random.bounded(2) == 0)
        return PaletteNumberColours()[std::size_t(random.bounded(kPaletteNumberCount))];
    return BgrColor(random.bounded(0x1000000));
}

inline Style randomStyle(QRandomGenerator& random) {
    Style s;
    if (random.bounded(3) != 0) s.foreground = randomColour(random);
    if (random.bounded(3) == 0) s.background = randomColour(random);
    s.bold = random.bounded(3) == 0;
    s.underline = random.bounded(4) == 0;
    s.italic = random.bounded(4) == 0;
    s.strikethrough = random.bounded(5) == 0;
    return s;
}

// Text of one to four characters from `alphabet` (each entry one character
// as a reader sees it).
inline QString randomText(QRandomGenerator& random, const QStringList& alphabet) {
    QString text;
    const int length = 1 + random.bounded(4);
    for (int i = 0; i < length; ++i) text += alphabet[random.bounded(int(alphabet.size()))];
    return text;
}

// Up to `most` runs, each styled unlike the one before it, as a reader
// gives them.
inline QList<StyledRun> randomRuns(QRandomGenerator& random, const QStringList& alphabet,
                                   int most) {
    QList<StyledRun> runs;
    const int count = random.bounded(most + 1);
    for (int i = 0; i < count; ++i) {
        const Style style = randomStyle(random);
        if (!runs.isEmpty() && runs.last().style == style) continue;
        runs.append({randomText(random, alphabet), style});
    }
    return runs;
}

}  // namespace chromanick
