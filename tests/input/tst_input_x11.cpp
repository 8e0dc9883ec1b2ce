// End to end under a private X server: keys and buttons injected with XTest
// while another X window has the focus reach the scene's detectKeyboard and
// detectMouse through the X source, the Qt event loop and the queued calls,
// once per change of state and with the usage codes a Windows hook gives.
#include "shell/input/input_event_pump.h"
#include "shell/input/input_hooks.h"
#include "shell/input/view_input_receiver.h"
#include "tests/input/stand_in_view.h"
#include "tests/input/xvfb_server.h"

#include <QLoggingCategory>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <memory>

namespace {
// F12, pressed and released after each case: once its release reaches the
// scene, everything injected before it has gone through.
constexpr unsigned kSentinelKeycode = 96;
const QString kSentinelRelease = QStringLiteral("key- 45");
} // namespace

class TstInputX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void reachesTheScene_data();
    void reachesTheScene();
    void keyHeldBeforeInstallIsNotReleased();
    void otherWindowKeepsFocusAndKeys();
    void losingTheServerEndsTheEvents();

private:
    // Runs the steps of one case through XTest, then the sentinel, and
    // returns what reached the scene before the sentinel.
    QStringList inject(const QString &steps);

    XvfbServer server_;
    Display *injector_ = nullptr;
    Window focusWindow_ = 0;
    StandInScene scene_;
    StandInView view_{&scene_};
    ViewInputReceiver<StandInView> receiver_{&view_};
    std::unique_ptr<InputHooks> hooks_;
    std::unique_ptr<InputEventPump> pump_;
};

void TstInputX11::initTestCase()
{
    QString why;
    if (!server_.start(&why))
        QSKIP(qPrintable(why));
    qputenv("DISPLAY", server_.display());

    injector_ = XOpenDisplay(server_.display().constData());
    QVERIFY(injector_ != nullptr);
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    QVERIFY(XTestQueryExtension(injector_, &eventBase, &errorBase, &major, &minor));

    // The other program: a mapped window that has the keyboard focus.
    const Window root = DefaultRootWindow(injector_);
    focusWindow_ = XCreateSimpleWindow(injector_, root, 0, 0, 300, 300, 0, 0, 0);
    XSelectInput(injector_, focusWindow_, KeyPressMask | StructureNotifyMask);
    XMapWindow(injector_, focusWindow_);
    XEvent event;
    do
        XNextEvent(injector_, &event);
    while (event.type != MapNotify);
    XSetInputFocus(injector_, focusWindow_, RevertToParent, CurrentTime);
    XSync(injector_, False);

    hooks_ = std::make_unique<InputHooks>();
    pump_ = std::make_unique<InputEventPump>(*hooks_);
    QVERIFY(hooks_->install(true));
    attachInputReceiver(*hooks_, &receiver_);
    QCoreApplication::processEvents();
    QVERIFY(pump_->isWatching());
}

void TstInputX11::cleanupTestCase()
{
    pump_.reset();
    hooks_.reset();
    if (injector_ != nullptr)
        XCloseDisplay(injector_);
    server_.stop();
}

void TstInputX11::init()
{
    scene_.calls.clear();
    scene_.directCalls = 0;
}

QStringList TstInputX11::inject(const QString &steps)
{
    // "k38+" presses keycode 38, "b1-" releases button 1, "m100,200" moves
    // the pointer.
    const QStringList items = steps.split(u' ', Qt::SkipEmptyParts);
    for (const QString &item : items) {
        const QString body = item.mid(1);
        const bool isDown = body.endsWith(u'+');
        if (item.startsWith(u'k'))
            XTestFakeKeyEvent(injector_, body.chopped(1).toUInt(), isDown, CurrentTime);
        else if (item.startsWith(u'b'))
            XTestFakeButtonEvent(injector_, body.chopped(1).toUInt(), isDown, CurrentTime);
        else if (item.startsWith(u'm'))
            XTestFakeMotionEvent(injector_, 0, body.section(u',', 0, 0).toInt(),
                                 body.section(u',', 1, 1).toInt(), CurrentTime);
    }
    XTestFakeKeyEvent(injector_, kSentinelKeycode, True, CurrentTime);
    XTestFakeKeyEvent(injector_, kSentinelKeycode, False, CurrentTime);
    XSync(injector_, False);

    const bool arrived = QTest::qWaitFor([this] { return scene_.calls.contains(kSentinelRelease); }, 5000);
    if (!arrived)
        return {QStringLiteral("the sentinel key never arrived")};
    QStringList got = scene_.calls;
    got.removeAll(QStringLiteral("key+ 45"));
    got.removeAll(kSentinelRelease);
    return got;
}

void TstInputX11::reachesTheScene_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("A press and release") << "k38+ k38-" << QStringList{"key+ 04", "key- 04"};
    // A second press of a held key is sent on as a raw press.
    QTest::newRow("held A pressed again") << "k38+ k38+ k38+ k38-" << QStringList{"key+ 04", "key- 04"};
    QTest::newRow("Shift+A")
        << "k50+ k38+ k38- k50-" << QStringList{"key+ e1", "key+ 04", "key- 04", "key- e1"};
    QTest::newRow("keypad Enter and Enter")
        << "k104+ k104- k36+ k36-" << QStringList{"key+ 58", "key- 58", "key+ 28", "key- 28"};
    QTest::newRow("right Ctrl, right Shift, right Alt")
        << "k105+ k62+ k108+ k108- k62- k105-"
        << QStringList{"key+ e4", "key+ e5", "key+ e6", "key- e6", "key- e5", "key- e4"};
    QTest::newRow("Home and keypad 7")
        << "k110+ k110- k79+ k79-" << QStringList{"key+ 4a", "key- 4a", "key+ 5f", "key- 5f"};
    QTest::newRow("Print Screen, Alt+Print Screen")
        << "k107+ k107- k64+ k107+ k107- k64-"
        << QStringList{"key+ 46", "key- 46", "key+ e2", "key+ 46", "key- 46", "key- e2"};
    QTest::newRow("Pause, Ctrl+Pause")
        << "k127+ k127- k37+ k127+ k127- k37-"
        << QStringList{"key+ 48", "key- 48", "key+ e0", "key+ 48", "key- 48", "key- e0"};
    QTest::newRow("Num Lock") << "k77+ k77-" << QStringList{"key+ 53", "key- 53"};
    QTest::newRow("key between left Shift and Z") << "k94+ k94-" << QStringList{"key+ 64", "key- 64"};
    QTest::newRow("right Windows key is not reported") << "k134+ k134-" << QStringList{};
    QTest::newRow("left click")
        << "m100,200 b1+ b1-" << QStringList{"button+ f0 @100,200", "button- f0 @100,200"};
    QTest::newRow("right and middle clicks")
        << "m7,9 b3+ b3- b2+ b2-"
        << QStringList{"button+ f1 @7,9", "button- f1 @7,9", "button+ f2 @7,9", "button- f2 @7,9"};
    QTest::newRow("double click")
        << "m300,40 b1+ b1- b1+ b1-"
        << QStringList{"button+ f0 @300,40", "button- f0 @300,40", "button+ f0 @300,40",
                       "button- f0 @300,40"};
    QTest::newRow("wheel and side buttons are not reported")
        << "b4+ b4- b5+ b5- b8+ b8-" << QStringList{};
    QTest::newRow("keys and buttons in order")
        << "m1,2 k38+ b1+ k38- b1-"
        << QStringList{"key+ 04", "button+ f0 @1,2", "key- 04", "button- f0 @1,2"};
}

void TstInputX11::reachesTheScene()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, expected);

    QCOMPARE(inject(steps), expected);
    QCOMPARE(scene_.directCalls, 0);
}

void TstInputX11::keyHeldBeforeInstallIsNotReleased()
{
    hooks_->remove();
    QCoreApplication::processEvents();
    QVERIFY(!pump_->isWatching());
    XTestFakeKeyEvent(injector_, 39, True, CurrentTime); // S goes down unseen
    XSync(injector_, False);

    QVERIFY(hooks_->install(true));
    QCOMPARE(inject(QStringLiteral("k39- k39+ k39-")), (QStringList{"key+ 16", "key- 16"}));
    QVERIFY(pump_->isWatching());
}

void TstInputX11::otherWindowKeepsFocusAndKeys()
{
    QCOMPARE(inject(QStringLiteral("k38+ k38-")), (QStringList{"key+ 04", "key- 04"}));
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(injector_, &focus, &revert);
    QCOMPARE(focus, focusWindow_);
    // The keys went to the focused program as well: nothing was taken away.
    int keyPresses = 0;
    while (XPending(injector_) > 0) {
        XEvent event;
        XNextEvent(injector_, &event);
        keyPresses += event.type == KeyPress && event.xkey.window == focusWindow_ ? 1 : 0;
    }
    QVERIFY2(keyPresses >= 2, qPrintable(QString::number(keyPresses)));
}

void TstInputX11::losingTheServerEndsTheEvents()
{
    XCloseDisplay(injector_);
    injector_ = nullptr;
    QLoggingCategory::setFilterRules(QStringLiteral("zr.shell.input.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, "the X connection is lost: global key and button events are off");
    server_.stop();
    QTRY_VERIFY(!pump_->isWatching());
    QLoggingCategory::setFilterRules(QString());
    // The program goes on; the events are simply off.
    QCoreApplication::processEvents();
    QCOMPARE(hooks_->eventDescriptor(), -1);
}

QTEST_GUILESS_MAIN(TstInputX11)
#include "tst_input_x11.moc"
