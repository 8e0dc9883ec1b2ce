// Key assignments and combination keys: what is stored in the profile, what
// is sent in two halves, and positions outside the table.
#include "bridge/combo_key_table.h"
#include "bridge_fixture.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QtTest>

using namespace fixture;

class TestKeyMatrix : public QObject
{
    Q_OBJECT

private slots:
    void init() { ComboKeyTable::instance().clear(); }

    void absentKeyDefinitionIsEmpty();
    void storedKeyDefinitionIsReturned();
    void keyMatrixStoredAsReceivedAndSentLowBits();
    void shortKeyMatrixCountsMissingAsZero();
    void keyMatrixStoredBeforeSending();
    void comboKeyEditChangesOnlyTheTable();
    void comboKeyPositionsOutsideTheTable_data();
    void comboKeyPositionsOutsideTheTable();
    void recoveryClearsTheTable();
    void saveWritesEveryPositionAndSends();
    void loadReadsShortAndAbsentEntriesAsZero();
    void scenePassesBytesModulo256();
};

void TestKeyMatrix::absentKeyDefinitionIsEmpty()
{
    World world;
    writeFile(World::setting("p1.bin"), "[keydefine0]\n4=4, 0\n6=6, 0\n");
    myQQuickView &view = world.start();
    QVERIFY(view.getKeydefine(5).isEmpty());
}

void TestKeyMatrix::storedKeyDefinitionIsReturned()
{
    World world;
    // Layout 0 after the firmware sync, whatever HWDef.bin said.
    writeFile(World::setting("p1.bin"), "[keydefine0]\n5=181, 48\n[keydefine2]\n5=1, 1\n");
    myQQuickView &view = world.start();
    QCOMPARE(toInts(view.getKeydefine(QStringLiteral("5"))), QList<int>({181, 48}));
    QCOMPARE(toInts(view.getKeydefine(5)), QList<int>({181, 48}));
}

void TestKeyMatrix::keyMatrixStoredAsReceivedAndSentLowBits()
{
    World world;
    myQQuickView &view = world.start();
    QVariantList matrix;
    for (int i = 0; i < 256; ++i)
        matrix.append(i == 10 ? 0x1234 : i);
    view.ui_0C0DH_SetKeyMatrix(matrix);
    settle(*world.worker);

    QCOMPARE(sentCommands().mid(0, 2), QList<int>({0x0C, 0x0D}));
    const hidsim::Firmware fw = hidsim::firmware();
    for (int i = 0; i < 256; ++i)
        QCOMPARE(int(fw.keyMatrix[i]), i == 10 ? 0x34 : i);
    QCOMPARE(toInts(world.storedInFile(1, "keydefine0/5").toList()), QList<int>({0x1234, 11}));
    QCOMPARE(toInts(world.storedInFile(1, "keydefine0/127").toList()), QList<int>({254, 255}));
}

void TestKeyMatrix::shortKeyMatrixCountsMissingAsZero()
{
    World world;
    myQQuickView &view = world.start();
    hidsim::Firmware fw = hidsim::firmware();
    fw.keyMatrix.fill(0xAA);
    hidsim::setFirmware(fw);
    view.ui_0C0DH_SetKeyMatrix(ints({4, 0, 5}));
    settle(*world.worker);
    fw = hidsim::firmware();
    QCOMPARE(int(fw.keyMatrix[0]), 4);
    QCOMPARE(int(fw.keyMatrix[2]), 5);
    for (int i = 3; i < 256; ++i)
        QCOMPARE(int(fw.keyMatrix[i]), 0);
    QCOMPARE(toInts(view.getKeydefine(1)), QList<int>({5, 0}));
    QCOMPARE(toInts(view.getKeydefine(100)), QList<int>({0, 0}));
}

void TestKeyMatrix::keyMatrixStoredBeforeSending()
{
    World world;
    myQQuickView &view = world.start();
    hidsim::unplug();
    view.ui_0C0DH_SetKeyMatrix(QVariantList(256, QVariant(7)));
    for (int m = 0; m < 128; ++m)
        QCOMPARE(toInts(world.storedInFile(1, QStringLiteral("keydefine0/%1").arg(m)).toList()),
                 QList<int>({7, 7}));
}

void TestKeyMatrix::comboKeyEditChangesOnlyTheTable()
{
    World world;
    myQQuickView &view = world.start();
    view.ui_AAAAH_SetComboKeyMatrix(3, 0xE1, 0x04, false);
    const QVariant combo = view.getCurrentKeyMatrix(3);
    QCOMPARE(combo.toUInt(), 0x04E1u);
    QCOMPARE(combo.metaType(), QMetaType::fromType<uint>());
    settle(*world.worker);
    QVERIFY(!sentCommands().contains(0x1C));
    QCoreApplication::processEvents();
    QVERIFY(!world.storedInFile(1, "combokey/3").isValid());
}

void TestKeyMatrix::comboKeyPositionsOutsideTheTable_data()
{
    QTest::addColumn<int>("position");
    QTest::newRow("128") << 128;
    QTest::newRow("200") << 200;
    QTest::newRow("255") << 255;
}

void TestKeyMatrix::comboKeyPositionsOutsideTheTable()
{
    QFETCH(int, position);
    World world;
    myQQuickView &view = world.start();
    view.ui_AAAAH_SetComboKeyMatrix(static_cast<uchar>(position), 0x11, 0x22, false);
    QCOMPARE(view.getCurrentKeyMatrix(static_cast<uchar>(position)).toUInt(), 0u);
    const ComboKeyTable::Bytes &table = ComboKeyTable::instance().data();
    QVERIFY(std::all_of(table.begin(), table.end(), [](std::uint8_t b) { return b == 0; }));
}

void TestKeyMatrix::recoveryClearsTheTable()
{
    World world;
    myQQuickView &view = world.start();
    for (int k = 0; k < 128; ++k)
        view.ui_AAAAH_SetComboKeyMatrix(static_cast<uchar>(k), 0xE0, static_cast<uchar>(k), false);
    view.getComboKey(true);
    for (int k = 0; k < 128; ++k)
        QCOMPARE(view.getCurrentKeyMatrix(static_cast<uchar>(k)).toUInt(), 0u);
}

void TestKeyMatrix::saveWritesEveryPositionAndSends()
{
    World world;
    myQQuickView &view = world.start();
    view.ui_AAAAH_SetComboKeyMatrix(0, 0xE0, 0x06, false);
    view.ui_AAAAH_SetComboKeyMatrix(127, 0xE2, 0x2B, false);
    // The other arguments of the save form are ignored.
    view.ui_AAAAH_SetComboKeyMatrix(5, 0x99, 0x98, true);
    settle(*world.worker);

    QCOMPARE(sentCommands().mid(0, 2), QList<int>({0x1C, 0x1D}));
    const hidsim::Firmware fw = hidsim::firmware();
    QCOMPARE(int(fw.comboMatrix[0]), 0xE0);
    QCOMPARE(int(fw.comboMatrix[1]), 0x06);
    QCOMPARE(int(fw.comboMatrix[254]), 0xE2);
    QCOMPARE(int(fw.comboMatrix[255]), 0x2B);
    QCOMPARE(int(fw.comboMatrix[10]) + int(fw.comboMatrix[11]), 0);
    for (int k = 0; k < 128; ++k) {
        const QList<int> pair = toInts(world.storedInFile(1, QStringLiteral("combokey/%1").arg(k)).toList());
        QCOMPARE(pair, k == 0 ? QList<int>({0xE0, 0x06})
                              : k == 127 ? QList<int>({0xE2, 0x2B}) : QList<int>({0, 0}));
    }
}

void TestKeyMatrix::loadReadsShortAndAbsentEntriesAsZero()
{
    World world;
    writeFile(World::setting("p1.bin"),
              "[combokey]\n0=224, 6\n1=225\n2=\n3=red, 9\n4=1, 2, 3\n");
    myQQuickView &view = world.start();
    ComboKeyTable::instance().set(1, 0x55, 0x55);
    ComboKeyTable::instance().set(50, 0x55, 0x55);
    view.getComboKey(false);
    QCOMPARE(view.getCurrentKeyMatrix(0).toUInt(), 0x06E0u);
    QCOMPARE(view.getCurrentKeyMatrix(1).toUInt(), 0x00E1u);
    QCOMPARE(view.getCurrentKeyMatrix(2).toUInt(), 0u);
    QCOMPARE(view.getCurrentKeyMatrix(3).toUInt(), 0x0900u);
    QCOMPARE(view.getCurrentKeyMatrix(4).toUInt(), 0x0201u);
    QCOMPARE(view.getCurrentKeyMatrix(50).toUInt(), 0u);
}

void TestKeyMatrix::scenePassesBytesModulo256()
{
    World world;
    myQQuickView &view = world.start();
    // As the scene calls them: plain script numbers and arrays.
    QQmlEngine engine;
    engine.rootContext()->setContextProperty(QStringLiteral("ui_View"), &view);
    const auto run = [&engine](const char *script) {
        QQmlExpression expression(engine.rootContext(), nullptr, QString::fromLatin1(script));
        const QVariant result = expression.evaluate();
        if (expression.hasError())
            qWarning() << expression.error().toString();
        return result;
    };
    run("ui_View.ui_AAAAH_SetComboKeyMatrix(300, 0xE1, 4, false)");
    QCOMPARE(view.getCurrentKeyMatrix(44).toUInt(), 0x04E1u);
    QCOMPARE(run("ui_View.getCurrentKeyMatrix(300)").toUInt(), 0x04E1u);

    run("var m = []; for (var i = 0; i < 256; ++i) m.push(i + 256); ui_View.ui_0C0DH_SetKeyMatrix(m)");
    settle(*world.worker);
    QCOMPARE(int(hidsim::firmware().keyMatrix[7]), 7);
    QCOMPARE(run("var d = ui_View.getKeydefine(3); Array.isArray(d) && d.length === 2 && "
                 "d[0] === 262 && d[1] === 263").toBool(), true);
}

QTEST_MAIN(TestKeyMatrix)
#include "tst_key_matrix.moc"
