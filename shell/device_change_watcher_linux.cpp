#include "shell/device_change_watcher.h"

#include "shell/log.h"

#include <QSocketNotifier>

#include <libudev.h>

struct DeviceChangeWatcher::Source
{
    udev *context = nullptr;
    udev_monitor *monitor = nullptr;
    std::unique_ptr<QSocketNotifier> notifier;

    ~Source()
    {
        notifier.reset();
        if (monitor)
            udev_monitor_unref(monitor);
        if (context)
            udev_unref(context);
    }
};

DeviceChangeWatcher::DeviceChangeWatcher(QObject *parent)
    : QObject(parent), source(std::make_unique<Source>())
{
    source->context = udev_new();
    if (!source->context) {
        qCWarning(lcShell, "udev is not available: device changes will not be noticed");
        return;
    }
    // The "udev" source reports a node once udev has set it up, permissions
    // included, so the new hidraw node can be opened when the news arrives.
    source->monitor = udev_monitor_new_from_netlink(source->context, "udev");
    if (!source->monitor
        || udev_monitor_filter_add_match_subsystem_devtype(source->monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(source->monitor) < 0) {
        qCWarning(lcShell, "the udev monitor could not be opened: device changes will not be noticed");
        if (source->monitor) {
            udev_monitor_unref(source->monitor);
            source->monitor = nullptr;
        }
        return;
    }
    const int fd = udev_monitor_get_fd(source->monitor);
    source->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(source->notifier.get(), &QSocketNotifier::activated, this,
            &DeviceChangeWatcher::drainNotifications);
}

DeviceChangeWatcher::~DeviceChangeWatcher() = default;

bool DeviceChangeWatcher::isWatching() const
{
    return source->notifier != nullptr;
}

void DeviceChangeWatcher::drainNotifications()
{
    if (source->monitor) {
        // The monitor's socket is non-blocking: this returns null once empty.
        while (udev_device *device = udev_monitor_receive_device(source->monitor)) {
            qCDebug(lcShell) << "device change:" << udev_device_get_action(device)
                             << udev_device_get_devnode(device);
            udev_device_unref(device);
        }
    }
    emit changed();
}
