// The report transport against the simulated keyboard: how data phases are
// cut into reports, the interface opened afresh for every step, pacing, and
// what a refusing, vanishing or silent keyboard does to a command.
#include "sim_fixture.h"

#include <QtTest>

using namespace fixture;
using namespace std::chrono;

class TestTransport : public QObject
{
    Q_OBJECT

private slots:
    void init() { hidsim::reset(); }

    void writeOpensBeforeEachReportAndPaces();
    void readWithDataPhase();
    void reportLengths_data();
    void reportLengths();
    void failedOpenEmptiesPathUntilDiscovery();
    void refusedReport_data();
    void refusedReport();
    void unpluggedBetweenSteps();
    void silentKeyboardIsBounded();
    void shortAnswers();
};

void TestTransport::writeOpensBeforeEachReportAndPaces()
{
    auto worker = discoveredWorker();
    hidsim::clearCalls();
    std::vector<std::uint8_t> data = block(128, 5);
    worker->hid_12H_SetUserPicture(3, 1, data.data());
    worker->waitForWrites();

    const auto log = hidsim::calls();
    QStringList shape;
    for (const hidsim::Call &c : log)
        shape << QString::fromStdString(c.function);
    const QStringList open{"hid_open_path", "hid_set_nonblocking"};
    QStringList expected = open;                                        // check
    expected << "hid_close" << open << "hid_send_feature_report";      // feature report
    expected << "hid_close" << open << "hid_write";                    // first half
    expected << "hid_close" << open << "hid_write";                    // second half
    expected << "hid_close";
    QCOMPARE(shape, expected);

    const auto writes = callsOf("hid_write");
    QCOMPARE(writes.size(), std::size_t(2));
    QCOMPARE(callsOf("hid_send_feature_report")[0].bytes, hex("00 12 00 03 01 00 55 AA 00"));
    for (std::size_t k = 0; k < 2; ++k) {
        QCOMPARE(writes[k].bytes.size(), std::size_t(65));
        QCOMPARE(writes[k].bytes[0], std::uint8_t(0));
        QVERIFY(std::equal(writes[k].bytes.begin() + 1, writes[k].bytes.end(), data.begin() + long(64 * k)));
    }
    // 8 ms after each data report before the next step.
    QVERIFY(log[10].time - writes[0].time >= milliseconds(8));
    QVERIFY(log.back().time - writes[1].time >= milliseconds(8));
    hidsim::Block picture{};
    std::copy(data.begin(), data.end(), picture.begin());
    QCOMPARE(hidsim::firmware().pictures.at({3, 1}), picture);
}

void TestTransport::readWithDataPhase()
{
    hidsim::Firmware fw;
    for (std::size_t i = 0; i < fw.sevenColor.size(); ++i)
        fw.sevenColor[i] = std::uint8_t(i + 1);
    hidsim::setFirmware(fw);
    auto worker = discoveredWorker();
    hidsim::clearCalls();

    std::vector<std::uint8_t> colours(64, 0);
    QVERIFY(worker->hid_B0H_GetSevenColor(colours.data()));
    QCOMPARE(colours, std::vector<std::uint8_t>(fw.sevenColor.begin(), fw.sevenColor.end()));
    QCOMPARE(callsOf("hid_send_feature_report").size(), std::size_t(1));
    QCOMPARE(callsOf("hid_get_feature_report").size(), std::size_t(1));
    const auto reads = callsOf("hid_read_timeout");
    QCOMPARE(reads.size(), std::size_t(1));
    QVERIFY(callsOf("hid_write").empty());
    QCOMPARE(hidsim::calls().back().function, std::string("hid_close"));
}

void TestTransport::reportLengths_data()
{
    QTest::addColumn<quint32>("reportLength");
    QTest::addColumn<int>("reports");      // output reports of a 128-byte write
    QTest::addColumn<bool>("stored");      // the keyboard received the block whole

    QTest::newRow("64: two reports") << 64u << 2 << true;
    QTest::newRow("48: a short last report") << 48u << 3 << true;
    // A keyboard of 64-byte reports takes only 64 bytes of an oversized one.
    QTest::newRow("200: one report with a zero tail") << 200u << 1 << false;
    QTest::newRow("0: no data phase possible") << 0u << 0 << false;
    QTest::newRow("huge: no data phase possible") << 0xFFFFFFFFu << 0 << false;
}

void TestTransport::reportLengths()
{
    QFETCH(quint32, reportLength);
    QFETCH(int, reports);
    QFETCH(bool, stored);

    auto worker = discoveredWorker(reportLength);
    hidsim::clearCalls();
    std::vector<std::uint8_t> data = block(128, 9);
    worker->hid_0CH_SetKeyMatrix_1(data.data());
    worker->waitForWrites();

    const auto writes = callsOf("hid_write");
    QCOMPARE(int(writes.size()), reports);
    std::vector<std::uint8_t> joined;
    for (const hidsim::Call &w : writes) {
        QCOMPARE(w.bytes.size(), std::size_t(reportLength) + 1);
        QCOMPARE(w.bytes[0], std::uint8_t(0));
        joined.insert(joined.end(), w.bytes.begin() + 1, w.bytes.end());
    }
    if (reports > 0) {
        QVERIFY(std::equal(data.begin(), data.end(), joined.begin()));
        QVERIFY(std::all_of(joined.begin() + 128, joined.end(), [](std::uint8_t b) { return b == 0; }));
    } else {
        QVERIFY(callsOf("hid_send_feature_report").empty());  // nothing half-sent
    }
    const auto fw = hidsim::firmware();
    QCOMPARE(std::equal(data.begin(), data.end(), fw.keyMatrix.begin()), stored);

    // Reads with the same length never write past the caller's block.
    std::vector<std::uint8_t> back(128, 0xEE);
    worker->hid_8CH_GetKeyMatrix_1(back.data());
    if (reports == 0)
        QCOMPARE(back, std::vector<std::uint8_t>(128, 0xEE));
    QCOMPARE(hidsim::openHandleCount(), 0);

    // The link is free again either way.
    uchar profile = 9;
    worker->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(int(profile), 0);
}

void TestTransport::failedOpenEmptiesPathUntilDiscovery()
{
    auto worker = discoveredWorker();
    hidsim::Faults refuse;
    refuse.refuseOpen = true;
    hidsim::setFaults(refuse);
    worker->hid_21H_SetCurrentProfile(1);
    worker->waitForWrites();
    QVERIFY(worker->deviceList().at(0).commandPath.isEmpty());
    QCOMPARE(worker->deviceList().at(0).eventPath, QByteArray("sim-hidraw1"));

    hidsim::setFaults({});
    hidsim::clearCalls();
    worker->hid_21H_SetCurrentProfile(2);
    uchar b1 = 1, b2 = 2, b3 = 3;
    worker->hid_82H_GetKeyboardoption(b1, b2, b3);
    worker->waitForWrites();
    QVERIFY2(hidsim::calls().empty(), "no HID call until the next discovery");
    QCOMPARE(int(b3), 3);

    worker->updateDevices({CatalogEntry{hidsim::kVendorId, hidsim::kProductId, 0xFF01, 1, 0xFF02, 1, {}, 64}});
    worker->hid_21H_SetCurrentProfile(3);
    worker->waitForWrites();
    QCOMPARE(hidsim::firmware().currentProfile, std::uint8_t(3));
}

void TestTransport::refusedReport_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("reportsSeen");  // report calls that reached the keyboard
    QTest::newRow("feature report refused") << 1 << 1;
    QTest::newRow("first data report refused") << 2 << 2;
    QTest::newRow("second data report refused") << 3 << 3;
}

void TestTransport::refusedReport()
{
    QFETCH(int, step);
    QFETCH(int, reportsSeen);
    auto worker = discoveredWorker();
    hidsim::Faults f;
    f.refuseReportAt = step;
    hidsim::setFaults(f);
    hidsim::clearCalls();

    MessageCapture messages;
    std::vector<std::uint8_t> data = block(128, 1);
    worker->hid_10H_SetMacroKey(2, data.data());
    worker->waitForWrites();
    QCOMPARE(int(reportCalls().size()), reportsSeen);
    QCOMPARE(reportCalls().back().result, -1);
    QCOMPARE(hidsim::openHandleCount(), 0);
    QCOMPARE(hidsim::calls().back().function, std::string("hid_close"));
    QVERIFY(messages.messages().isEmpty());  // a failed write tells nobody
    QVERIFY(hidsim::firmware().macros.empty());

    // The link was given back: the next command goes through at once.
    QElapsedTimer t;
    t.start();
    worker->hid_21H_SetCurrentProfile(5);
    QVERIFY(t.elapsed() < 500);
    worker->waitForWrites();
    QCOMPARE(hidsim::firmware().currentProfile, std::uint8_t(5));
}

void TestTransport::unpluggedBetweenSteps()
{
    auto worker = discoveredWorker();
    hidsim::Faults f;
    f.unplugAfterReport = 1;  // gone right after the feature report
    hidsim::setFaults(f);
    std::vector<std::uint8_t> data = block(128, 1);
    worker->hid_0DH_SetKeyMatrix_2(data.data());
    worker->waitForWrites();
    QVERIFY(callsOf("hid_write").empty());
    QVERIFY(worker->deviceList().at(0).commandPath.isEmpty());
    QCOMPARE(hidsim::openHandleCount(), 0);

    // A read cut off after its answer keeps the caller's block.
    hidsim::reset();
    worker = discoveredWorker();
    f.unplugAfterReport = 2;
    hidsim::setFaults(f);
    std::vector<std::uint8_t> matrix = block(128, 77);
    const auto before = matrix;
    worker->hid_8CH_GetKeyMatrix_1(matrix.data());
    QCOMPARE(matrix, before);
    QCOMPARE(hidsim::openHandleCount(), 0);
}

void TestTransport::silentKeyboardIsBounded()
{
    auto worker = discoveredWorker();
    hidsim::Faults f;
    f.commandReadsNeverAnswer = true;
    hidsim::setFaults(f);
    std::vector<std::uint8_t> matrix = block(128, 4);
    const auto before = matrix;
    QElapsedTimer t;
    t.start();
    worker->hid_8DH_GetKeyMatrix_2(matrix.data());
    QVERIFY2(t.elapsed() < 3000, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(matrix, before);
    QCOMPARE(hidsim::openHandleCount(), 0);

    hidsim::setFaults({});
    uchar profile = 9;
    hidsim::Firmware fw;
    fw.currentProfile = 2;
    hidsim::setFirmware(fw);
    worker->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(int(profile), 2);
}

void TestTransport::shortAnswers()
{
    hidsim::Firmware fw;
    fw.ledType = {10, 11, 12, 13, 14, 15, 16};
    fw.keyMatrix.fill(0x5A);
    hidsim::setFirmware(fw);
    auto worker = discoveredWorker();

    hidsim::Faults f;
    f.answerLength = 3;  // only A[1..3] arrive
    hidsim::setFaults(f);
    uchar t = 1, br = 2, sp = 3, dir = 4, col = 5, bl0 = 6, bl1 = 7;
    QVERIFY(worker->hid_88H_GetLEDType(t, br, sp, dir, col, bl0, bl1));
    QCOMPARE((std::vector<int>{t, br}), (std::vector<int>{10, 11}));
    QCOMPARE((std::vector<int>{sp, dir, col, bl0, bl1}), (std::vector<int>{3, 4, 5, 6, 7}));

    f = {};
    f.inputReportLength = 10;
    hidsim::setFaults(f);
    std::vector<std::uint8_t> matrix(128, 0xEE);
    worker->hid_8CH_GetKeyMatrix_1(matrix.data());
    QCOMPARE(matrix.size(), std::size_t(128));
    QCOMPARE(int(std::count(matrix.begin(), matrix.end(), std::uint8_t(0x5A))), 20);
}

QTEST_GUILESS_MAIN(TestTransport)
#include "tst_transport.moc"
