#include "shell/platform_window.h"

#include <windows.h>
#include <dbt.h>

namespace PlatformWindow {

bool isDeviceChangeMessage(const QByteArray &eventType, void *message)
{
    if (eventType != "windows_generic_MSG" || !message)
        return false;
    // Whatever the wParam: arrival, removal and "node changed" alike.
    return static_cast<const MSG *>(message)->message == WM_DEVICECHANGE;
}

void postRestore(WId window)
{
    if (window)
        PostMessageW(reinterpret_cast<HWND>(window), WM_SYSCOMMAND, SC_RESTORE, 0);
}

} // namespace PlatformWindow
