#pragma once
#include "device/hid_thread.h"

#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <memory>

class DeviceChangeWatcher;
class QAction;
class Ui_Controler;
class myQQuickView;

// The main window. It owns everything that lives as long as the process: the
// device worker, the single-shot timer that runs discovery after device
// changes, the window controller (and through it the scene view) and the tray
// icon with its one-entry menu.
class Widget : public QWidget
{
    Q_OBJECT

public:
    // How long discovery waits after the last of a burst of device changes.
    static constexpr int kDeviceSettleMs = 2048;

    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    Widget(const Widget &) = delete;
    Widget &operator=(const Widget &) = delete;

    void startScene();

    Ui_Controler *windowController() const { return controller.get(); }
    myQQuickView *view() const;
    Hid_Thread &deviceWorker() { return worker; }
    QSystemTrayIcon *tray() const { return trayIcon; }
    QAction *quitAction() const { return quit; }
    const QTimer &discoveryTimer() const { return deviceTimer; }
    // The platform's source of device changes (udev on Linux).
    DeviceChangeWatcher *deviceChangeWatcher() const { return deviceWatcher.get(); }

public slots:
    void checkDevice();
    void trayIconActivated(QSystemTrayIcon::ActivationReason reason);
    void exitSYS();
    // A device came or went: discovery runs once the changes have settled.
    void deviceChanged();

signals:
    // After every discovery pass; for diagnostics and tests.
    void devicesChecked();

protected:
    void customEvent(QEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    void setupTray();

    QTimer deviceTimer;
    Hid_Thread worker;
    std::unique_ptr<Ui_Controler> controller;
    QSystemTrayIcon *trayIcon = nullptr;
    QAction *quit = nullptr;
    std::unique_ptr<DeviceChangeWatcher> deviceWatcher;
};
