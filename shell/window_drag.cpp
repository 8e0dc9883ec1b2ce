#include "shell/window_drag.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace WindowDrag {
namespace {

// Far beyond any arrangement of screens, yet small enough that Qt's own
// geometry arithmetic (position plus size) stays in range. The scene's
// offsets are numbers cut to an int: added to the position as they are, a
// huge one would wrap the window round to the other side.
constexpr qint64 kFarthest = QWIDGETSIZE_MAX;

int movedBy(int position, int offset)
{
    return int(std::clamp(qint64(position) + offset, -kFarthest, kFarthest));
}

} // namespace

bool clientPlacesWindows(const QString &platformName)
{
    return !platformName.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive);
}

void moveBy(QWidget *window, int dx, int dy)
{
    if (!window)
        return;
    if (clientPlacesWindows(QGuiApplication::platformName())) {
        window->move(movedBy(window->x(), dx), movedBy(window->y(), dy));
        return;
    }
    // The compositor takes over the pointer until the button is released; the
    // scene sees no further moves of this drag.
    if ((dx != 0 || dy != 0) && window->windowHandle())
        window->windowHandle()->startSystemMove();
}

} // namespace WindowDrag
