#include "compose.h"

#include "palettes.h"

namespace chromanick {

namespace {

using Kind = CodeOp::Kind;

// The text colour: the entry's own code, or the custom colour.
CodeOps foregroundOps(const NickSettings& s) {
    const PaletteEntry* entry = findForegroundEntry(s.ForegroundOption);
    if (entry == nullptr) return {};
    if (entry->role == EntryRole::Custom) return {CodeOp::textColour(s.CustomForeground)};
    return entry->code;
}

// The background; "Défaut" (and an unknown name) gives none.
CodeOps backgroundOps(const NickSettings& s) {
    const PaletteEntry* entry = findBackgroundEntry(s.BackgroundOption);
    if (entry == nullptr) return {};
    if (entry->role == EntryRole::Custom) return {CodeOp::background(s.CustomBackground)};
    return entry->code;
}

}  // namespace

CodeOps composeOps(const NickSettings& s) {
    CodeOps ops;
    if (s.Strikethrough) ops.append(CodeOp::style(Kind::Strikethrough));
    ops += backgroundOps(s);
    if (s.Italic) ops.append(CodeOp::style(Kind::Italic));
    if (s.Underline) ops.append(CodeOp::style(Kind::Underline));
    if (s.Bold) ops.append(CodeOp::style(Kind::Bold));
    ops += foregroundOps(s);
    ops.append(CodeOp::plainText(s.Prefix + s.Nickname + s.Suffix));
    ops.append(CodeOp::style(Kind::Reset));
    if (s.DitColourOn) ops.append(CodeOp::textColour(s.DitColour));
    if (s.DitSuppressed) {
        ops.append(CodeOp::paletteTextColour(0));
        ops.append(CodeOp::plainText(QString(QChar(0x00A0))));
    }
    return ops;
}

}  // namespace chromanick
