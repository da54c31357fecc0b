#include "codeops.h"

#include "palettenumbers.h"

namespace chromanick {

namespace {

using Kind = CodeOp::Kind;

bool& flagOf(Style& style, Kind kind) {
    switch (kind) {
        case Kind::Bold:
            return style.bold;
        case Kind::Underline:
            return style.underline;
        case Kind::Italic:
            return style.italic;
        default:
            return style.strikethrough;
    }
}

constexpr Kind kStyleKinds[] = {Kind::Bold, Kind::Underline, Kind::Italic, Kind::Strikethrough};

// The operations that take `from` to `to` without a reset; nothing when a
// colour would have to go, which only a reset does.
std::optional<CodeOps> changes(Style from, Style to) {
    if ((from.foreground && !to.foreground) || (from.background && !to.background))
        return std::nullopt;
    CodeOps ops;
    if (to.foreground != from.foreground) ops.append(CodeOp::textColour(*to.foreground));
    if (to.background != from.background) ops.append(CodeOp::background(*to.background));
    for (Kind kind : kStyleKinds) {
        if (flagOf(to, kind) != flagOf(from, kind)) ops.append(CodeOp::style(kind));
    }
    return ops;
}

}  // namespace

CodeOp CodeOp::plainText(const QString& text) {
    return {Kind::Text, text, 0, std::nullopt};
}

CodeOp CodeOp::textColour(BgrColor colour) {
    return {Kind::TextColour, {}, colour, std::nullopt};
}

CodeOp CodeOp::background(BgrColor colour) {
    return {Kind::Background, {}, colour, std::nullopt};
}

CodeOp CodeOp::paletteTextColour(int number) {
    return {Kind::TextColour, {}, PaletteNumberColours()[std::size_t(number)], number};
}

CodeOp CodeOp::paletteBackground(int number) {
    return {Kind::Background, {}, PaletteNumberColours()[std::size_t(number)], number};
}

CodeOp CodeOp::style(Kind kind) {
    return {kind, {}, 0, std::nullopt};
}

QList<StyledRun> fold(const CodeOps& ops) {
    QList<StyledRun> runs;
    Style style;
    for (const CodeOp& op : ops) {
        switch (op.kind) {
            case Kind::Text:
                if (op.text.isEmpty()) break;
                if (runs.isEmpty() || runs.back().style != style) runs.append({QString(), style});
                runs.back().text += op.text;
                break;
            case Kind::TextColour:
                style.foreground = op.colour;
                break;
            case Kind::Background:
                style.background = op.colour;
                break;
            case Kind::Reset:
                style = Style{};
                break;
            default:
                flagOf(style, op.kind) = !flagOf(style, op.kind);
                break;
        }
    }
    return runs;
}

CodeOps unfold(const QList<StyledRun>& runs) {
    CodeOps ops;
    Style current;
    for (const StyledRun& run : runs) {
        CodeOps fromReset{CodeOp::style(Kind::Reset)};
        fromReset += *changes(Style{}, run.style);
        const std::optional<CodeOps> direct = changes(current, run.style);
        ops += direct && direct->size() <= fromReset.size() ? *direct : fromReset;
        ops.append(CodeOp::plainText(run.text));
        current = run.style;
    }
    return ops;
}

}  // namespace chromanick
