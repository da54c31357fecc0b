#pragma once

#include <QStringList>

class QWidget;

namespace chromanick {

// The windows keep the sizes they were drawn with, for a font that may be
// missing here. Every control under `root` whose fixed text would be cut gets
// a smaller font, half a point (or a pixel) at a time, until it fits:
// - labels, buttons, check boxes and option buttons: their caption;
// - editable drop-down lists: the text shown in the box;
// - read-only multi-line boxes, which have no scroll bars: every line, in the
//   part of the box that lies inside its parent.
// Widgets whose objectName is in `skip` are left alone.
void fitCaptions(QWidget* root, const QStringList& skip = {});

}  // namespace chromanick
