// The event listener: lighting changes made on the keyboard reach the
// current profile and the scene; removal, restarts and shutdown.
#include "device/discovery.h"
#include "sim_fixture.h"

#include <QThreadPool>
#include <QtTest>

using namespace fixture;

namespace {

std::vector<std::uint8_t> lightingReport(std::uint8_t first)
{
    std::vector<std::uint8_t> r(12, 0xEE);  // bytes outside 4..10 are ignored
    for (std::uint8_t k = 0; k < 7; ++k)
        r[4 + k] = std::uint8_t(first + k);
    return r;
}

// The most event-interface handles the program held open at once.
int mostEventHandlesOpen()
{
    std::map<int, bool> event;
    int open = 0, most = 0;
    for (const hidsim::Call &c : hidsim::calls()) {
        if (c.function == "hid_open_path" && c.result == 0 && c.path == "sim-hidraw1") {
            event[c.handle] = true;
            most = std::max(most, ++open);
        } else if (c.function == "hid_close" && event.count(c.handle)) {
            --open;
        }
    }
    return most;
}

} // namespace

class TestListener : public QObject
{
    Q_OBJECT

private slots:
    void init() { hidsim::reset(); }

    void lightingReportReachesProfileAndScene();
    void otherReadsChangeNothing();
    void removalIsReportedOnce();
    void restartingTwiceLeavesOneListener();
    void entryWithoutPathsStartsNoListener();
    void reportWithoutProfileStore();
    void destructionWaitsForListenerAndWrite();
    void writeRunsBesideTheListenerOnASmallPool();
};

void TestListener::lightingReportReachesProfileAndScene()
{
    Host host;
    auto worker = discoveredWorker();
    worker->setOwner(&host);
    worker->swichCurDevice(0);
    hidsim::pushEvent(lightingReport(1));
    QTRY_COMPARE(host.refreshes, 1);
    const QVariantList stored = host.store.value(QStringLiteral("color/ledType")).toList();
    QCOMPARE(stored, (QVariantList{1, 2, 3, 4, 5, 6, 7}));

    // The value survives the store's round trip to disk.
    host.store.sync();
    QSettings reread(host.store.fileName(), QSettings::IniFormat);
    QCOMPARE(reread.value(QStringLiteral("color/ledType")).toStringList(),
             (QStringList{"1", "2", "3", "4", "5", "6", "7"}));

    hidsim::pushEvent(lightingReport(250));  // 250..255, then 0: bytes stay unsigned
    QTRY_COMPARE(host.refreshes, 2);
    QCOMPARE(host.store.value(QStringLiteral("color/ledType")).toList().at(5).toInt(), 255);
    worker->stopListening();
}

void TestListener::otherReadsChangeNothing()
{
    Host host;
    auto worker = discoveredWorker();
    worker->setOwner(&host);
    worker->swichCurDevice(0);
    hidsim::pushEvent(std::vector<std::uint8_t>(11, 1));
    hidsim::pushEvent({});
    // Past one read time-out: the listener has reopened at least once.
    QTRY_VERIFY_WITH_TIMEOUT(callsOf("hid_read_timeout").size() >= 3, 3000);
    QTest::qWait(50);
    QCOMPARE(host.refreshes, 0);
    QVERIFY(!host.store.contains(QStringLiteral("color/ledType")));
    QVERIFY(worker->isListening());
    // Every pass opens the interface afresh and closes it again.
    QVERIFY(callsOf("hid_open_path").size() >= 3);
    QCOMPARE(mostEventHandlesOpen(), 1);
    worker->stopListening();
}

void TestListener::removalIsReportedOnce()
{
    Host host;
    auto worker = discoveredWorker();
    worker->setOwner(&host);
    MessageCapture messages;
    worker->swichCurDevice(0);
    QTRY_VERIFY(!callsOf("hid_read_timeout").empty());
    hidsim::unplug();
    QTRY_VERIFY(!worker->isListening());
    QVERIFY(worker->deviceList().at(0).eventPath.isEmpty());
    QTest::qWait(700);
    QCOMPARE(messages.count(QStringLiteral("Device removed")), 1);
    QCOMPARE(hidsim::openHandleCount(), 0);
}

void TestListener::restartingTwiceLeavesOneListener()
{
    Host host;
    auto worker = discoveredWorker();
    worker->setOwner(&host);
    worker->swichCurDevice(0);
    worker->swichCurDevice(0);  // waits for the first listener to end
    QVERIFY(worker->isListening());
    hidsim::pushEvent(lightingReport(1));
    QTRY_COMPARE(host.refreshes, 1);
    QTest::qWait(600);
    QCOMPARE(host.refreshes, 1);  // one listener took the report, once
    QCOMPARE(mostEventHandlesOpen(), 1);
    worker->stopListening();
    QVERIFY(!worker->isListening());
}

void TestListener::entryWithoutPathsStartsNoListener()
{
    hidsim::setInterfaces({});
    auto worker = discoveredWorker();
    MessageCapture messages;
    worker->swichCurDevice(0);
    QElapsedTimer t;
    t.start();
    worker->swichCurDevice(0);  // nothing to wait for
    QVERIFY(t.elapsed() < 200);
    worker->stopListening();
    QVERIFY(callsOf("hid_open_path").empty());
    QVERIFY(messages.messages().isEmpty());
}

void TestListener::reportWithoutProfileStore()
{
    Host host;
    host.hasStore = false;
    auto worker = discoveredWorker();
    worker->setOwner(&host);
    worker->swichCurDevice(0);
    hidsim::pushEvent(lightingReport(1));
    QTRY_VERIFY(std::any_of(callsOf("hid_read_timeout").begin(), callsOf("hid_read_timeout").end(),
                            [](const hidsim::Call &c) { return c.result == 12; }));
    QTest::qWait(50);
    QCOMPARE(host.refreshes, 0);
    worker->stopListening();
}

void TestListener::destructionWaitsForListenerAndWrite()
{
    Host host;
    auto worker = discoveredWorker();
    worker->setOwner(&host);
    worker->swichCurDevice(0);
    hidsim::Faults slow;
    slow.writeDelayMs = 200;
    hidsim::setFaults(slow);
    std::vector<std::uint8_t> data = block(128, 2);
    worker->hid_0CH_SetKeyMatrix_1(data.data());
    worker.reset();  // must wait for the listener and the write still on the pool

    QCOMPARE(hidsim::openHandleCount(), 0);
    const std::size_t callsAfter = hidsim::calls().size();
    QCOMPARE(callsOf("hid_write").size(), std::size_t(2));
    QTest::qWait(300);
    QCOMPARE(hidsim::calls().size(), callsAfter);  // nothing ran on after destruction
    QVERIFY(std::equal(data.begin(), data.end(), hidsim::firmware().keyMatrix.begin()));
}

void TestListener::writeRunsBesideTheListenerOnASmallPool()
{
    QThreadPool *pool = QThreadPool::globalInstance();
    const int before = pool->maxThreadCount();
    pool->setMaxThreadCount(1);
    {
        auto worker = discoveredWorker();
        worker->swichCurDevice(0);
        QTRY_VERIFY(!callsOf("hid_read_timeout").empty());  // the listener holds a pool thread
        worker->hid_21H_SetCurrentProfile(6);
        QTRY_COMPARE_WITH_TIMEOUT(hidsim::firmware().currentProfile, std::uint8_t(6), 2000);
        worker->stopListening();
    }
    pool->setMaxThreadCount(before);
}

QTEST_GUILESS_MAIN(TestListener)
#include "tst_listener.moc"
