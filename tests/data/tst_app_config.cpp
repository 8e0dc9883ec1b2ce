#include "data/app_config.h"
#include "data_fixture.h"

#include <QSettings>
#include <QTest>

namespace {

// The list the settings page writes: version, skin, sound, animations,
// language, background shown, background, text size, seven colours, colour
// in use, brightness, web address.
QVariantList pageList()
{
    QVariantList list{1, 2, 0, 1, 3, true, QStringLiteral("file:///home/u/my pics, 2024/a.png"), 1};
    for (int i = 0; i < 21; ++i)
        list << (i * 12) % 256;
    list << 4 << 7 << QStringLiteral("https://example.org/?a=1,b=2");
    return list;
}

} // namespace

class TestAppConfig : public QObject
{
    Q_OBJECT

private slots:
    void totalLargerThanKeysPresent();
    void missingFileIsEmpty();
    void savedListReadsBackAsTexts();
    void shorterSaveLeavesOldKeysButCountsNew();
    void oddTypesFromTheSceneAreStoredPlainly();
    void resetRestoresFactoryCopy();
    void resetWithoutFactoryCopyKeepsConfiguration();
    void resetOntoAFolderFails();
    void skinChoice_data();
    void skinChoice();
    void titleAndProductNames_data();
    void titleAndProductNames();
    void readsFileWrittenByQt4();
};

void TestAppConfig::totalLargerThanKeysPresent()
{
    DataFixture f;
    DataFixture::write(f.paths().apConfigFile(), "[common]\ntotal=3\n0=7\n");
    AppConfig config(f.paths());
    const QVariantList list = config.loadApConfig();
    QCOMPARE(list.size(), 3);
    QCOMPARE(list.at(0).toString(), QStringLiteral("7"));
    QCOMPARE(list.at(1), QVariant(0));
    QCOMPARE(list.at(2), QVariant(0));
}

void TestAppConfig::missingFileIsEmpty()
{
    DataFixture f;
    AppConfig config(f.paths());
    QCOMPARE(config.loadApConfig(), QVariantList{});
    QCOMPARE(config.windowTitle(), QString());
    QCOMPARE(config.productNames(), QStringList{});
    QVERIFY(!QFileInfo::exists(f.paths().apConfigFile()));
}

void TestAppConfig::savedListReadsBackAsTexts()
{
    DataFixture f;
    {
        AppConfig config(f.paths());
        config.saveApConfig(pageList());
        // Within the same run the values come back as they were set.
        QCOMPARE(config.loadApConfig(), pageList());
    }
    DataFixture::readAsNewRun(f.paths().apConfigFile());
    AppConfig reopened(f.paths());
    const QVariantList list = reopened.loadApConfig();
    const QVariantList expected = pageList();
    QCOMPARE(list.size(), 32);
    for (int i = 0; i < list.size(); ++i) {
        QCOMPARE(list.at(i).typeId(), int(QMetaType::QString));
        QCOMPARE(list.at(i).toString(), expected.at(i).toString());
    }
    // Texts holding commas come back whole, not split into lists.
    QCOMPARE(list.at(6).toString(), QStringLiteral("file:///home/u/my pics, 2024/a.png"));
    QCOMPARE(list.at(31).toString(), QStringLiteral("https://example.org/?a=1,b=2"));
    QCOMPARE(list.at(5).toString(), QStringLiteral("true"));
}

void TestAppConfig::shorterSaveLeavesOldKeysButCountsNew()
{
    DataFixture f;
    QByteArray old = "[common]\ntotal=40\n";
    for (int i = 0; i < 40; ++i)
        old += QByteArray::number(i) + "=old" + QByteArray::number(i) + "\n";
    DataFixture::write(f.paths().apConfigFile(), old);
    {
        AppConfig config(f.paths());
        config.saveApConfig(pageList());
        config.sync();
    }
    QSettings raw(f.paths().apConfigFile(), QSettings::IniFormat);
    QCOMPARE(raw.value("common/total").toInt(), 32);
    QCOMPARE(raw.value("common/39").toString(), QStringLiteral("old39"));
    QCOMPARE(raw.value("common/32").toString(), QStringLiteral("old32"));
    AppConfig reopened(f.paths());
    QCOMPARE(reopened.loadApConfig().size(), 32);
}

void TestAppConfig::oddTypesFromTheSceneAreStoredPlainly()
{
    DataFixture f;
    {
        AppConfig config(f.paths());
        config.saveApConfig({QVariantMap{{"a", 1}}, QVariant(), 2.5, QStringLiteral("@Invalid()")});
        config.sync();
    }
    DataFixture::readAsNewRun(f.paths().apConfigFile());
    AppConfig reopened(f.paths());
    const QVariantList list = reopened.loadApConfig();
    QCOMPARE(list.size(), 4);
    QCOMPARE(list.at(0).toString(), QString());
    QCOMPARE(list.at(1).toString(), QStringLiteral("0"));
    QCOMPARE(list.at(2).toString(), QStringLiteral("2.5"));
    // A text that looks like the store's own markup stays a text.
    QCOMPARE(list.at(3).toString(), QStringLiteral("@Invalid()"));
}

void TestAppConfig::resetRestoresFactoryCopy()
{
    DataFixture f;
    DataFixture::write(f.paths().apConfigFactoryFile(),
                       "[common]\nname=Factory\ntotal=2\n0=1\n1=factory\n");
    AppConfig config(f.paths());
    config.saveApConfig({9, 9, 9, 9, 9});
    config.sync();
    config.saveApConfig({8}); // pending, not yet on disk
    QVERIFY(config.resetApconfig());
    QCOMPARE(config.loadApConfig(), (QVariantList{"1", "factory"}));
    QCOMPARE(config.windowTitle(), QStringLiteral("Factory"));
    config.sync();
    QCOMPARE(DataFixture::read(f.paths().apConfigFile()),
             DataFixture::read(f.paths().apConfigFactoryFile()));
}

void TestAppConfig::resetWithoutFactoryCopyKeepsConfiguration()
{
    DataFixture f;
    AppConfig config(f.paths());
    config.saveApConfig(pageList());
    config.sync();
    const QByteArray before = DataFixture::read(f.paths().apConfigFile());
    QVERIFY(!before.isEmpty());
    QCOMPARE(config.resetApconfig(), false);
    QCOMPARE(DataFixture::read(f.paths().apConfigFile()), before);
    QCOMPARE(config.loadApConfig().size(), 32);

    // A folder where the factory copy should be is no better.
    QDir().mkpath(f.paths().apConfigFactoryFile());
    QCOMPARE(config.resetApconfig(), false);
    QCOMPARE(DataFixture::read(f.paths().apConfigFile()), before);
}

void TestAppConfig::resetOntoAFolderFails()
{
    DataFixture f;
    DataFixture::write(f.paths().apConfigFactoryFile(), "[common]\ntotal=1\n0=1\n");
    QDir().mkpath(f.paths().apConfigFile());
    DataFixture::write(f.paths().apConfigFile() + "/inside", "kept");
    AppConfig config(f.paths());
    QCOMPARE(config.resetApconfig(), false);
    QCOMPARE(DataFixture::read(f.paths().apConfigFile() + "/inside"), QByteArray("kept"));
    QCOMPARE(config.loadApConfig(), QVariantList{});
}

void TestAppConfig::skinChoice_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("shown");
    QTest::newRow("two skins") << QStringList{"skin1", "skin2"} << QStringList{} << true;
    QTest::newRow("one skin") << QStringList{"skin1"} << QStringList{} << false;
    QTest::newRow("one skin and plain files") << QStringList{"skin1"} << QStringList{"a.png", "skin2"} << false;
    QTest::newRow("no skins") << QStringList{} << QStringList{} << false;
}

void TestAppConfig::skinChoice()
{
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    QFETCH(bool, shown);
    DataFixture f;
    for (const QString &d : folders)
        QDir().mkpath(f.paths().imgDir() + "/" + d);
    for (const QString &file : files)
        DataFixture::write(f.paths().imgDir() + "/" + file, "x");
    AppConfig config(f.paths());
    QCOMPARE(config.getIsSkinShow(), shown);
}

void TestAppConfig::titleAndProductNames_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("two names") << QByteArray("[common]\nname=Tool\nproduct_name=First, Second\n")
                               << "Tool" << QStringList{"First", "Second"};
    QTest::newRow("one name") << QByteArray("[common]\nproduct_name=Only One\n") << ""
                              << QStringList{"Only One"};
    QTest::newRow("name with a comma, quoted")
        << QByteArray("[common]\nname=\"Tool, Pro\"\nproduct_name=\"Board, 104 keys\", Other\n")
        << "Tool, Pro" << QStringList{"Board, 104 keys", "Other"};
    QTest::newRow("title with an unquoted comma")
        << QByteArray("[common]\nname=Tool, Pro\n") << "Tool, Pro" << QStringList{};
    QTest::newRow("empty list") << QByteArray("[common]\nproduct_name=\n") << "" << QStringList{};
    QTest::newRow("one-item list in the store's binary form")
        << QByteArray("[common]\nproduct_name=@Variant(\\0\\0\\0\\t\\0\\0\\0\\x1\\0\\0\\0\\n\\0\\0\\0\\x6\\0K\\0B\\0D)\n")
        << "" << QStringList{"KBD"};
}

void TestAppConfig::titleAndProductNames()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, title);
    QFETCH(QStringList, names);
    DataFixture f;
    DataFixture::write(f.paths().apConfigFile(), file);
    AppConfig config(f.paths());
    QCOMPARE(config.windowTitle(), title);
    QCOMPARE(config.productNames(), names);
}

void TestAppConfig::readsFileWrittenByQt4()
{
    // Qt 4 wrote non-ASCII text as \x escapes (escaping a following hex digit
    // too) and every number as text.
    DataFixture f;
    DataFixture::write(f.paths().apConfigFile(),
                       "[common]\n"
                       "name=\\x4e2d\\x6587 \\x5de5\\x5177\n"
                       "product_name=Keyboard \\x4e2d\\x6587, \\x635\\x641\\x62d\\x647\n"
                       "total=3\n"
                       "0=1\n"
                       "1=true\n"
                       "2=\"file:///C:/Users/\\x641\\x627/a, b.png\"\n");
    AppConfig config(f.paths());
    QCOMPARE(config.windowTitle(), QString::fromUtf8("中文 工具"));
    QCOMPARE(config.productNames(),
             (QStringList{QString::fromUtf8("Keyboard 中文"), QString::fromUtf8("صفحه")}));
    QCOMPARE(config.loadApConfig(),
             (QVariantList{"1", "true", QString::fromUtf8("file:///C:/Users/فا/a, b.png")}));
}

QTEST_GUILESS_MAIN(TestAppConfig)
#include "tst_app_config.moc"
