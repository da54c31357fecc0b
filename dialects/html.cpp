// A reading written as HTML: one <span style="..."> per run.
#include "codeformats.h"

namespace chromanick::codeformat {

namespace {

// Qt escapes &, <, > and "; the apostrophe is added for attribute values.
QString escapeHtml(const QString& text) {
    return text.toHtmlEscaped().replace(QLatin1Char('\''), QStringLiteral("&#39;"));
}

// The declarations of a run's style attribute, separated by semicolons.
void appendHtmlStyle(QString& out, const Style& f) {
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

}  // namespace

QString html(const QList<StyledRun>& runs) {
    QString out;
    for (const StyledRun& run : runs) {
        out += QLatin1StringView("<span style=\"");
        appendHtmlStyle(out, run.style);
        out += QLatin1StringView("\">");
        out += escapeHtml(run.text);
        out += QLatin1StringView("</span>");
    }
    return out;
}

}  // namespace chromanick::codeformat
