#pragma once
#include <QObject>

#include <memory>

// Tells when a HID device came or went. On Linux it watches the udev monitor
// for the hidraw subsystem inside the Qt event loop; on Windows the same news
// arrives as window messages to the main window, and this object stays idle.
class DeviceChangeWatcher : public QObject
{
    Q_OBJECT

public:
    explicit DeviceChangeWatcher(QObject *parent = nullptr);
    ~DeviceChangeWatcher() override;

    // Whether the platform's source of device changes could be opened.
    bool isWatching() const;

signals:
    void changed();

public slots:
    // Takes every pending notification off the source and reports one change.
    void drainNotifications();

private:
    struct Source;
    std::unique_ptr<Source> source;
};
