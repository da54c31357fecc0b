#pragma once

#include <QByteArrayView>

// What each fuzz target does with one input. The libFuzzer executables call
// these, and the regression test replays the seed corpus and every input that
// once crashed through the same functions in the ordinary build.
namespace chromanick::fuzz {

// Windows-1252 / UTF-8 decoding and line splitting.
void textDecoding(QByteArrayView data);
// The field syntax of combo1.dll, combo2.dll and intmsg.dll.
void fieldFile(QByteArrayView data);
// Reading and validating a project file.
void projectFile(QByteArrayView data);
// Reading a line of Plus! codes and writing it out as HTML and ANSI.
void codeReader(QByteArrayView data);
// Reading a Minecraft chat line ("&" and "§" codes), then writing it back in
// both Minecraft formats.
void minecraftReader(QByteArrayView data);
// Reading a MiniMessage line, then writing it back in both Minecraft formats.
void miniMessageReader(QByteArrayView data);

}  // namespace chromanick::fuzz
