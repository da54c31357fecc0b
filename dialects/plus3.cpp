#include "plus3.h"

#include "codeformats.h"
#include "core/compose.h"
#include "core/graphemes.h"
#include "ircpalette.h"

#include <algorithm>
#include <vector>

namespace chromanick {

namespace {

// Every dot code is the middle dot U+00B7 and a marker: "·#" bold, "·@"
// underline, "·&" italic, "·'" strikethrough, "·0" reset, "·$" a colour.
const QChar kDot = QChar(0x00B7);

// --- Writing ---

// A colour's value: its palette number, or "(rrr,ggg,bbb)".
void writeColourValue(QString& line, const CodeOp& op) {
    if (op.paletteNumber) {
        line += QString::number(*op.paletteNumber);
        return;
    }
    line += QLatin1Char('(');
    line += Code_RVB(op.colour);
    line += QLatin1Char(')');
}

// "·$" and a text colour, "·$," and a background; a text colour right
// before a background shares its code with it ("·$4,12"). Gives the
// position after the operations written.
qsizetype writeColour(QString& line, const CodeOps& ops, qsizetype at) {
    line += kDot;
    line += QLatin1Char('$');
    const CodeOp& op = ops[at];
    if (op.kind == CodeOp::Kind::TextColour) {
        writeColourValue(line, op);
        if (at + 1 == ops.size() || ops[at + 1].kind != CodeOp::Kind::Background) return at + 1;
        ++at;
    }
    line += QLatin1Char(',');
    writeColourValue(line, ops[at]);
    return at + 1;
}

QLatin1Char markerOf(CodeOp::Kind kind) {
    switch (kind) {
        case CodeOp::Kind::Bold:
            return QLatin1Char('#');
        case CodeOp::Kind::Underline:
            return QLatin1Char('@');
        case CodeOp::Kind::Italic:
            return QLatin1Char('&');
        case CodeOp::Kind::Strikethrough:
            return QLatin1Char('\'');
        default:
            return QLatin1Char('0');
    }
}

// The codes the chat writer below spells, as the editors write them.
namespace spell {

QString marker(CodeOp::Kind kind) {
    return QString(kDot) + markerOf(kind);
}
QString reset() {
    return marker(CodeOp::Kind::Reset);
}
QString bold() {
    return marker(CodeOp::Kind::Bold);
}
QString underline() {
    return marker(CodeOp::Kind::Underline);
}
QString italic() {
    return marker(CodeOp::Kind::Italic);
}
QString strikethrough() {
    return marker(CodeOp::Kind::Strikethrough);
}
// A colour as a colour code names it: "(rrr,ggg,bbb)".
QString rgbValue(BgrColor colour) {
    return QLatin1Char('(') + Code_RVB(colour) + QLatin1Char(')');
}
// A palette number: "4", or "04" when `padded` (a digit follows, which would
// otherwise be read as part of the number).
QString paletteValue(int number, bool padded) {
    return QString::number(number).rightJustified(padded ? 2 : 1, QLatin1Char('0'));
}
// "·$" with a text colour, then "," and a background; either value may be
// empty, not both.
QString colours(const QString& text, const QString& background) {
    QString code = QString(kDot) + QLatin1Char('$') + text;
    if (!background.isEmpty()) code += QLatin1Char(',') + background;
    return code;
}

}  // namespace spell

constexpr qsizetype kLongestCode = 16;  // "·$,(rrr,ggg,bbb)"

// A text written back so that no character of it starts or continues a
// code: after a dot or a "[", and before a leading "," (which right after a
// colour would read as a background), a style switched twice, which shows
// nothing.
QString literal(const QString& text) {
    static const QString twice =
        QString(kDot) + markerOf(CodeOp::Kind::Bold) + kDot + markerOf(CodeOp::Kind::Bold);
    QString written = text;
    written.replace(kDot, kDot + twice);
    written.replace(QLatin1Char('['), QLatin1Char('[') + twice);
    if (written.startsWith(QLatin1Char(','))) written.prepend(twice);
    return written;
}

// --- Reading ---

// The names a colour tag may give instead of a number: palette numbers 0 to
// 15, in that order.
const QLatin1String kColourNames[] = {
    QLatin1String("white"),  QLatin1String("black"),  QLatin1String("marine"),
    QLatin1String("green"),  QLatin1String("red"),    QLatin1String("brown"),
    QLatin1String("purple"), QLatin1String("orange"), QLatin1String("yellow"),
    QLatin1String("lime"),   QLatin1String("teal"),   QLatin1String("aqua"),
    QLatin1String("blue"),   QLatin1String("pink"),   QLatin1String("gray"),
    QLatin1String("silver")};
constexpr qsizetype kLongestColourName = 6;

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int hexValue(QChar c) {
    if (isDigit(c)) return c.unicode() - '0';
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f')) return c.unicode() - 'a' + 10;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F')) return c.unicode() - 'A' + 10;
    return -1;
}

// A colour read from the line and the position right after it.
struct ColourAt {
    BgrColor colour;
    qsizetype end;
};

// One character of a fade: from `from` to `to` over `last` + 1 characters,
// character k takes per channel from + (to - from)·k/last rounded to the
// nearest integer, halves up.
int fadeChannel(int from, int to, qsizetype k, qsizetype last) {
    if (last == 0) return from;
    const qint64 twice = 2 * qint64(to - from) * k + last;  // (to-from)·k/last + 1/2, times 2·last
    const qint64 divisor = 2 * qint64(last);
    qint64 step = twice / divisor;
    if (twice % divisor != 0 && twice < 0) --step;  // rounded down, towards minus infinity
    return from + int(step);
}

BgrColor fadeColour(BgrColor from, BgrColor to, qsizetype k, qsizetype last) {
    return bgrFromRgb(fadeChannel(redOf(from), redOf(to), k, last),
                      fadeChannel(greenOf(from), greenOf(to), k, last),
                      fadeChannel(blueOf(from), blueOf(to), k, last));
}

// An open colour tag: what it replaced, restored when it closes.
struct OpenTag {
    int id;
    std::optional<BgrColor> before;
    int ownerBefore;
};

// The text colour or the background: the tag whose colour is the current one
// (-1 when a dot code or nothing set it) and the tags still open, innermost
// last.
struct Channel {
    int owner = -1;
    QList<OpenTag> open;
};

// Every colour tag ever opened in the line, by id.
struct TagRecord {
    BgrColor colour;
    std::optional<BgrColor> fadeTo;  // set when a closing tag fades it
};

// A stretch of visible text read in one state.
struct Piece {
    qsizetype start;
    qsizetype end;
    Style style;
    int textOwner;
    int backOwner;
};

// IRC's control codes, read in every line with the dot and tag codes.
bool isIrcCode(QChar c) {
    switch (c.unicode()) {
        case 0x02:
        case 0x03:
        case 0x04:
        case 0x0F:
        case 0x11:
        case 0x16:
        case 0x1D:
        case 0x1E:
        case 0x1F:
            return true;
        default:
            return false;
    }
}

// Reads one line: ordinary text, dot codes, tag codes and IRC codes, one position at a
// time; each code reader returns the position after what it took, or nothing
// when the text there is no code. The fades are applied once the whole line
// is read, since only a closing tag tells how its characters are coloured.
class CodeScanner {
public:
    CodeScanner(const QString& line, const PaletteColours& palette)
        : line_(line), palette_(palette) {}

    QList<StyledRun> read() {
        qsizetype textStart = 0;
        qsizetype pos = 0;
        while (pos < line_.size()) {
            const QChar c = line_.at(pos);
            const bool irc = isIrcCode(c);
            if (c != kDot && c != QLatin1Char('[') && !irc) {
                ++pos;
                continue;
            }
            // The text before a code is shown in the state before it.
            appendText(textStart, pos);
            textStart = pos;
            const std::optional<qsizetype> after = irc         ? ircCode(c, pos + 1)
                                                   : c == kDot ? dotCode(pos + 1)
                                                               : tagCode(pos + 1);
            pos = after ? *after : pos + 1;
            if (after) textStart = pos;
        }
        appendText(textStart, line_.size());
        return runs();
    }

private:
    QChar at(qsizetype pos) const { return pos < line_.size() ? line_.at(pos) : QChar(); }

    void appendText(qsizetype start, qsizetype end) {
        if (start == end) return;
        const qsizetype visibleStart = visible_.size();
        visible_ += QStringView(line_).sliced(start, end - start);
        if (!pieces_.empty()) {
            Piece& last = pieces_.back();
            if (last.style == style_ && last.textOwner == text_.owner &&
                last.backOwner == back_.owner) {
                last.end = visible_.size();
                return;
            }
        }
        pieces_.push_back({visibleStart, visible_.size(), style_, text_.owner, back_.owner});
    }

    // --- Dot codes ---

    // The code whose marker is at `pos`, right after a dot.
    std::optional<qsizetype> dotCode(qsizetype pos) {
        switch (at(pos).unicode()) {
            case '#':
                return toggle(style_.bold, pos);
            case '@':
                return toggle(style_.underline, pos);
            case '&':
                return toggle(style_.italic, pos);
            case '\'':
                return toggle(style_.strikethrough, pos);
            case '0':
                resetAll();
                return pos + 1;
            case '$':
                return dollarCode(pos + 1);
            default:
                return std::nullopt;
        }
    }

    void resetAll() {
        style_ = Style{};
        text_ = Channel{};
        back_ = Channel{};
    }

    static qsizetype toggle(bool& style, qsizetype pos) {
        style = !style;
        return pos + 1;
    }

    // After "·$": a text colour, then "," and a background, either one
    // optional but not both. The comma belongs to the code only when a
    // colour follows it.
    std::optional<qsizetype> dollarCode(qsizetype pos) {
        const std::optional<ColourAt> text = dotColour(pos);
        qsizetype end = text ? text->end : pos;
        std::optional<ColourAt> back;
        if (at(end) == QLatin1Char(',')) back = dotColour(end + 1);
        if (!text && !back) return std::nullopt;
        if (text) setByCode(style_.foreground, text_, text->colour);
        if (back) {
            setByCode(style_.background, back_, back->colour);
            end = back->end;
        }
        return end;
    }

    // A palette number (two digits when they make at most 68, else one),
    // "(rrr,ggg,bbb)" or "#RRGGBB" at `pos`.
    std::optional<ColourAt> dotColour(qsizetype pos) const {
        if (at(pos) == QLatin1Char('(')) return rgb(pos);
        if (at(pos) == QLatin1Char('#')) return hex(pos);
        if (!isDigit(at(pos))) return std::nullopt;
        int number = at(pos).digitValue();
        qsizetype end = pos + 1;
        if (isDigit(at(end)) && number * 10 + at(end).digitValue() < kPaletteNumberCount) {
            number = number * 10 + at(end).digitValue();
            ++end;
        }
        return ColourAt{palette_[std::size_t(number)], end};
    }

    // Exactly three digits per channel, each at most 255.
    std::optional<ColourAt> rgb(qsizetype pos) const {
        int channels[3] = {};
        qsizetype p = pos + 1;
        for (int i = 0; i < 3; ++i) {
            if (i > 0 && at(p++) != QLatin1Char(',')) return std::nullopt;
            int value = 0;
            for (int d = 0; d < 3; ++d, ++p) {
                if (!isDigit(at(p))) return std::nullopt;
                value = value * 10 + at(p).digitValue();
            }
            if (value > 255) return std::nullopt;
            channels[i] = value;
        }
        if (at(p) != QLatin1Char(')')) return std::nullopt;
        return ColourAt{bgrFromRgb(channels[0], channels[1], channels[2]), p + 1};
    }

    // "#" and exactly six hexadecimal digits, red first, either case.
    std::optional<ColourAt> hex(qsizetype pos) const {
        int value = 0;
        for (qsizetype p = pos + 1; p < pos + 7; ++p) {
            const int digit = hexValue(at(p));
            if (digit < 0) return std::nullopt;
            value = value * 16 + digit;
        }
        return ColourAt{bgrFromRgb(value >> 16, (value >> 8) & 0xFF, value & 0xFF), pos + 7};
    }

    // --- IRC control codes ---

    // The IRC code `c`, whose parameters start at `pos`. A control character
    // is always a code: its colours are taken when they follow, and a
    // colour code without one removes both colours.
    qsizetype ircCode(QChar c, qsizetype pos) {
        switch (c.unicode()) {
            case 0x02:
                return toggle(style_.bold, pos - 1);
            case 0x1D:
                return toggle(style_.italic, pos - 1);
            case 0x1F:
                return toggle(style_.underline, pos - 1);
            case 0x1E:
                return toggle(style_.strikethrough, pos - 1);
            case 0x0F:
                resetAll();
                return pos;
            case 0x03:
            case 0x04: {
                const auto colour =
                    c.unicode() == 0x03 ? &CodeScanner::ircNumber : &CodeScanner::ircHex;
                const std::optional<IrcColourAt> text = (this->*colour)(pos);
                if (!text) {
                    setByCode(style_.foreground, text_, std::nullopt);
                    setByCode(style_.background, back_, std::nullopt);
                    return pos;
                }
                setByCode(style_.foreground, text_, text->colour);
                if (at(text->end) != QLatin1Char(',')) return text->end;
                const std::optional<IrcColourAt> back = (this->*colour)(text->end + 1);
                if (!back) return text->end;
                setByCode(style_.background, back_, back->colour);
                return back->end;
            }
            default:  // reverse and monospace change nothing shown
                return pos;
        }
    }

    // A colour of an IRC code; nothing for 99, the default colour.
    struct IrcColourAt {
        std::optional<BgrColor> colour;
        qsizetype end;
    };

    // One or two digits: an IRC colour number.
    std::optional<IrcColourAt> ircNumber(qsizetype pos) const {
        if (!isDigit(at(pos))) return std::nullopt;
        int number = at(pos).digitValue();
        qsizetype end = pos + 1;
        if (isDigit(at(end))) number = number * 10 + at(end++).digitValue();
        if (number >= kIrcColourCount) return IrcColourAt{std::nullopt, end};
        return IrcColourAt{ircColours()[std::size_t(number)], end};
    }

    // Six hexadecimal digits, red first (hex() reads the six after its marker).
    std::optional<IrcColourAt> ircHex(qsizetype pos) const {
        const std::optional<ColourAt> colour = hex(pos - 1);
        if (!colour) return std::nullopt;
        return IrcColourAt{colour->colour, colour->end};
    }

    // --- Tag codes ---

    // The tag whose name starts at `pos`, right after "[".
    std::optional<qsizetype> tagCode(qsizetype pos) {
        const bool closing = at(pos) == QLatin1Char('/');
        const qsizetype name = closing ? pos + 1 : pos;
        const char16_t letter = at(name).toLower().unicode();
        if (at(name + 1) == QLatin1Char(']')) {
            if (bool* style = styleOf(letter)) {
                *style = !closing;
                return name + 2;
            }
        }
        if (letter != u'c' && letter != u'a') return std::nullopt;
        std::optional<BgrColor>& colour = letter == u'c' ? style_.foreground : style_.background;
        Channel& channel = letter == u'c' ? text_ : back_;
        if (closing && at(name + 1) == QLatin1Char(']')) {
            closeTag(colour, channel, std::nullopt);
            return name + 2;
        }
        if (at(name + 1) != QLatin1Char('=')) return std::nullopt;
        const std::optional<ColourAt> value = tagColour(name + 2);
        if (!value) return std::nullopt;
        if (closing)
            closeTag(colour, channel, value->colour);
        else
            openTag(colour, channel, value->colour);
        return value->end;
    }

    bool* styleOf(char16_t letter) {
        switch (letter) {
            case u'b':
                return &style_.bold;
            case u'i':
                return &style_.italic;
            case u'u':
                return &style_.underline;
            case u's':
                return &style_.strikethrough;
            default:
                return nullptr;
        }
    }

    // The value of a colour tag and its closing "]": a palette number of one
    // or two digits at most 68, "#RRGGBB" or a colour name. `end` is after
    // the "]".
    std::optional<ColourAt> tagColour(qsizetype pos) const {
        std::optional<ColourAt> value;
        if (at(pos) == QLatin1Char('#')) {
            value = hex(pos);
        } else if (isDigit(at(pos))) {
            qsizetype end = pos;
            int number = 0;
            while (end < pos + 2 && isDigit(at(end))) number = number * 10 + at(end++).digitValue();
            if (number < kPaletteNumberCount) value = ColourAt{palette_[std::size_t(number)], end};
        } else {
            value = colourName(pos);
        }
        if (!value || at(value->end) != QLatin1Char(']')) return std::nullopt;
        return ColourAt{value->colour, value->end + 1};
    }

    std::optional<ColourAt> colourName(qsizetype pos) const {
        qsizetype close = pos;
        while (close < line_.size() && close - pos <= kLongestColourName &&
               line_.at(close) != QLatin1Char(']'))
            ++close;
        if (close - pos > kLongestColourName) return std::nullopt;
        const QStringView name = QStringView(line_).sliced(pos, close - pos);
        for (std::size_t n = 0; n < std::size(kColourNames); ++n) {
            if (name.compare(kColourNames[n], Qt::CaseInsensitive) == 0)
                return ColourAt{palette_[n], close};
        }
        return std::nullopt;
    }

    // --- Colour state ---

    // A dot code sets the colour and opens no tag: what follows belongs to
    // no tag's fade.
    static void setByCode(std::optional<BgrColor>& colour, Channel& channel,
                          std::optional<BgrColor> value) {
        colour = value;
        channel.owner = -1;
    }

    void openTag(std::optional<BgrColor>& colour, Channel& channel, BgrColor value) {
        const int id = int(tags_.size());
        tags_.push_back({value, std::nullopt});
        channel.open.append({id, colour, channel.owner});
        colour = value;
        channel.owner = id;
    }

    // Closes the innermost open tag, fading it to `fadeTo` when given; with
    // nothing open, does nothing.
    void closeTag(std::optional<BgrColor>& colour, Channel& channel,
                  std::optional<BgrColor> fadeTo) {
        if (channel.open.isEmpty()) return;
        const OpenTag tag = channel.open.takeLast();
        colour = tag.before;
        channel.owner = tag.ownerBefore;
        if (fadeTo) {
            tags_[std::size_t(tag.id)].fadeTo = fadeTo;
            fading_ = true;
        }
    }

    // --- Fades and runs ---

    bool fades(int owner) const { return owner >= 0 && tags_[std::size_t(owner)].fadeTo; }

    // For each code unit of the visible text, the index of the grapheme
    // cluster it belongs to.
    std::vector<int> clusterOfUnits() const {
        std::vector<int> cluster(std::size_t(visible_.size()));
        const QList<qsizetype> starts = graphemes::boundaries(visible_);
        for (qsizetype index = 0; index + 1 < starts.size(); ++index) {
            for (qsizetype u = starts[index]; u < starts[index + 1]; ++u)
                cluster[std::size_t(u)] = int(index);
        }
        return cluster;
    }

    // Where a fading tag is in its characters: how many it coloured, the
    // one being written and the cluster of the last unit seen. Units of one
    // cluster may lie in two pieces: the cluster counts once.
    struct FadeCursor {
        qsizetype count = 0;
        qsizetype k = -1;
        int lastCluster = -1;

        void step(int cluster) {
            if (cluster != lastCluster) ++k;
            lastCluster = cluster;
        }
    };

    // The colour a fading tag gives the next unit it coloured, of cluster
    // `cluster`: its characters, in order, go from the tag's colour to the
    // closing tag's.
    BgrColor fadeAt(int owner, int cluster, std::vector<FadeCursor>& cursors) const {
        FadeCursor& cursor = cursors[std::size_t(owner)];
        cursor.step(cluster);
        const TagRecord& tag = tags_[std::size_t(owner)];
        return fadeColour(tag.colour, *tag.fadeTo, cursor.k, cursor.count - 1);
    }

    QList<StyledRun> runs() {
        std::vector<int> cluster;
        std::vector<FadeCursor> textCursors, backCursors;
        if (fading_) {
            cluster = clusterOfUnits();
            textCursors.resize(tags_.size());
            backCursors.resize(tags_.size());
            for (const Piece& piece : pieces_) {
                for (qsizetype u = piece.start; u < piece.end; ++u) {
                    const int c = cluster[std::size_t(u)];
                    if (fades(piece.textOwner)) textCursors[std::size_t(piece.textOwner)].step(c);
                    if (fades(piece.backOwner)) backCursors[std::size_t(piece.backOwner)].step(c);
                }
            }
            for (std::vector<FadeCursor>* cursors : {&textCursors, &backCursors}) {
                for (FadeCursor& cursor : *cursors) cursor = {cursor.k + 1, -1, -1};
            }
        }
        // At most one run per piece, or per unit of a faded piece: reserved
        // at once, a long line's runs are never moved as the list grows.
        qsizetype most = 0;
        for (const Piece& piece : pieces_)
            most += fades(piece.textOwner) || fades(piece.backOwner) ? piece.end - piece.start : 1;
        runs_.reserve(most);
        for (const Piece& piece : pieces_) {
            const bool textFades = fades(piece.textOwner);
            const bool backFades = fades(piece.backOwner);
            if (!textFades && !backFades) {
                append(QStringView(visible_).sliced(piece.start, piece.end - piece.start),
                       piece.style);
                continue;
            }
            for (qsizetype u = piece.start; u < piece.end; ++u) {
                const int c = cluster[std::size_t(u)];
                Style style = piece.style;
                if (textFades) style.foreground = fadeAt(piece.textOwner, c, textCursors);
                if (backFades) style.background = fadeAt(piece.backOwner, c, backCursors);
                append(QStringView(visible_).sliced(u, 1), style);
            }
        }
        return runs_;
    }

    void append(QStringView text, const Style& style) {
        if (runs_.isEmpty() || runs_.back().style != style) runs_.append({QString(), style});
        runs_.back().text += text;
    }

    const QString& line_;
    const PaletteColours& palette_;
    Style style_;
    Channel text_;
    Channel back_;
    std::vector<TagRecord> tags_;
    bool fading_ = false;
    QString visible_;
    std::vector<Piece> pieces_;
    QList<StyledRun> runs_;
};

}  // namespace

namespace plus3 {

QString write(const CodeOps& ops) {
    qsizetype size = 0;
    for (const CodeOp& op : ops)
        size += op.kind == CodeOp::Kind::Text ? op.text.size() : kLongestCode;
    QString line;
    line.reserve(size);
    for (qsizetype at = 0; at < ops.size();) {
        const CodeOp& op = ops[at];
        switch (op.kind) {
            case CodeOp::Kind::Text:
                line += op.text;
                break;
            case CodeOp::Kind::TextColour:
            case CodeOp::Kind::Background:
                at = writeColour(line, ops, at);
                continue;
            default:
                line += kDot;
                line += markerOf(op.kind);
                break;
        }
        ++at;
    }
    return line;
}

QString writeRuns(const QList<StyledRun>& runs) {
    CodeOps ops = unfold(runs);
    for (CodeOp& op : ops) {
        if (op.kind == CodeOp::Kind::Text) op.text = literal(op.text);
    }
    return write(ops);
}

bool mayHoldCodes(const QString& line) {
    return std::any_of(line.cbegin(), line.cend(),
                       [](QChar c) { return c == kDot || c == QLatin1Char('[') || isIrcCode(c); });
}

QString readCodesSummary() {
    return QStringLiteral("·# ·@ ·& ·' ·0 ·$N ·$(rrr,ggg,bbb) ·$#RRVVBB (fond après « , »)");
}

QString paletteNumberForm() {
    return QStringLiteral("·$N");
}

QString customColourForm(bool background) {
    return background ? QStringLiteral("·$,(RRR,VVV,BBB)") : QStringLiteral("·$(RRR,VVV,BBB)");
}

QString formatLabel() {
    return QStringLiteral("Messenger Plus! 3 (·$)");
}

QString writtenCodesSummary() {
    return QStringLiteral(
        "codes de Messenger Plus! 3 : ·# ·@ ·& ·' ·$N ·$(rrr,vvv,bbb) ·$,fond ·0");
}

}  // namespace plus3

QString ComposeNickCode(const NickSettings& settings) {
    return plus3::write(composeOps(settings));
}

QList<StyledRun> readPlusCode(const QString& line, const PaletteColours& palette) {
    return CodeScanner(line, palette).read();
}

QList<StyledRun> readPlusCode(const QString& line) {
    return readPlusCode(line, PaletteNumberColours());
}

// --- A reading written for the chat: the editors' own codes, style toggles
// then the colour code before each run that changes something, and "·0"
// where a colour goes back to none.

namespace codeformat {

namespace {

bool anyStyle(const Style& s) {
    return s.bold || s.underline || s.italic || s.strikethrough;
}

// The toggles that take the styles of `from` to those of `to`.
QString toggles(const Style& from, const Style& to) {
    QString codes;
    if (from.bold != to.bold) codes += spell::bold();
    if (from.underline != to.underline) codes += spell::underline();
    if (from.italic != to.italic) codes += spell::italic();
    if (from.strikethrough != to.strikethrough) codes += spell::strikethrough();
    return codes;
}

// A colour as a colour code names it: its palette number when it has one.
QString colourValue(BgrColor colour, bool digitFollows) {
    const int number = paletteNumberOf(colour);
    return number >= 0 ? spell::paletteValue(number, digitFollows) : spell::rgbValue(colour);
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
        QString out = reset_ ? spell::reset() : QString();
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
        return spell::colours(text, background);
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
    if (current != Style{}) out += spell::reset();
    return out;
}

}  // namespace codeformat

}  // namespace chromanick
