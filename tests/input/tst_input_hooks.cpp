// The global input module without a real event source: each change of a
// key's state reported once, buttons with their position, the callbacks and
// their contexts, installing and removing, and the Qt glue.
#include "shell/input/input_event_pump.h"
#include "shell/input/input_hooks.h"
#include "shell/input/input_receiver.h"
#include "shell/input/view_input_receiver.h"
#include "tests/input/stand_in_view.h"

#include <QLoggingCategory>
#include <QTest>

#include <memory>

namespace {

constexpr quint32 E = kKeyFlagExtended;

// An event source that only counts how often it was opened and closed.
struct SourceCounts
{
    int opened = 0;
    int closed = 0;
};
SourceCounts s_counts;

class CountingSource final : public InputBackend
{
public:
    CountingSource() { ++s_counts.opened; }
    ~CountingSource() override { ++s_counts.closed; }
};

std::unique_ptr<InputBackend> openCounting(InputHooks &)
{
    return std::make_unique<CountingSource>();
}

std::unique_ptr<InputBackend> openNothing(InputHooks &)
{
    return nullptr;
}

// What reached the callbacks, as text: "key+ 04", "button- f1 @-100,7".
struct Recorder
{
    QStringList reports;

    static void key(std::uint8_t usbCode, bool isDown, void *context)
    {
        static_cast<Recorder *>(context)->reports
            << QString::asprintf("key%s %02x", isDown ? "+" : "-", usbCode);
    }

    static void mouse(std::uint8_t code, bool isDown, std::int32_t x, std::int32_t y, void *context)
    {
        static_cast<Recorder *>(context)->reports
            << QString::asprintf("button%s %02x @%d,%d", isDown ? "+" : "-", code, x, y);
    }
};

// A step of a key sequence: "1e+" presses scan 0x1E, "1ce-" releases scan
// 0x1C with the extended flag.
void feed(InputHooks &hooks, const QStringList &steps)
{
    for (const QString &step : steps) {
        const bool isDown = step.endsWith(u'+');
        QString scan = step.chopped(1);
        quint32 flags = 0;
        if (scan.size() == 3 && scan.endsWith(u'e')) {
            flags = E;
            scan.chop(1);
        }
        hooks.keyEvent(scan.toUInt(nullptr, 16), flags, isDown);
    }
}

QStringList captured;
void captureDiagnostic(const char *text)
{
    captured << QString::fromUtf8(text);
}

} // namespace

class TstInputHooks : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void reportsEachChangeOnce_data();
    void reportsEachChangeOnce();
    void keyHeldBeforeInstallIsNotReleased();
    void stateIsKeptWithoutCallback();
    void nothingBeforeInstall();
    void installRebuildsForTheLayout();
    void reportsEveryButtonChange();
    void callbacksGetTheirContext();
    void nullCallbackDropsReports();
    void installReplacesTheOpenSource();
    void oneInstanceAtATime();
    void failedInstallLeavesNothingOpen();
    void receiverForwardsToView();
    void receiverDropsReportsForAGoneView();
    void functionReceiver();
    void nullReceiverDropsReports();
    void noDisplayMeansNoGlobalEvents();
    void pumpRoutesNotesToDebug();
    void pumpWatchesNothingWithoutSource();
};

void TstInputHooks::init()
{
    s_counts = {};
    captured.clear();
    InputHooks::setDiagnosticHandler(nullptr);
}

void TstInputHooks::reportsEachChangeOnce_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("press and release")
        << QStringList{"1e+", "1e-"} << QStringList{"key+ 04", "key- 04"};
    QTest::newRow("auto-repeat gives one press")
        << QStringList{"1e+", "1e+", "1e+", "1e+", "1e-"} << QStringList{"key+ 04", "key- 04"};
    QTest::newRow("release without press")
        << QStringList{"30-"} << QStringList{};
    QTest::newRow("second release")
        << QStringList{"1e+", "1e-", "1e-"} << QStringList{"key+ 04", "key- 04"};
    QTest::newRow("press again after release")
        << QStringList{"1e+", "1e-", "1e+", "1e-"}
        << QStringList{"key+ 04", "key- 04", "key+ 04", "key- 04"};
    QTest::newRow("interleaved keys")
        << QStringList{"2a+", "1e+", "30+", "1e-", "30-", "2a-"}
        << QStringList{"key+ e1", "key+ 04", "key+ 05", "key- 04", "key- 05", "key- e1"};
    QTest::newRow("keypad Enter and Enter are two keys")
        << QStringList{"1ce+", "1c+", "1ce-", "1c-"}
        << QStringList{"key+ 58", "key+ 28", "key- 58", "key- 28"};
    // Pause and Ctrl+Break share usage 0x48, and so share its state.
    QTest::newRow("Pause and Break share a state")
        << QStringList{"45+", "46e+", "45-", "46e-"} << QStringList{"key+ 48", "key- 48"};
    QTest::newRow("keys without usage are ignored")
        << QStringList{"5ce+", "36+", "1e+", "5ce-", "36-", "1e-"}
        << QStringList{"key+ 04", "key- 04"};
}

void TstInputHooks::reportsEachChangeOnce()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);

    InputHooks hooks;
    QVERIFY(hooks.install(true, openCounting));
    Recorder recorder;
    hooks.setKeyboardCallback(Recorder::key, &recorder);
    feed(hooks, steps);
    QCOMPARE(recorder.reports, expected);
}

void TstInputHooks::keyHeldBeforeInstallIsNotReleased()
{
    InputHooks hooks;
    Recorder recorder;
    hooks.setKeyboardCallback(Recorder::key, &recorder);
    QVERIFY(hooks.install(true, openCounting));
    // The key went down before the hooks were there: only its release comes.
    feed(hooks, {"1d-", "1e+", "1e-"});
    QCOMPARE(recorder.reports, (QStringList{"key+ 04", "key- 04"}));
}

void TstInputHooks::stateIsKeptWithoutCallback()
{
    InputHooks hooks;
    QVERIFY(hooks.install(true, openCounting));
    feed(hooks, {"1e+"});
    QVERIFY(hooks.keyDownState().isDown(0x04));

    Recorder recorder;
    hooks.setKeyboardCallback(Recorder::key, &recorder);
    feed(hooks, {"1e+", "1e-"});
    QCOMPARE(recorder.reports, QStringList{"key- 04"});
}

void TstInputHooks::nothingBeforeInstall()
{
    InputHooks hooks;
    Recorder recorder;
    hooks.setKeyboardCallback(Recorder::key, &recorder);
    feed(hooks, {"1e+", "1e-"});
    QVERIFY(recorder.reports.isEmpty());
}

void TstInputHooks::installRebuildsForTheLayout()
{
    InputHooks hooks;
    Recorder recorder;
    hooks.setKeyboardCallback(Recorder::key, &recorder);
    QVERIFY(hooks.install(false, openCounting));
    QCOMPARE(hooks.defaultLayout(), false);
    feed(hooks, {"2b+", "2b-"});
    QVERIFY(hooks.install(true, openCounting));
    QCOMPARE(hooks.defaultLayout(), true);
    feed(hooks, {"2b+", "2b-"});
    QCOMPARE(recorder.reports, (QStringList{"key+ 31", "key- 31", "key+ 32", "key- 32"}));
}

void TstInputHooks::reportsEveryButtonChange()
{
    InputHooks hooks;
    QVERIFY(hooks.install(true, openCounting));
    Recorder recorder;
    hooks.setMouseCallback(Recorder::mouse, &recorder);
    QVERIFY(hooks.wantsMouseEvents());

    // A double click: the plain messages, nothing remembered in between.
    hooks.mouseEvent(kMsgLeftButtonDown, 10, 20);
    hooks.mouseEvent(kMsgLeftButtonUp, 10, 20);
    hooks.mouseEvent(kMsgLeftButtonDown, 10, 20);
    hooks.mouseEvent(kMsgLeftButtonUp, 10, 20);
    // Repeated presses are reported, too: buttons have no state.
    hooks.mouseEvent(kMsgRightButtonDown, -100, 7);
    hooks.mouseEvent(kMsgRightButtonDown, -100, 7);
    hooks.mouseEvent(kMsgMiddleButtonUp, 0, 0);
    hooks.mouseEvent(kMsgLeftButtonDoubleClick, 10, 20);
    hooks.mouseEvent(0x20A, 10, 20); // wheel
    hooks.mouseEvent(0x200, 10, 20); // move

    QCOMPARE(recorder.reports,
             (QStringList{"button+ f0 @10,20", "button- f0 @10,20", "button+ f0 @10,20",
                          "button- f0 @10,20", "button+ f1 @-100,7", "button+ f1 @-100,7",
                          "button- f2 @0,0"}));
}

void TstInputHooks::callbacksGetTheirContext()
{
    InputHooks hooks;
    QVERIFY(hooks.install(true, openCounting));
    Recorder keys;
    Recorder buttons;
    hooks.setKeyboardCallback(Recorder::key, &keys);
    hooks.setMouseCallback(Recorder::mouse, &buttons);
    feed(hooks, {"1e+"});
    hooks.mouseEvent(kMsgLeftButtonDown, 1, 2);
    QCOMPARE(keys.reports, QStringList{"key+ 04"});
    QCOMPARE(buttons.reports, QStringList{"button+ f0 @1,2"});
}

void TstInputHooks::nullCallbackDropsReports()
{
    InputHooks hooks;
    QVERIFY(hooks.install(true, openCounting));
    Recorder recorder;
    hooks.setKeyboardCallback(Recorder::key, &recorder);
    hooks.setMouseCallback(Recorder::mouse, &recorder);
    hooks.setKeyboardCallback(nullptr, &recorder);
    hooks.setMouseCallback(nullptr, &recorder);
    QVERIFY(!hooks.wantsMouseEvents());
    feed(hooks, {"1e+", "1e-"});
    hooks.mouseEvent(kMsgLeftButtonDown, 1, 2);
    QVERIFY(recorder.reports.isEmpty());
}

void TstInputHooks::installReplacesTheOpenSource()
{
    {
        InputHooks hooks;
        QVERIFY(hooks.install(true, openCounting));
        QVERIFY(hooks.install(true, openCounting));
        QCOMPARE(s_counts.opened, 2);
        QCOMPARE(s_counts.closed, 1);
        hooks.remove();
        QVERIFY(!hooks.isInstalled());
        QCOMPARE(s_counts.closed, 2);
        hooks.remove();
        QCOMPARE(s_counts.closed, 2);
        QVERIFY(hooks.install(true, openCounting));
    }
    // The module closes its source when it goes.
    QCOMPARE(s_counts.opened, 3);
    QCOMPARE(s_counts.closed, 3);
}

void TstInputHooks::oneInstanceAtATime()
{
    InputHooks::setDiagnosticHandler(captureDiagnostic);
    InputHooks first;
    InputHooks second;
    QVERIFY(first.install(true, openCounting));
    QVERIFY(!second.install(true, openCounting));
    QCOMPARE(s_counts.opened, 1);
    QCOMPARE(captured.size(), 1);
    first.remove();
    QVERIFY(second.install(true, openCounting));
    QVERIFY(!first.install(true, openCounting));
}

void TstInputHooks::failedInstallLeavesNothingOpen()
{
    InputHooks hooks;
    QVERIFY(!hooks.install(true, openNothing));
    QVERIFY(!hooks.isInstalled());
    QCOMPARE(hooks.eventDescriptor(), -1);
    hooks.dispatchPending();
    hooks.dispatchQueued();
    // Another instance can still install.
    InputHooks other;
    QVERIFY(other.install(true, openCounting));
}

void TstInputHooks::receiverForwardsToView()
{
    StandInScene scene;
    StandInView view(&scene);
    ViewInputReceiver<StandInView> receiver(&view);
    InputHooks hooks;
    QVERIFY(hooks.install(true, openCounting));
    attachInputReceiver(hooks, &receiver);

    feed(hooks, {"1e+", "1e+", "1e-"});
    hooks.mouseEvent(kMsgRightButtonDown, -100, 5);
    // The scene gets the calls later, from the event loop, in order.
    QVERIFY(scene.calls.isEmpty());
    QTRY_COMPARE(scene.calls.size(), 3);
    QCOMPARE(scene.calls,
             (QStringList{"key+ 04", "key- 04", "button+ f1 @4294967196,5"}));
    QCOMPARE(scene.directCalls, 0);
}

void TstInputHooks::receiverDropsReportsForAGoneView()
{
    StandInScene scene;
    auto view = std::make_unique<StandInView>(&scene);
    ViewInputReceiver<StandInView> receiver(view.get());
    InputHooks hooks;
    QVERIFY(hooks.install(true, openCounting));
    attachInputReceiver(hooks, &receiver);
    view.reset();
    feed(hooks, {"1e+"});
    hooks.mouseEvent(kMsgLeftButtonDown, 1, 1);
    QCoreApplication::processEvents();
    QVERIFY(scene.calls.isEmpty());
}

void TstInputHooks::functionReceiver()
{
    QStringList got;
    FunctionInputReceiver receiver(
        [&got](bool isDown, std::uint8_t usbCode) {
            got << QString::asprintf("key%s %02x", isDown ? "+" : "-", usbCode);
        },
        {});
    InputHooks hooks;
    QVERIFY(hooks.install(true, openCounting));
    attachInputReceiver(hooks, &receiver);
    feed(hooks, {"1ce+"});
    hooks.mouseEvent(kMsgLeftButtonDown, 1, 1); // no mouse function: dropped
    QCOMPARE(got, QStringList{"key+ 58"});
}

void TstInputHooks::nullReceiverDropsReports()
{
    InputHooks hooks;
    QVERIFY(hooks.install(true, openCounting));
    attachInputReceiver(hooks, nullptr);
    feed(hooks, {"1e+", "1e-"});
    hooks.mouseEvent(kMsgLeftButtonDown, 1, 1);
    // Still counted as a change: the state follows the keys.
    QVERIFY(!hooks.keyDownState().isDown(0x04));
}

void TstInputHooks::noDisplayMeansNoGlobalEvents()
{
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    InputHooks::setDiagnosticHandler(captureDiagnostic);
    InputHooks hooks;
    const bool installed = hooks.install(true);
    if (!display.isEmpty())
        qputenv("DISPLAY", display);
    QVERIFY(!installed);
    QCOMPARE(hooks.eventDescriptor(), -1);
    QCOMPARE(captured, QStringList{"no X display: global key and button events are off"});
    // The tables are built all the same; nothing else happens.
    QCOMPARE(int(hooks.translator().usageFor(0x1E, 0)), 0x04);
}

void TstInputHooks::pumpRoutesNotesToDebug()
{
    QLoggingCategory::setFilterRules(QStringLiteral("zr.shell.input.debug=true"));
    InputHooks hooks;
    {
        InputEventPump pump(hooks);
        QTest::ignoreMessage(QtDebugMsg, "a note");
        InputHooks::diagnostic("a note");
    }
    // Gone with the pump.
    QVERIFY(InputHooks::diagnosticHandler() == nullptr);
    QLoggingCategory::setFilterRules(QString());
}

void TstInputHooks::pumpWatchesNothingWithoutSource()
{
    InputHooks hooks;
    InputEventPump pump(hooks);
    QVERIFY(!pump.isWatching());
    QVERIFY(hooks.install(true, openCounting)); // a source without descriptor
    pump.pump();
    QVERIFY(!pump.isWatching());
}

QTEST_GUILESS_MAIN(TstInputHooks)
#include "tst_input_hooks.moc"
