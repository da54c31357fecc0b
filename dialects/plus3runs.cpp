// A reading written back as Messenger Plus! 3 dot codes, the editors' own
// codes: style toggles, then the colour code, before each run that changes
// something, and "·0" where a colour goes back to none.
#include "codeformats.h"
#include "core/pluscodes.h"
#include "palettenumbers.h"

namespace chromanick::codeformat {

namespace {

bool anyStyle(const Style& s) {
    return s.bold || s.underline || s.italic || s.strikethrough;
}

// The toggles that take the styles of `from` to those of `to`.
QString toggles(const Style& from, const Style& to) {
    QString codes;
    if (from.bold != to.bold) codes += pluscode::bold();
    if (from.underline != to.underline) codes += pluscode::underline();
    if (from.italic != to.italic) codes += pluscode::italic();
    if (from.strikethrough != to.strikethrough) codes += pluscode::strikethrough();
    return codes;
}

// A colour as a colour code names it: its palette number when it has one.
QString colourValue(BgrColor colour, bool digitFollows) {
    const int number = paletteNumberOf(colour);
    return number >= 0 ? pluscode::paletteValue(number, digitFollows) : pluscode::rgbValue(colour);
}

bool startsWithDigit(QStringView text) {
    return !text.isEmpty() && text.front().isDigit() && text.front().unicode() < 0x80;
}

// The codes written before a run of style `to` and text `text`, after one of
// style `from`.
class Transition {
public:
    Transition(const Style& from, const Style& to, const QString& text) : to_(to), text_(text) {
        reset_ = (from.foreground && !to.foreground) || (from.background && !to.background);
        from_ = reset_ ? Style{} : from;
    }

    QString codes() {
        writeText_ = to_.foreground && to_.foreground != from_.foreground;
        writeBackground_ = to_.background && to_.background != from_.background;
        bool colourFirst = false;
        // After a text colour alone, a "," would be read as a background:
        // the code goes before the toggles, or names the background too, or
        // starts again from "·0" so that the toggles come after it.
        if (writeText_ && !writeBackground_ && text_.startsWith(QLatin1Char(','))) {
            if (to_.background) {
                writeBackground_ = true;
            } else if (!toggles(from_, to_).isEmpty()) {
                colourFirst = true;
            } else if (anyStyle(to_)) {
                reset_ = true;
                from_ = Style{};
                colourFirst = true;
            }
        }
        const QString styles = toggles(from_, to_);
        QString out = reset_ ? pluscode::reset() : QString();
        if (colourFirst) return out + colourCode(styles.isEmpty()) + styles;
        return out + styles + colourCode(true);
    }

private:
    // The colour code; `last`: the run's text comes right after it.
    QString colourCode(bool last) const {
        if (!writeText_ && !writeBackground_) return {};
        const bool digitFollows = last && startsWithDigit(text_);
        const QString text = writeText_
                                 ? colourValue(*to_.foreground, digitFollows && !writeBackground_)
                                 : QString();
        const QString background =
            writeBackground_ ? colourValue(*to_.background, digitFollows) : QString();
        return pluscode::colours(text, background);
    }

    Style from_;
    const Style& to_;
    const QString& text_;
    bool reset_ = false;
    bool writeText_ = false;
    bool writeBackground_ = false;
};

}  // namespace

QString plus3(const QList<StyledRun>& runs) {
    QString out;
    Style current;
    for (const StyledRun& run : runs) {
        if (run.text.isEmpty()) continue;
        out += Transition(current, run.style, run.text).codes();
        out += run.text;
        current = run.style;
    }
    if (current != Style{}) out += pluscode::reset();
    return out;
}

}  // namespace chromanick::codeformat
