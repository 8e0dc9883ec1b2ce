#include "shell/window_drag.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace WindowDrag {

bool clientPlacesWindows(const QString &platformName)
{
    return !platformName.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive);
}

void moveBy(QWidget *window, int dx, int dy)
{
    if (!window)
        return;
    if (clientPlacesWindows(QGuiApplication::platformName())) {
        window->move(window->x() + dx, window->y() + dy);
        return;
    }
    // The compositor takes over the pointer until the button is released; the
    // scene sees no further moves of this drag.
    if ((dx != 0 || dy != 0) && window->windowHandle())
        window->windowHandle()->startSystemMove();
}

} // namespace WindowDrag
