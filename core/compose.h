#pragma once

#include "codeops.h"
#include "nicksettings.h"

namespace chromanick {

// What the main editor's code line says, in order: strikethrough,
// background, italic, underline, bold, text colour, the decorated nickname,
// the reset, then the "Dit" colour (a colour with no text after it) and the
// "Dit" suppression (palette colour 0 and a no-break space, which prints the
// word invisibly). ComposeNickCode (dialects/plus3.h) writes it as codes.
CodeOps composeOps(const NickSettings& settings);

}  // namespace chromanick
