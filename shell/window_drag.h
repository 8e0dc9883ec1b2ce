#pragma once
#include <QString>

class QWidget;

// Moving a frameless window by the scene's drag offsets. Where the window
// system places windows itself and ignores a client's move (Wayland), the drag
// is handed to the window system's own interactive move instead.
namespace WindowDrag {

// Whether a client may place its own top-level window on this platform.
bool clientPlacesWindows(const QString &platformName);

// Moves `window` by (dx, dy), or starts the window system's move where client
// placement is ignored.
void moveBy(QWidget *window, int dx, int dy);

} // namespace WindowDrag
