#include "codereader.h"

#include "core/pluscodes.h"

namespace chromanick {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads the code after a dot, one position at a time; each reader returns the
// position after what it took, or nothing when the text there is no code.
class CodeScanner {
public:
    CodeScanner(const QString& line, const PaletteColours& palette)
        : line_(line), palette_(palette) {}

    QList<StyledRun> read() {
        qsizetype pos = 0;
        while (pos < line_.size()) {
            const qsizetype dot = line_.indexOf(pluscode::kDot, pos);
            const qsizetype textEnd = dot < 0 ? line_.size() : dot;
            append(QStringView(line_).sliced(pos, textEnd - pos));
            if (dot < 0) break;
            const std::optional<qsizetype> after = applyCode(dot + 1);
            if (after) {
                pos = *after;
            } else {
                append(QStringView(line_).sliced(dot, 1));
                pos = dot + 1;
            }
        }
        return runs_;
    }

private:
    QChar at(qsizetype pos) const { return pos < line_.size() ? line_.at(pos) : QChar(); }

    void append(QStringView text) {
        if (text.isEmpty()) return;
        if (runs_.isEmpty() || runs_.back().style != style_) runs_.append({QString(), style_});
        runs_.back().text += text;
    }

    // The code whose marker is at `pos`, applied to the current format.
    std::optional<qsizetype> applyCode(qsizetype pos) {
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
                style_ = Style{};
                return pos + 1;
            case '$':
                if (at(pos + 1) == QLatin1Char(',')) return colour(pos + 2, style_.background);
                return colour(pos + 1, style_.foreground);
            default:
                return std::nullopt;
        }
    }

    static qsizetype toggle(bool& style, qsizetype pos) {
        style = !style;
        return pos + 1;
    }

    // "(rrr,ggg,bbb)" or a palette number at `pos`.
    std::optional<qsizetype> colour(qsizetype pos, std::optional<BgrColor>& target) {
        if (at(pos) == QLatin1Char('(')) return rgb(pos, target);
        if (!isDigit(at(pos))) return std::nullopt;
        int number = at(pos).digitValue();
        qsizetype end = pos + 1;
        if (isDigit(at(end)) && number * 10 + at(end).digitValue() < kPaletteNumberCount) {
            number = number * 10 + at(end).digitValue();
            ++end;
        }
        target = palette_[std::size_t(number)];
        return end;
    }

    // Exactly three digits per channel, each at most 255.
    std::optional<qsizetype> rgb(qsizetype pos, std::optional<BgrColor>& target) {
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
        target = bgrFromRgb(channels[0], channels[1], channels[2]);
        return p + 1;
    }

    const QString& line_;
    const PaletteColours& palette_;
    Style style_;
    QList<StyledRun> runs_;
};

}  // namespace

QList<StyledRun> readPlusCode(const QString& line, const PaletteColours& palette) {
    return CodeScanner(line, palette).read();
}

QString visibleText(const QList<StyledRun>& runs) {
    QString text;
    for (const StyledRun& run : runs) text += run.text;
    return text;
}

}  // namespace chromanick
