// A reading written with IRC's (mIRC's) control codes. Colours become the
// nearest of IRC's 99; runs that then look the same are written as one.
#include "codeformats.h"
#include "ircpalette.h"

namespace chromanick::codeformat {

namespace {

constexpr QChar kBold(0x02);
constexpr QChar kColour(0x03);
constexpr QChar kPlain(0x0F);
constexpr QChar kItalic(0x1D);
constexpr QChar kStrikethrough(0x1E);
constexpr QChar kUnderline(0x1F);
// The colour number that means "the default": written after a text colour
// only, so that a "," and digits of the text are not read as a background.
constexpr int kDefaultColour = 99;
// The text colour IRC shows with a background when the run has none: a
// background is only written after a text colour.
constexpr int kBlack = 1;

// What IRC shows of a run: colour numbers (-1: none) and styles.
struct IrcStyle {
    int foreground = -1;
    int background = -1;
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool strikethrough = false;

    bool operator==(const IrcStyle&) const = default;
};

IrcStyle ircStyle(const Style& s) {
    const int background = s.background ? nearestIrcColour(*s.background) : -1;
    int foreground = s.foreground ? nearestIrcColour(*s.foreground) : -1;
    if (background >= 0 && foreground < 0) foreground = kBlack;
    return {foreground, background, s.bold, s.underline, s.italic, s.strikethrough};
}

bool turnsOff(const IrcStyle& from, const IrcStyle& to) {
    return (from.bold && !to.bold) || (from.underline && !to.underline) ||
           (from.italic && !to.italic) || (from.strikethrough && !to.strikethrough) ||
           (from.foreground >= 0 && to.foreground < 0) ||
           (from.background >= 0 && to.background < 0);
}

QString twoDigits(int number) {
    return QString::number(number).rightJustified(2, QLatin1Char('0'));
}

bool commaDigitFollows(QStringView text) {
    return text.size() >= 2 && text[0] == u',' && text[1] >= u'0' && text[1] <= u'9';
}

QString colourCode(const IrcStyle& from, const IrcStyle& to, QStringView text) {
    const bool backgroundChanges = to.background != from.background;
    if (to.foreground == from.foreground && !backgroundChanges) return {};
    QString code = kColour + twoDigits(to.foreground);
    if (backgroundChanges || commaDigitFollows(text)) {
        code += QLatin1Char(',') + twoDigits(to.background >= 0 ? to.background : kDefaultColour);
    }
    return code;
}

// The codes between a run of `from` and one of `to`.
QString transition(IrcStyle from, const IrcStyle& to, QStringView text) {
    QString codes;
    if (turnsOff(from, to)) {
        codes += kPlain;
        from = IrcStyle{};
    }
    if (to.bold && !from.bold) codes += kBold;
    if (to.underline && !from.underline) codes += kUnderline;
    if (to.italic && !from.italic) codes += kItalic;
    if (to.strikethrough && !from.strikethrough) codes += kStrikethrough;
    return codes + colourCode(from, to, text);
}

// Control characters of the text would be read as codes or end the line.
QString inertText(const QString& text) {
    QString safe = text;
    for (QChar& c : safe) {
        if (c.category() == QChar::Other_Control) c = QChar::ReplacementCharacter;
    }
    return safe;
}

}  // namespace

QString irc(const QList<StyledRun>& runs) {
    QList<IrcStyle> styles;
    styles.reserve(runs.size());
    for (const StyledRun& run : runs) styles.append(ircStyle(run.style));
    QString out;
    IrcStyle current;
    for (qsizetype first = 0; first < runs.size();) {
        const IrcStyle& style = styles[first];
        QString text = inertText(runs[first].text);
        qsizetype next = first + 1;
        for (; next < runs.size() && styles[next] == style; ++next)
            text += inertText(runs[next].text);
        out += transition(current, style, text);
        out += text;
        current = style;
        first = next;
    }
    if (current != IrcStyle{}) out += kPlain;
    return out;
}

}  // namespace chromanick::codeformat
