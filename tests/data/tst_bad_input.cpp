// Every reader of the data layer against damaged files: missing, empty,
// cut off in the middle, binary and oversized. Nothing may crash or hang,
// and a damaged file reads as what it still validly holds, or as absent.
#include "data/app_config.h"
#include "data/hardware_definition.h"
#include "data/language_packs.h"
#include "data/macro_library.h"
#include "data/profile_stores.h"
#include "data/safe_file.h"
#include "data_fixture.h"

#include <QTest>

#include <functional>

namespace {

struct Reader
{
    QString (*file)(const DataPaths &);
    QByteArray good;
    QByteArray truncated; // the good file cut off in the middle
    std::function<QVariant(const DataPaths &)> read;
};

QMap<QString, Reader> readers()
{
    QMap<QString, Reader> r;
    r["limits"] = {[](const DataPaths &p) { return p.hwDefFile(); },
                   "[common]\nkbLayoutType=0\nmaxMacro=17\nmaxProfile=3\n", "[common]\nkbLayoutType=0\nmaxMacro=17\nmaxPro", [](const DataPaths &p) {
                       const HardwareLimits l = HardwareDefinition(p).readLimits();
                       return QVariant(QVariantList{l.kbLayoutType, l.maxMacro, l.maxProfile});
                   }};
    r["layout"] = {[](const DataPaths &p) { return p.hwDefFile(); },
                   "[0]\ntotal_HW=2\ntotal_FW=128\n1=10, 20, 1, Esc, 41, 41\n2=30, 40, 1, F1, 42, 58\n",
                   "[0]\ntotal_HW=2\ntotal_FW=128\n1=10, 20, 1, Esc, 41, 41\n2=30, 40",
                   [](const DataPaths &p) { return QVariant(HardwareDefinition(p).loadHWDef(0)); }};
    r["key names"] = {[](const DataPaths &p) { return p.keyCodeDefFile(); },
                      "[common]\nusbStr=A, B, C\nusbCode=4, 5, 6\n", "[common]\nusbStr=A, B, C\nusbCo",
                      [](const DataPaths &p) { return QVariant(HardwareDefinition(p).loadUsbStr()); }};
    r["language pack"] = {[](const DataPaths &p) { return p.languageFile("031000"); },
                          "[font]\nfamily=Arial\ntotal=2\n[strings]\n1=ONE\n2=TWO\n",
                          "[font]\nfamily=Arial\ntotal=2\n[strings]\n1=ONE\n2=T", [](const DataPaths &p) {
                              LanguagePacks packs(p);
                              return QVariant(packs.getGlobalStrings("031000"));
                          }};
    r["macro"] = {[](const DataPaths &p) { return p.macroFile("m"); },
                  "[config]\nindex=1\ntotal=2\n[macro]\n0=\"A    [Down]\"\n1=\"A      [Up]\"\n",
                  "[config]\nindex=1\ntotal=2\n[macro]\n0=\"A    [Down]\"\n1",
                  [](const DataPaths &p) { return QVariant(MacroLibrary(p).loadMacroIni(QStringLiteral("m"))); }};
    r["factory profile"] = {[](const DataPaths &p) { return p.defaultProfileFile(); },
                            "[color]\ncolor=1, 2, 3\n", "[color]\ncolor=1, 2", [](const DataPaths &p) {
                                return ProfileStores(p, 0).loadDefaultProfile("color/color");
                            }};
    r["configuration"] = {[](const DataPaths &p) { return p.apConfigFile(); },
                          "[common]\ntotal=2\n0=a\n1=b\n", "[common]\ntotal=2\n0=a\n1",
                          [](const DataPaths &p) { return QVariant(AppConfig(p).loadApConfig()); }};
    return r;
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void damagedFile_data();
    void damagedFile();
};

void TestBadInput::damagedFile_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QVariant>("expected");

    const QVariant noLimits = QVariantList{0, 0, 0};
    const QVariant noLayout = QVariantList{0, 0};
    const QVariant noNames = QVariantList{};
    const QVariant noStrings = QStringList{""};
    const QVariant noLines = QStringList{};
    const QVariant noValue;
    const QVariant noList = QVariantList{};

    const struct
    {
        const char *reader;
        QVariant good, truncated, absent;
    } cases[] = {
        {"limits", QVariantList{0, 17, 3}, QVariantList{0, 17, 0}, noLimits},
        {"layout", QVariantList{2, 128, 10, 20, 1, "Esc", 41, 41u, 30, 40, 1, "F1", 42, 58u},
         QVariantList{1, 128, 10, 20, 1, "Esc", 41, 41u}, noLayout},
        {"key names", QVariantList{"A", "B", "C"}, QVariantList{"A", "B", "C"}, noNames},
        {"language pack", QStringList{"Arial", "ONE", "TWO"}, QStringList{"Arial", "ONE", "T"}, noStrings},
        {"macro", QStringList{"A    [Down]", "A      [Up]"}, QStringList{"A    [Down]", "0"}, noLines},
        {"factory profile", QStringList{"1", "2", "3"}, QStringList{"1", "2"}, noValue},
        {"configuration", QVariantList{"a", "b"}, QVariantList{"a", 0}, noList},
    };
    for (const auto &c : cases) {
        const QString r = QString::fromLatin1(c.reader);
        QTest::addRow("%s, intact", c.reader) << r << "intact" << c.good;
        QTest::addRow("%s, missing", c.reader) << r << "missing" << c.absent;
        QTest::addRow("%s, empty", c.reader) << r << "empty" << c.absent;
        QTest::addRow("%s, truncated", c.reader) << r << "truncated" << c.truncated;
        QTest::addRow("%s, binary", c.reader) << r << "binary" << c.absent;
        QTest::addRow("%s, folder", c.reader) << r << "folder" << c.absent;
        // The configuration store stays open for the whole run and reads a
        // large file whole; the short-lived readers refuse it.
        QTest::addRow("%s, huge", c.reader) << r << "huge" << (r == "configuration" ? c.good : c.absent);
    }
}

void TestBadInput::damagedFile()
{
    QFETCH(QString, reader);
    QFETCH(QString, damage);
    QFETCH(QVariant, expected);
    const Reader r = readers().value(reader);
    QVERIFY(r.read);
    DataFixture f;
    const QString path = r.file(f.paths());
    if (damage == "intact")
        DataFixture::write(path, r.good);
    else if (damage == "empty")
        DataFixture::write(path, QByteArray());
    else if (damage == "truncated")
        DataFixture::write(path, r.truncated);
    else if (damage == "binary")
        DataFixture::write(path, DataFixture::binaryGarbage(64 * 1024));
    else if (damage == "folder")
        QDir().mkpath(path);
    else if (damage == "huge")
        DataFixture::write(path, DataFixture::hugeIni(r.good, SafeFile::kMaxDataFileBytes + 1024));
    QCOMPARE(r.read(f.paths()), expected);
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_bad_input.moc"
