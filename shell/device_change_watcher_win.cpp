#include "shell/device_change_watcher.h"

// Windows tells every top-level window of a device change with WM_DEVICECHANGE;
// the main window's native-event hook handles it (PlatformWindow).
struct DeviceChangeWatcher::Source
{
};

DeviceChangeWatcher::DeviceChangeWatcher(QObject *parent)
    : QObject(parent), source(std::make_unique<Source>())
{
}

DeviceChangeWatcher::~DeviceChangeWatcher() = default;

bool DeviceChangeWatcher::isWatching() const
{
    return false;
}

void DeviceChangeWatcher::drainNotifications()
{
    emit changed();
}
