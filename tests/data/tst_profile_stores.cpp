#include "data/profile_stores.h"
#include "data_fixture.h"

#include <QDirIterator>
#include <QSettings>
#include <QTest>

#include <algorithm>
#include <climits>

namespace {

QByteArray factoryProfile()
{
    QByteArray p = "[color]\nledType=1, 2, 3, 0, 0, 1, 1\ncolor=";
    for (int i = 0; i < 21; ++i)
        p += QByteArray::number(i * 10) + (i < 20 ? ", " : "\n");
    p += "[combokey]\n0=0, 0\n1=0, 0\n[keydefine0]\n0=41, 0\n1=58, 0\n[sensor]\nreportRate_T8=1\n";
    return p;
}

QByteArray userProfile(int tag)
{
    return "[color]\nledType=" + QByteArray::number(tag) + ", 9, 9, 9, 9, 9, 9\n[keydefine0]\n0=4, 0\n";
}

// Every file under the fixture with its bytes, to show that nothing changed.
QMap<QString, QByteArray> snapshot(const DataFixture &f)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(f.root(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, QFileInfo(path).isDir() ? QByteArray("<dir>") : DataFixture::read(path));
    }
    return files;
}

QString ledTypeOf(QSettings *store)
{
    return store ? store->value("color/ledType").toStringList().join(",") : QStringLiteral("<none>");
}

} // namespace

class TestProfileStores : public QObject
{
    Q_OBJECT

private slots:
    void opensOneStorePerProfile_data();
    void opensOneStorePerProfile();
    void outOfRangeIndexTouchesNoFile_data();
    void outOfRangeIndexTouchesNoFile();
    void exportReplacesExistingFileAndIncludesPendingChanges();
    void failedExportKeepsDestination_data();
    void failedExportKeepsDestination();
    void importReplacesFileAndKeepsListPosition();
    void importedStoreWritesToTheNewFile();
    void importOfUnusableFileKeepsProfile_data();
    void importOfUnusableFileKeepsProfile();
    void importOntoUnwritableProfileFails();
    void repeatedReplacementsAreAlwaysSeen();
    void resetMakesFactoryCopy();
    void resetWithoutFactoryProfileKeepsProfile();
    void defaultProfileValues();
};

void TestProfileStores::opensOneStorePerProfile_data()
{
    QTest::addColumn<int>("maxProfile");
    QTest::newRow("none") << 0;
    QTest::newRow("three") << 3;
    QTest::newRow("ten") << 10;
    QTest::newRow("more than ten") << 15;
    QTest::newRow("negative") << -2;
}

void TestProfileStores::opensOneStorePerProfile()
{
    QFETCH(int, maxProfile);
    DataFixture f;
    const auto before = snapshot(f);
    ProfileStores profiles(f.paths(), maxProfile);
    const int expected = std::clamp(maxProfile, 0, 10);
    QCOMPARE(profiles.count(), expected);
    for (int i = 0; i < expected; ++i) {
        QVERIFY(profiles.store(i));
        QCOMPARE(QFileInfo(profiles.store(i)->fileName()).fileName(), QString("p%1.bin").arg(i + 1));
    }
    QCOMPARE(profiles.store(-1), nullptr);
    QCOMPARE(profiles.store(expected), nullptr);
    // Opening creates nothing on disk.
    QCOMPARE(snapshot(f), before);
}

void TestProfileStores::outOfRangeIndexTouchesNoFile_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("count") << 3;
    QTest::newRow("100") << 100;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void TestProfileStores::outOfRangeIndexTouchesNoFile()
{
    QFETCH(int, index);
    DataFixture f;
    for (int n = 1; n <= 4; ++n)
        DataFixture::write(f.paths().profileFile(n), userProfile(n));
    DataFixture::write(f.paths().defaultProfileFile(), factoryProfile());
    const QString source = f.root() + "/chosen.pf";
    DataFixture::write(source, factoryProfile());
    ProfileStores profiles(f.paths(), 3);
    const auto before = snapshot(f);

    QCOMPARE(profiles.saveProfile(index, f.root() + "/out.pf"), false);
    QCOMPARE(profiles.loadProfile(index, source), false);
    QCOMPARE(profiles.resetProfile(index), false);
    QCOMPARE(profiles.fileName(index), QString());
    QCOMPARE(snapshot(f), before);
}

void TestProfileStores::exportReplacesExistingFileAndIncludesPendingChanges()
{
    DataFixture f;
    DataFixture::write(f.paths().profileFile(2), userProfile(2));
    ProfileStores profiles(f.paths(), 3);
    profiles.store(1)->setValue("color/color", QVariantList{255, 0, 0});
    const QString dest = f.root() + "/export.pf";
    DataFixture::write(dest, "an earlier export");
    QVERIFY(profiles.saveProfile(1, dest));
    QCOMPARE(DataFixture::read(dest), DataFixture::read(f.paths().profileFile(2)));
    QSettings exported(dest, QSettings::IniFormat);
    QCOMPARE(exported.value("color/color").toStringList(), (QStringList{"255", "0", "0"}));
    QCOMPARE(exported.value("color/ledType").toStringList().first(), QStringLiteral("2"));
}

void TestProfileStores::failedExportKeepsDestination_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *k : {"profile file missing", "destination is a folder", "destination under a file",
                          "no destination"})
        QTest::newRow(k) << QString::fromLatin1(k);
}

void TestProfileStores::failedExportKeepsDestination()
{
    QFETCH(QString, kind);
    DataFixture f;
    DataFixture::write(f.paths().profileFile(1), userProfile(1));
    ProfileStores profiles(f.paths(), 2);
    const QString plain = f.root() + "/mine.pf";
    DataFixture::write(plain, "user's own file");
    const QString folder = f.root() + "/folder.pf";
    QDir().mkpath(folder);
    DataFixture::write(folder + "/inside", "kept");
    if (kind == "profile file missing")
        QCOMPARE(profiles.saveProfile(1, plain), false);
    else if (kind == "destination is a folder")
        QCOMPARE(profiles.saveProfile(0, folder), false);
    else if (kind == "destination under a file")
        QCOMPARE(profiles.saveProfile(0, plain + "/x.pf"), false);
    else
        QCOMPARE(profiles.saveProfile(0, QString()), false);
    QCOMPARE(DataFixture::read(plain), QByteArray("user's own file"));
    QCOMPARE(DataFixture::read(folder + "/inside"), QByteArray("kept"));
    QCOMPARE(DataFixture::read(f.paths().profileFile(1)), userProfile(1));
}

void TestProfileStores::importReplacesFileAndKeepsListPosition()
{
    DataFixture f;
    for (int n = 1; n <= 3; ++n)
        DataFixture::write(f.paths().profileFile(n), userProfile(n));
    const QString source = f.root() + "/chosen.pf";
    DataFixture::write(source, factoryProfile());
    ProfileStores profiles(f.paths(), 3);
    QSettings *first = profiles.store(0);
    QSettings *second = profiles.store(1);
    // A change not yet on disk must not reach the imported file.
    profiles.store(2)->setValue("sensor/reportRate_T8", 99);

    QVERIFY(profiles.loadProfile(2, source));
    QCOMPARE(DataFixture::read(f.paths().profileFile(3)), factoryProfile());
    QCOMPARE(profiles.count(), 3);
    QCOMPARE(profiles.store(0), first);
    QCOMPARE(profiles.store(1), second);
    QCOMPARE(QFileInfo(profiles.store(2)->fileName()).fileName(), QStringLiteral("p3.bin"));
    QCOMPARE(ledTypeOf(profiles.store(2)), QStringLiteral("1,2,3,0,0,1,1"));
    QCOMPARE(profiles.store(2)->value("sensor/reportRate_T8").toString(), QStringLiteral("1"));
    QCOMPARE(ledTypeOf(profiles.store(0)), QStringLiteral("1,9,9,9,9,9,9"));
    QCOMPARE(DataFixture::read(f.paths().profileFile(1)), userProfile(1));
}

void TestProfileStores::importedStoreWritesToTheNewFile()
{
    DataFixture f;
    DataFixture::write(f.paths().profileFile(1), userProfile(1));
    const QString source = f.root() + "/chosen.pf";
    DataFixture::write(source, factoryProfile());
    ProfileStores profiles(f.paths(), 1);
    QVERIFY(profiles.loadProfile(0, source));
    profiles.store(0)->setValue("color/ledType", QVariantList{5, 5, 5, 5, 5, 5, 5});
    profiles.store(0)->sync();
    QSettings raw(f.paths().profileFile(1), QSettings::IniFormat);
    QCOMPARE(raw.value("color/ledType").toStringList().join(","), QStringLiteral("5,5,5,5,5,5,5"));
    QCOMPARE(raw.value("keydefine0/1").toStringList(), (QStringList{"58", "0"}));
    // The source the user chose is left alone.
    QCOMPARE(DataFixture::read(source), factoryProfile());
}

void TestProfileStores::importOfUnusableFileKeepsProfile_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *k : {"missing", "empty", "binary", "folder", "huge", "no profile keys", "truncated",
                          "no name"})
        QTest::newRow(k) << QString::fromLatin1(k);
}

void TestProfileStores::importOfUnusableFileKeepsProfile()
{
    QFETCH(QString, kind);
    DataFixture f;
    DataFixture::write(f.paths().profileFile(1), userProfile(1));
    const QString source = DataFixture::unusableImport(f.root() + "/chosen.pf", kind, factoryProfile());
    if (kind == "no profile keys")
        DataFixture::write(source, "[config]\nindex=1\ntotal=0\n");
    else if (kind == "truncated")
        DataFixture::write(source, factoryProfile().left(factoryProfile().indexOf("[keydefine0]") + 7));
    ProfileStores profiles(f.paths(), 1);
    QCOMPARE(profiles.loadProfile(0, source), false);
    QCOMPARE(DataFixture::read(f.paths().profileFile(1)), userProfile(1));
    QCOMPARE(ledTypeOf(profiles.store(0)), QStringLiteral("1,9,9,9,9,9,9"));
}

void TestProfileStores::importOntoUnwritableProfileFails()
{
    DataFixture f;
    const QString source = f.root() + "/chosen.pf";
    DataFixture::write(source, factoryProfile());
    // p1.bin is a folder: nothing can be written there, whoever runs the test.
    QDir().mkpath(f.paths().profileFile(1));
    DataFixture::write(f.paths().profileFile(1) + "/inside", "kept");
    ProfileStores profiles(f.paths(), 2);
    QCOMPARE(profiles.loadProfile(0, source), false);
    QCOMPARE(DataFixture::read(f.paths().profileFile(1) + "/inside"), QByteArray("kept"));
    QVERIFY(profiles.store(0));
    QVERIFY(profiles.loadProfile(1, source));
    QCOMPARE(ledTypeOf(profiles.store(1)), QStringLiteral("1,2,3,0,0,1,1"));
}

void TestProfileStores::repeatedReplacementsAreAlwaysSeen()
{
    // Two profiles of the same size imported back to back, faster than the
    // file system's clock moves on: every store must read what was imported.
    DataFixture f;
    const QString a = f.root() + "/a.pf";
    const QString b = f.root() + "/b.pf";
    DataFixture::write(a, userProfile(1));
    DataFixture::write(b, userProfile(2));
    QCOMPARE(QFileInfo(a).size(), QFileInfo(b).size());
    ProfileStores profiles(f.paths(), 1);
    for (int round = 0; round < 40; ++round) {
        QVERIFY(profiles.loadProfile(0, a));
        QCOMPARE(ledTypeOf(profiles.store(0)), QStringLiteral("1,9,9,9,9,9,9"));
        QVERIFY(profiles.loadProfile(0, b));
        QCOMPARE(ledTypeOf(profiles.store(0)), QStringLiteral("2,9,9,9,9,9,9"));
    }
}

void TestProfileStores::resetMakesFactoryCopy()
{
    DataFixture f;
    DataFixture::write(f.paths().profileFile(1), userProfile(1));
    DataFixture::write(f.paths().defaultProfileFile(), factoryProfile());
    ProfileStores profiles(f.paths(), 2);
    QVERIFY(profiles.resetProfile(0));
    QCOMPARE(DataFixture::read(f.paths().profileFile(1)), factoryProfile());
    QCOMPARE(ledTypeOf(profiles.store(0)), QStringLiteral("1,2,3,0,0,1,1"));
    // A profile whose file never existed is reset the same way.
    QVERIFY(profiles.resetProfile(1));
    QCOMPARE(DataFixture::read(f.paths().profileFile(2)), factoryProfile());
    QCOMPARE(DataFixture::read(f.paths().defaultProfileFile()), factoryProfile());
}

void TestProfileStores::resetWithoutFactoryProfileKeepsProfile()
{
    DataFixture f;
    DataFixture::write(f.paths().profileFile(1), userProfile(1));
    ProfileStores profiles(f.paths(), 1);
    QCOMPARE(profiles.resetProfile(0), false);
    QCOMPARE(DataFixture::read(f.paths().profileFile(1)), userProfile(1));
    QCOMPARE(ledTypeOf(profiles.store(0)), QStringLiteral("1,9,9,9,9,9,9"));
    DataFixture::write(f.paths().defaultProfileFile(), DataFixture::binaryGarbage());
    QCOMPARE(profiles.resetProfile(0), false);
    QCOMPARE(DataFixture::read(f.paths().profileFile(1)), userProfile(1));
}

void TestProfileStores::defaultProfileValues()
{
    DataFixture f;
    ProfileStores profiles(f.paths(), 1);
    QVERIFY(!profiles.loadDefaultProfile("color/color").isValid());

    DataFixture::write(f.paths().defaultProfileFile(),
                       factoryProfile() + "[userPicture]\n0=@Variant(\\0\\0\\0\\t\\0\\0\\0\\x1\\0\\0\\0\\x2\\0\\0\\0\\x5)\n");
    const QVariant color = profiles.loadDefaultProfile("color/color");
    QCOMPARE(color.typeId(), int(QMetaType::QStringList));
    QCOMPARE(color.toStringList().size(), 21);
    QCOMPARE(color.toStringList().at(20), QStringLiteral("200"));
    QVERIFY(!profiles.loadDefaultProfile("color/absent").isValid());
    QCOMPARE(profiles.loadDefaultProfile("sensor/reportRate_T8").toString(), QStringLiteral("1"));
    // A one-item list in the store's binary form (as Qt 4 wrote it) comes back as a list.
    QCOMPARE(profiles.loadDefaultProfile("userPicture/0").toList(), QVariantList{5});
}

QTEST_GUILESS_MAIN(TestProfileStores)
#include "tst_profile_stores.moc"
