#include "data/ini_value.h"
#include "data/safe_file.h"
#include "data_fixture.h"

#include <QSettings>
#include <QTest>

#include <limits>

class TestFileHelpers : public QObject
{
    Q_OBJECT

private slots:
    void integers_data();
    void integers();
    void textLists_data();
    void textLists();
    void storeQuirksRoundTrip();
    void replaceCreatesAndReplaces();
    void failedReplaceKeepsDestination_data();
    void failedReplaceKeepsDestination();
    void replaceWithItselfKeepsContents();
    void largeFileCopiesWhole();
    void storesSeeEveryReplacement();
};

void TestFileHelpers::integers_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<qlonglong>("number");
    QTest::newRow("int") << QVariant(5) << true << 5LL;
    QTest::newRow("text") << QVariant(QStringLiteral("42")) << true << 42LL;
    QTest::newRow("text with blanks") << QVariant(QStringLiteral(" 7 ")) << true << 7LL;
    QTest::newRow("negative text") << QVariant(QStringLiteral("-3")) << true << -3LL;
    QTest::newRow("hex text is no decimal") << QVariant(QStringLiteral("0x10")) << false << 0LL;
    QTest::newRow("decimal point") << QVariant(QStringLiteral("1.5")) << false << 0LL;
    QTest::newRow("double truncates") << QVariant(-2.9) << true << -2LL;
    QTest::newRow("infinite double") << QVariant(std::numeric_limits<double>::infinity()) << false << 0LL;
    QTest::newRow("NaN") << QVariant(std::numeric_limits<double>::quiet_NaN()) << false << 0LL;
    QTest::newRow("bool") << QVariant(true) << true << 1LL;
    QTest::newRow("invalid") << QVariant() << false << 0LL;
    QTest::newRow("list") << QVariant(QStringList{"1", "2"}) << false << 0LL;
    QTest::newRow("map") << QVariant(QVariantMap{{"a", 1}}) << false << 0LL;
    QTest::newRow("too large ulonglong") << QVariant(std::numeric_limits<qulonglong>::max()) << false << 0LL;
}

void TestFileHelpers::integers()
{
    QFETCH(QVariant, value);
    QFETCH(bool, isNumber);
    QFETCH(qlonglong, number);
    const auto n = IniValue::toInteger(value);
    QCOMPARE(n.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*n, number);
    QCOMPARE(IniValue::toInt(value, -77), isNumber ? int(number) : -77);
}

void TestFileHelpers::textLists_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("text");
    QTest::newRow("string list") << QVariant(QStringList{"a", "b"}) << QStringList{"a", "b"} << "a, b";
    QTest::newRow("variant list") << QVariant(QVariantList{1, "x"}) << QStringList{"1", "x"} << "1, x";
    QTest::newRow("lone text") << QVariant(QStringLiteral("one")) << QStringList{"one"} << "one";
    QTest::newRow("empty text") << QVariant(QString()) << QStringList{} << "";
    QTest::newRow("invalid") << QVariant() << QStringList{} << "";
    QTest::newRow("number") << QVariant(3) << QStringList{"3"} << "3";
}

void TestFileHelpers::textLists()
{
    QFETCH(QVariant, value);
    QFETCH(QStringList, list);
    QFETCH(QString, text);
    QCOMPARE(IniValue::toTextList(value), list);
    QCOMPARE(IniValue::toText(value), text);
}

void TestFileHelpers::storeQuirksRoundTrip()
{
    // What the store writes and what a later run reads back.
    DataFixture f;
    const QString path = f.root() + "/quirks.ini";
    {
        QSettings s(path, QSettings::IniFormat);
        s.setValue("g/list", QVariantList{1, 2, 3});
        s.setValue("g/one", QVariantList{7});
        s.setValue("g/empty", QVariantList{});
        s.setValue("g/int", 5);
        s.setValue("g/comma", QStringLiteral("b,c"));
    }
    DataFixture::readAsNewRun(path);
    QSettings s(path, QSettings::IniFormat);
    QCOMPARE(IniValue::toTextList(s.value("g/list")), (QStringList{"1", "2", "3"}));
    QCOMPARE(IniValue::toTextList(s.value("g/one")), QStringList{"7"});
    QCOMPARE(IniValue::toTextList(s.value("g/empty")), QStringList{});
    QCOMPARE(IniValue::toInt(s.value("g/int")), 5);
    QCOMPARE(s.value("g/int").typeId(), int(QMetaType::QString));
    QCOMPARE(IniValue::toText(s.value("g/comma")), QStringLiteral("b,c"));
    QCOMPARE(IniValue::toTextList(s.value("g/comma")), QStringList{"b,c"});
}

void TestFileHelpers::replaceCreatesAndReplaces()
{
    DataFixture f;
    const QString src = f.root() + "/src";
    const QString dst = f.root() + "/sub/dst";
    QDir().mkpath(f.root() + "/sub");
    DataFixture::write(src, "new contents");
    QVERIFY(SafeFile::replaceWithCopy(src, dst));
    QCOMPARE(DataFixture::read(dst), QByteArray("new contents"));
    DataFixture::write(src, "newer");
    QVERIFY(SafeFile::replaceWithCopy(src, dst));
    QCOMPARE(DataFixture::read(dst), QByteArray("newer"));
    // No temporary file is left beside it.
    QCOMPARE(QDir(f.root() + "/sub").entryList(QDir::Files | QDir::Hidden), QStringList{"dst"});
}

void TestFileHelpers::failedReplaceKeepsDestination_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *k : {"source missing", "source is a folder", "source too large", "destination is a folder",
                          "destination under a file", "empty source name"})
        QTest::newRow(k) << QString::fromLatin1(k);
}

void TestFileHelpers::failedReplaceKeepsDestination()
{
    QFETCH(QString, kind);
    DataFixture f;
    const QString userFile = f.root() + "/dst";
    DataFixture::write(userFile, "user data");
    QString src = f.root() + "/src";
    QString dst = userFile;
    qint64 limit = SafeFile::kMaxDataFileBytes;
    if (kind == "source is a folder") {
        QDir().mkpath(src);
    } else if (kind == "source too large") {
        DataFixture::write(src, QByteArray(4096, 'x'));
        limit = 1024;
    } else if (kind == "destination is a folder") {
        DataFixture::write(src, "x");
        dst = f.root() + "/folder";
        QDir().mkpath(dst);
        DataFixture::write(dst + "/inside", "kept");
    } else if (kind == "destination under a file") {
        DataFixture::write(src, "x");
        dst = userFile + "/below";
    } else if (kind == "empty source name") {
        src.clear();
    }
    const QStringList before = QDir(f.root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(SafeFile::replaceWithCopy(src, dst, limit), false);
    QCOMPARE(DataFixture::read(userFile), QByteArray("user data"));
    if (kind == "destination is a folder")
        QCOMPARE(DataFixture::read(dst + "/inside"), QByteArray("kept"));
    // Nothing half-written is left behind.
    QCOMPARE(QDir(f.root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
}

void TestFileHelpers::replaceWithItselfKeepsContents()
{
    DataFixture f;
    const QString path = f.root() + "/same";
    DataFixture::write(path, "keep me");
    QVERIFY(SafeFile::replaceWithCopy(path, path));
    QCOMPARE(DataFixture::read(path), QByteArray("keep me"));
}

void TestFileHelpers::largeFileCopiesWhole()
{
    DataFixture f;
    QByteArray big(3 * 1024 * 1024 + 17, '\0');
    for (int i = 0; i < big.size(); ++i)
        big[i] = char(i * 7);
    DataFixture::write(f.root() + "/big", big);
    QVERIFY(SafeFile::replaceWithCopy(f.root() + "/big", f.root() + "/copy"));
    QCOMPARE(DataFixture::read(f.root() + "/copy"), big);
}

void TestFileHelpers::storesSeeEveryReplacement()
{
    // Replacements of equal size in quick succession, each read by a fresh
    // store: a store must never be handed what it parsed of the previous file.
    DataFixture f;
    const QString a = f.root() + "/a";
    const QString b = f.root() + "/b";
    const QString target = f.root() + "/target.ini";
    DataFixture::write(a, "[g]\nk=aaaa\n");
    DataFixture::write(b, "[g]\nk=bbbb\n");
    for (int round = 0; round < 500; ++round) {
        const bool even = round % 2 == 0;
        QVERIFY(SafeFile::replaceWithCopy(even ? a : b, target));
        const QSettings s(target, QSettings::IniFormat);
        QCOMPARE(s.value("g/k").toString(), even ? QStringLiteral("aaaa") : QStringLiteral("bbbb"));
    }
}

QTEST_GUILESS_MAIN(TestFileHelpers)
#include "tst_file_helpers.moc"
