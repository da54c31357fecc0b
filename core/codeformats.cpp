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

QString escapeHtml(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '&':
                escaped += QStringLiteral("&amp;");
                break;
            case '<':
                escaped += QStringLiteral("&lt;");
                break;
            case '>':
                escaped += QStringLiteral("&gt;");
                break;
            case '"':
                escaped += QStringLiteral("&quot;");
                break;
            case '\'':
                escaped += QStringLiteral("&#39;");
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

QString htmlStyle(const CodeFormat& f) {
    QStringList style;
    if (f.foreground) style.append(QStringLiteral("color:") + hexColour(*f.foreground));
    if (f.background) style.append(QStringLiteral("background-color:") + hexColour(*f.background));
    if (f.bold) style.append(QStringLiteral("font-weight:bold"));
    if (f.italic) style.append(QStringLiteral("font-style:italic"));
    QStringList decoration;
    if (f.underline) decoration.append(QStringLiteral("underline"));
    if (f.strikethrough) decoration.append(QStringLiteral("line-through"));
    if (!decoration.isEmpty())
        style.append(QStringLiteral("text-decoration:") + decoration.join(QLatin1Char(' ')));
    return style.join(QLatin1Char(';'));
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

QString sgrColour(int selector, BgrColor colour) {
    return QStringLiteral(";%1;2;%2;%3;%4")
        .arg(selector)
        .arg(redOf(colour))
        .arg(greenOf(colour))
        .arg(blueOf(colour));
}

// One "select graphic rendition" sequence that starts from a reset.
QString sgr(const CodeFormat& f) {
    QString codes = QStringLiteral("0");
    if (f.bold) codes += QStringLiteral(";1");
    if (f.italic) codes += QStringLiteral(";3");
    if (f.underline) codes += QStringLiteral(";4");
    if (f.strikethrough) codes += QStringLiteral(";9");
    if (f.foreground) codes += sgrColour(38, *f.foreground);
    if (f.background) codes += sgrColour(48, *f.background);
    return QStringLiteral("\x1b[") + codes + QLatin1Char('m');
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
    return QStringLiteral("#%1%2%3")
        .arg(redOf(colour), 2, 16, QLatin1Char('0'))
        .arg(greenOf(colour), 2, 16, QLatin1Char('0'))
        .arg(blueOf(colour), 2, 16, QLatin1Char('0'))
        .toUpper();
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
        out += QStringLiteral("<span style=\"") + htmlStyle(run.format) + QStringLiteral("\">") +
               escapeHtml(run.text) + QStringLiteral("</span>");
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
    for (const CodeRun& run : runs) out += sgr(run.format) + terminalSafe(run.text);
    return out + QStringLiteral("\x1b[0m");
}

}  // namespace chromanick::codeformat
