// Minecraft chat codes: "&" or "§" followed by a colour or a style letter.
#include "codeformats.h"

#include <optional>

namespace chromanick::codeformat {

namespace {

// Codes 0 to 9 and a to f as 0xRRGGBB, red first.
constexpr quint32 kColourRgb[kMinecraftColourCount] = {
    0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xFFAA00, 0xAAAAAA,
    0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF,
};

constexpr QChar kSection = QChar(0x00A7);  // "§"

bool isMarker(QChar c) {
    return c == QLatin1Char('&') || c == kSection;
}

int hexDigit(QChar c) {
    const char16_t u = c.toLower().unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    return -1;
}

// A code at a marker: what it does and how many characters it takes.
struct Code {
    enum Kind { Colour, StyleOn, Reset, Nothing };
    Kind kind;
    qsizetype length;
    BgrColor colour = 0;
    bool Style::*style = nullptr;
};

// `digits` hexadecimal digits from `pos`, each after a `marker` when one
// is given; nothing when one is missing.
std::optional<quint32> hexRun(QStringView line, qsizetype pos, int digits, QChar marker) {
    const qsizetype step = marker.isNull() ? 1 : 2;
    if (pos + digits * step > line.size()) return std::nullopt;
    quint32 value = 0;
    for (int d = 0; d < digits; ++d, pos += step) {
        if (!marker.isNull() && line[pos] != marker) return std::nullopt;
        const int digit = hexDigit(line[pos + step - 1]);
        if (digit < 0) return std::nullopt;
        value = value * 16 + quint32(digit);
    }
    return value;
}

BgrColor fromRgb(quint32 rgb) {
    return bgrFromRgbValue(rgb);
}

// The code whose marker is at `pos`, or nothing when the marker is text.
std::optional<Code> codeAt(QStringView line, qsizetype pos) {
    if (pos + 1 >= line.size()) return std::nullopt;
    const QChar letter = line[pos + 1].toLower();
    if (const int digit = hexDigit(letter); digit >= 0)
        return Code{Code::Colour, 2, minecraftColours()[std::size_t(digit)]};
    switch (letter.unicode()) {
        case u'#':
            if (const auto rgb = hexRun(line, pos + 2, 6, QChar())) {
                return Code{Code::Colour, 8, fromRgb(*rgb)};
            }
            return std::nullopt;
        case u'x':
            // "§x§R§R§G§G§B§B", one marker throughout.
            if (const auto rgb = hexRun(line, pos + 2, 6, line[pos]))
                return Code{Code::Colour, 14, fromRgb(*rgb)};
            return std::nullopt;
        case u'l':
            return Code{Code::StyleOn, 2, 0, &Style::bold};
        case u'o':
            return Code{Code::StyleOn, 2, 0, &Style::italic};
        case u'n':
            return Code{Code::StyleOn, 2, 0, &Style::underline};
        case u'm':
            return Code{Code::StyleOn, 2, 0, &Style::strikethrough};
        case u'k':
            return Code{Code::Nothing, 2};
        case u'r':
            return Code{Code::Reset, 2};
        default:
            return std::nullopt;
    }
}

void append(QList<StyledRun>& runs, QStringView text, const Style& style) {
    if (text.isEmpty()) return;
    if (runs.isEmpty() || runs.back().style != style) runs.append({QString(), style});
    runs.back().text += text;
}

// The codes that give a run its look from any state: its colour, which
// turns every style off, or a reset, then its styles.
QString stateCodes(const Style& style, bool resetNeeded) {
    QString codes;
    if (style.foreground)
        codes += QLatin1Char('&') + hexColour(*style.foreground);
    else if (resetNeeded)
        codes += QStringLiteral("&r");
    if (style.bold) codes += QStringLiteral("&l");
    if (style.underline) codes += QStringLiteral("&n");
    if (style.italic) codes += QStringLiteral("&o");
    if (style.strikethrough) codes += QStringLiteral("&m");
    return codes;
}

// A marker of the text that would start a code is followed by the codes of
// the run's look: the marker is then followed by a marker, so it is text,
// and the look does not change.
QString literalText(const QString& text, const Style& style) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        out += text[i];
        if (isMarker(text[i]) && codeAt(text, i)) out += stateCodes(style, true);
    }
    return out;
}

}  // namespace

const MinecraftColours& minecraftColours() {
    static const MinecraftColours colours = [] {
        MinecraftColours table{};
        for (std::size_t n = 0; n < table.size(); ++n) table[n] = fromRgb(kColourRgb[n]);
        return table;
    }();
    return colours;
}

QList<StyledRun> shownInMinecraft(const QList<StyledRun>& runs) {
    QList<StyledRun> shown;
    for (const StyledRun& run : runs) {
        Style style = run.style;
        style.background.reset();
        append(shown, run.text, style);
    }
    return shown;
}

QString minecraft(const QList<StyledRun>& runs) {
    QString out;
    Style previous;
    for (const StyledRun& run : shownInMinecraft(runs)) {
        if (run.style != previous) out += stateCodes(run.style, previous != Style{});
        out += literalText(run.text, run.style);
        previous = run.style;
    }
    return out;
}

QList<StyledRun> readMinecraft(const QString& line) {
    QList<StyledRun> runs;
    Style style;
    qsizetype textStart = 0;
    qsizetype pos = 0;
    while (pos < line.size()) {
        const std::optional<Code> code =
            isMarker(line[pos]) ? codeAt(line, pos) : std::optional<Code>();
        if (!code) {
            ++pos;
            continue;
        }
        append(runs, QStringView(line).sliced(textStart, pos - textStart), style);
        switch (code->kind) {
            case Code::Colour:
                style = Style{};
                style.foreground = code->colour;
                break;
            case Code::StyleOn:
                style.*(code->style) = true;
                break;
            case Code::Reset:
                style = Style{};
                break;
            case Code::Nothing:
                break;
        }
        pos += code->length;
        textStart = pos;
    }
    append(runs, QStringView(line).sliced(textStart), style);
    return runs;
}

}  // namespace chromanick::codeformat
