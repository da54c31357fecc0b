#pragma once

#include <QString>

// The nickname carried from one editor to the other when the user switches.
// Each editor's untouched hint becomes the other's; any other text, an empty
// one included, goes over as it is.
namespace chromanick::handover {

// The main editor's nickname as the gradient editor takes it.
QString toGradientEditor(const QString& mainNickname);
// The gradient editor's nickname as the main editor takes it.
QString toMainEditor(const QString& gradientNickname);

}  // namespace chromanick::handover
