#pragma once
#include <QByteArray>
#include <QtGui/qwindowdefs.h>

// The two window-system messages the main window deals with directly.
namespace PlatformWindow {

// Whether a native message delivered to the main window tells that a device
// came or went. The message is never consumed.
bool isDeviceChangeMessage(const QByteArray &eventType, void *message);

// Asks the window system to restore `window` from its hidden or minimised
// state (the tray icon's double click).
void postRestore(WId window);

} // namespace PlatformWindow
