// The view's slots over the stored data: the dialogs they show (caption,
// folder, filter), what a cancelled dialog leaves, the two warning boxes, and
// that each slot reaches the file it names.
#include "bridge_fixture.h"

#include <QStandardPaths>
#include <QtTest>

using namespace fixture;

namespace {

const char *const kPack =
    "[font]\nfamily=Sans\ntotal=2\n[strings]\n1=ONE\n2=TWO\n"
    "[msg]\n0=Macro too long\n1=Only 128 bytes fit\n2=Picture\n3=\"Cannot open, \"\n";

QString desktop()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString pictures()
{
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

} // namespace

class TestViewData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void windowTitleAndDisplayNamesFromTheConfiguration();
    void settingsListPassesThrough();
    void dialogsAskAsExpected_data();
    void dialogsAskAsExpected();
    void cancelledDialogsChangeNothing_data();
    void cancelledDialogsChangeNothing();
    void profileIndexOutOfRangeShowsNoDialog();
    void missingMacroIsNeitherExportedNorImported();
    void exportCopiesTheProfileFile();
    void importReplacesTheProfileAndKeepsTheCurrentIndex();
    void resetCopiesTheFactoryProfile();
    void unreadablePictureWarnsWithThePackTexts();
    void readablePictureIsReturned();
    void longMacroWarnsAndIsSentCut();
    void savedMacroOfASlotIsSentAtOnce();
    void macroConfigRecordsTheDeviceIndex();
    void languagePackStringsAndMessages();
};

void TestViewData::windowTitleAndDisplayNamesFromTheConfiguration()
{
    World world;
    writeFile(World::setting("apConfig.bin"),
              "[common]\nname=ZR770 Setup\nproduct_name=Keyboard One, Keyboard Two\n");
    myQQuickView &view = world.start();
    QCOMPARE(view.windowTitleFromConfig(), QStringLiteral("ZR770 Setup"));
    QCOMPARE(view.productNames(), QStringList({"Keyboard One", "Keyboard Two"}));
    QCOMPARE(world.worker->deviceList().value(0).name, QStringLiteral("Keyboard One"));
}

void TestViewData::settingsListPassesThrough()
{
    World world;
    myQQuickView &view = world.start();
    view.saveApConfig({1, 2, QStringLiteral("http://example.invalid")});
    const QVariantList back = view.loadApConfig();
    QCOMPARE(back.size(), 3);
    QCOMPARE(back[1].toInt(), 2);
    QCOMPARE(back[2].toString(), QStringLiteral("http://example.invalid"));
}

void TestViewData::dialogsAskAsExpected_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("inPictures");
    QTest::addColumn<QString>("filter");
    QTest::newRow("profile export") << "saveProfile" << "save" << "Save File" << false << "Profile(*.pf)";
    QTest::newRow("profile import") << "loadProfile" << "open" << "Open File" << false << "Profile(*.pf)";
    QTest::newRow("macro export") << "saveMacroIniToFile" << "save" << "Save File" << false << "Macro(*.mc)";
    QTest::newRow("macro import") << "loadMacroIniFromFile" << "open" << "Open File" << false << "Macro(*.mc)";
    QTest::newRow("picture") << "getCustomFilePath" << "open" << "Open File" << true << "Image Files(*.png)";
}

void TestViewData::dialogsAskAsExpected()
{
    QFETCH(QString, slot);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(bool, inPictures);
    QFETCH(QString, filter);
    World world;
    writeFile(QStringLiteral("modules/macro/Macro. 001.bin"), "[config]\nindex=0\ntotal=0\n");
    myQQuickView &view = world.start();
    if (slot == "saveProfile")
        view.saveProfile(1);
    else if (slot == "loadProfile")
        view.loadProfile(1);
    else if (slot == "saveMacroIniToFile")
        view.saveMacroIniToFile(QStringLiteral("Macro. 001"));
    else if (slot == "loadMacroIniFromFile")
        view.loadMacroIniFromFile(QStringLiteral("Macro. 001"));
    else
        view.getCustomFilePath();
    QCOMPARE(world.dialogs->asked.size(), 1);
    const ScriptedDialogs::Asked &asked = world.dialogs->asked.first();
    QCOMPARE(asked.kind, kind);
    QCOMPARE(asked.caption, caption);
    QCOMPARE(asked.folder, inPictures ? pictures() : desktop());
    QCOMPARE(asked.filter, filter);
}

void TestViewData::cancelledDialogsChangeNothing_data()
{
    QTest::addColumn<QString>("slot");
    QTest::newRow("profile export") << "saveProfile";
    QTest::newRow("profile import") << "loadProfile";
    QTest::newRow("macro export") << "saveMacroIniToFile";
    QTest::newRow("macro import") << "loadMacroIniFromFile";
    QTest::newRow("picture") << "getCustomFilePath";
}

void TestViewData::cancelledDialogsChangeNothing()
{
    QFETCH(QString, slot);
    World world;
    const QByteArray profile = "[color]\nledType=1, 2, 3, 4, 5, 6, 7\n";
    const QByteArray macro = "[config]\nindex=0\ntotal=1\nrepeat=1\n[macro]\n0=A    [Down]\n";
    writeFile(World::setting("p1.bin"), profile);
    writeFile(QStringLiteral("modules/macro/Macro. 001.bin"), macro);
    myQQuickView &view = world.start();
    world.dialogs->answer.clear();
    QString picture = QStringLiteral("untouched");
    if (slot == "saveProfile")
        view.saveProfile(0);
    else if (slot == "loadProfile")
        view.loadProfile(0);
    else if (slot == "saveMacroIniToFile")
        view.saveMacroIniToFile(QStringLiteral("Macro. 001"));
    else if (slot == "loadMacroIniFromFile")
        view.loadMacroIniFromFile(QStringLiteral("Macro. 001"));
    else
        picture = view.getCustomFilePath();
    QCOMPARE(world.dialogs->asked.size(), 1);
    QCOMPARE(readFile(World::setting("p1.bin")), profile);
    QCOMPARE(readFile(QStringLiteral("modules/macro/Macro. 001.bin")), macro);
    QCOMPARE(QDir(QStringLiteral("modules/setting")).entryList(QDir::Files).size(), 3);
    if (slot == "getCustomFilePath")
        QCOMPARE(picture, QString());
    QVERIFY(world.dialogs->warnings.isEmpty());
}

void TestViewData::profileIndexOutOfRangeShowsNoDialog()
{
    World world;
    myQQuickView &view = world.start();
    world.dialogs->answer = QDir::current().absoluteFilePath("out.pf");
    view.saveProfile(3);
    view.saveProfile(-1);
    view.loadProfile(3);
    view.resetProfile(7);
    QVERIFY(world.dialogs->asked.isEmpty());
    QVERIFY(!QFile::exists("out.pf"));
}

void TestViewData::missingMacroIsNeitherExportedNorImported()
{
    World world;
    writeFile(QStringLiteral("chosen.mc"), "[config]\nindex=1\ntotal=0\n");
    myQQuickView &view = world.start();
    world.dialogs->answer = QDir::current().absoluteFilePath("chosen.mc");
    view.saveMacroIniToFile(QStringLiteral("Nothing"));
    QVERIFY(world.dialogs->asked.isEmpty());
    view.loadMacroIniFromFile(QStringLiteral("Nothing"));
    QVERIFY(!QFile::exists(QStringLiteral("modules/macro/Nothing.bin")));
    // A name that would leave the macro folder is no macro at all.
    view.loadMacroIniFromFile(QStringLiteral("../setting/p1"));
    QVERIFY(!QFile::exists(World::setting("p1.bin")));
}

void TestViewData::exportCopiesTheProfileFile()
{
    World world;
    const QByteArray profile = "[color]\ncolor=1, 2, 3\n";
    writeFile(World::setting("p2.bin"), profile);
    writeFile(QStringLiteral("out.pf"), "old content");
    myQQuickView &view = world.start();
    world.dialogs->answer = QDir::current().absoluteFilePath("out.pf");
    view.saveProfile(1);
    QCOMPARE(readFile("out.pf"), profile);
}

void TestViewData::importReplacesTheProfileAndKeepsTheCurrentIndex()
{
    World world;
    writeFile(World::setting("p3.bin"), "[color]\nledType=1, 1, 1, 1, 1, 1, 1\n");
    const QByteArray imported = "[color]\nledType=5, 4, 3, 2, 1, 0, 9\n";
    writeFile(QStringLiteral("import.pf"), imported);
    myQQuickView &view = world.start();
    world.dialogs->answer = QDir::current().absoluteFilePath("import.pf");
    view.loadProfile(2);
    QCOMPARE(readFile(World::setting("p3.bin")), imported);
    QCOMPARE(view.ui_A1H_GetCurrentProfile().toInt(), 0);
    view.ui_21H_SetCurrentProfile(2);
    QCOMPARE(toInts(view.ui_88H_GetLEDType()), QList<int>({5, 4, 3, 2, 1, 0, 9}));
}

void TestViewData::resetCopiesTheFactoryProfile()
{
    World world;
    const QByteArray factory = "[color]\nledType=2, 2, 2, 2, 2, 2, 2\n";
    writeFile(World::setting("pD.bin"), factory);
    writeFile(World::setting("p1.bin"), "[color]\nledType=1, 1, 1, 1, 1, 1, 1\n");
    myQQuickView &view = world.start();
    view.resetProfile(0);
    QCOMPARE(readFile(World::setting("p1.bin")), factory);
    QCOMPARE(toInts(view.ui_88H_GetLEDType()), QList<int>(7, 2));
    QCOMPARE(view.loadDefaultProfile(QStringLiteral("color/ledType")).toStringList(),
             QStringList(7, QStringLiteral("2")));
    QVERIFY(!view.loadDefaultProfile(QStringLiteral("color/none")).isValid());
}

void TestViewData::unreadablePictureWarnsWithThePackTexts()
{
    World world;
    writeFile(QStringLiteral("modules/i18n/lang_031000.ini"), kPack);
    myQQuickView &view = world.start();
    view.getGlobalStrings(QStringLiteral("031000"));
    const QString missing = QDir::current().absoluteFilePath("gone.png");
    world.dialogs->answer = missing;
    QCOMPARE(view.getCustomFilePath(), QString());
    QCOMPARE(world.dialogs->warnings.size(), 1);
    QCOMPARE(world.dialogs->warnings[0].first, QStringLiteral("Picture"));
    QCOMPARE(world.dialogs->warnings[0].second, QStringLiteral("Cannot open, ") + missing);
}

void TestViewData::readablePictureIsReturned()
{
    World world;
    writeFile(QStringLiteral("back.png"), "not really a png, but readable");
    myQQuickView &view = world.start();
    world.dialogs->answer = QDir::current().absoluteFilePath("back.png");
    QCOMPARE(view.getCustomFilePath(), world.dialogs->answer);
    QVERIFY(world.dialogs->warnings.isEmpty());
}

void TestViewData::longMacroWarnsAndIsSentCut()
{
    World world;
    writeFile(QStringLiteral("modules/i18n/lang_031000.ini"), kPack);
    writeFile(QStringLiteral("modules/macro/Long.bin"), "[config]\nindex=-1\ntotal=0\n");
    myQQuickView &view = world.start();
    view.getGlobalStrings(QStringLiteral("031000"));
    QStringList lines;
    for (int i = 0; i < 70; ++i)
        lines << QStringLiteral("B    [Down]");
    QVERIFY(view.saveMacroIni(QStringLiteral("Long"), lines).toBool());
    QVERIFY(world.dialogs->warnings.isEmpty());  // no slot: not sent

    view.ui_10H_SetMacroKey(3, QStringLiteral("Long"));
    settle(*world.worker);
    QCOMPARE(world.dialogs->warnings.size(), 1);
    QCOMPARE(world.dialogs->warnings[0].first, QStringLiteral("Macro too long"));
    QCOMPARE(world.dialogs->warnings[0].second, QStringLiteral("Only 128 bytes fit"));
    const hidsim::Firmware fw = hidsim::firmware();
    QVERIFY(fw.macros.count(3));
    const hidsim::Block &block = fw.macros.at(3);
    // Pair-exchanged: start word, then "B" (code 5) pressed, to the last byte.
    QCOMPARE(int(block[0]), 0x01);
    QCOMPARE(int(block[1]), 0x00);
    QCOMPARE(int(block[2]), 5);
    QCOMPARE(int(block[3]), 0x01);
    QCOMPARE(int(block[126]), 5);
    QCOMPARE(int(block[127]), 0x01);
}

void TestViewData::savedMacroOfASlotIsSentAtOnce()
{
    World world;
    writeFile(QStringLiteral("modules/macro/Macro. 003.bin"), "[config]\nindex=2\ntotal=0\n");
    myQQuickView &view = world.start();
    QVERIFY(view.saveMacroIni(QStringLiteral("Macro. 003"),
                              {QStringLiteral("A    [Down]"), QStringLiteral("A      [Up]")})
                .toBool());
    settle(*world.worker);
    const hidsim::Firmware fw = hidsim::firmware();
    QVERIFY(fw.macros.count(2));
    const hidsim::Block &block = fw.macros.at(2);
    const QList<int> start(block.begin(), block.begin() + 8);
    QCOMPARE(start, QList<int>({0x01, 0x00, 6, 0x01, 6, 0x81, 0x00, 0x00}));
    QCOMPARE(view.loadMacroIni(QStringLiteral("Macro. 003")).size(), 2);
    QCOMPARE(view.macroIncode({QStringLiteral("B    [Down]")}), QList<uchar>({0, 1, 1, 5, 0, 0}));
}

void TestViewData::macroConfigRecordsTheDeviceIndex()
{
    World world;
    writeFile(QStringLiteral("modules/macro/M.bin"), "[config]\nindex=1\nrepeat=1\ntotal=0\n");
    myQQuickView &view = world.start();
    view.setMacroIniConfig(QStringLiteral("M"), {3, 2});
    QCOMPARE(view.loadMacroIniConfig(QStringLiteral("M")), QVariantList({3, 2}));
    QSettings file(QStringLiteral("modules/macro/M.bin"), QSettings::IniFormat);
    QCOMPARE(file.value("config/did").toInt(), 0);
    // A short list leaves what it does not hold.
    view.setMacroIniConfig(QStringLiteral("M"), {4});
    QCOMPARE(view.loadMacroIniConfig(QStringLiteral("M")), QVariantList({4, 2}));
}

void TestViewData::languagePackStringsAndMessages()
{
    World world;
    writeFile(QStringLiteral("modules/i18n/lang_031000.ini"), kPack);
    myQQuickView &view = world.start();
    QCOMPARE(view.chkLanguages().value(QStringLiteral("ENGLISH")).toString(), QStringLiteral("031000"));
    QCOMPARE(view.getGlobalStrings(QStringLiteral("031000")), QStringList({"Sans", "ONE", "TWO"}));
    QCOMPARE(view.messageTexts().size(), 4);
}

QTEST_MAIN(TestViewData)
#include "tst_view_data.moc"
