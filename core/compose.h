#pragma once

#include "nicksettings.h"

#include <QString>

namespace chromanick {

// The main editor's code line. Never fails; the result is used whole.
QString ComposeNickCode(const NickSettings& settings);

}  // namespace chromanick
