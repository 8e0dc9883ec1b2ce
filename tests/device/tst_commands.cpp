// Every command of the keyboard against the simulated keyboard: the bytes on
// the wire, what reads hand back, the pre-filled answers of failed reads and
// the link time-out.
#include "sim_fixture.h"

#include <QtTest>

#include <functional>

using namespace fixture;
using Slot = std::function<void(Hid_Thread &, std::vector<std::uint8_t> &)>;
Q_DECLARE_METATYPE(Slot)
Q_DECLARE_METATYPE(std::vector<std::uint8_t>)

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { hidsim::reset(); }

    void writeBytes_data();
    void writeBytes();
    void writesAreStoredAndReadBack();
    void firmwareVersionAnswer();
    void readResultsComeFromTheAnswer();
    void failedReadsReturnPrefill_data();
    void failedReadsReturnPrefill();
    void refusedAnswerKeepsPrefill();
    void linkTimeOut();
    void backToBackWritesKeepTheirOrder();
};

void TestCommands::writeBytes_data()
{
    QTest::addColumn<Slot>("slot");
    QTest::addColumn<int>("dataLength");
    QTest::addColumn<std::vector<std::uint8_t>>("feature");

    auto add = [](const char *name, int n, const char *bytes, Slot s) {
        QTest::newRow(name) << s << n << hex(bytes);
    };
    add("02H option", 0, "00 02 11 22 33 00 55 AA 00",
        [](Hid_Thread &w, auto &) { w.hid_02H_SetKeyboardoption(0x11, 0x22, 0x33); });
    add("04H sensitivity", 0, "00 04 09 00 00 00 55 AA 00",
        [](Hid_Thread &w, auto &) { w.hid_04H_SetButtonSensitivity(9); });
    add("08H lighting", 0, "00 08 01 02 03 04 05 06 07",
        [](Hid_Thread &w, auto &) { w.hid_08H_SetLEDType(1, 2, 3, 4, 5, 6, 7); });
    add("09H stop macro", 0, "00 09 AA CC EE 00 55 AA 00",
        [](Hid_Thread &w, auto &) { w.hid_09H_StopMacroSending(); });
    add("0CH matrix 1", 128, "00 0C 00 00 00 00 55 AA 00",
        [](Hid_Thread &w, auto &b) { w.hid_0CH_SetKeyMatrix_1(b.data()); });
    add("0DH matrix 2", 128, "00 0D 00 00 00 00 55 AA 00",
        [](Hid_Thread &w, auto &b) { w.hid_0DH_SetKeyMatrix_2(b.data()); });
    add("0FH boot loader", 0, "00 0F AA 55 CC 33 BB 99 EE",
        [](Hid_Thread &w, auto &) { w.hid_0FH_SetISPBootLoader(); });
    add("10H macro", 128, "00 10 00 05 00 00 55 AA 00",
        [](Hid_Thread &w, auto &b) { w.hid_10H_SetMacroKey(5, b.data()); });
    add("12H picture", 128, "00 12 00 03 01 00 55 AA 00",
        [](Hid_Thread &w, auto &b) { w.hid_12H_SetUserPicture(3, 1, b.data()); });
    add("13H recovery", 0, "00 13 FF 1F 00 00 55 AA 00",
        [](Hid_Thread &w, auto &) { w.hid_13H_SetRecoveryData(); });
    add("1CH combo 1", 128, "00 1C 00 00 00 00 55 AA 00",
        [](Hid_Thread &w, auto &b) { w.hid_1CH_SetKeyMatrix_1(b.data()); });
    add("1DH combo 2", 128, "00 1D 00 00 00 00 55 AA 00",
        [](Hid_Thread &w, auto &b) { w.hid_1DH_SetKeyMatrix_2(b.data()); });
    add("21H profile", 0, "00 21 02 00 00 00 55 AA 00",
        [](Hid_Thread &w, auto &) { w.hid_21H_SetCurrentProfile(2); });
    add("30H seven colours", 64, "00 30 00 00 00 00 55 AA 00",
        [](Hid_Thread &w, auto &b) { w.hid_30H_SetSevenColor(b.data()); });
    add("bytes go out unchanged", 0, "00 02 FF 00 80 00 55 AA 00",
        [](Hid_Thread &w, auto &) { w.hid_02H_SetKeyboardoption(0xFF, 0x00, 0x80); });
}

void TestCommands::writeBytes()
{
    QFETCH(Slot, slot);
    QFETCH(int, dataLength);
    QFETCH(std::vector<std::uint8_t>, feature);

    auto worker = discoveredWorker();
    // Large enough for any command; each slot reads only its own length.
    std::vector<std::uint8_t> data = block(128, 0x31);
    const std::vector<std::uint8_t> sentData = data;
    slot(*worker, data);
    worker->waitForWrites();

    const auto features = callsOf("hid_send_feature_report");
    QCOMPARE(features.size(), std::size_t(1));
    QCOMPARE(features[0].bytes, feature);

    const auto writes = callsOf("hid_write");
    QCOMPARE(int(writes.size()), dataLength / 64);
    for (std::size_t k = 0; k < writes.size() && k < 2; ++k) {
        std::vector<std::uint8_t> expected(65, 0x00);  // report ID, then the chunk
        std::copy_n(sentData.begin() + long(k * 64), 64, expected.begin() + 1);
        QCOMPARE(writes[k].bytes, expected);
    }
    QVERIFY(callsOf("hid_get_feature_report").empty());
    QCOMPARE(data, sentData);  // a write never changes the caller's block
    QCOMPARE(hidsim::openHandleCount(), 0);
}

void TestCommands::writesAreStoredAndReadBack()
{
    auto worker = discoveredWorker();
    auto low = block(128, 1), high = block(128, 99), macro = block(128, 50), picture = block(128, 7);
    auto colours = block(64, 200);
    worker->hid_0CH_SetKeyMatrix_1(low.data());
    worker->hid_0DH_SetKeyMatrix_2(high.data());
    worker->hid_10H_SetMacroKey(16, macro.data());
    worker->hid_12H_SetUserPicture(4, 3, picture.data());
    worker->hid_30H_SetSevenColor(colours.data());
    worker->hid_02H_SetKeyboardoption(1, 2, 3);
    worker->hid_04H_SetButtonSensitivity(6);
    worker->hid_08H_SetLEDType(9, 8, 7, 6, 5, 4, 3);
    worker->hid_21H_SetCurrentProfile(4);

    std::vector<std::uint8_t> got(128, 0);
    worker->hid_8CH_GetKeyMatrix_1(got.data());
    QCOMPARE(got, low);
    worker->hid_8DH_GetKeyMatrix_2(got.data());
    QCOMPARE(got, high);
    worker->hid_90H_GetMacroKey(16, got.data());
    QCOMPARE(got, macro);
    worker->hid_92H_GetUserPicture(4, 3, got.data());
    QCOMPARE(got, picture);
    std::vector<std::uint8_t> got64(64, 0);
    QVERIFY(worker->hid_B0H_GetSevenColor(got64.data()));
    QCOMPARE(got64, colours);

    uchar b1 = 0, b2 = 0, b3 = 0, sens = 0, profile = 0;
    worker->hid_82H_GetKeyboardoption(b1, b2, b3);
    QCOMPARE((std::vector<int>{b1, b2, b3}), (std::vector<int>{1, 2, 3}));
    worker->hid_84H_GetButtonSensitivity(sens);
    QCOMPARE(int(sens), 6);
    uchar t = 0, br = 0, sp = 0, dir = 0, col = 0, bl0 = 0, bl1 = 0;
    QVERIFY(worker->hid_88H_GetLEDType(t, br, sp, dir, col, bl0, bl1));
    QCOMPARE((std::vector<int>{t, br, sp, dir, col, bl0, bl1}), (std::vector<int>{9, 8, 7, 6, 5, 4, 3}));
    worker->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(int(profile), 4);

    // Every read sent its own command report first.
    const auto features = callsOf("hid_send_feature_report");
    QCOMPARE(features.back().bytes, hex("00 A1 00 00 00 00 55 AA 00"));
    QCOMPARE(hidsim::openHandleCount(), 0);
}

void TestCommands::firmwareVersionAnswer()
{
    hidsim::Firmware fw;
    fw.version = 0x0123;
    fw.modeUsUk = 3;  // answered as A[4] = 06
    hidsim::setFirmware(fw);
    auto worker = discoveredWorker();

    ushort version = 0;
    uchar mode = 0;
    worker->hid_80H_GetFWVersion(version, mode);
    QCOMPARE(version, ushort(0x0123));
    QCOMPARE(int(mode), 3);
    QCOMPARE(callsOf("hid_send_feature_report").at(0).bytes, hex("00 80 00 00 00 00 55 AA 00"));
    QCOMPARE(callsOf("hid_get_feature_report").at(0).bytes, hex("00 80 01 23 06 00 55 AA 00"));
}

void TestCommands::readResultsComeFromTheAnswer()
{
    // The answer is used as it comes: no echo or trailer is checked.
    hidsim::Firmware fw;
    fw.option = {0xFE, 0x00, 0x7F};
    hidsim::setFirmware(fw);
    auto worker = discoveredWorker();
    uchar b1 = 1, b2 = 1, b3 = 1;
    worker->hid_82H_GetKeyboardoption(b1, b2, b3);
    QCOMPARE((std::vector<int>{b1, b2, b3}), (std::vector<int>{0xFE, 0x00, 0x7F}));
}

void TestCommands::failedReadsReturnPrefill_data()
{
    QTest::addColumn<bool>("noKeyboard");
    QTest::newRow("no keyboard attached") << true;
    QTest::newRow("keyboard refuses the command report") << false;
}

void TestCommands::failedReadsReturnPrefill()
{
    QFETCH(bool, noKeyboard);
    if (noKeyboard)
        hidsim::unplug();
    auto worker = discoveredWorker();
    hidsim::clearCalls();
    // With a keyboard, its next command report is refused; the count starts
    // afresh for each command below.
    auto refuseNext = [&] {
        if (!noKeyboard) {
            hidsim::Faults f;
            f.refuseReportAt = 1;
            hidsim::setFaults(f);
        }
    };

    refuseNext();
    ushort version = 0x4242;
    uchar mode = 2;
    worker->hid_80H_GetFWVersion(version, mode);
    QCOMPARE(version, ushort(0x4242));
    QCOMPARE(int(mode), 2);

    refuseNext();
    uchar b1 = 3, b2 = 4, b3 = 5;
    worker->hid_82H_GetKeyboardoption(b1, b2, b3);
    QCOMPARE((std::vector<int>{b1, b2, b3}), (std::vector<int>{3, 4, 5}));

    refuseNext();
    uchar sens = 9;
    worker->hid_84H_GetButtonSensitivity(sens);
    QCOMPARE(int(sens), 9);

    refuseNext();
    uchar t = 1, br = 2, sp = 3, dir = 4, col = 5, bl0 = 6, bl1 = 7;
    QVERIFY(!worker->hid_88H_GetLEDType(t, br, sp, dir, col, bl0, bl1));
    QCOMPARE((std::vector<int>{t, br, sp, dir, col, bl0, bl1}), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));

    refuseNext();
    uchar profile = 3;
    worker->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(int(profile), 0);

    refuseNext();
    std::vector<std::uint8_t> matrix = block(128, 11);
    const auto before = matrix;
    worker->hid_8CH_GetKeyMatrix_1(matrix.data());
    QCOMPARE(matrix, before);

    refuseNext();
    std::vector<std::uint8_t> colours = block(64, 12);
    const auto coloursBefore = colours;
    QVERIFY(!worker->hid_B0H_GetSevenColor(colours.data()));
    QCOMPARE(colours, coloursBefore);

    if (noKeyboard)
        QVERIFY2(hidsim::calls().empty(), "no keyboard: nothing may reach the HID layer");
    QCOMPARE(hidsim::openHandleCount(), 0);
}

void TestCommands::refusedAnswerKeepsPrefill()
{
    hidsim::Firmware fw;
    fw.currentProfile = 3;
    fw.sensitivity = 8;
    hidsim::setFirmware(fw);
    auto worker = discoveredWorker();
    hidsim::Faults f;
    f.refuseReportAt = 2;  // the feature report goes out, the answer is refused
    hidsim::setFaults(f);
    uchar profile = 7;
    worker->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(int(profile), 0);

    hidsim::setFaults(f);
    uchar sens = 2;
    worker->hid_84H_GetButtonSensitivity(sens);
    QCOMPARE(int(sens), 2);
}

void TestCommands::linkTimeOut()
{
    auto worker = discoveredWorker();
    hidsim::Faults slow;
    slow.writeDelayMs = 2500;  // each of the two data reports
    hidsim::setFaults(slow);
    std::vector<std::uint8_t> matrix = block(128, 3);
    worker->hid_0CH_SetKeyMatrix_1(matrix.data());

    MessageCapture messages;
    QElapsedTimer timer;
    timer.start();
    worker->hid_21H_SetCurrentProfile(1);
    const qint64 waited = timer.elapsed();
    QVERIFY2(waited >= 255 * 8 && waited < 4000, qPrintable(QString::number(waited)));
    QCOMPARE(messages.count(QStringLiteral("cmd Failed 21")), 1);

    uchar profile = 7;
    worker->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(int(profile), 7);  // untouched: not even the pre-fill
    QCOMPARE(messages.count(QStringLiteral("cmd Failed")), 1);

    worker->waitForWrites();
    for (const hidsim::Call &c : callsOf("hid_send_feature_report"))
        QCOMPARE(c.bytes.at(1), std::uint8_t(0x0C));  // neither 21H nor A1H went out
    QCOMPARE(hidsim::firmware().currentProfile, std::uint8_t(0));
}

void TestCommands::backToBackWritesKeepTheirOrder()
{
    auto worker = discoveredWorker();
    std::vector<std::uint8_t> matrix = block(128, 3);
    worker->hid_0CH_SetKeyMatrix_1(matrix.data());
    worker->hid_21H_SetCurrentProfile(1);
    worker->hid_21H_SetCurrentProfile(2);
    worker->waitForWrites();

    // Each command's reports are contiguous: the next one started only after
    // the previous transfer had closed its handle.
    const auto log = hidsim::calls();
    std::vector<std::uint8_t> codes;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i].function == "hid_send_feature_report")
            codes.push_back(log[i].bytes.at(1) == 0x21 ? log[i].bytes.at(2) + 0x20 : log[i].bytes.at(1));
    }
    QCOMPARE(codes, (std::vector<std::uint8_t>{0x0C, 0x21, 0x22}));
    int open = 0, maxOpen = 0;
    for (const hidsim::Call &c : log) {
        if (c.function == "hid_open_path" && c.result == 0)
            maxOpen = std::max(maxOpen, ++open);
        if (c.function == "hid_close")
            --open;
    }
    QCOMPARE(maxOpen, 1);
    QCOMPARE(hidsim::firmware().currentProfile, std::uint8_t(2));
}

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
