#pragma once

#include <QStringList>

class QWidget;

namespace chromanick {

// The windows keep the sizes they were drawn with, for a font that may be
// missing here. Every label, button and check box under `root` whose caption
// would be cut gets a smaller font, half a point at a time, until it fits.
// Widgets whose objectName is in `skip` are left alone.
void fitCaptions(QWidget* root, const QStringList& skip = {});

}  // namespace chromanick
