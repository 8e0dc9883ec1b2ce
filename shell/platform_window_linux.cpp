#include "shell/platform_window.h"

// Device changes arrive through the udev monitor, not as window messages, and
// showNormal() alone brings a hidden window back.
namespace PlatformWindow {

bool isDeviceChangeMessage(const QByteArray &, void *)
{
    return false;
}

void postRestore(WId)
{
}

} // namespace PlatformWindow
