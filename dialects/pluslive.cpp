// A reading written as the tag codes of Messenger Plus! Live: runs sharing
// their styles grouped in [b] [u] [i] [s], each coloured run in its own
// [a=…] and [c=…].
#include "codeformats.h"
#include "core/palettenumbers.h"

namespace chromanick::codeformat {

namespace {

using namespace Qt::Literals::StringLiterals;

bool sameStyles(const Style& a, const Style& b) {
    return a.bold == b.bold && a.underline == b.underline && a.italic == b.italic &&
           a.strikethrough == b.strikethrough;
}

// The style tags of `s`: their opening, and their closing in reverse.
struct StyleTags {
    QString open;
    QString close;
};

StyleTags styleTags(const Style& s) {
    StyleTags tags;
    const auto add = [&](bool on, QLatin1StringView letter) {
        if (!on) return;
        tags.open += u'[' + letter + u']';
        tags.close.prepend(QStringLiteral("[/") + letter + u']');
    };
    add(s.bold, "b"_L1);
    add(s.underline, "u"_L1);
    add(s.italic, "i"_L1);
    add(s.strikethrough, "s"_L1);
    return tags;
}

QString tagColour(BgrColor colour) {
    const int number = paletteNumberOf(colour);
    return number >= 0 ? QString::number(number) : hexColour(colour);
}

void appendRun(QString& out, const StyledRun& run) {
    const Style& s = run.style;
    if (s.background) out += QStringLiteral("[a=") + tagColour(*s.background) + QLatin1Char(']');
    if (s.foreground) out += QStringLiteral("[c=") + tagColour(*s.foreground) + QLatin1Char(']');
    out += run.text;
    if (s.foreground) out += QStringLiteral("[/c]");
    if (s.background) out += QStringLiteral("[/a]");
}

}  // namespace

QString pluslive(const QList<StyledRun>& runs) {
    QString out;
    for (qsizetype first = 0; first < runs.size();) {
        const Style& group = runs[first].style;
        const StyleTags tags = styleTags(group);
        out += tags.open;
        qsizetype next = first;
        for (; next < runs.size() && sameStyles(runs[next].style, group); ++next)
            appendRun(out, runs[next]);
        out += tags.close;
        first = next;
    }
    return out;
}

}  // namespace chromanick::codeformat
