#pragma once

#include <QSize>

class QMainWindow;
class QWidget;

namespace chromanick {

// The editors keep their controls at fixed places in a client area of fixed
// size, the window's central widget. A window that does not fit its screen's
// free area with its frame shows the client area, unchanged, in a scroll
// area (objectName "defilement") inside a window that fits, which the user
// may enlarge up to the whole client area. One that fits keeps the client
// area as its central widget and its fixed size: nothing changes.
//
// Fits `window` to `free`, the room its frame leaves on the screen. Called
// again on a larger screen, it gives the client area back to the window.
void fitToArea(QMainWindow& window, QWidget& client, const QSize& free);

// fitToArea with the free area of the screen the window is on, less its
// frame (as the window system drew it, or a usual title bar and border
// before the window was first shown).
void fitToScreen(QMainWindow& window, QWidget& client);

}  // namespace chromanick
