// The device catalogue and discovery: the embedded catalogue, damaged
// catalogues, and how the keyboard's two interfaces are found among the
// enumerated ones.
#include "device/discovery.h"
#include "sim_fixture.h"

#include <QtTest>

using namespace fixture;

namespace {

hidsim::Interface iface(const char *path, quint16 page, quint16 usage,
                        hidsim::Role role = hidsim::Role::Other)
{
    return {path, hidsim::kVendorId, hidsim::kProductId, page, usage, role};
}

CatalogEntry keyboardEntry()
{
    return {hidsim::kVendorId, hidsim::kProductId, 0xFF01, 0x0001, 0xFF02, 0x0001, QStringLiteral("kb"), 64};
}

} // namespace

class TestDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void init() { hidsim::reset(); }

    void embeddedCatalogue();
    void damagedCatalogues_data();
    void damagedCatalogues();
    void interfaces_data();
    void interfaces();
    void onlyTheFirstEntryIsLookedFor();
    void repeatedDiscoveryIsStable();
    void discoveryRestartsTheListener();
    void currentIndexBeyondTheList();
};

void TestDiscovery::embeddedCatalogue()
{
    const QList<CatalogEntry> entries = readCatalog({QStringLiteral("ZR770 Keyboard")});
    QCOMPARE(entries.size(), 1);
    const CatalogEntry &e = entries.first();
    QCOMPARE(e.vid, hidsim::kVendorId);
    QCOMPARE(e.pid, hidsim::kProductId);
    QCOMPARE(e.usagePage, quint16(0xFF01));
    QCOMPARE(e.usage, quint16(0x0001));
    QCOMPARE(e.usagePage2, quint16(0xFF02));
    QCOMPARE(e.usage2, quint16(0x0001));
    QCOMPARE(e.reportLength, 64u);
    QCOMPARE(e.name, QStringLiteral("ZR770 Keyboard"));

    // No display names at all: the entry is simply unnamed.
    QCOMPARE(readCatalog({}).first().name, QString());
}

void TestDiscovery::damagedCatalogues_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("entries");
    QTest::addColumn<quint16>("vid");
    QTest::addColumn<quint16>("usagePage");
    QTest::addColumn<quint32>("reportLength");

    QTest::newRow("missing keys read as 0")
        << QByteArray("[common]\ntotal=1\n[0]\npid=1\n") << 1 << quint16(0) << quint16(0) << 0u;
    QTest::newRow("non-hexadecimal values read as 0")
        << QByteArray("[common]\ntotal=1\n[0]\nvid=zz12\nusagePage=ff01\nreportLength=abc\n")
        << 1 << quint16(0) << quint16(0xFF01) << 0u;
    QTest::newRow("values wider than 16 bits are cut")
        << QByteArray("[common]\ntotal=1\n[0]\nvid=12345\n") << 1 << quint16(0x2345) << quint16(0) << 0u;
    QTest::newRow("total larger than its entries")
        << QByteArray("[common]\ntotal=3\n[0]\nvid=1209\nreportLength=64\n") << 3 << quint16(0x1209)
        << quint16(0) << 64u;
    QTest::newRow("negative total") << QByteArray("[common]\ntotal=-4\n[0]\nvid=1\n") << 0 << quint16(0)
                                    << quint16(0) << 0u;
    QTest::newRow("absurd total is capped")
        << QByteArray("[common]\ntotal=2000000000\n") << kMaxCatalogEntries << quint16(0) << quint16(0) << 0u;
    QTest::newRow("no total") << QByteArray("[0]\nvid=1209\n") << 0 << quint16(0) << quint16(0) << 0u;
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe[\x01=\x02\n\x80\x81", 11) << 0 << quint16(0)
                                    << quint16(0) << 0u;
    QTest::newRow("empty file") << QByteArray() << 0 << quint16(0) << quint16(0) << 0u;
}

void TestDiscovery::damagedCatalogues()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, entries);
    QFETCH(quint16, vid);
    QFETCH(quint16, usagePage);
    QFETCH(quint32, reportLength);

    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("DevInfo.ini")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contents);
    f.close();

    // One display name for three entries: the others stay unnamed.
    const QList<CatalogEntry> list = readCatalog({QStringLiteral("only")}, f.fileName());
    QCOMPARE(list.size(), entries);
    if (entries > 0) {
        QCOMPARE(list[0].vid, vid);
        QCOMPARE(list[0].usagePage, usagePage);
        QCOMPARE(list[0].reportLength, reportLength);
        QCOMPARE(list[0].name, QStringLiteral("only"));
        QCOMPARE(list.last().name, entries > 1 ? QString() : QStringLiteral("only"));
    }

    // Discovery on such a catalogue finds nothing and breaks nothing.
    Hid_Thread worker;
    discoverDevices(worker, {}, f.fileName());
    QCOMPARE(worker.deviceList().size(), entries);
    worker.hid_21H_SetCurrentProfile(1);
    worker.waitForWrites();
    QCOMPARE(readCatalog({}, dir.filePath(QStringLiteral("missing.ini"))).size(), 0);
}

void TestDiscovery::interfaces_data()
{
    using hidsim::Role;
    QTest::addColumn<std::vector<hidsim::Interface>>("enumerated");
    QTest::addColumn<QByteArray>("commandPath");
    QTest::addColumn<QByteArray>("eventPath");

    QTest::newRow("command interface first") << hidsim::keyboardInterfaces(true) << QByteArray("sim-hidraw0")
                                             << QByteArray("sim-hidraw1");
    QTest::newRow("event interface first") << hidsim::keyboardInterfaces(false) << QByteArray("sim-hidraw0")
                                           << QByteArray("sim-hidraw1");
    QTest::newRow("the later of two command matches wins")
        << std::vector<hidsim::Interface>{iface("a", 0xFF01, 1, Role::Command), iface("e", 0xFF02, 1, Role::Event),
                                          iface("b", 0xFF01, 1, Role::Command)}
        << QByteArray("b") << QByteArray("e");
    QTest::newRow("one interface with both usage pairs, listed twice as hidraw does")
        << std::vector<hidsim::Interface>{iface("x", 0xFF01, 1, Role::Command), iface("x", 0xFF02, 1, Role::Command)}
        << QByteArray("x") << QByteArray("x");
    QTest::newRow("usage page and usage compared as a pair")
        << std::vector<hidsim::Interface>{iface("p", 0xFF01, 2), iface("q", 0xFF03, 1), iface("e", 0xFF02, 1)}
        << QByteArray() << QByteArray();
    QTest::newRow("only the command interface")
        << std::vector<hidsim::Interface>{iface("c", 0xFF01, 1, Role::Command), iface("k", 0x0001, 6)}
        << QByteArray() << QByteArray();
    QTest::newRow("only the event interface")
        << std::vector<hidsim::Interface>{iface("e", 0xFF02, 1, Role::Event)} << QByteArray() << QByteArray();
    QTest::newRow("no keyboard") << std::vector<hidsim::Interface>{} << QByteArray() << QByteArray();
}

void TestDiscovery::interfaces()
{
    QFETCH(std::vector<hidsim::Interface>, enumerated);
    QFETCH(QByteArray, commandPath);
    QFETCH(QByteArray, eventPath);

    hidsim::setInterfaces(enumerated);
    Hid_Thread worker;
    worker.updateDevices({keyboardEntry()});
    const QList<DeviceEntry> list = worker.deviceList();
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0].commandPath, commandPath);
    QCOMPARE(list[0].eventPath, eventPath);
    QCOMPARE(list[0].name, QStringLiteral("kb"));
    QCOMPARE(list[0].reportLength, 64u);
    QCOMPARE(callsOf("hid_enumerate").size(), std::size_t(1));
    QVERIFY(callsOf("hid_open_path").empty());  // discovery opens nothing
}

void TestDiscovery::onlyTheFirstEntryIsLookedFor()
{
    auto interfaces = hidsim::keyboardInterfaces();
    interfaces.push_back({"other-cmd", 0x1209, 0x0008, 0xFF01, 1, hidsim::Role::Command});
    interfaces.push_back({"other-evt", 0x1209, 0x0008, 0xFF02, 1, hidsim::Role::Event});
    hidsim::setInterfaces(interfaces);

    CatalogEntry second = keyboardEntry();
    second.pid = 0x0008;
    second.name = QStringLiteral("second");
    Hid_Thread worker;
    worker.updateDevices({keyboardEntry(), second});
    const QList<DeviceEntry> list = worker.deviceList();
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].commandPath, QByteArray("sim-hidraw0"));
    QCOMPARE(list[1].index, 1);
    QCOMPARE(list[1].name, QStringLiteral("second"));
    QVERIFY(list[1].commandPath.isEmpty());
    QVERIFY(list[1].eventPath.isEmpty());
    QCOMPARE(callsOf("hid_enumerate").size(), std::size_t(1));
}

void TestDiscovery::repeatedDiscoveryIsStable()
{
    Hid_Thread worker;
    discoverDevices(worker, {QStringLiteral("ZR770")});
    const QList<DeviceEntry> first = worker.deviceList();
    discoverDevices(worker, {QStringLiteral("ZR770")});
    QCOMPARE(worker.deviceList(), first);
    QCOMPARE(first.at(0).commandPath, QByteArray("sim-hidraw0"));
}

void TestDiscovery::discoveryRestartsTheListener()
{
    Hid_Thread worker;
    discoverDevices(worker, {});
    QVERIFY(worker.isListening());
    QTRY_VERIFY(!callsOf("hid_read_timeout").empty());
    QCOMPARE(callsOf("hid_read_timeout").front().path, std::string("sim-hidraw1"));

    // Unplugged: the next discovery leaves empty paths and the listener ends.
    hidsim::unplug();
    hidsim::plug();
    hidsim::setInterfaces({});
    discoverDevices(worker, {});
    QVERIFY(worker.deviceList().at(0).eventPath.isEmpty());
    worker.stopListening();
}

void TestDiscovery::currentIndexBeyondTheList()
{
    Hid_Thread worker;
    discoverDevices(worker, {});
    MessageCapture messages;
    worker.swichCurDevice(5);  // the catalogue has one entry
    hidsim::clearCalls();
    worker.hid_21H_SetCurrentProfile(1);
    uchar profile = 4;
    worker.hid_A1H_GetCurrentProfile(profile);
    worker.waitForWrites();
    QCOMPARE(int(profile), 0);
    QVERIFY(hidsim::calls().empty());
    QVERIFY(messages.messages().isEmpty());
    worker.stopListening();
}

QTEST_GUILESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
