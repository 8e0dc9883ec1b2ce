#include "shell/ui_controler.h"

#include "bridge/my_qquick_view.h"
#include "shell/log.h"
#include "shell/widget.h"
#include "shell/window_drag.h"

#include <QApplication>
#include <QQmlContext>
#include <QQuickItem>
#include <QUrl>
#include <QVariant>

#include <algorithm>

namespace {

const QUrl kSceneUrl(QStringLiteral("qrc:modules/qml/main.qml"));

// Whether a top-level window besides `window` is on the screen (menus and
// tooltips do not count).
bool anyOtherWindowShown(const QWidget *window)
{
    const QWidgetList tops = QApplication::topLevelWidgets();
    return std::any_of(tops.begin(), tops.end(), [window](const QWidget *w) {
        const Qt::WindowType type = w->windowType();
        return w != window && w->isVisible() && type != Qt::Popup && type != Qt::ToolTip;
    });
}

} // namespace

void Ui_Controler::attach(Widget *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("Widget"));
    mainWindow = window;

    mainWindow->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    mainWindow->setWindowOpacity(1.0);
    mainWindow->setAttribute(Qt::WA_TranslucentBackground);
    // The view inherits it, so only the scene's own pixels are drawn.
    mainWindow->setStyleSheet(QStringLiteral("background:transparent;"));

    view = new myQQuickView(mainWindow);
    view->setObjectName(QStringLiteral("ui_View"));
    view->setSource(kSceneUrl);

    // Registered after the scene has been created: the scene makes no native
    // call while it loads, only from initUI() on.
    QQmlContext *context = view->rootContext();
    context->setContextProperty(QStringLiteral("ui_View"), view);
    context->setContextProperty(QStringLiteral("hid"), &mainWindow->deviceWorker());
    context->setContextProperty(QStringLiteral("ui_Ctl"), this);

    mainWindow->resize(view->width(), view->height());
    mainWindow->setWindowTitle(view->windowTitleFromConfig());
}

void Ui_Controler::onMinimize()
{
    if (mainWindow)
        mainWindow->setVisible(false);
}

void Ui_Controler::onClose()
{
    if (!mainWindow)
        return;
    qCDebug(lcShell, "window closed by the scene");
    const bool wasHidden = !mainWindow->isVisible();
    if (!mainWindow->close() || !wasHidden)
        return;
    // Closing a window that is already hidden (the window was sent to the
    // tray) does not count as the last window closing, so the event loop
    // would run on with nothing left to quit from. End it as closing the
    // shown window would.
    if (QGuiApplication::quitOnLastWindowClosed() && !anyOtherWindowShown(mainWindow))
        QCoreApplication::quit();
}

void Ui_Controler::onXChanged(int x)
{
    moveBy(x, 0);
}

void Ui_Controler::onYChanged(int y)
{
    moveBy(0, y);
}

void Ui_Controler::moveBy(int dx, int dy)
{
    if (mainWindow)
        WindowDrag::moveBy(mainWindow, dx, dy);
}

void Ui_Controler::setBusy(int busyTime)
{
    if (!view || !view->rootObject())
        return;
    // Runs inside this call: the overlay is up before the caller goes on.
    qCDebug(lcShell, "scene call: setProtectUI %d", busyTime);
    QMetaObject::invokeMethod(view->rootObject(), "setProtectUI", Qt::DirectConnection,
                              Q_ARG(QVariant, QVariant(busyTime)));
}
