#include "data/macro_library.h"
#include "data_fixture.h"

#include <QSettings>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// What the library asked of the device side, in order.
struct PortLog
{
    struct Event
    {
        QString what; // "send" or "warn"
        int slot = -1;
        MacroEncoder::MacroBlock block{};
    };
    std::vector<Event> events;

    MacroDevicePort port()
    {
        MacroDevicePort p;
        p.send = [this](uchar slot, const MacroEncoder::MacroBlock &block) {
            events.push_back({QStringLiteral("send"), slot, block});
        };
        p.warnTooLong = [this] { events.push_back({QStringLiteral("warn"), -1, {}}); };
        return p;
    }
};

KeyNameTable keyNames()
{
    return {{QStringLiteral("A"), 0x04}, {QStringLiteral("B"), 0x05}};
}

// A macro file written the way the program writes one.
void writeMacro(const DataFixture &f, const QString &name, int index, const QStringList &lines = {},
                int repeat = 1)
{
    QSettings s(f.paths().macroFile(name), QSettings::IniFormat);
    s.setValue("config/index", index);
    s.setValue("config/total", int(lines.size()));
    s.setValue("config/repeat", repeat);
    s.setValue("config/did", -1);
    for (int i = 0; i < lines.size(); ++i)
        s.setValue("macro/" + QString::number(i), lines.at(i));
}

int indexOf(const DataFixture &f, const QString &fileName)
{
    QSettings s(f.paths().macroDir() + "/" + fileName, QSettings::IniFormat);
    return s.value("config/index", -99).toInt();
}

} // namespace

class TestMacroLibrary : public QObject
{
    Q_OBJECT

private slots:
    void namesAreBinFilesSortedIgnoringCase();
    void createTakesFirstFreeNumber_data();
    void createTakesFirstFreeNumber();
    void createWritesAnEmptyMacroWithoutSlot();
    void createReportsAFolderThatCannotBeWritten();
    void deleteAndRename();
    void namesCannotLeaveTheFolder_data();
    void namesCannotLeaveTheFolder();
    void linesRoundTrip_data();
    void linesRoundTrip();
    void saveReplacesAllOldLines();
    void saveOfMissingMacroCreatesNothing();
    void saveSendsOnlySlotsUpTo16_data();
    void saveSendsOnlySlotsUpTo16();
    void saveOfDamagedMacroFileSavesAndSends_data();
    void saveOfDamagedMacroFileSavesAndSends();
    void tooLongMacroWarnsThenSends();
    void totalLargerThanLinesPresent();
    void brokenTotalIsBounded();
    void configLoad_data();
    void configLoad();
    void configSet_data();
    void configSet();
    void configSetOnMissingMacroCreatesNothing();
    void sendSlotAndName_data();
    void sendSlotAndName();
    void importReplacesMacro();
    void importOfUnusableFileKeepsMacro_data();
    void importOfUnusableFileKeepsMacro();
    void exportCopiesAndReplaces();
    void failedExportKeepsDestination_data();
    void failedExportKeepsDestination();
    void initKeepsFirstOfTwoFilesForOneSlot();
    void initFillsEmptyLibrary();
    void initRemovesMacrosWithoutSlot();
    void initWithNoSlotsEmptiesLibrary();
};

void TestMacroLibrary::namesAreBinFilesSortedIgnoringCase()
{
    DataFixture f;
    for (const char *n : {"b", "A", "Macro. 002", "c"})
        writeMacro(f, n, -1);
    DataFixture::write(f.paths().macroDir() + "/notes.txt", "x");
    DataFixture::write(f.paths().macroDir() + "/upper.BIN", "[config]\nindex=1\n");
    QDir().mkpath(f.paths().macroDir() + "/folder.bin");
    MacroLibrary lib(f.paths());
    QCOMPARE(lib.getMacroIniNames(),
             (QStringList{"A.bin", "b.bin", "c.bin", "Macro. 002.bin"}));
}

void TestMacroLibrary::createTakesFirstFreeNumber_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty library") << QStringList{} << "Macro. 001";
    QTest::newRow("gap at 2") << QStringList{"Macro. 001", "Macro. 003"} << "Macro. 002";
    QTest::newRow("unpadded names are other names") << QStringList{"Macro. 1", "Macro. 01"} << "Macro. 001";
    QStringList full;
    for (int n = 1; n <= 999; ++n)
        full << MacroLibrary::numberedName(n);
    QTest::newRow("three digits used up") << full << "Macro. 1000";
}

void TestMacroLibrary::createTakesFirstFreeNumber()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, expected);
    DataFixture f;
    for (const QString &n : existing)
        DataFixture::write(f.paths().macroFile(n), "[config]\nindex=-1\n");
    MacroLibrary lib(f.paths());
    QCOMPARE(lib.createMacroIni(), expected);
    QVERIFY(QFileInfo(f.paths().macroFile(expected)).isFile());
}

void TestMacroLibrary::createWritesAnEmptyMacroWithoutSlot()
{
    DataFixture f;
    MacroLibrary lib(f.paths());
    const QString name = lib.createMacroIni();
    // On disk at once, not at some later deferred write.
    const QByteArray bytes = DataFixture::read(f.paths().macroFile(name));
    QVERIFY(bytes.contains("index=-1"));
    QVERIFY(bytes.contains("total=0"));
    QVERIFY(bytes.contains("repeat=1"));
    QVERIFY(bytes.contains("did=-1"));
    QCOMPARE(lib.loadMacroIniConfig(name), (QVariantList{-1, 1}));
    QCOMPARE(lib.loadMacroIni(name), QStringList{});
}

void TestMacroLibrary::createReportsAFolderThatCannotBeWritten()
{
    DataFixture f;
    QDir(f.paths().macroDir()).removeRecursively();
    QVERIFY(DataFixture::write(f.paths().macroDir(), "a file where the folder should be"));
    MacroLibrary lib(f.paths());
    QCOMPARE(lib.createMacroIni(), QString());
    QCOMPARE(DataFixture::read(f.paths().macroDir()), QByteArray("a file where the folder should be"));
}

void TestMacroLibrary::deleteAndRename()
{
    DataFixture f;
    writeMacro(f, "one", 1, {"A    [Down]"});
    writeMacro(f, "two", 2);
    MacroLibrary lib(f.paths());

    QVERIFY(!lib.renameMacroIniFile(QStringLiteral("one"), QStringLiteral("two")));
    QCOMPARE(lib.loadMacroIni(QStringLiteral("one")), QStringList{"A    [Down]"});
    QCOMPARE(lib.loadMacroIniConfig(QStringLiteral("two")), (QVariantList{2, 1}));

    QVERIFY(lib.renameMacroIniFile(QStringLiteral("one"), QStringLiteral("first")));
    QVERIFY(!QFileInfo::exists(f.paths().macroFile("one")));
    QCOMPARE(lib.loadMacroIni(QStringLiteral("first")), QStringList{"A    [Down]"});
    QVERIFY(!lib.renameMacroIniFile(QStringLiteral("missing"), QStringLiteral("other")));

    QVERIFY(lib.macroExists(QStringLiteral("two")));
    QCOMPARE(lib.deleteMacroIni(QStringLiteral("two")), true);
    QVERIFY(!lib.macroExists(QStringLiteral("two")));
    QVERIFY(!QFileInfo::exists(f.paths().macroFile("two")));
    QCOMPARE(lib.deleteMacroIni(QStringLiteral("two")), false);
    QCOMPARE(lib.getMacroIniNames(), QStringList{"first.bin"});
}

void TestMacroLibrary::namesCannotLeaveTheFolder_data()
{
    QTest::addColumn<QVariant>("name");
    QTest::newRow("parent folder") << QVariant(QStringLiteral("../setting/HWDef"));
    QTest::newRow("absolute path") << QVariant(QStringLiteral("/tmp/zr-macro-escape"));
    QTest::newRow("backslash") << QVariant(QStringLiteral("..\\x"));
    QTest::newRow("dot dot") << QVariant(QStringLiteral(".."));
    QTest::newRow("empty") << QVariant(QString());
    QTest::newRow("invalid variant") << QVariant();
    QTest::newRow("map from the scene") << QVariant(QVariantMap{{"a", 1}});
    QTest::newRow("embedded NUL") << QVariant(QString("a") + QChar(0) + "b");
}

void TestMacroLibrary::namesCannotLeaveTheFolder()
{
    QFETCH(QVariant, name);
    DataFixture f;
    const QByteArray hw = "[common]\nmaxMacro=4\n";
    DataFixture::write(f.paths().hwDefFile(), hw);
    writeMacro(f, "kept", 3, {"A    [Down]"});
    PortLog log;
    MacroLibrary lib(f.paths(), log.port());

    QCOMPARE(lib.macroExists(name), false);
    QCOMPARE(lib.deleteMacroIni(name), false);
    QCOMPARE(lib.renameMacroIniFile(name, QStringLiteral("x")), false);
    QCOMPARE(lib.renameMacroIniFile(QStringLiteral("kept"), name), false);
    QCOMPARE(lib.saveMacroIni(name, {"B    [Down]"}, keyNames()), false);
    QCOMPARE(lib.setMacroIniConfig(name, {1, 1}, 0), false);
    QCOMPARE(lib.loadMacroIniFromFile(name, f.paths().macroFile("kept")), false);
    QCOMPARE(lib.saveMacroIniToFile(name, f.root() + "/out.mc"), false);
    QCOMPARE(lib.loadMacroIni(name), QStringList{});
    QCOMPARE(lib.loadMacroIniConfig(name), QVariantList{});

    QCOMPARE(DataFixture::read(f.paths().hwDefFile()), hw);
    QVERIFY(!QFileInfo::exists("/tmp/zr-macro-escape.bin"));
    QVERIFY(!QFileInfo::exists(f.root() + "/out.mc"));
    QCOMPARE(lib.getMacroIniNames(), QStringList{"kept.bin"});
    QCOMPARE(lib.loadMacroIni(QStringLiteral("kept")), QStringList{"A    [Down]"});
    QVERIFY(log.events.empty());
}

void TestMacroLibrary::linesRoundTrip_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("tags with leading blanks")
        << QStringList{"A    [Down]", "A      [Up]", "1000   [Delay]"};
    QTest::newRow("comma key and other INI specials")
        << QStringList{",    [Down]", ";    [Down]", "=      [Up]", "#    [Down]", "\"    [Down]",
                       "\\      [Up]", "[      [Up]"};
    QTest::newRow("leading and trailing blanks") << QStringList{"  Space    [Down]", "x   "};
    QTest::newRow("at sign first") << QStringList{"@Variant(nope)    [Down]", "@    [Down]"};
    QTest::newRow("non-ASCII names") << QStringList{"\u0634    [Down]", "\u4e2d      [Up]"};
    QTest::newRow("single line") << QStringList{"B    [Down]"};
    QTest::newRow("no lines") << QStringList{};
}

void TestMacroLibrary::linesRoundTrip()
{
    QFETCH(QStringList, lines);
    DataFixture f;
    writeMacro(f, "m", -1, {"old"});
    MacroLibrary lib(f.paths());
    QVERIFY(lib.saveMacroIni(QStringLiteral("m"), lines, keyNames()));
    QCOMPARE(lib.loadMacroIni(QStringLiteral("m")), lines);
}

void TestMacroLibrary::saveReplacesAllOldLines()
{
    DataFixture f;
    writeMacro(f, "m", -1, {"1", "2", "3", "4", "5"});
    MacroLibrary lib(f.paths());
    QVERIFY(lib.saveMacroIni(QStringLiteral("m"), {"a", "b"}, keyNames()));
    QSettings s(f.paths().macroFile("m"), QSettings::IniFormat);
    s.beginGroup("macro");
    QCOMPARE(s.childKeys().size(), 2);
    s.endGroup();
    QCOMPARE(s.value("config/total").toInt(), 2);
    QCOMPARE(s.value("config/index").toInt(), -1);
}

void TestMacroLibrary::saveOfMissingMacroCreatesNothing()
{
    DataFixture f;
    PortLog log;
    MacroLibrary lib(f.paths(), log.port());
    QCOMPARE(lib.saveMacroIni(QStringLiteral("ghost"), {"A    [Down]"}, keyNames()), false);
    QVERIFY(!QFileInfo::exists(f.paths().macroFile("ghost")));
    QVERIFY(log.events.empty());
}

void TestMacroLibrary::saveSendsOnlySlotsUpTo16_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("sent");
    QTest::newRow("no slot") << -1 << false;
    QTest::newRow("slot 0") << 0 << true;
    QTest::newRow("slot 16") << 16 << true;
    QTest::newRow("slot 17") << 17 << false;
    QTest::newRow("slot 200") << 200 << false;
}

void TestMacroLibrary::saveSendsOnlySlotsUpTo16()
{
    QFETCH(int, index);
    QFETCH(bool, sent);
    DataFixture f;
    writeMacro(f, "m", index);
    PortLog log;
    MacroLibrary lib(f.paths(), log.port());
    const QStringList lines{"A    [Down]", "A      [Up]"};
    QVERIFY(lib.saveMacroIni(QStringLiteral("m"), lines, keyNames()));
    QCOMPARE(lib.loadMacroIni(QStringLiteral("m")), lines);
    QCOMPARE(log.events.size(), size_t(sent ? 1 : 0));
    if (sent) {
        QCOMPARE(log.events[0].what, QStringLiteral("send"));
        QCOMPARE(log.events[0].slot, index);
        const MacroEncoder::MacroBlock &b = log.events[0].block;
        const uchar start[] = {0x01, 0x00, 0x04, 0x01, 0x04, 0x81, 0x00, 0x00, 0x00};
        for (size_t i = 0; i < sizeof start; ++i)
            QCOMPARE(b[i], start[i]);
    }
}

void TestMacroLibrary::saveOfDamagedMacroFileSavesAndSends_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("line without equals sign")
        << QByteArray("[config]\nindex=3\ntotal=1\nrepeat=2\nstray line\n[macro]\n0=x\n");
    QTest::newRow("unclosed group")
        << QByteArray("[config]\nindex=3\ntotal=1\nrepeat=2\n[macro\n0=x\n");
    QTest::newRow("cut off inside a value")
        << QByteArray("[config]\nindex=3\ntotal=1\nrepeat=2\n[macro]\n0=\"A    [Do");
}

// A macro file with a line the store cannot parse is rewritten clean by the
// save, so the save succeeds and a bound macro reaches its slot.
void TestMacroLibrary::saveOfDamagedMacroFileSavesAndSends()
{
    QFETCH(QByteArray, file);
    DataFixture f;
    QVERIFY(DataFixture::write(f.paths().macroFile("m"), file));
    PortLog log;
    MacroLibrary lib(f.paths(), log.port());
    const QStringList lines{"A    [Down]", "A      [Up]"};
    QVERIFY(lib.saveMacroIni(QStringLiteral("m"), lines, keyNames()));
    QCOMPARE(lib.loadMacroIni(QStringLiteral("m")), lines);
    QCOMPARE(log.events.size(), size_t(1));
    QCOMPARE(log.events[0].what, QStringLiteral("send"));
    QCOMPARE(log.events[0].slot, 3);
    QCOMPARE(log.events[0].block[0], uchar(0x01));
    QCOMPARE(log.events[0].block[2], uchar(0x04));
    QCOMPARE(log.events[0].block[3], uchar(0x01));

    QVERIFY(lib.setMacroIniConfig(QStringLiteral("m"), {5, 1}, 2));
    QCOMPARE(lib.loadMacroIniConfig(QStringLiteral("m")), (QVariantList{5, 1}));
}

void TestMacroLibrary::tooLongMacroWarnsThenSends()
{
    DataFixture f;
    writeMacro(f, "long", 2);
    PortLog log;
    MacroLibrary lib(f.paths(), log.port());
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << "A    [Down]" << "A      [Up]";
    QVERIFY(lib.saveMacroIni(QStringLiteral("long"), lines, keyNames()));
    QCOMPARE(log.events.size(), size_t(2));
    QCOMPARE(log.events[0].what, QStringLiteral("warn"));
    QCOMPARE(log.events[1].what, QStringLiteral("send"));
    QCOMPARE(log.events[1].slot, 2);
    QCOMPARE(log.events[1].block[126], uchar(0x04));
    QCOMPARE(log.events[1].block[127], uchar(0x01));

    const MacroSendResult r = lib.sendMacro(2, QStringLiteral("long"), keyNames());
    QVERIFY(r.tooLong);
    QCOMPARE(r.deviceForm.size(), 2 + 80 * 2 + 2);
}

void TestMacroLibrary::totalLargerThanLinesPresent()
{
    DataFixture f;
    DataFixture::write(f.paths().macroFile("m"),
                       "[config]\nindex=1\ntotal=3\n[macro]\n0=\"A    [Down]\"\n");
    MacroLibrary lib(f.paths());
    QCOMPARE(lib.loadMacroIni(QStringLiteral("m")), (QStringList{"A    [Down]", "0", "0"}));
}

void TestMacroLibrary::brokenTotalIsBounded()
{
    DataFixture f;
    DataFixture::write(f.paths().macroFile("neg"), "[config]\ntotal=-5\n");
    DataFixture::write(f.paths().macroFile("huge"), "[config]\ntotal=2147483647\n");
    DataFixture::write(f.paths().macroFile("text"), "[config]\ntotal=lots\n");
    MacroLibrary lib(f.paths());
    QCOMPARE(lib.loadMacroIni(QStringLiteral("neg")), QStringList{});
    QCOMPARE(lib.loadMacroIni(QStringLiteral("text")), QStringList{});
    QCOMPARE(lib.loadMacroIni(QStringLiteral("huge")).size(), MacroLibrary::kMaxMacroLines);
}

void TestMacroLibrary::configLoad_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QVariantList>("expected");
    QTest::newRow("written values") << QByteArray("[config]\nindex=3\nrepeat=2\n") << QVariantList{3, 2};
    QTest::newRow("absent keys") << QByteArray("[config]\ntotal=0\n") << QVariantList{-1, 1};
    QTest::newRow("not numbers") << QByteArray("[config]\nindex=x\nrepeat=\n") << QVariantList{-1, 1};
    QTest::newRow("empty file") << QByteArray() << QVariantList{-1, 1};
    QTest::newRow("binary file") << DataFixture::binaryGarbage() << QVariantList{-1, 1};
}

void TestMacroLibrary::configLoad()
{
    QFETCH(QByteArray, file);
    QFETCH(QVariantList, expected);
    DataFixture f;
    DataFixture::write(f.paths().macroFile("m"), file);
    MacroLibrary lib(f.paths());
    const QVariantList got = lib.loadMacroIniConfig(QStringLiteral("m"));
    QCOMPARE(got, expected);
    for (const QVariant &v : got)
        QCOMPARE(v.typeId(), int(QMetaType::Int));
    QCOMPARE(lib.loadMacroIniConfig(QStringLiteral("missing")), QVariantList{});
}

void TestMacroLibrary::configSet_data()
{
    QTest::addColumn<QVariantList>("config");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("repeat");
    QTest::newRow("both") << QVariantList{5, 2} << 5 << 2;
    QTest::newRow("index only") << QVariantList{5} << 5 << 3;
    QTest::newRow("empty list") << QVariantList{} << 7 << 3;
    QTest::newRow("texts") << QVariantList{"9", "1"} << 9 << 1;
    QTest::newRow("doubles from script") << QVariantList{4.0, 2.0} << 4 << 2;
    QTest::newRow("odd types leave values") << QVariantList{QVariantMap{{"a", 1}}, QVariant()} << 7 << 3;
    QTest::newRow("extra items ignored") << QVariantList{1, 2, 3, 4} << 1 << 2;
    QTest::newRow("no slot") << QVariantList{-1, 1} << -1 << 1;
}

void TestMacroLibrary::configSet()
{
    QFETCH(QVariantList, config);
    QFETCH(int, index);
    QFETCH(int, repeat);
    DataFixture f;
    writeMacro(f, "m", 7, {"A    [Down]"}, 3);
    MacroLibrary lib(f.paths());
    QVERIFY(lib.setMacroIniConfig(QStringLiteral("m"), config, 1));
    QCOMPARE(lib.loadMacroIniConfig(QStringLiteral("m")), (QVariantList{index, repeat}));
    QSettings s(f.paths().macroFile("m"), QSettings::IniFormat);
    QCOMPARE(s.value("config/did").toString(), QStringLiteral("1"));
    QCOMPARE(lib.loadMacroIni(QStringLiteral("m")), QStringList{"A    [Down]"});
}

void TestMacroLibrary::configSetOnMissingMacroCreatesNothing()
{
    DataFixture f;
    MacroLibrary lib(f.paths());
    QCOMPARE(lib.setMacroIniConfig(QStringLiteral("ghost"), {1, 1}, 0), false);
    QVERIFY(!QFileInfo::exists(f.paths().macroFile("ghost")));
}

void TestMacroLibrary::sendSlotAndName_data()
{
    QTest::addColumn<QVariant>("macroId");
    QTest::addColumn<int>("slot");
    QTest::newRow("int") << QVariant(5) << 5;
    QTest::newRow("text") << QVariant(QStringLiteral("5")) << 5;
    QTest::newRow("double") << QVariant(5.0) << 5;
    QTest::newRow("low 8 bits") << QVariant(300) << 44;
    QTest::newRow("not a number") << QVariant(QStringLiteral("five")) << -1;
    QTest::newRow("invalid") << QVariant() << -1;
}

void TestMacroLibrary::sendSlotAndName()
{
    QFETCH(QVariant, macroId);
    QFETCH(int, slot);
    DataFixture f;
    PortLog log;
    MacroLibrary lib(f.paths(), log.port());
    // A missing macro sends the empty macro: start and end words only.
    const MacroSendResult r = lib.sendMacro(macroId, QStringLiteral("missing"), keyNames());
    QCOMPARE(r.sent, slot >= 0);
    QCOMPARE(log.events.size(), size_t(slot >= 0 ? 1 : 0));
    if (slot >= 0) {
        QCOMPARE(log.events[0].slot, slot);
        const MacroEncoder::MacroBlock expected{0x01, 0x00, 0x00, 0x00};
        QVERIFY(log.events[0].block == expected);
    }
}

void TestMacroLibrary::importReplacesMacro()
{
    DataFixture f;
    writeMacro(f, "m", 1, {"A    [Down]"});
    const QString source = f.root() + "/chosen.mc";
    DataFixture::write(source, "[config]\nindex=4\ntotal=1\nrepeat=2\n[macro]\n0=\"B      [Up]\"\n");
    MacroLibrary lib(f.paths());
    QVERIFY(lib.loadMacroIniFromFile(QStringLiteral("m"), source));
    QCOMPARE(DataFixture::read(f.paths().macroFile("m")), DataFixture::read(source));
    QCOMPARE(lib.loadMacroIni(QStringLiteral("m")), QStringList{"B      [Up]"});
    QCOMPARE(lib.loadMacroIniConfig(QStringLiteral("m")), (QVariantList{4, 2}));

    // Into a macro that does not exist nothing happens.
    QCOMPARE(lib.loadMacroIniFromFile(QStringLiteral("ghost"), source), false);
    QVERIFY(!QFileInfo::exists(f.paths().macroFile("ghost")));
}

void TestMacroLibrary::importOfUnusableFileKeepsMacro_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *k : {"missing", "empty", "binary", "folder", "huge", "no macro keys", "no name"})
        QTest::newRow(k) << QString::fromLatin1(k);
}

void TestMacroLibrary::importOfUnusableFileKeepsMacro()
{
    QFETCH(QString, kind);
    DataFixture f;
    writeMacro(f, "m", 1, {"A    [Down]"});
    const QByteArray before = DataFixture::read(f.paths().macroFile("m"));
    const QString source = DataFixture::unusableImport(f.root() + "/chosen.mc", kind, "[config]\nindex=1\n");
    if (kind == "no macro keys")
        DataFixture::write(source, "[color]\nledType=1, 2, 3\n");
    MacroLibrary lib(f.paths());
    QCOMPARE(lib.loadMacroIniFromFile(QStringLiteral("m"), source), false);
    QCOMPARE(DataFixture::read(f.paths().macroFile("m")), before);
    QCOMPARE(lib.loadMacroIni(QStringLiteral("m")), QStringList{"A    [Down]"});
}

void TestMacroLibrary::exportCopiesAndReplaces()
{
    DataFixture f;
    writeMacro(f, "m", 1, {"A    [Down]"});
    MacroLibrary lib(f.paths());
    const QString dest = f.root() + "/export.mc";
    QVERIFY(lib.saveMacroIniToFile(QStringLiteral("m"), dest));
    QCOMPARE(DataFixture::read(dest), DataFixture::read(f.paths().macroFile("m")));

    DataFixture::write(dest, "an older export");
    QVERIFY(lib.saveMacroIniToFile(QStringLiteral("m"), dest));
    QCOMPARE(DataFixture::read(dest), DataFixture::read(f.paths().macroFile("m")));
}

void TestMacroLibrary::failedExportKeepsDestination_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *k : {"destination is a folder", "destination under a file", "macro missing"})
        QTest::newRow(k) << QString::fromLatin1(k);
}

void TestMacroLibrary::failedExportKeepsDestination()
{
    QFETCH(QString, kind);
    DataFixture f;
    writeMacro(f, "m", 1, {"A    [Down]"});
    MacroLibrary lib(f.paths());
    const QString plain = f.root() + "/plain.mc";
    DataFixture::write(plain, "user's own file");
    if (kind == "destination is a folder") {
        const QString folder = f.root() + "/folder.mc";
        QDir().mkpath(folder);
        DataFixture::write(folder + "/inside", "kept");
        QCOMPARE(lib.saveMacroIniToFile(QStringLiteral("m"), folder), false);
        QCOMPARE(DataFixture::read(folder + "/inside"), QByteArray("kept"));
    } else if (kind == "destination under a file") {
        QCOMPARE(lib.saveMacroIniToFile(QStringLiteral("m"), plain + "/x.mc"), false);
    } else {
        QCOMPARE(lib.saveMacroIniToFile(QStringLiteral("ghost"), plain), false);
    }
    QCOMPARE(DataFixture::read(plain), QByteArray("user's own file"));
}

void TestMacroLibrary::initKeepsFirstOfTwoFilesForOneSlot()
{
    DataFixture f;
    writeMacro(f, "Macro. 001", 2, {"A    [Down]"});
    writeMacro(f, "Macro. 005", 2, {"B    [Down]"});
    writeMacro(f, "unbound", -1);
    writeMacro(f, "too high", 9);
    MacroLibrary lib(f.paths());
    lib.initMacroIni(4);

    const QStringList names = lib.getMacroIniNames();
    QCOMPARE(names.size(), 4);
    QVERIFY(names.contains("Macro. 001.bin"));
    QVERIFY(!names.contains("Macro. 005.bin"));
    QVERIFY(!names.contains("unbound.bin"));
    QVERIFY(!names.contains("too high.bin"));
    QList<int> claimed;
    for (const QString &n : names)
        claimed << indexOf(f, n);
    std::sort(claimed.begin(), claimed.end());
    QCOMPARE(claimed, (QList<int>{0, 1, 2, 3}));
    // The kept macro is untouched.
    QCOMPARE(lib.loadMacroIni(QStringLiteral("Macro. 001")), QStringList{"A    [Down]"});
    QCOMPARE(indexOf(f, "Macro. 001.bin"), 2);
}

void TestMacroLibrary::initFillsEmptyLibrary()
{
    DataFixture f;
    MacroLibrary lib(f.paths());
    lib.initMacroIni(3);
    QCOMPARE(lib.getMacroIniNames(), (QStringList{"Macro. 001.bin", "Macro. 002.bin", "Macro. 003.bin"}));
    for (int n = 1; n <= 3; ++n) {
        const QString name = MacroLibrary::numberedName(n);
        QCOMPARE(lib.loadMacroIniConfig(name), (QVariantList{n - 1, 1}));
        QCOMPARE(lib.loadMacroIni(name), QStringList{});
    }
    // Running it again changes nothing.
    lib.initMacroIni(3);
    QCOMPARE(lib.getMacroIniNames().size(), 3);
}

void TestMacroLibrary::initRemovesMacrosWithoutSlot()
{
    DataFixture f;
    MacroLibrary lib(f.paths());
    lib.initMacroIni(2);
    const QString made = lib.createMacroIni();
    QCOMPARE(made, QStringLiteral("Macro. 003"));
    // Files claiming a taken slot lose to the one first in case-blind name
    // order ("A", "b" before "Macro. ..."); the macro without a slot goes too.
    writeMacro(f, "b", 0);
    writeMacro(f, "A", 1);
    lib.initMacroIni(2);
    QCOMPARE(lib.getMacroIniNames(), (QStringList{"A.bin", "b.bin"}));
    QCOMPARE(indexOf(f, "A.bin"), 1);
    QCOMPARE(indexOf(f, "b.bin"), 0);
}

void TestMacroLibrary::initWithNoSlotsEmptiesLibrary()
{
    DataFixture f;
    writeMacro(f, "Macro. 001", 0);
    writeMacro(f, "Macro. 002", 1);
    MacroLibrary lib(f.paths());
    lib.initMacroIni(0);
    QCOMPARE(lib.getMacroIniNames(), QStringList{});
}

QTEST_GUILESS_MAIN(TestMacroLibrary)
#include "tst_macro_library.moc"
