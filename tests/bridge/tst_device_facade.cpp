// The device operations of the view against the simulated keyboard: what
// reaches the keyboard, what is mirrored into the current profile, and what
// happens without a keyboard or without a profile store.
#include "bridge_fixture.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QtTest>

using namespace fixture;

class TestDeviceFacade : public QObject
{
    Q_OBJECT

private slots:
    void firmwareVersionText_data();
    void firmwareVersionText();
    void firmwareVersionWithoutKeyboard();
    void colourDivision_data();
    void colourDivision();
    void paletteFillsTheRestWithZero();
    void shortPaletteReadsNoFurther();
    void userPictureSavedWithoutSending();
    void userPictureSentAsFourPlanes();
    void shortUserPictureCountsMissingAsZero();
    void userPictureRead_data();
    void userPictureRead();
    void reportRateIsNotStoredForTheFirstModel();
    void syncFirmwareResetsLayoutAndReadsProfile();
    void currentProfileAnsweredWithoutReading();
    void keyboardModeKeepsTheOtherOptionBytes();
    void lightingStoredEvenWhenTheCommandFails();
    void syncLedStoresWhatTheKeyboardHas();
    void syncLedWithoutKeyboardChangesNothing();
    void keyMatrixReadInTwoHalves();
    void profileOutOfRangeTouchesNoStore();
    void noHardwareDefinitionMeansNoStores();
    void listenerReportReachesStoreAndScene();
    void listenerReportWithoutStoreIsDropped();
};

void TestDeviceFacade::firmwareVersionText_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "unknown";
    QTest::newRow("one") << 1 << "00.01";
    QTest::newRow("0102") << 0x0102 << "01.02";
    QTest::newRow("upper-case hex") << 0x1A0F << "1A.0F";
}

void TestDeviceFacade::firmwareVersionText()
{
    QFETCH(int, version);
    QFETCH(QString, text);
    World world;
    myQQuickView &view = world.start();
    hidsim::Firmware fw = hidsim::firmware();
    fw.version = static_cast<std::uint16_t>(version);
    hidsim::setFirmware(fw);
    QCOMPARE(view.ui_80H_GetFWVersion(), text);
}

void TestDeviceFacade::firmwareVersionWithoutKeyboard()
{
    World world;
    myQQuickView &view = world.start();
    hidsim::unplug();
    QCOMPARE(view.ui_80H_GetFWVersion(), QStringLiteral("unknown"));
}

void TestDeviceFacade::colourDivision_data()
{
    QTest::addColumn<QVariant>("entry");
    QTest::addColumn<int>("sent");
    QTest::newRow("255") << QVariant(255) << 63;
    QTest::newRow("3") << QVariant(3) << 0;
    QTest::newRow("4") << QVariant(4) << 1;
    QTest::newRow("negative truncates toward zero") << QVariant(-5) << 0xFF;
    QTest::newRow("above range keeps low bits") << QVariant(1100) << (1100 / 4) % 256;
    QTest::newRow("text from a file") << QVariant(QStringLiteral("128")) << 32;
    QTest::newRow("script double") << QVariant(200.0) << 50;
    QTest::newRow("not a number") << QVariant(QStringLiteral("red")) << 0;
}

void TestDeviceFacade::colourDivision()
{
    QFETCH(QVariant, entry);
    QFETCH(int, sent);
    World world;
    myQQuickView &view = world.start();
    QVariantList palette(21, QVariant(8));
    palette[0] = entry;
    view.ui_30H_SetColor(palette);
    settle(*world.worker);
    const hidsim::Firmware fw = hidsim::firmware();
    QCOMPARE(int(fw.sevenColor[0]), sent);
    QCOMPARE(int(fw.sevenColor[1]), 2);
}

void TestDeviceFacade::paletteFillsTheRestWithZero()
{
    World world;
    myQQuickView &view = world.start();
    hidsim::Firmware fw = hidsim::firmware();
    fw.sevenColor.fill(0xEE);
    hidsim::setFirmware(fw);

    view.ui_30H_SetColor(QVariantList(21, QVariant(255)));
    settle(*world.worker);
    fw = hidsim::firmware();
    for (int i = 0; i < 64; ++i)
        QCOMPARE(int(fw.sevenColor[i]), i < 21 ? 63 : 0);
    // Stored unscaled, as the scene gave it.
    QCOMPARE(toInts(world.storedInFile(1, "color/color").toList()), QList<int>(21, 255));
    QCOMPARE(toInts(view.ui_B0H_GetColor()), QList<int>(21, 255));
}

void TestDeviceFacade::shortPaletteReadsNoFurther()
{
    World world;
    myQQuickView &view = world.start();
    view.ui_30H_SetColor(ints({40, 80}));
    settle(*world.worker);
    const hidsim::Firmware fw = hidsim::firmware();
    QCOMPARE(int(fw.sevenColor[0]), 10);
    QCOMPARE(int(fw.sevenColor[1]), 20);
    for (int i = 2; i < 64; ++i)
        QCOMPARE(int(fw.sevenColor[i]), 0);
    QCOMPARE(toInts(view.ui_B0H_GetColor()), QList<int>({40, 80}));
}

void TestDeviceFacade::userPictureSavedWithoutSending()
{
    World world;
    myQQuickView &view = world.start();
    const QVariantList picture(512, QVariant(7));
    view.ui_12H_SetUserPicture(2, 255, picture);
    settle(*world.worker);
    QVERIFY(reportsOf(0x12).isEmpty());
    QCOMPARE(world.storedInFile(1, "userPicture/2").toList().size(), 512);
}

void TestDeviceFacade::userPictureSentAsFourPlanes()
{
    World world;
    myQQuickView &view = world.start();
    QVariantList picture;
    for (int k = 0; k < 128; ++k)
        picture << (k % 3) << 4 * k % 256 << 255 << 8;
    view.ui_12H_SetUserPicture(3, 0, picture);
    settle(*world.worker);

    const QList<std::vector<std::uint8_t>> reports = reportsOf(0x12);
    QCOMPARE(reports.size(), 4);
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(int(reports[c][3]), 3);  // picture index
        QCOMPARE(int(reports[c][4]), c);  // planes in the order 0, 1, 2, 3
    }
    const hidsim::Firmware fw = hidsim::firmware();
    const auto plane = [&fw](int c) { return fw.pictures.at({std::uint8_t(3), std::uint8_t(c)}); };
    for (int k = 0; k < 128; ++k) {
        QCOMPARE(int(plane(0)[k]), k % 3);           // mode as it is
        QCOMPARE(int(plane(1)[k]), (4 * k % 256) / 4); // red scaled
        QCOMPARE(int(plane(2)[k]), 63);
        QCOMPARE(int(plane(3)[k]), 2);
    }
}

void TestDeviceFacade::shortUserPictureCountsMissingAsZero()
{
    World world;
    myQQuickView &view = world.start();
    view.ui_12H_SetUserPicture(0, 0, ints({1, 252, 252, 252, 1}));
    settle(*world.worker);
    const hidsim::Firmware fw = hidsim::firmware();
    const hidsim::Block &mode = fw.pictures.at({std::uint8_t(0), std::uint8_t(0)});
    const hidsim::Block &red = fw.pictures.at({std::uint8_t(0), std::uint8_t(1)});
    QCOMPARE(int(mode[0]), 1);
    QCOMPARE(int(red[0]), 63);
    QCOMPARE(int(mode[1]), 1);
    QCOMPARE(int(red[1]), 0);
    for (int k = 2; k < 128; ++k)
        QCOMPARE(int(mode[k]) + int(red[k]), 0);
}

void TestDeviceFacade::userPictureRead_data()
{
    QTest::addColumn<int>("storedEntries");
    QTest::addColumn<bool>("returnedAsStored");
    QTest::newRow("never stored") << -1 << false;
    QTest::newRow("384 entries") << 384 << false;
    QTest::newRow("513 entries") << 513 << false;
    QTest::newRow("512 entries") << 512 << true;
}

void TestDeviceFacade::userPictureRead()
{
    QFETCH(int, storedEntries);
    QFETCH(bool, returnedAsStored);
    World world;
    writeFile(World::setting("p1.bin"),
              storedEntries < 0 ? QByteArray("[color]\nledType=1, 2, 3, 4, 5, 6, 7\n")
                                : "[userPicture]\n1="
                                      + QByteArrayList(storedEntries, "9").join(", ") + "\n");
    myQQuickView &view = world.start();
    const QVariantList got = view.ui_92H_GetUserPicture(1);
    QCOMPARE(got.size(), 512);
    QCOMPARE(toInts(got), QList<int>(512, returnedAsStored ? 9 : 0));
}

void TestDeviceFacade::reportRateIsNotStoredForTheFirstModel()
{
    World world;
    writeFile(World::setting("p1.bin"), "[sensor]\nreportRate_T8=9\n");
    myQQuickView &view = world.start();
    QCOMPARE(world.worker->currentDeviceIndex(), 0);
    view.ui_01H_SetReportRate(3);
    settle(*world.worker);
    QCOMPARE(world.storedInFile(1, "sensor/reportRate_T8").toInt(), 9);
    QCOMPARE(view.ui_81H_GetReportRate().toInt(), 0);
    QVERIFY(!sentCommands().contains(0x01));
}

void TestDeviceFacade::syncFirmwareResetsLayoutAndReadsProfile()
{
    World world;
    hidsim::Firmware fw = hidsim::firmware();
    fw.currentProfile = 2;
    fw.modeUsUk = 3;
    hidsim::setFirmware(fw);

    myQQuickView &view = world.start(false);
    QCOMPARE(view.ui_80H_GetHWMode().toInt(), 2);   // from HWDef.bin
    QCOMPARE(view.loadHWDef().value(0).toInt(), 2); // layout group [2]
    QVERIFY(view.keyNameCodes().isEmpty());

    discoverDevices(*world.worker, view.productNames());
    view.syncFW();
    QCOMPARE(view.ui_80H_GetHWMode().toInt(), 0);
    QCOMPARE(view.ui_A1H_GetCurrentProfile().toInt(), 2);
    QCOMPARE(view.currentProfileStore()->fileName(),
             QDir(world.dir.path()).absoluteFilePath(World::setting("p3.bin")));
    // Three usable pairs; "A" keeps its later code; "C" has no code.
    QMap<QString, quint8> expected{{"A", 6}, {"B", 5}};
    QCOMPARE(view.keyNameCodes(), expected);
}

void TestDeviceFacade::currentProfileAnsweredWithoutReading()
{
    World world;
    myQQuickView &view = world.start();
    view.ui_21H_SetCurrentProfile(2);
    QCOMPARE(view.ui_A1H_GetCurrentProfile().toInt(), 2);
    settle(*world.worker);
    QVERIFY(sentCommands().contains(0x21));
    QVERIFY(!sentCommands().contains(0xA1));
    QCOMPARE(int(hidsim::firmware().currentProfile), 2);

    // From then on the stores of profile 2 are used.
    view.ui_08H_SetLEDType(1, 2, 3, 4, 5, 6, 7);
    view.currentProfileStore()->sync();
    QSettings p3(World::setting("p3.bin"), QSettings::IniFormat);
    QCOMPARE(toInts(p3.value("color/ledType").toList()), QList<int>({1, 2, 3, 4, 5, 6, 7}));
    QVERIFY(!QFile::exists(World::setting("p1.bin")));
}

void TestDeviceFacade::keyboardModeKeepsTheOtherOptionBytes()
{
    World world;
    hidsim::Firmware fw = hidsim::firmware();
    fw.option = {0, 5, 9};
    hidsim::setFirmware(fw);
    myQQuickView &view = world.start();

    view.ui_02H_SetKeyboardMode(1);
    settle(*world.worker);
    fw = hidsim::firmware();
    QCOMPARE(int(fw.option[0]), 1);
    QCOMPARE(int(fw.option[1]), 5);
    QCOMPARE(int(fw.option[2]), 9);
    QCOMPARE(view.ui_82H_GetKeyboardMode().toInt(), 1);
}

void TestDeviceFacade::lightingStoredEvenWhenTheCommandFails()
{
    World world;
    myQQuickView &view = world.start();
    hidsim::unplug();
    view.ui_08H_SetLEDType(3, 4, 1, 0, 6, 2, 1);
    QCOMPARE(toInts(world.storedInFile(1, "color/ledType").toList()),
             QList<int>({3, 4, 1, 0, 6, 2, 1}));
    QCOMPARE(toInts(view.ui_88H_GetLEDType()), QList<int>({3, 4, 1, 0, 6, 2, 1}));

    hidsim::plug();
    discoverDevices(*world.worker, {});
    view.ui_08H_SetLEDType(9, 8, 7, 6, 5, 4, 3);
    settle(*world.worker);
    const hidsim::Firmware fw = hidsim::firmware();
    QCOMPARE(QList<int>(fw.ledType.begin(), fw.ledType.end()), QList<int>({9, 8, 7, 6, 5, 4, 3}));
}

void TestDeviceFacade::syncLedStoresWhatTheKeyboardHas()
{
    World world;
    hidsim::Firmware fw = hidsim::firmware();
    fw.ledType = {9, 8, 7, 6, 5, 4, 3};
    hidsim::setFirmware(fw);
    myQQuickView &view = world.start();
    view.syncLed();
    QCOMPARE(toInts(world.storedInFile(1, "color/ledType").toList()),
             QList<int>({9, 8, 7, 6, 5, 4, 3}));
}

void TestDeviceFacade::syncLedWithoutKeyboardChangesNothing()
{
    World world;
    writeFile(World::setting("p1.bin"), "[color]\nledType=1, 1, 1, 1, 1, 1, 1\n");
    myQQuickView &view = world.start();
    hidsim::unplug();
    view.syncLed();
    QCOMPARE(toInts(world.storedInFile(1, "color/ledType").toList()), QList<int>(7, 1));
}

void TestDeviceFacade::keyMatrixReadInTwoHalves()
{
    World world;
    hidsim::Firmware fw = hidsim::firmware();
    for (int i = 0; i < 256; ++i)
        fw.keyMatrix[i] = static_cast<std::uint8_t>(255 - i);
    hidsim::setFirmware(fw);
    myQQuickView &view = world.start();
    const QVariantList got = view.ui_8C8DH_GetKeyMatrix();
    QCOMPARE(got.size(), 256);
    for (int i = 0; i < 256; ++i)
        QCOMPARE(got[i].toInt(), 255 - i);
    QCOMPARE(sentCommands(), QList<int>({0x8C, 0x8D}));
}

void TestDeviceFacade::profileOutOfRangeTouchesNoStore()
{
    World world;
    hidsim::Firmware fw = hidsim::firmware();
    fw.currentProfile = 7;  // the keyboard says 7; only three profile files
    hidsim::setFirmware(fw);
    myQQuickView &view = world.start();

    QCOMPARE(view.ui_A1H_GetCurrentProfile().toInt(), 7);
    QVERIFY(view.currentProfileStore() == nullptr);
    view.ui_08H_SetLEDType(1, 2, 3, 4, 5, 6, 7);
    view.ui_30H_SetColor(QVariantList(21, QVariant(4)));
    view.ui_12H_SetUserPicture(0, 0, QVariantList(512, QVariant(4)));
    view.syncLed();
    settle(*world.worker);

    QVERIFY(view.ui_88H_GetLEDType().isEmpty());
    QVERIFY(view.ui_B0H_GetColor().isEmpty());
    QCOMPARE(toInts(view.ui_92H_GetUserPicture(0)), QList<int>(512, 0));
    // The commands went to the keyboard all the same.
    fw = hidsim::firmware();
    QCOMPARE(QList<int>(fw.ledType.begin(), fw.ledType.end()), QList<int>({1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(int(fw.sevenColor[0]), 1);
    QCOMPARE(reportsOf(0x12).size(), 4);
    QCoreApplication::processEvents();
    for (int n = 1; n <= 3; ++n)
        QVERIFY2(!QFile::exists(World::setting(QStringLiteral("p%1.bin").arg(n))), "no file written");
}

void TestDeviceFacade::noHardwareDefinitionMeansNoStores()
{
    World world(nullptr, nullptr);
    myQQuickView &view = world.start();
    QCOMPARE(int(view.getMaxProfile()), 0);
    QCOMPARE(view.profileCount(), 0);
    QCOMPARE(view.loadHWDef(), QVariantList({0, 0}));
    view.ui_08H_SetLEDType(1, 2, 3, 4, 5, 6, 7);
    view.ui_0C0DH_SetKeyMatrix(QVariantList(256, QVariant(1)));
    settle(*world.worker);
    QVERIFY(view.ui_88H_GetLEDType().isEmpty());
    QVERIFY(view.getKeydefine(5).isEmpty());
    QCOMPARE(int(hidsim::firmware().ledType[0]), 1);
}

namespace {

const char *const kRecordingScene =
    "import QtQuick\n"
    "Item { property int refreshes: 0\n"
    "       property var led: []\n"
    "       function zzzTerlow() { refreshes += 1; led = ui_View.ui_88H_GetLEDType() } }\n";

void loadRecordingScene(World &world)
{
    writeFile(QStringLiteral("scene.qml"), kRecordingScene);
    world.view->setSource(QUrl::fromLocalFile(QDir::current().absoluteFilePath("scene.qml")));
    world.view->rootContext()->setContextProperty(QStringLiteral("ui_View"), world.view.get());
    QVERIFY(world.view->rootObject());
}

} // namespace

void TestDeviceFacade::listenerReportReachesStoreAndScene()
{
    World world;
    world.start();
    loadRecordingScene(world);
    QVERIFY(world.worker->isListening());

    hidsim::pushEvent({0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 0});
    QObject *root = world.view->rootObject();
    QTRY_COMPARE_WITH_TIMEOUT(root->property("refreshes").toInt(), 1, 5000);
    QCOMPARE(toInts(root->property("led").toList()), QList<int>({1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(toInts(world.storedInFile(1, "color/ledType").toList()),
             QList<int>({1, 2, 3, 4, 5, 6, 7}));

    // A report of another length is not a lighting change.
    hidsim::pushEvent({0, 0, 0, 0, 9, 9, 9, 9, 9, 9, 9});
    QTest::qWait(1200);
    QCOMPARE(root->property("refreshes").toInt(), 1);
    QCOMPARE(toInts(world.storedInFile(1, "color/ledType").toList()),
             QList<int>({1, 2, 3, 4, 5, 6, 7}));
}

void TestDeviceFacade::listenerReportWithoutStoreIsDropped()
{
    World world;
    hidsim::Firmware fw = hidsim::firmware();
    fw.currentProfile = 5;
    hidsim::setFirmware(fw);
    world.start();
    loadRecordingScene(world);

    hidsim::pushEvent({0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 0});
    QTest::qWait(1500);
    QCOMPARE(world.view->rootObject()->property("refreshes").toInt(), 0);
    for (int n = 1; n <= 3; ++n)
        QVERIFY(!QFile::exists(World::setting(QStringLiteral("p%1.bin").arg(n))));
}

QTEST_MAIN(TestDeviceFacade)
#include "tst_device_facade.moc"
