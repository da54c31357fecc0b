#include "codeformats.h"

#include <QStringList>

namespace chromanick::codeformat {

namespace {

QString colourColumn(const std::optional<BgrColor>& colour) {
    return colour ? hexColour(*colour) : QStringLiteral("-");
}

QString styleLetters(const CodeFormat& f) {
    QString letters;
    if (f.bold) letters += QLatin1Char('b');
    if (f.underline) letters += QLatin1Char('u');
    if (f.italic) letters += QLatin1Char('i');
    if (f.strikethrough) letters += QLatin1Char('s');
    return letters.isEmpty() ? QStringLiteral("-") : letters;
}

// Qt escapes &, <, > and "; the apostrophe is added for attribute values.
QString escapeHtml(const QString& text) {
    return text.toHtmlEscaped().replace(QLatin1Char('\''), QStringLiteral("&#39;"));
}

// The declarations of a run's style attribute, separated by semicolons.
void appendHtmlStyle(QString& out, const CodeFormat& f) {
    const qsizetype start = out.size();
    const auto declare = [&](QLatin1StringView property, const QString& value) {
        if (out.size() > start) out += QLatin1Char(';');
        out += property;
        out += value;
    };
    if (f.foreground) declare(QLatin1StringView("color:"), hexColour(*f.foreground));
    if (f.background) declare(QLatin1StringView("background-color:"), hexColour(*f.background));
    if (f.bold) declare(QLatin1StringView("font-weight:bold"), {});
    if (f.italic) declare(QLatin1StringView("font-style:italic"), {});
    if (f.underline || f.strikethrough) {
        declare(QLatin1StringView("text-decoration:"), {});
        if (f.underline) out += QLatin1StringView("underline");
        if (f.underline && f.strikethrough) out += QLatin1Char(' ');
        if (f.strikethrough) out += QLatin1StringView("line-through");
    }
}

QString bbcodeRun(const CodeRun& run) {
    QString opening;
    QString closing;
    const auto wrap = [&](bool on, const QString& open, const QString& tag) {
        if (!on) return;
        opening += open;
        closing.prepend(QStringLiteral("[/") + tag + QLatin1Char(']'));
    };
    const CodeFormat& f = run.format;
    wrap(f.foreground.has_value(),
         QStringLiteral("[color=") + (f.foreground ? hexColour(*f.foreground) : QString()) +
             QLatin1Char(']'),
         QStringLiteral("color"));
    wrap(f.bold, QStringLiteral("[b]"), QStringLiteral("b"));
    wrap(f.underline, QStringLiteral("[u]"), QStringLiteral("u"));
    wrap(f.italic, QStringLiteral("[i]"), QStringLiteral("i"));
    wrap(f.strikethrough, QStringLiteral("[s]"), QStringLiteral("s"));
    return opening + run.text + closing;
}

void appendSgrColour(QString& codes, int selector, BgrColor colour) {
    for (const int value : {selector, 2, redOf(colour), greenOf(colour), blueOf(colour)}) {
        codes += QLatin1Char(';');
        codes += QString::number(value);
    }
}

// One "select graphic rendition" sequence that starts from a reset.
void appendSgr(QString& out, const CodeFormat& f) {
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

QString runsListing(const QList<CodeRun>& runs) {
    QStringList lines;
    lines.reserve(runs.size());
    for (const CodeRun& run : runs) {
        lines.append(colourColumn(run.format.foreground) + QLatin1Char('\t') +
                     colourColumn(run.format.background) + QLatin1Char('\t') +
                     styleLetters(run.format) + QLatin1Char('\t') + run.text);
    }
    return lines.join(QLatin1Char('\n'));
}

QString html(const QList<CodeRun>& runs) {
    QString out;
    for (const CodeRun& run : runs) {
        out += QLatin1StringView("<span style=\"");
        appendHtmlStyle(out, run.format);
        out += QLatin1StringView("\">");
        out += escapeHtml(run.text);
        out += QLatin1StringView("</span>");
    }
    return out;
}

QString bbcode(const QList<CodeRun>& runs) {
    QString out;
    for (const CodeRun& run : runs) out += bbcodeRun(run);
    return out;
}

QString ansi(const QList<CodeRun>& runs) {
    QString out;
    for (const CodeRun& run : runs) {
        appendSgr(out, run.format);
        out += terminalSafe(run.text);
    }
    return out + QLatin1StringView("\x1b[0m");
}

}  // namespace chromanick::codeformat
