#include "data/language_packs.h"
#include "data/qt4_locale_names.h"
#include "data_fixture.h"

#include <QTest>

namespace {

QByteArray pack(const QByteArray &family, const QList<QByteArray> &strings, const QList<QByteArray> &msgs)
{
    QByteArray out = "[font]\nfamily=" + family + "\ntotal=" + QByteArray::number(strings.size()) + "\n[strings]\n";
    for (int k = 0; k < strings.size(); ++k)
        out += QByteArray::number(k + 1) + "=" + strings.at(k) + "\n";
    out += "[msg]\n";
    for (int i = 0; i < msgs.size(); ++i)
        out += QByteArray::number(i) + "=" + msgs.at(i) + "\n";
    return out;
}

} // namespace

class TestLanguagePacks : public QObject
{
    Q_OBJECT

private slots:
    void displayName_data();
    void displayName();
    void localeTablesKeepQt4Numbers();
    void listsPacksByDisplayName();
    void laterFileWinsADisplayName();
    void noPacks();
    void globalStrings_data();
    void globalStrings();
    void secondPackReplacesAllMessages();
    void missingPackClearsMessages();
    void codesCannotLeaveTheFolder();
};

void TestLanguagePacks::displayName_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    // The packs the program ships.
    QTest::newRow("English") << "031000" << "ENGLISH";
    QTest::newRow("Persian") << "089000" << "PERSIAN";
    QTest::newRow("Chinese, China") << "025044" << "CHINESE (Simp)";
    QTest::newRow("Chinese, Taiwan") << "025208" << "CHINESE (Trad)";
    // Other countries take the Qt 4 name, upper-cased.
    QTest::newRow("Chinese, Hong Kong") << "025097" << "CHINESE (HONGKONG)";
    QTest::newRow("English, United States") << "031225" << "ENGLISH (UNITEDSTATES)";
    QTest::newRow("English, United Kingdom") << "031224" << "ENGLISH (UNITEDKINGDOM)";
    QTest::newRow("French, France") << "037074" << "FRENCH (FRANCE)";
    QTest::newRow("German") << "042000" << "GERMAN";
    QTest::newRow("Spanish, Spain") << "111197" << "SPANISH (SPAIN)";
    QTest::newRow("Russian, Russia") << "096178" << "RUSSIAN (RUSSIANFEDERATION)";
    QTest::newRow("Japanese") << "059000" << "JAPANESE";
    QTest::newRow("Korean, Republic") << "066114" << "KOREAN (REPUBLICOFKOREA)";
    QTest::newRow("Arabic, Saudi Arabia") << "008186" << "ARABIC (SAUDIARABIA)";
    QTest::newRow("Persian, Iran") << "089102" << "PERSIAN (IRAN)";
    QTest::newRow("Vietnamese, Viet Nam") << "132232" << "VIETNAMESE (VIETNAM)";
    QTest::newRow("Portuguese, Brazil") << "091030" << "PORTUGUESE (BRAZIL)";
    QTest::newRow("Turkish") << "125000" << "TURKISH";
    QTest::newRow("Swiss German, with a blank") << "167206" << "SWISS GERMAN (SWITZERLAND)";
    QTest::newRow("Simp suffix is not tied to Chinese") << "031044" << "ENGLISH (Simp)";
    QTest::newRow("no language") << "000000" << "DEFAULT";
    QTest::newRow("language past the table") << "999000" << "UNKNOWN";
    QTest::newRow("country past the table") << "031999" << "ENGLISH (UNKNOWN)";
    QTest::newRow("short file name, part of the suffix") << "en.ini" << "DEFAULT";
    QTest::newRow("digits then suffix") << "031.in" << "ENGLISH";
    QTest::newRow("letters count as 0") << "abcdef" << "DEFAULT";
    QTest::newRow("empty") << "" << "DEFAULT";
}

void TestLanguagePacks::displayName()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(LanguagePacks::displayName(code), name);
}

void TestLanguagePacks::localeTablesKeepQt4Numbers()
{
    // Qt 6 renumbered its enumerations; the pack codes use the Qt 4 numbers.
    QCOMPARE(Qt4LocaleNames::languageName(25), QStringLiteral("Chinese"));
    QCOMPARE(Qt4LocaleNames::languageName(31), QStringLiteral("English"));
    QCOMPARE(Qt4LocaleNames::languageName(89), QStringLiteral("Persian"));
    QCOMPARE(Qt4LocaleNames::languageName(Qt4LocaleNames::kLastLanguage), QStringLiteral("Yangben"));
    QCOMPARE(Qt4LocaleNames::languageName(-1), QStringLiteral("Unknown"));
    QCOMPARE(Qt4LocaleNames::countryName(44), QStringLiteral("China"));
    QCOMPARE(Qt4LocaleNames::countryName(208), QStringLiteral("Taiwan"));
    QCOMPARE(Qt4LocaleNames::countryName(97), QStringLiteral("HongKong"));
    QCOMPARE(Qt4LocaleNames::countryName(Qt4LocaleNames::kLastCountry),
             QStringLiteral("LatinAmericaAndTheCaribbean"));
    QCOMPARE(Qt4LocaleNames::countryName(Qt4LocaleNames::kLastCountry + 1), QStringLiteral("Unknown"));
}

void TestLanguagePacks::listsPacksByDisplayName()
{
    DataFixture f;
    for (const char *code : {"089000", "031000", "025208", "025044"})
        DataFixture::write(f.paths().languageFile(code), pack("X", {"a"}, {}));
    DataFixture::write(f.paths().i18nDir() + "/readme.txt", "not a pack");
    DataFixture::write(f.paths().i18nDir() + "/lang_037074.txt", "not a pack either");
    DataFixture::write(f.paths().i18nDir() + "/LANG_037074.INI", pack("X", {"a"}, {}));
    const QVariantMap packs = LanguagePacks(f.paths()).chkLanguages();
    QCOMPARE(packs.keys(), (QStringList{"CHINESE (Simp)", "CHINESE (Trad)", "ENGLISH", "PERSIAN"}));
    QCOMPARE(packs.value("CHINESE (Simp)").toString(), QStringLiteral("025044"));
    QCOMPARE(packs.value("CHINESE (Trad)").toString(), QStringLiteral("025208"));
    QCOMPARE(packs.value("ENGLISH").toString(), QStringLiteral("031000"));
    QCOMPARE(packs.value("PERSIAN").toString(), QStringLiteral("089000"));
}

void TestLanguagePacks::laterFileWinsADisplayName()
{
    DataFixture f;
    // Both read as ENGLISH; "lang_031abc" sorts after "lang_031000".
    DataFixture::write(f.paths().languageFile("031abc"), "");
    DataFixture::write(f.paths().languageFile("031000"), "");
    const QVariantMap packs = LanguagePacks(f.paths()).chkLanguages();
    QCOMPARE(packs.size(), 1);
    QCOMPARE(packs.value("ENGLISH").toString(), QStringLiteral("031abc"));
}

void TestLanguagePacks::noPacks()
{
    DataFixture f;
    QCOMPARE(LanguagePacks(f.paths()).chkLanguages(), QVariantMap{});
    QDir(f.paths().i18nDir()).removeRecursively();
    QCOMPARE(LanguagePacks(f.paths()).chkLanguages(), QVariantMap{});
}

void TestLanguagePacks::globalStrings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("strings");
    QTest::newRow("three strings, font first")
        << pack("Arial", {"OPTIONS", "LOOP", "SPEED"}, {}) << QStringList{"Arial", "OPTIONS", "LOOP", "SPEED"};
    QTest::newRow("total larger than strings present")
        << QByteArray("[font]\nfamily=F\ntotal=3\n[strings]\n2=TWO\n") << QStringList{"F", "", "TWO", ""};
    QTest::newRow("quoted text with a comma")
        << pack("F", {"\"PLAY, PAUSE\""}, {}) << QStringList{"F", "PLAY, PAUSE"};
    QTest::newRow("unquoted comma is joined again")
        << pack("F", {"PLAY, PAUSE"}, {}) << QStringList{"F", "PLAY, PAUSE"};
    QTest::newRow("texts written by Qt 4")
        << pack("IRANSansX", {"\\x641\\x627\\x631\\x633\\x6cc", "\\x4e2d\\x6587\\x31"}, {})
        << QStringList{"IRANSansX", QString::fromUtf8("فارسی"), QString::fromUtf8("中文1")};
    QTest::newRow("raw UTF-8") << pack("F", {"\xe7\xae\x80\xe4\xbd\x93"}, {}) << QStringList{"F", "简体"};
    QTest::newRow("negative total") << QByteArray("[font]\nfamily=F\ntotal=-4\n") << QStringList{"F"};
    QTest::newRow("total is a text") << QByteArray("[font]\nfamily=F\ntotal=many\n") << QStringList{"F"};
    QTest::newRow("empty file") << QByteArray() << QStringList{""};
    QTest::newRow("binary file") << DataFixture::binaryGarbage() << QStringList{""};
}

void TestLanguagePacks::globalStrings()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, strings);
    DataFixture f;
    DataFixture::write(f.paths().languageFile("031000"), file);
    LanguagePacks packs(f.paths());
    QCOMPARE(packs.getGlobalStrings(QStringLiteral("031000")), strings);
}

void TestLanguagePacks::secondPackReplacesAllMessages()
{
    DataFixture f;
    DataFixture::write(f.paths().languageFile("031000"),
                       pack("Arial", {"A"}, {"Macro too long", "Only 128 bytes are sent.", "Picture",
                                             "\"Cannot open, sorry: \""}));
    DataFixture::write(f.paths().languageFile("089000"), pack("IRANSansX", {"B"}, {"\\x645"}));
    LanguagePacks packs(f.paths());
    QCOMPARE(packs.messageTexts(), QStringList{});
    QCOMPARE(packs.messageText(0), QString());

    packs.getGlobalStrings(QStringLiteral("031000"));
    QCOMPARE(packs.messageTexts(), (QStringList{"Macro too long", "Only 128 bytes are sent.", "Picture",
                                                "Cannot open, sorry: "}));
    packs.getGlobalStrings(QStringLiteral("089000"));
    QCOMPARE(packs.messageTexts(), (QStringList{QString::fromUtf8("م"), "", "", ""}));
    QCOMPARE(packs.messageText(3), QString());
    QCOMPARE(packs.messageText(4), QString());
    QCOMPARE(packs.messageText(-1), QString());
}

void TestLanguagePacks::missingPackClearsMessages()
{
    DataFixture f;
    DataFixture::write(f.paths().languageFile("031000"), pack("Arial", {"A"}, {"a", "b", "c", "d"}));
    LanguagePacks packs(f.paths());
    packs.getGlobalStrings(QStringLiteral("031000"));
    QCOMPARE(packs.getGlobalStrings(QStringLiteral("777000")), QStringList{""});
    QCOMPARE(packs.messageTexts(), (QStringList{"", "", "", ""}));
}

void TestLanguagePacks::codesCannotLeaveTheFolder()
{
    DataFixture f;
    // A pack-shaped file outside the language folder.
    DataFixture::write(f.paths().settingDir() + "/lang_x.ini", pack("Evil", {"A"}, {"m"}));
    // With this folder present the path below would really reach that file.
    QDir().mkpath(f.paths().i18nDir() + "/lang_x");
    QVERIFY(QFileInfo::exists(f.paths().languageFile("x/../../setting/lang_x")));
    LanguagePacks packs(f.paths());
    QCOMPARE(packs.getGlobalStrings(QStringLiteral("x/../../setting/lang_x")), QStringList{""});
    QCOMPARE(packs.getGlobalStrings(QStringLiteral("..\\setting")), QStringList{""});
    QCOMPARE(packs.messageTexts(), (QStringList{"", "", "", ""}));
}

QTEST_GUILESS_MAIN(TestLanguagePacks)
#include "tst_language_packs.moc"
