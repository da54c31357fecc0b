// A reading written as BBCode: [color=...] [b] [u] [i] [s] per run.
#include "codeformats.h"

namespace chromanick::codeformat {

namespace {

// BBCode has no escape every forum knows: a zero-width space after each "["
// of the text keeps it from opening a tag, and it looks the same.
QString inertText(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('['), QStringLiteral("[\u200B"));
    return out;
}

QString bbcodeRun(const StyledRun& run) {
    QString opening;
    QString closing;
    const auto wrap = [&](bool on, const QString& open, const QString& tag) {
        if (!on) return;
        opening += open;
        closing.prepend(QStringLiteral("[/") + tag + QLatin1Char(']'));
    };
    const Style& f = run.style;
    wrap(f.foreground.has_value(),
         QStringLiteral("[color=") + (f.foreground ? hexColour(*f.foreground) : QString()) +
             QLatin1Char(']'),
         QStringLiteral("color"));
    wrap(f.bold, QStringLiteral("[b]"), QStringLiteral("b"));
    wrap(f.underline, QStringLiteral("[u]"), QStringLiteral("u"));
    wrap(f.italic, QStringLiteral("[i]"), QStringLiteral("i"));
    wrap(f.strikethrough, QStringLiteral("[s]"), QStringLiteral("s"));
    return opening + inertText(run.text) + closing;
}

}  // namespace

QString bbcode(const QList<StyledRun>& runs) {
    QString out;
    for (const StyledRun& run : runs) out += bbcodeRun(run);
    return out;
}

}  // namespace chromanick::codeformat
