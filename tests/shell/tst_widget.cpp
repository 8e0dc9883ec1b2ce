// The main window in-process against the simulated keyboard: the frameless
// scene window, the tray, the start-up order the scene sees, discovery after
// device changes, the window controller and the hook callbacks.
#include "bridge/my_qquick_view.h"
#include "device/sim/hidsim.h"
#include "shell/device_change_watcher.h"
#include "shell/hook_callbacks.h"
#include "shell/ui_controler.h"
#include "shell/user_event.h"
#include "shell/widget.h"
#include "shell/window_drag.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QQmlContext>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>
#include <memory>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

// The scene of these tests records what it receives; the window keeps its
// view, context and controller.
void useRecordingScene(Widget &w)
{
    w.view()->setSource(QUrl::fromLocalFile(QStringLiteral(ZR_RECORDING_SCENE)));
    QVERIFY(w.view()->rootObject());
    QVERIFY(w.view()->rootObject()->property("received").isValid());
}

QStringList received(Widget &w)
{
    return w.view()->rootObject()->property("received").toStringList();
}

// The calls the scene received, without the notes it makes about its own work.
QStringList rootCalls(Widget &w)
{
    QStringList calls = received(w);
    calls.removeIf([](const QString &c) { return c.startsWith(QLatin1String("initUI done")); });
    return calls;
}

int enumerations()
{
    int n = 0;
    for (const hidsim::Call &c : hidsim::calls())
        n += c.function == "hid_enumerate" ? 1 : 0;
    return n;
}

} // namespace

class TestWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void frameslessSceneWindow();
    void trayWithItsOneEntry();
    void startUpOrderSeenByTheScene();
    void burstOfDeviceChangesGivesOneDiscovery();
    void trayActivation_data();
    void trayActivation();
    void dragMovesHorizontallyThenVertically();
    void dragWithHugeOffsetsStaysOnItsSide_data();
    void dragWithHugeOffsetsStaysOnItsSide();
    void setBusyWithoutArgumentPassesZero();
    void quitRunsTheClosingAnimationFirst();
    void quitEndsTheEventLoop_data();
    void quitEndsTheEventLoop();
    void otherCustomEventsAreIgnored();
    void hookCallbacksReachTheScene();
    void clientPlacement_data();
    void clientPlacement();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString previous;
    std::unique_ptr<Widget> window;
};

void TestWidget::initTestCase()
{
    // Closing the window must not end the test's own event processing.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestWidget::init()
{
    dir = std::make_unique<QTemporaryDir>();
    previous = QDir::currentPath();
    QDir::setCurrent(dir->path());
    writeFile("modules/setting/apConfig.bin",
              "[common]\nname=ZR770 Test\nproduct_name=Test Keyboard\ntotal=3\n0=1\n1=1\n2=1\n");
    writeFile("modules/setting/HWDef.bin",
              "[common]\nkbLayoutType=0\nmaxMacro=2\nmaxProfile=2\n"
              "[0]\ntotal_HW=1\ntotal_FW=128\n1=0, 0, 1, Esc, 0, 41\n");
    writeFile("modules/setting/KeyCodeDef.bin", "[common]\nusbStr=A\nusbCode=4\n");
    hidsim::reset();
    window = std::make_unique<Widget>();
    if (QByteArray(QTest::currentTestFunction()) != "frameslessSceneWindow")
        useRecordingScene(*window);
}

void TestWidget::cleanup()
{
    window.reset();
    QDir::setCurrent(previous);
    dir.reset();
}

void TestWidget::frameslessSceneWindow()
{
    Widget &w = *window;
    QCOMPARE(w.objectName(), QStringLiteral("Widget"));
    QCOMPARE(w.windowFlags(), Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    QVERIFY(w.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(w.styleSheet(), QStringLiteral("background:transparent;"));
    QCOMPARE(w.windowTitle(), QStringLiteral("ZR770 Test"));
    QCOMPARE(w.size(), QSize(1000, 600));

    myQQuickView *view = w.view();
    QVERIFY(view);
    QCOMPARE(view->parentWidget(), &w);
    QCOMPARE(view->objectName(), QStringLiteral("ui_View"));
    QCOMPARE(view->source(), QUrl(QStringLiteral("qrc:modules/qml/main.qml")));
    QVERIFY(view->rootObject());
    QCOMPARE(view->rootObject()->width(), 1000.0);
    QCOMPARE(view->rootObject()->height(), 600.0);
    QQmlContext *context = view->rootContext();
    QCOMPARE(context->contextProperty("ui_View").value<QObject *>(), view);
    QCOMPARE(context->contextProperty("hid").value<QObject *>(), &w.deviceWorker());
    QCOMPARE(context->contextProperty("ui_Ctl").value<QObject *>(), w.windowController());
    QCOMPARE(view->deviceWorker(), &w.deviceWorker());

    QCOMPARE(w.discoveryTimer().interval(), 2048);
    QVERIFY(w.discoveryTimer().isSingleShot());
    QCOMPARE(w.discoveryTimer().timerType(), Qt::PreciseTimer);
    QVERIFY(!w.discoveryTimer().isActive());
}

void TestWidget::trayWithItsOneEntry()
{
    Widget &w = *window;
    QSystemTrayIcon *tray = w.tray();
    QVERIFY(tray);
    QCOMPARE(tray->parent(), &w);
    QCOMPARE(tray->toolTip(), QStringLiteral("Orvex ZR770"));
    QMenu *menu = tray->contextMenu();
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().first(), w.quitAction());
    QCOMPARE(w.quitAction()->text(), QStringLiteral("Quit (&Q)"));
    QCOMPARE(menu->styleSheet(),
             QStringLiteral(
                 "QMenu { border: 1px solid rgb(100, 100, 100); background: rgb(68, 69, 73); } "
                 "QMenu::item { height: 22px; padding: 0px 25px 0px 20px; } "
                 "QMenu::item:enabled { color: rgb(225, 225, 225); } "
                 "QMenu::item:!enabled { color: rgb(155, 155, 155); } "
                 "QMenu::item:enabled:selected { color: rgb(230, 230, 230); background: rgba(255, 255, 255, 40); } "
                 "QMenu::separator { height: 1px; background: rgb(100, 100, 100); } "
                 "QMenu::indicator { width: 13px; height: 13px; } "
                 "QMenu::icon { padding-left: 2px; padding-right: 2px; } "));
}

void TestWidget::startUpOrderSeenByTheScene()
{
    Widget &w = *window;
    w.checkDevice();
    w.showNormal();
    w.startScene();
    // The overlay is up before the loop runs anything.
    QCOMPARE(rootCalls(w), QStringList({"setProtectUI 1"}));
    QTRY_VERIFY(rootCalls(w).contains("run"));
    QCOMPARE(rootCalls(w), QStringList({"setProtectUI 1", "initUI", "setProtectUI 0", "run"}));
    QVERIFY(w.view()->rootObject()->isVisible());
    // initUI could reach the view: its calls were answered.
    QVERIFY(received(w).contains("initUI done keys=1 profile=0 led=1,4,2,0,7,4,0 firmware=01.03"));
}

void TestWidget::burstOfDeviceChangesGivesOneDiscovery()
{
    Widget &w = *window;
    w.checkDevice();
    hidsim::clearCalls();
    QSignalSpy checked(&w, &Widget::devicesChecked);
    QElapsedTimer sinceLast;
    qint64 discoveredAfter = -1;
    connect(&w, &Widget::devicesChecked, this, [&] { discoveredAfter = sinceLast.elapsed(); });

    // The udev monitor's notifications, as its socket notifier delivers them.
    DeviceChangeWatcher *watcher = w.deviceChangeWatcher();
    QVERIFY(watcher);
    hidsim::unplug();
    watcher->drainNotifications();
    QTest::qWait(500);
    hidsim::plug();
    watcher->drainNotifications();
    QTest::qWait(700);
    sinceLast.start();
    watcher->drainNotifications();

    QTest::qWait(1800);
    QCOMPARE(checked.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(checked.count(), 1, 3000);
    QVERIFY2(discoveredAfter >= 2048 && discoveredAfter < 3000,
             qPrintable(QString::number(discoveredAfter)));
    QTest::qWait(1500);
    QCOMPARE(checked.count(), 1);
    QCOMPARE(enumerations(), 1);
    QCOMPARE(w.deviceWorker().deviceList().value(0).commandPath, QByteArray("sim-hidraw0"));
}

void TestWidget::trayActivation_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("hiddenFirst");
    QTest::addColumn<bool>("shown");
    QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << true << true;
    QTest::newRow("double click, visible") << int(QSystemTrayIcon::DoubleClick) << false << true;
    QTest::newRow("single click") << int(QSystemTrayIcon::Trigger) << true << false;
    QTest::newRow("right click") << int(QSystemTrayIcon::Context) << true << false;
    QTest::newRow("middle click") << int(QSystemTrayIcon::MiddleClick) << true << false;
    QTest::newRow("unknown") << int(QSystemTrayIcon::Unknown) << true << false;
}

void TestWidget::trayActivation()
{
    QFETCH(int, reason);
    QFETCH(bool, hiddenFirst);
    QFETCH(bool, shown);
    Widget &w = *window;
    w.showNormal();
    w.move(120, 80);
    const QPoint before = w.pos();
    const QSize size = w.size();
    if (hiddenFirst) {
        w.windowController()->onMinimize();
        QVERIFY(!w.isVisible());
    }
    emit w.tray()->activated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(w.isVisible(), shown);
    if (shown) {
        QCOMPARE(w.pos(), before);
        QCOMPARE(w.size(), size);
    }
}

void TestWidget::dragMovesHorizontallyThenVertically()
{
    Widget &w = *window;
    w.showNormal();
    w.move(200, 150);
    QTRY_COMPARE(w.pos(), QPoint(200, 150));
    Ui_Controler *ctl = w.windowController();
    QVERIFY(QMetaObject::invokeMethod(ctl, "onXChanged", Q_ARG(int, 3)));
    QCOMPARE(w.pos(), QPoint(203, 150));
    QVERIFY(QMetaObject::invokeMethod(ctl, "onYChanged", Q_ARG(int, -2)));
    QCOMPARE(w.pos(), QPoint(203, 148));
    // Not clamped: off the screen is allowed.
    ctl->onXChanged(-5000);
    QCOMPARE(w.pos(), QPoint(-4797, 148));
}

void TestWidget::dragWithHugeOffsetsStaysOnItsSide_data()
{
    // Offsets as a script passes them after its number has been cut to an
    // int: the sum with the window's position does not fit an int.
    QTest::addColumn<int>("startX");
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("right");
    QTest::newRow("far right") << 100 << std::numeric_limits<int>::max() << true;
    QTest::newRow("far left") << -100 << std::numeric_limits<int>::min() << false;
    QTest::newRow("far right twice") << 100 << std::numeric_limits<int>::max() / 2 + 1 << true;
}

void TestWidget::dragWithHugeOffsetsStaysOnItsSide()
{
    QFETCH(int, startX);
    QFETCH(int, offset);
    QFETCH(bool, right);
    Widget &w = *window;
    w.showNormal();
    w.move(startX, 40);
    QTRY_COMPARE(w.pos(), QPoint(startX, 40));
    Ui_Controler *ctl = w.windowController();
    for (int pass = 0; pass < 2; ++pass) {
        ctl->onXChanged(offset);
        ctl->onYChanged(offset);
        // Moved the way the pointer went, never wrapped round to the other side.
        QVERIFY2(right ? w.x() > startX : w.x() < startX, qPrintable(QString::number(w.x())));
        QVERIFY2(right ? w.y() > 40 : w.y() < 40, qPrintable(QString::number(w.y())));
        // Qt's own geometry (position plus size) still fits an int.
        QVERIFY(qint64(w.x()) + w.width() < std::numeric_limits<int>::max());
        QVERIFY(qint64(w.x()) > std::numeric_limits<int>::min() + w.width());
    }
    // And the window comes back with an ordinary drag.
    const QPoint far = w.pos();
    ctl->onXChanged(right ? -3 : 3);
    QCOMPARE(w.x(), far.x() + (right ? -3 : 3));
}

void TestWidget::setBusyWithoutArgumentPassesZero()
{
    Widget &w = *window;
    QVERIFY(QMetaObject::invokeMethod(w.windowController(), "setBusy"));
    QCOMPARE(rootCalls(w), QStringList({"setProtectUI 0"}));
    QVERIFY(QMetaObject::invokeMethod(w.windowController(), "setBusy", Q_ARG(int, 800)));
    QCOMPARE(rootCalls(w).last(), QStringLiteral("setProtectUI 800"));
    QVERIFY(!w.view()->isEnabled());
    // Busy for the interval, then the scene takes input again.
    QTest::qWait(500);
    QVERIFY(!w.view()->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(w.view()->isEnabled(), 1500);
}

void TestWidget::quitRunsTheClosingAnimationFirst()
{
    Widget &w = *window;
    w.showNormal();
    w.windowController()->setBusy(2000);  // closing while busy still closes
    w.quitAction()->trigger();
    QVERIFY(w.isVisible());  // the scene closes the window, later
    QTRY_VERIFY(!w.isVisible());
    const QStringList calls = rootCalls(w);
    QCOMPARE(calls.mid(calls.indexOf("close")), QStringList({"close", "onClose"}));
}

void TestWidget::quitEndsTheEventLoop_data()
{
    QTest::addColumn<bool>("hiddenFirst");
    QTest::newRow("visible window") << false;
    QTest::newRow("hidden to the tray") << true;
}

void TestWidget::quitEndsTheEventLoop()
{
    QFETCH(bool, hiddenFirst);
    Widget &w = *window;
    w.showNormal();
    // As the program runs: closing the last window ends the loop.
    QApplication::setQuitOnLastWindowClosed(true);
    QTimer::singleShot(50, &w, [&w, hiddenFirst] {
        if (hiddenFirst)
            w.windowController()->onMinimize();
        w.quitAction()->trigger();
    });
    QTimer fallback;
    fallback.setSingleShot(true);
    connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    fallback.start(8000);
    const int code = QApplication::exec();
    fallback.stop();
    QApplication::setQuitOnLastWindowClosed(false);

    QCOMPARE(code, 0);  // not the fallback's 7: the scene's close ended the loop
    const QStringList calls = rootCalls(w);
    QCOMPARE(calls.mid(calls.indexOf("close")), QStringList({"close", "onClose"}));
    QVERIFY(!w.isVisible());
}

void TestWidget::otherCustomEventsAreIgnored()
{
    Widget &w = *window;
    QCoreApplication::postEvent(&w, new UserEvent(42));
    QCoreApplication::postEvent(&w, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QTest::qWait(50);
    QVERIFY(rootCalls(w).isEmpty());
    QCoreApplication::postEvent(&w, new UserEvent(UserEvent::kStartScene));
    QTRY_COMPARE(rootCalls(w), QStringList({"setProtectUI 0", "run"}));
}

void TestWidget::hookCallbacksReachTheScene()
{
    Widget &w = *window;
    QQuickItem *root = w.view()->rootObject();
    keyboardHookCallback(0x04, true, &w);
    keyboardHookCallback(0x04, false, nullptr);  // no context: dropped
    mouseHookCallback(0xF0, true, -100, 5, &w);
    QCOMPARE(root->property("keyEvents").toInt(), 0);  // queued, not run inside the hook
    QTRY_COMPARE(root->property("keyEvents").toInt(), 1);
    QTRY_COMPARE(root->property("mouseEvents").toInt(), 1);
    const QVariantList mouse = root->property("lastMouse").toList();
    QCOMPARE(mouse.value(0).toBool(), true);
    QCOMPARE(mouse.value(1).toUInt(), 0xF0u);
    QCOMPARE(mouse.value(2).toDouble(), 4294967196.0);  // left of the primary screen
    QCOMPARE(mouse.value(3).toUInt(), 5u);
}

void TestWidget::clientPlacement_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("placesWindows");
    QTest::newRow("x11") << "xcb" << true;
    QTest::newRow("windows") << "windows" << true;
    QTest::newRow("offscreen") << "offscreen" << true;
    QTest::newRow("wayland") << "wayland" << false;
    QTest::newRow("wayland egl") << "wayland-egl" << false;
}

void TestWidget::clientPlacement()
{
    QFETCH(QString, platform);
    QFETCH(bool, placesWindows);
    QCOMPARE(WindowDrag::clientPlacesWindows(platform), placesWindows);
}

QTEST_MAIN(TestWidget)
#include "tst_widget.moc"
