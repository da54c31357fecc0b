// The plain forms of a reading: its visible text, "#RRGGBB" colours and the
// run listing.
#include "codeformats.h"

#include <QStringList>

namespace chromanick {

QString visibleText(const QList<StyledRun>& runs) {
    QString text;
    for (const StyledRun& run : runs) text += run.text;
    return text;
}

}  // namespace chromanick

namespace chromanick::codeformat {

namespace {

QString colourColumn(const std::optional<BgrColor>& colour) {
    return colour ? hexColour(*colour) : QStringLiteral("-");
}

QString styleLetters(const Style& f) {
    QString letters;
    if (f.bold) letters += QLatin1Char('b');
    if (f.underline) letters += QLatin1Char('u');
    if (f.italic) letters += QLatin1Char('i');
    if (f.strikethrough) letters += QLatin1Char('s');
    return letters.isEmpty() ? QStringLiteral("-") : letters;
}

}  // namespace

QString hexColour(BgrColor colour) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    QString hex(7, QLatin1Char('#'));
    const int channels[] = {redOf(colour), greenOf(colour), blueOf(colour)};
    for (int i = 0; i < 3; ++i) {
        hex[1 + 2 * i] = QLatin1Char(kDigits[channels[i] >> 4]);
        hex[2 + 2 * i] = QLatin1Char(kDigits[channels[i] & 0xF]);
    }
    return hex;
}

QString runsListing(const QList<StyledRun>& runs) {
    QStringList lines;
    lines.reserve(runs.size());
    for (const StyledRun& run : runs) {
        lines.append(colourColumn(run.style.foreground) + QLatin1Char('\t') +
                     colourColumn(run.style.background) + QLatin1Char('\t') +
                     styleLetters(run.style) + QLatin1Char('\t') + run.text);
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace chromanick::codeformat
