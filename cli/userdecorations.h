#pragma once

#include <QStringList>

namespace chromanick::cli {

// The user's own decoration entries: combo1.dll and combo2.dll of the
// settings folder, in file order. They follow the built-in entries in the
// lists, so list positions from 56 on reach them.
struct UserDecorations {
    QStringList prefixes;
    QStringList suffixes;
};
UserDecorations readUserDecorations();

}  // namespace chromanick::cli
