// A reading written as a Discord "ansi" code block: its 8 text colours and 8
// backgrounds (the nearest to each colour), bold and underline.
#include "codeformats.h"
#include "core/oklab.h"

#include <algorithm>
#include <array>

namespace chromanick::codeformat {

namespace {

constexpr BgrColor rgb(quint32 value) {
    return bgrFromRgb(int(value >> 16), int((value >> 8) & 0xFF), int(value & 0xFF));
}

// Colour k of each table is written 30 + k (text) or 40 + k (background).
constexpr std::array<BgrColor, 8> kTextColours = {rgb(0x4F545C), rgb(0xDC322F), rgb(0x859900),
                                                  rgb(0xB58900), rgb(0x268BD2), rgb(0xD33682),
                                                  rgb(0x2AA198), rgb(0xFFFFFF)};
constexpr std::array<BgrColor, 8> kBackgrounds = {rgb(0x002B36), rgb(0xCB4B16), rgb(0x586E75),
                                                  rgb(0x657B83), rgb(0x839496), rgb(0x6C71C4),
                                                  rgb(0x93A1A1), rgb(0xFDF6E3)};

// What Discord shows of a run: colour indexes (-1: none), bold, underline.
struct DiscordStyle {
    int foreground = -1;
    int background = -1;
    bool bold = false;
    bool underline = false;

    bool operator==(const DiscordStyle&) const = default;
};

DiscordStyle discordStyle(const Style& s) {
    return {s.foreground ? nearestColourIndex(kTextColours, *s.foreground) : -1,
            s.background ? nearestColourIndex(kBackgrounds, *s.background) : -1, s.bold,
            s.underline};
}

void appendSgr(QString& out, const DiscordStyle& s) {
    out += QLatin1StringView("\x1b[0");
    if (s.bold) out += QLatin1StringView(";1");
    if (s.underline) out += QLatin1StringView(";4");
    if (s.background >= 0) out += QStringLiteral(";4") + QString::number(s.background);
    if (s.foreground >= 0) out += QStringLiteral(";3") + QString::number(s.foreground);
    out += QLatin1Char('m');
}

// A backtick right after another gets a zero-width space in front, so that
// the text never closes the block; control characters become U+FFFD.
void appendText(QString& out, const QString& text) {
    for (const QChar c : text) {
        if (c == u'`' && out.endsWith(u'`')) out += QChar(0x200B);
        out += c.category() == QChar::Other_Control ? QChar(QChar::ReplacementCharacter) : c;
    }
}

}  // namespace

bool discordShows(BgrColor colour, bool background) {
    const auto& colours = background ? kBackgrounds : kTextColours;
    return std::find(colours.begin(), colours.end(), colour) != colours.end();
}

QString discord(const QList<StyledRun>& runs) {
    QString out = QStringLiteral("```ansi\n");
    DiscordStyle current;
    for (const StyledRun& run : runs) {
        const DiscordStyle style = discordStyle(run.style);
        if (style != current) appendSgr(out, style);
        appendText(out, run.text);
        current = style;
    }
    if (current != DiscordStyle{}) out += QLatin1StringView("\x1b[0m");
    return out + QStringLiteral("\n```");
}

}  // namespace chromanick::codeformat
