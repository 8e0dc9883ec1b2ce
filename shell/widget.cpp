#include "shell/widget.h"

#include "bridge/my_qquick_view.h"
#include "device/discovery.h"
#include "shell/device_change_watcher.h"
#include "shell/log.h"
#include "shell/platform_window.h"
#include "shell/ui_controler.h"
#include "shell/user_event.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>

namespace {

const char *const kTrayMenuStyle =
    "QMenu { border: 1px solid rgb(100, 100, 100); background: rgb(68, 69, 73); } "
    "QMenu::item { height: 22px; padding: 0px 25px 0px 20px; } "
    "QMenu::item:enabled { color: rgb(225, 225, 225); } "
    "QMenu::item:!enabled { color: rgb(155, 155, 155); } "
    "QMenu::item:enabled:selected { color: rgb(230, 230, 230); background: rgba(255, 255, 255, 40); } "
    "QMenu::separator { height: 1px; background: rgb(100, 100, 100); } "
    "QMenu::indicator { width: 13px; height: 13px; } "
    "QMenu::icon { padding-left: 2px; padding-right: 2px; } ";

} // namespace

Widget::Widget(QWidget *parent) : QWidget(parent)
{
    controller = std::make_unique<Ui_Controler>();
    controller->attach(this);

    myQQuickView *sceneView = controller->sceneView();
    sceneView->setWorker(&worker);
    // The listener stores lighting changes in the view's current profile and
    // refreshes the scene through it.
    worker.setOwner(sceneView);

    deviceTimer.setInterval(kDeviceSettleMs);
    deviceTimer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early; discovery waits the full time.
    deviceTimer.setTimerType(Qt::PreciseTimer);
    connect(&deviceTimer, &QTimer::timeout, this, &Widget::checkDevice);

    setupTray();

    deviceWatcher = std::make_unique<DeviceChangeWatcher>();
    connect(deviceWatcher.get(), &DeviceChangeWatcher::changed, this, &Widget::deviceChanged);
}

Widget::~Widget()
{
    worker.stopListening();
    // The event loop has ended: a deferred deletion would never run.
    controller.reset();
}

myQQuickView *Widget::view() const
{
    return controller ? controller->sceneView() : nullptr;
}

void Widget::setupTray()
{
    trayIcon = new QSystemTrayIcon(this);

    quit = new QAction(tr("Quit (&Q)"), this);
    connect(quit, &QAction::triggered, this, &Widget::exitSYS);

    auto *menu = new QMenu(this);
    menu->addAction(quit);
    menu->setStyleSheet(QString::fromLatin1(kTrayMenuStyle));
    trayIcon->setContextMenu(menu);

    trayIcon->setToolTip(QStringLiteral("Orvex ZR770"));
    trayIcon->setIcon(QIcon(QStringLiteral("./modules/img/skin1/logo.ico")));
    connect(trayIcon, &QSystemTrayIcon::activated, this, &Widget::trayIconActivated);
    trayIcon->setVisible(true);
}

void Widget::checkDevice()
{
    myQQuickView *sceneView = view();
    discoverDevices(worker, sceneView ? sceneView->productNames() : QStringList());
    if (sceneView)
        sceneView->syncFW();
    qCDebug(lcShell, "discovery done");
    emit devicesChecked();
}

void Widget::trayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick)
        return;  // the context menu shows itself on a right click
    PlatformWindow::postRestore(winId());
    showNormal();
}

void Widget::exitSYS()
{
    // The scene plays its closing animation and then closes the window.
    if (myQQuickView *sceneView = view())
        sceneView->closeUI();
}

void Widget::deviceChanged()
{
    deviceTimer.start();
}

void Widget::startScene()
{
    controller->setBusy(1);
    if (myQQuickView *sceneView = view())
        sceneView->initUI();
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::kStartScene));
}

void Widget::customEvent(QEvent *event)
{
    // Another sender's event of the same type is not ours to read.
    const auto *userEvent = dynamic_cast<const UserEvent *>(event);
    if (event->type() != UserEvent::kType || !userEvent
        || userEvent->eventCode != UserEvent::kStartScene)
        return;
    controller->setBusy(0);
    if (myQQuickView *sceneView = view())
        sceneView->runUI();
}

bool Widget::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    if (PlatformWindow::isDeviceChangeMessage(eventType, message))
        deviceChanged();
    return QWidget::nativeEvent(eventType, message, result);
}
