// MiniMessage, the tag language of Minecraft servers: <red>, <#RRGGBB>,
// <gradient:…>, <b>… nested and closed by name.
#include "codeformats.h"

#include <QStringList>

#include <algorithm>
#include <optional>
#include <vector>

namespace chromanick::codeformat {

namespace {

// The colour names, each with its Minecraft colour code.
struct ColourName {
    QLatin1String name;
    int code;
};
const ColourName kColourNames[] = {
    {QLatin1String("black"), 0},      {QLatin1String("dark_blue"), 1},
    {QLatin1String("dark_green"), 2}, {QLatin1String("dark_aqua"), 3},
    {QLatin1String("dark_red"), 4},   {QLatin1String("dark_purple"), 5},
    {QLatin1String("gold"), 6},       {QLatin1String("gray"), 7},
    {QLatin1String("grey"), 7},       {QLatin1String("dark_gray"), 8},
    {QLatin1String("dark_grey"), 8},  {QLatin1String("blue"), 9},
    {QLatin1String("green"), 10},     {QLatin1String("aqua"), 11},
    {QLatin1String("red"), 12},       {QLatin1String("light_purple"), 13},
    {QLatin1String("yellow"), 14},    {QLatin1String("white"), 15},
};

// The style tags, each with the style it sets.
struct StyleName {
    QLatin1String name;
    bool Style::*style;
};
const StyleName kStyleNames[] = {
    {QLatin1String("bold"), &Style::bold},
    {QLatin1String("b"), &Style::bold},
    {QLatin1String("italic"), &Style::italic},
    {QLatin1String("i"), &Style::italic},
    {QLatin1String("em"), &Style::italic},
    {QLatin1String("underlined"), &Style::underline},
    {QLatin1String("u"), &Style::underline},
    {QLatin1String("strikethrough"), &Style::strikethrough},
    {QLatin1String("st"), &Style::strikethrough},
};

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    return -1;
}

// "#rrggbb" or a colour name, already in lower case.
std::optional<BgrColor> colourOf(const QString& word) {
    if (word.size() == 7 && word[0] == QLatin1Char('#')) {
        int channels[3];
        for (int i = 0; i < 3; ++i) {
            const int high = hexDigit(word[1 + 2 * i]), low = hexDigit(word[2 + 2 * i]);
            if (high < 0 || low < 0) return std::nullopt;
            channels[i] = high * 16 + low;
        }
        return bgrFromRgb(channels[0], channels[1], channels[2]);
    }
    for (const ColourName& entry : kColourNames) {
        if (word == entry.name) return minecraftColours()[std::size_t(entry.code)];
    }
    return std::nullopt;
}

bool Style::*styleOf(QStringView name) {
    for (const StyleName& entry : kStyleNames) {
        if (name == entry.name) return entry.style;
    }
    return nullptr;
}

// A channel r/d of the way from `from` to `to`: from + (to - from)·r/d
// rounded to the nearest integer, halves up.
int mixChannel(int from, int to, qint64 r, qint64 d) {
    const qint64 twice = 2 * qint64(to - from) * r + d;
    qint64 step = twice / (2 * d);
    if (twice % (2 * d) != 0 && twice < 0) --step;  // towards minus infinity
    return from + int(step);
}

// Character k of `size` under a gradient: its stops spread evenly from the
// first character to the last, each character mixed per channel between the
// two stops around it.
BgrColor gradientColour(const QList<BgrColor>& stops, qint64 k, qint64 size) {
    if (size <= 1) return stops.front();
    const qint64 position = k * (stops.size() - 1);
    const qint64 d = size - 1;
    const qsizetype low = qsizetype(position / d);
    const qint64 r = position % d;
    if (r == 0) return stops[low];
    const BgrColor a = stops[low], b = stops[low + 1];
    return bgrFromRgb(mixChannel(redOf(a), redOf(b), r, d),
                      mixChannel(greenOf(a), greenOf(b), r, d),
                      mixChannel(blueOf(a), blueOf(b), r, d));
}

// A gradient tag: its stops and the characters (code points) it spans.
struct Gradient {
    QList<BgrColor> stops;
    qint64 start = 0;
    qint64 end = -1;  // -1 while open
};

// An open tag: its name and arguments as written (lower case), and the look
// of the text inside it once it and every tag around it apply.
struct OpenTag {
    QStringList parts;
    Style style;
    int gradient = -1;     // the gradient that colours the text, or -1
    int ownGradient = -1;  // the gradient this tag opened, or -1
};

// What a tag does, once known.
struct TagEffect {
    std::optional<BgrColor> colour;
    QList<BgrColor> gradient;
    bool Style::*style = nullptr;
    bool styleValue = true;
    bool reset = false;
};

// The effect of an opening tag, or nothing for a tag this reader does not know.
std::optional<TagEffect> effectOf(const QStringList& parts) {
    const QString& name = parts.front();
    TagEffect effect;
    if (parts.size() == 1) {
        if (name == u"reset") {
            effect.reset = true;
            return effect;
        }
        if ((effect.colour = colourOf(name))) return effect;
        const bool negated = name.startsWith(QLatin1Char('!'));
        if ((effect.style = styleOf(QStringView(name).sliced(negated ? 1 : 0)))) {
            effect.styleValue = !negated;
            return effect;
        }
        return std::nullopt;
    }
    if (parts.size() == 2 && (name == u"color" || name == u"colour" || name == u"c")) {
        if ((effect.colour = colourOf(parts[1]))) return effect;
        return std::nullopt;
    }
    if (name == u"gradient" && parts.size() >= 3) {
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const std::optional<BgrColor> stop = colourOf(parts[i]);
            if (!stop) return std::nullopt;
            effect.gradient.append(*stop);
        }
        return effect;
    }
    return std::nullopt;
}

// A closing tag's parts close an open tag of the same name whose arguments
// start with the closing tag's.
bool closes(const QStringList& closing, const QStringList& open) {
    if (closing.size() > open.size()) return false;
    for (qsizetype i = 0; i < closing.size(); ++i) {
        if (closing[i] != open[i]) return false;
    }
    return true;
}

// Whether unit i of `text` is the second half of a surrogate pair: a
// gradient counts characters (code points), not units.
bool continuesPair(QStringView text, qsizetype i) {
    return i > 0 && text[i].isLowSurrogate() && text[i - 1].isHighSurrogate();
}

// Reads a line left to right: text, escapes and tags; the gradients are
// applied once the line is read, since only their end tells their length.
class MiniMessageReader {
public:
    explicit MiniMessageReader(const QString& line) : line_(line) {}

    QList<StyledRun> read() {
        qsizetype textStart = 0;
        qsizetype pos = 0;
        while (pos < line_.size()) {
            const QChar c = line_[pos];
            if (c == QLatin1Char('\\') && pos + 1 < line_.size() &&
                (line_[pos + 1] == QLatin1Char('<') || line_[pos + 1] == QLatin1Char('\\'))) {
                appendText(textStart, pos);
                textStart = pos + 1;  // the escaped character is text
                pos += 2;
                continue;
            }
            if (c != QLatin1Char('<')) {
                ++pos;
                continue;
            }
            // The text before a tag is shown in the state before it.
            appendText(textStart, pos);
            textStart = pos;
            const std::optional<qsizetype> after = tag(pos);
            if (!after) {
                ++pos;
                continue;
            }
            pos = textStart = *after;
        }
        appendText(textStart, line_.size());
        for (Gradient& gradient : gradients_) {
            if (gradient.end < 0) gradient.end = codePoints_;
        }
        return runs();
    }

private:
    // A look of the text: its style and the gradient colouring it.
    struct Piece {
        qsizetype start;
        qsizetype end;
        qint64 firstCodePoint;
        Style style;
        int gradient;
    };

    Style style() const { return open_.empty() ? Style{} : open_.back().style; }
    int gradient() const { return open_.empty() ? -1 : open_.back().gradient; }

    void appendText(qsizetype start, qsizetype end) {
        if (start == end) return;
        const QStringView text = QStringView(line_).sliced(start, end - start);
        const qsizetype visibleStart = visible_.size();
        const qint64 firstCodePoint = codePoints_;
        visible_ += text;
        for (qsizetype v = visibleStart; v < visible_.size(); ++v) {
            if (!continuesPair(visible_, v)) ++codePoints_;
        }
        const Style look = style();
        if (!pieces_.empty() && pieces_.back().style == look &&
            pieces_.back().gradient == gradient()) {
            pieces_.back().end = visible_.size();
            return;
        }
        pieces_.push_back({visibleStart, visible_.size(), firstCodePoint, look, gradient()});
    }

    // The tag at `pos` ("<"): the position after it, or nothing when it is text.
    std::optional<qsizetype> tag(qsizetype pos) {
        qsizetype close = pos + 1;
        while (close < line_.size() && line_[close] != QLatin1Char('>')) {
            if (line_[close] == QLatin1Char('<')) return std::nullopt;
            ++close;
        }
        if (close >= line_.size()) return std::nullopt;
        QString content = line_.mid(pos + 1, close - pos - 1).toLower();
        const bool closing = content.startsWith(QLatin1Char('/'));
        if (closing) content.remove(0, 1);
        if (content.isEmpty()) return std::nullopt;
        const QStringList parts = content.split(QLatin1Char(':'));
        if (closing ? !closeTag(parts) : !openTag(parts)) return std::nullopt;
        return close + 1;
    }

    bool openTag(const QStringList& parts) {
        const std::optional<TagEffect> effect = effectOf(parts);
        if (!effect) return false;
        if (effect->reset) {
            closeFrom(0);
            return true;
        }
        OpenTag tag{parts, style(), gradient()};
        if (effect->colour) {
            tag.style.foreground = effect->colour;
            tag.gradient = -1;
        } else if (!effect->gradient.isEmpty()) {
            tag.ownGradient = tag.gradient = int(gradients_.size());
            gradients_.push_back({effect->gradient, codePoints_});
            tag.style.foreground.reset();
        } else {
            tag.style.*(effect->style) = effect->styleValue;
        }
        open_.push_back(std::move(tag));
        return true;
    }

    // The innermost open tag the parts close, and everything inside it.
    bool closeTag(const QStringList& parts) {
        for (std::size_t i = open_.size(); i-- > 0;) {
            if (closes(parts, open_[i].parts)) {
                closeFrom(i);
                return true;
            }
        }
        return false;
    }

    void closeFrom(std::size_t first) {
        for (std::size_t i = first; i < open_.size(); ++i) {
            if (open_[i].ownGradient >= 0)
                gradients_[std::size_t(open_[i].ownGradient)].end = codePoints_;
        }
        open_.resize(first);
    }

    QList<StyledRun> runs() const {
        QList<StyledRun> runs;
        for (const Piece& piece : pieces_) {
            const QStringView text =
                QStringView(visible_).sliced(piece.start, piece.end - piece.start);
            if (piece.gradient < 0) {
                append(runs, text, piece.style);
                continue;
            }
            const Gradient& gradient = gradients_[std::size_t(piece.gradient)];
            const qint64 size = gradient.end - gradient.start;
            qint64 k = piece.firstCodePoint - gradient.start;
            Style style = piece.style;
            for (qsizetype i = 0; i < text.size(); ++i) {
                // The second half of a pair is coloured as its first.
                const bool second = continuesPair(visible_, piece.start + i);
                style.foreground =
                    gradientColour(gradient.stops, second ? std::max<qint64>(k - 1, 0) : k++, size);
                append(runs, text.sliced(i, 1), style);
            }
        }
        return runs;
    }

    static void append(QList<StyledRun>& runs, QStringView text, const Style& style) {
        if (runs.isEmpty() || runs.back().style != style) runs.append({QString(), style});
        runs.back().text += text;
    }

    const QString& line_;
    std::vector<OpenTag> open_;
    std::vector<Gradient> gradients_;
    QString visible_;
    qint64 codePoints_ = 0;
    std::vector<Piece> pieces_;
};

// "\" and "<" of the text escaped so that they stay text.
QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('<')) out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

bool sameStyles(const Style& a, const Style& b) {
    return a.bold == b.bold && a.underline == b.underline && a.italic == b.italic &&
           a.strikethrough == b.strikethrough;
}

// The style tags of `style` in writing order.
QStringList styleTags(const Style& style) {
    QStringList tags;
    if (style.bold) tags.append(QStringLiteral("b"));
    if (style.underline) tags.append(QStringLiteral("u"));
    if (style.italic) tags.append(QStringLiteral("i"));
    if (style.strikethrough) tags.append(QStringLiteral("st"));
    return tags;
}

}  // namespace

QString miniMessage(const QList<StyledRun>& runs) {
    const QList<StyledRun> shown = shownInMinecraft(runs);
    QString out;
    for (qsizetype first = 0; first < shown.size();) {
        qsizetype last = first + 1;
        while (last < shown.size() && sameStyles(shown[last].style, shown[first].style)) ++last;
        const QStringList tags = styleTags(shown[first].style);
        for (const QString& tag : tags) out += QLatin1Char('<') + tag + QLatin1Char('>');
        for (qsizetype i = first; i < last; ++i) {
            const StyledRun& run = shown[i];
            if (!run.style.foreground) {
                out += escaped(run.text);
                continue;
            }
            const QString colour = hexColour(*run.style.foreground);
            out += QLatin1Char('<') + colour + QLatin1Char('>') + escaped(run.text) +
                   QStringLiteral("</") + colour + QLatin1Char('>');
        }
        for (qsizetype t = tags.size(); t-- > 0;)
            out += QStringLiteral("</") + tags[t] + QLatin1Char('>');
        first = last;
    }
    return out;
}

QList<StyledRun> readMiniMessage(const QString& line) {
    return MiniMessageReader(line).read();
}

}  // namespace chromanick::codeformat
