#include "data/macro_encoder.h"

#include <QTest>

using MacroEncoder::MacroBlock;

namespace {

QByteArray hex(const QList<uchar> &bytes)
{
    QByteArray raw;
    for (uchar b : bytes)
        raw.append(static_cast<char>(b));
    return raw.toHex(' ').toUpper();
}

QByteArray hex(const MacroBlock &block, int count)
{
    QList<uchar> bytes(block.begin(), block.begin() + count);
    return hex(bytes);
}

KeyNameTable keyNames()
{
    return {
        {QStringLiteral("A"), 0x04},
        {QStringLiteral("B"), 0x05},
        {QStringLiteral(","), 0x36},
        {QStringLiteral("Unassigned"), 0x00},
        {QStringLiteral("Left Button"), 0xF0},
    };
}

} // namespace

class TestMacroEncoder : public QObject
{
    Q_OBJECT

private slots:
    void deviceForm_data();
    void deviceForm();
    void blockExchangesPairs_data();
    void blockExchangesPairs();
    void emptyTableEncodesNoKeys();
    void longMacroFillsOneBlockWithoutEndMarker();
    void macroOfExactlyOneBlockKeepsItsEnd();
};

void TestMacroEncoder::deviceForm_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("down and up of a key coded 0x04")
        << QStringList{"A    [Down]", "A      [Up]"} << QByteArray("00 01 01 04 81 04 00 00");
    QTest::newRow("delay 1000 ms is 100 steps")
        << QStringList{"1000   [Delay]"} << QByteArray("00 01 7F 00 00 64 00 00");
    QTest::newRow("delay 5 ms is a zero count")
        << QStringList{"5   [Delay]"} << QByteArray("00 01 7F 00 00 00 00 00");
    QTest::newRow("delay 0 ms adds nothing") << QStringList{"0   [Delay]"} << QByteArray("00 01 00 00");
    QTest::newRow("delay of 2560 ms uses the high byte")
        << QStringList{"2560   [Delay]"} << QByteArray("00 01 7F 00 01 00 00 00");
    QTest::newRow("delay with blanks before the number")
        << QStringList{"  20   [Delay]"} << QByteArray("00 01 7F 00 00 02 00 00");
    QTest::newRow("delay that is no number adds nothing")
        << QStringList{"abc   [Delay]"} << QByteArray("00 01 00 00");
    QTest::newRow("negative delay adds nothing")
        << QStringList{"-50   [Delay]"} << QByteArray("00 01 00 00");
    QTest::newRow("delay beyond the 16-bit count is the longest delay")
        << QStringList{"99999999   [Delay]"} << QByteArray("00 01 7F 00 FF FF 00 00");
    QTest::newRow("key name not in the table adds nothing")
        << QStringList{"Nope    [Down]"} << QByteArray("00 01 00 00");
    QTest::newRow("key name mapped to 0 adds nothing")
        << QStringList{"Unassigned    [Down]"} << QByteArray("00 01 00 00");
    QTest::newRow("unknown tag adds nothing")
        << QStringList{"A   [Press]"} << QByteArray("00 01 00 00");
    QTest::newRow("tags are case-sensitive")
        << QStringList{"A    [down]"} << QByteArray("00 01 00 00");
    QTest::newRow("line shorter than a tag adds nothing")
        << QStringList{"A", "", "[Down]"} << QByteArray("00 01 00 00");
    QTest::newRow("tag without a body looks up the empty name")
        << QStringList{"    [Down]"} << QByteArray("00 01 00 00");
    QTest::newRow("comma key") << QStringList{",    [Down]", ",      [Up]"}
                               << QByteArray("00 01 01 36 81 36 00 00");
    QTest::newRow("mouse button listed with a code")
        << QStringList{"Left Button    [Down]", "Left Button      [Up]"}
        << QByteArray("00 01 01 F0 81 F0 00 00");
    QTest::newRow("mixed, in order")
        << QStringList{"A    [Down]", "30   [Delay]", "B    [Down]", "A      [Up]", "B      [Up]"}
        << QByteArray("00 01 01 04 7F 00 00 03 01 05 81 04 81 05 00 00");
    QTest::newRow("no lines") << QStringList{} << QByteArray("00 01 00 00");
}

void TestMacroEncoder::deviceForm()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, expected);
    QCOMPARE(hex(MacroEncoder::macroIncode(lines, keyNames())), expected);
}

void TestMacroEncoder::blockExchangesPairs_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("blockStart");

    QTest::newRow("down and up") << QStringList{"A    [Down]", "A      [Up]"}
                                 << QByteArray("01 00 04 01 04 81 00 00 00 00");
    QTest::newRow("delay word then count word")
        << QStringList{"1000   [Delay]"} << QByteArray("01 00 00 7F 64 00 00 00 00 00");
    QTest::newRow("delay count low byte first")
        << QStringList{"2560   [Delay]"} << QByteArray("01 00 00 7F 00 01 00 00 00 00");
    QTest::newRow("empty macro") << QStringList{} << QByteArray("01 00 00 00 00 00 00 00 00 00");
}

void TestMacroEncoder::blockExchangesPairs()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, blockStart);
    const QList<uchar> form = MacroEncoder::macroIncode(lines, keyNames());
    QVERIFY(!MacroEncoder::isTooLong(form));
    const MacroBlock block = MacroEncoder::macroBlock(form);
    QCOMPARE(hex(block, 10), blockStart);
    for (size_t i = static_cast<size_t>(form.size()); i < block.size(); ++i)
        QCOMPARE(block[i], uchar(0));
}

void TestMacroEncoder::emptyTableEncodesNoKeys()
{
    // Until the keyboard has been synchronised the key-name table is empty.
    const QList<uchar> form = MacroEncoder::macroIncode({"A    [Down]", "10   [Delay]"}, {});
    QCOMPARE(hex(form), QByteArray("00 01 7F 00 00 01 00 00"));
}

void TestMacroEncoder::longMacroFillsOneBlockWithoutEndMarker()
{
    QStringList lines;
    for (int i = 0; i < 32; ++i)
        lines << "A    [Down]" << "B      [Up]";
    const QList<uchar> form = MacroEncoder::macroIncode(lines, keyNames());
    QCOMPARE(form.size(), 2 + 64 * 2 + 2);
    QVERIFY(MacroEncoder::isTooLong(form));
    const MacroBlock block = MacroEncoder::macroBlock(form);
    for (int i = 0; i < MacroEncoder::kBlockSize; i += 2) {
        QCOMPARE(block[size_t(i)], form.at(i + 1));
        QCOMPARE(block[size_t(i + 1)], form.at(i));
    }
    // The last word of the block is still an event: the end marker is cut off.
    QCOMPARE(hex(block, 128).right(5), QByteArray("04 01"));
}

void TestMacroEncoder::macroOfExactlyOneBlockKeepsItsEnd()
{
    QStringList lines;
    for (int i = 0; i < 62; ++i)
        lines << "A    [Down]";
    const QList<uchar> form = MacroEncoder::macroIncode(lines, keyNames());
    QCOMPARE(form.size(), MacroEncoder::kBlockSize);
    QVERIFY(!MacroEncoder::isTooLong(form));
    const MacroBlock block = MacroEncoder::macroBlock(form);
    QCOMPARE(hex(block, 128).right(11), QByteArray("04 01 00 00"));
}

QTEST_GUILESS_MAIN(TestMacroEncoder)
#include "tst_macro_encoder.moc"
