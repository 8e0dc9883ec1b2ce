#include "data/hardware_definition.h"
#include "data_fixture.h"

#include <QElapsedTimer>
#include <QTest>

class TestHardwareDefinition : public QObject
{
    Q_OBJECT

private slots:
    void limits_data();
    void limits();
    void layoutList();
    void layoutEntries_data();
    void layoutEntries();
    void layoutGroupFollowsLayoutType();
    void brokenCountsAreBounded();
    void keyCodeLists_data();
    void keyCodeLists();
    void keyNameTable_data();
    void keyNameTable();
};

void TestHardwareDefinition::limits_data()
{
    QTest::addColumn<QByteArray>("common");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("maxMacro");
    QTest::addColumn<int>("maxProfile");
    QTest::newRow("plain") << QByteArray("kbLayoutType=0\nmaxMacro=17\nmaxProfile=3") << 0 << 17 << 3;
    QTest::newRow("all absent") << QByteArray("") << 0 << 0 << 0;
    QTest::newRow("profiles 12 open ten") << QByteArray("maxProfile=12") << 0 << 0 << 10;
    QTest::newRow("profiles 10") << QByteArray("maxProfile=10") << 0 << 0 << 10;
    QTest::newRow("profiles 9") << QByteArray("maxProfile=9") << 0 << 0 << 9;
    QTest::newRow("profiles 0") << QByteArray("maxProfile=0") << 0 << 0 << 0;
    QTest::newRow("macros 300 give 255") << QByteArray("maxMacro=300") << 0 << 255 << 0;
    QTest::newRow("macros 255") << QByteArray("maxMacro=255") << 0 << 255 << 0;
    QTest::newRow("macros 254") << QByteArray("maxMacro=254") << 0 << 254 << 0;
    QTest::newRow("layout keeps low 8 bits") << QByteArray("kbLayoutType=257") << 1 << 0 << 0;
    QTest::newRow("negative numbers") << QByteArray("maxMacro=-1\nmaxProfile=-3\nkbLayoutType=-1") << 0 << 0 << 0;
    QTest::newRow("not numbers") << QByteArray("maxMacro=many\nmaxProfile=3x") << 0 << 0 << 0;
    QTest::newRow("quoted numbers") << QByteArray("maxMacro=\"5\"\nmaxProfile=\" 4 \"") << 0 << 5 << 4;
    QTest::newRow("a list is no number") << QByteArray("maxProfile=3, 4") << 0 << 0 << 0;
}

void TestHardwareDefinition::limits()
{
    QFETCH(QByteArray, common);
    QFETCH(int, layout);
    QFETCH(int, maxMacro);
    QFETCH(int, maxProfile);
    DataFixture f;
    DataFixture::write(f.paths().hwDefFile(), "[common]\n" + common + "\n");
    const HardwareLimits limits = HardwareDefinition(f.paths()).readLimits();
    QCOMPARE(int(limits.kbLayoutType), layout);
    QCOMPARE(int(limits.maxMacro), maxMacro);
    QCOMPARE(int(limits.maxProfile), maxProfile);
}

void TestHardwareDefinition::layoutList()
{
    DataFixture f;
    DataFixture::write(f.paths().hwDefFile(),
                       "[0]\ntotal_HW=2\ntotal_FW=128\n"
                       "1=10, 20, 1, Esc, 41, 41\n"
                       "2=50, 20, 3, \"F1\", 42, 58\n");
    const QVariantList list = HardwareDefinition(f.paths()).loadHWDef(0);
    QCOMPARE(list.size(), 14);
    QCOMPARE(list, (QVariantList{2, 128, 10, 20, 1, "Esc", 41, 41u, 50, 20, 3, "F1", 42, 58u}));
    QCOMPARE(list.at(5).typeId(), int(QMetaType::QString));
    QCOMPARE(list.at(11).typeId(), int(QMetaType::QString));
    for (int i : {0, 1, 2, 3, 4, 6, 8, 9, 10, 12})
        QCOMPARE(list.at(i).typeId(), int(QMetaType::Int));
    QCOMPARE(list.at(7).typeId(), int(QMetaType::UInt));
    QCOMPARE(list.at(13).typeId(), int(QMetaType::UInt));
}

void TestHardwareDefinition::layoutEntries_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<QVariantList>("expected");
    QTest::newRow("missing file") << QByteArray() << QVariantList{0, 0};
    QTest::newRow("no entries") << QByteArray("total_HW=0\ntotal_FW=128") << QVariantList{0, 128};
    QTest::newRow("comma key, quoted")
        << QByteArray("total_HW=1\ntotal_FW=128\n1=30, 40, 2, \",\", 54, 54")
        << QVariantList{1, 128, 30, 40, 2, ",", 54, 54u};
    QTest::newRow("short entry left out")
        << QByteArray("total_HW=3\ntotal_FW=128\n1=1, 1, 1, A, 4, 4\n2=2, 2, 2, B, 5\n3=3, 3, 3, C, 6, 6")
        << QVariantList{2, 128, 1, 1, 1, "A", 4, 4u, 3, 3, 3, "C", 6, 6u};
    QTest::newRow("absent entry left out")
        << QByteArray("total_HW=2\ntotal_FW=128\n2=2, 2, 2, B, 5, 5")
        << QVariantList{1, 128, 2, 2, 2, "B", 5, 5u};
    QTest::newRow("single item is a short entry")
        << QByteArray("total_HW=1\ntotal_FW=128\n1=lonely") << QVariantList{0, 128};
    QTest::newRow("extra items ignored")
        << QByteArray("total_HW=1\ntotal_FW=128\n1=1, 2, 3, D, 7, 7, 99, 100")
        << QVariantList{1, 128, 1, 2, 3, "D", 7, 7u};
    QTest::newRow("items that are no numbers read 0")
        << QByteArray("total_HW=1\ntotal_FW=128\n1=x, , 3.5, Tab, 0x2B, -1")
        << QVariantList{1, 128, 0, 0, 0, "Tab", 0, 0u};
    QTest::newRow("negative coordinates kept")
        << QByteArray("total_HW=1\ntotal_FW=128\n1=-4, -2, 1, Q, 20, 20")
        << QVariantList{1, 128, -4, -2, 1, "Q", 20, 20u};
    QTest::newRow("media key code above 8 bits")
        << QByteArray("total_HW=1\ntotal_FW=128\n1=0, 0, 1, Mute, 100, 12514")
        << QVariantList{1, 128, 0, 0, 1, "Mute", 100, 12514u};
    QTest::newRow("name written by Qt 4 with escapes")
        << QByteArray("total_HW=1\ntotal_FW=128\n1=0, 0, 1, \\x634\\x41, 1, 1")
        << QVariantList{1, 128, 0, 0, 1, QString::fromUtf8("شA"), 1, 1u};
    QTest::newRow("matrix count above 128 is 128") << QByteArray("total_FW=300") << QVariantList{0, 128};
    QTest::newRow("negative counts are 0") << QByteArray("total_HW=-2\ntotal_FW=-5") << QVariantList{0, 0};
    QTest::newRow("counts that are texts") << QByteArray("total_HW=two\ntotal_FW=all") << QVariantList{0, 0};
}

void TestHardwareDefinition::layoutEntries()
{
    QFETCH(QByteArray, group);
    QFETCH(QVariantList, expected);
    DataFixture f;
    if (!group.isNull())
        DataFixture::write(f.paths().hwDefFile(), "[0]\n" + group + "\n");
    const QVariantList got = HardwareDefinition(f.paths()).loadHWDef(0);
    QCOMPARE(got, expected);
    QCOMPARE(got.size(), 2 + 6 * got.at(0).toInt());
}

void TestHardwareDefinition::layoutGroupFollowsLayoutType()
{
    DataFixture f;
    DataFixture::write(f.paths().hwDefFile(),
                       "[0]\ntotal_HW=1\ntotal_FW=128\n1=0, 0, 1, Zero, 0, 4\n"
                       "[1]\ntotal_HW=1\ntotal_FW=64\n1=9, 9, 2, One, 1, 5\n");
    const HardwareDefinition hw(f.paths());
    QCOMPARE(hw.loadHWDef(0).at(5).toString(), QStringLiteral("Zero"));
    QCOMPARE(hw.loadHWDef(1), (QVariantList{1, 64, 9, 9, 2, "One", 1, 5u}));
    QCOMPARE(hw.loadHWDef(7), (QVariantList{0, 0}));
}

void TestHardwareDefinition::brokenCountsAreBounded()
{
    DataFixture f;
    DataFixture::write(f.paths().hwDefFile(),
                       "[0]\ntotal_HW=2147483647\ntotal_FW=128\n1=0, 0, 1, A, 4, 4\n2=1, 0, 1, B, 5, 5\n");
    QElapsedTimer timer;
    timer.start();
    const QVariantList got = HardwareDefinition(f.paths()).loadHWDef(0);
    QCOMPARE(got.at(0), QVariant(2));
    QCOMPARE(got.size(), 14);
    QVERIFY2(timer.elapsed() < 10000, "a huge entry count must not be walked");
}

void TestHardwareDefinition::keyCodeLists_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QVariantList>("names");
    QTest::addColumn<QVariantList>("codes");
    QTest::newRow("lists") << QByteArray("usbStr=A, B, Enter\nusbCode=4, 5, 40")
                           << QVariantList{"A", "B", "Enter"} << QVariantList{"4", "5", "40"};
    QTest::newRow("quoted comma name")
        << QByteArray("usbStr=\",\", \".\", \"Left Button\"\nusbCode=54, 55, 240")
        << QVariantList{",", ".", "Left Button"} << QVariantList{"54", "55", "240"};
    QTest::newRow("one item each") << QByteArray("usbStr=A\nusbCode=4") << QVariantList{"A"} << QVariantList{"4"};
    QTest::newRow("empty values") << QByteArray("usbStr=\nusbCode=") << QVariantList{} << QVariantList{};
    QTest::newRow("absent") << QByteArray("other=1") << QVariantList{} << QVariantList{};
    QTest::newRow("names written by Qt 4")
        << QByteArray("usbStr=\\x634, \\x4e2d\\x31\nusbCode=1, 2")
        << QVariantList{QString::fromUtf8("ش"), QString::fromUtf8("中1")} << QVariantList{"1", "2"};
}

void TestHardwareDefinition::keyCodeLists()
{
    QFETCH(QByteArray, file);
    QFETCH(QVariantList, names);
    QFETCH(QVariantList, codes);
    DataFixture f;
    DataFixture::write(f.paths().keyCodeDefFile(), "[common]\n" + file + "\n");
    const HardwareDefinition hw(f.paths());
    QCOMPARE(hw.loadUsbStr(), names);
    QCOMPARE(hw.loadUsbCode(), codes);
}

void TestHardwareDefinition::keyNameTable_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("codes");

    QByteArray many = "usbStr=";
    QByteArray manyCodes = "usbCode=";
    QStringList manyNames;
    QList<int> manyValues;
    for (int i = 0; i < 100; ++i) {
        many += "K" + QByteArray::number(i) + (i < 99 ? ", " : "\n");
        if (i < 98) {
            manyCodes += QByteArray::number(i + 1) + (i < 97 ? ", " : "\n");
            manyNames << QString("K%1").arg(i);
            manyValues << i + 1;
        }
    }
    // The table is ordered by name.
    QMap<QString, int> ordered;
    for (int i = 0; i < manyNames.size(); ++i)
        ordered.insert(manyNames.at(i), manyValues.at(i));
    QTest::newRow("100 names, 98 codes") << many + manyCodes << QStringList(ordered.keys())
                                         << QList<int>(ordered.values());
    QTest::newRow("name listed twice keeps later code")
        << QByteArray("usbStr=A, B, A\nusbCode=4, 5, 30") << QStringList{"A", "B"} << QList<int>{30, 5};
    QTest::newRow("codes cut to 8 bits, texts are 0")
        << QByteArray("usbStr=Mute, Odd, Neg\nusbCode=12514, x, -1") << QStringList{"Mute", "Neg", "Odd"}
        << QList<int>{0xE2, 0, 0};
    QTest::newRow("missing file") << QByteArray() << QStringList{} << QList<int>{};
}

void TestHardwareDefinition::keyNameTable()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, codes);
    DataFixture f;
    if (!file.isNull())
        DataFixture::write(f.paths().keyCodeDefFile(), "[common]\n" + file);
    const KeyNameTable table = HardwareDefinition(f.paths()).keyNameCodes();
    QCOMPARE(table.keys(), names);
    QList<int> got;
    for (uchar c : table.values())
        got << c;
    QCOMPARE(got, codes);
}

QTEST_GUILESS_MAIN(TestHardwareDefinition)
#include "tst_hardware_definition.moc"
