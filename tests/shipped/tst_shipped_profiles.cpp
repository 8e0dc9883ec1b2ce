// The shipped factory profile, profile files, application configuration and
// macro library, read as data; and the runtime tree that the build places
// beside the program.

#include "shipped_tree.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

using namespace shipped;

namespace {

// Definitions and factory copies, which the program only reads: as the
// program finds them beside itself.
QString factoryPath(const QString& file) { return runtimeFile(QStringLiteral("modules/setting/") + file); }
// Files the program writes (profiles, configuration): as they are shipped.
QString shippedPath(const QString& file) { return shippedFile(QStringLiteral("modules/setting/") + file); }

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A list value of exactly `count` decimal numbers in [lo, hi].
bool isNumberList(const QVariant& value, int count, int lo, int hi, QString* why)
{
    const QStringList items = value.toStringList();
    if (value.typeId() != QMetaType::QStringList || items.size() != count) {
        *why = QStringLiteral("%1 items").arg(items.size());
        return false;
    }
    for (const QString& item : items) {
        bool ok = false;
        const int v = item.toInt(&ok, 10);
        if (!ok || v < lo || v > hi) {
            *why = QStringLiteral("item %1").arg(item);
            return false;
        }
    }
    return true;
}

QList<int> numbers(const QVariant& value)
{
    QList<int> out;
    for (const QString& item : value.toStringList())
        out << item.toInt(nullptr, 10);
    return out;
}

// The display name the settings page lists a shipped pack under: the English
// language name upper-cased, then the country suffix.
QString displayName(const QString& code)
{
    static const QMap<int, QString> languages{{25, QStringLiteral("CHINESE")}, {31, QStringLiteral("ENGLISH")},
                                              {89, QStringLiteral("PERSIAN")}};
    static const QMap<int, QString> countries{{0, QString()}, {44, QStringLiteral(" (Simp)")},
                                              {208, QStringLiteral(" (Trad)")}};
    return languages.value(code.left(3).toInt()) + countries.value(code.mid(3, 3).toInt(), QStringLiteral(" (?)"));
}

}  // namespace

class TestShippedProfiles : public QObject {
    Q_OBJECT

    int maxProfile_ = 0;
    int maxMacro_ = 0;

private slots:
    void initTestCase()
    {
        const QString hw = factoryPath(QStringLiteral("HWDef.bin"));
        maxProfile_ = qMin(settingInt(hw, QStringLiteral("common/maxProfile")), 10);
        maxMacro_ = settingInt(hw, QStringLiteral("common/maxMacro"));
        QVERIFY(maxProfile_ > 0);
        QVERIFY(maxMacro_ > 0);
        QVERIFY(QFile::exists(factoryPath(QStringLiteral("pD.bin"))));
    }

    void factoryProfileHoldsEveryKey()
    {
        QSettings p(factoryPath(QStringLiteral("pD.bin")), QSettings::IniFormat);
        QCOMPARE(p.status(), QSettings::NoError);
        QString why;
        QVERIFY2(isNumberList(p.value(QStringLiteral("color/ledType")), 7, 0, 255, &why), qPrintable(why));
        QVERIFY2(isNumberList(p.value(QStringLiteral("color/color")), 21, 0, 255, &why), qPrintable(why));
        for (int n = 0; n < 5; ++n)
            QVERIFY2(isNumberList(p.value(QStringLiteral("userPicture/%1").arg(n)), 4 * kMatrixSlots, 0, 255, &why),
                     qPrintable(QStringLiteral("picture %1: %2").arg(n).arg(why)));
        for (int m = 0; m < kMatrixSlots; ++m) {
            QVERIFY2(isNumberList(p.value(QStringLiteral("keydefine0/%1").arg(m)), 2, 0, 255, &why),
                     qPrintable(QStringLiteral("keydefine0/%1: %2").arg(m).arg(why)));
            QVERIFY2(isNumberList(p.value(QStringLiteral("combokey/%1").arg(m)), 2, 0, 0, &why),
                     qPrintable(QStringLiteral("combokey/%1: %2").arg(m).arg(why)));
        }
        bool ok = false;
        p.value(QStringLiteral("sensor/reportRate_T8")).toString().toInt(&ok, 10);
        QVERIFY(ok);
    }

    void factoryKeyMatrixIsTheLayoutsDefaults()
    {
        const Layout layout = readLayout(factoryPath(QStringLiteral("HWDef.bin")));
        QVERIFY(!layout.keys.isEmpty());
        QSettings p(factoryPath(QStringLiteral("pD.bin")), QSettings::IniFormat);
        for (int m = 0; m < kMatrixSlots; ++m) {
            const Key* k = layout.atMatrix(m);
            const uint code = k ? k->code : 0u;  // a slot without a key stays disabled
            const QList<int> stored = numbers(p.value(QStringLiteral("keydefine0/%1").arg(m)));
            QCOMPARE(stored, (QList<int>{int(code & 0xFF), int((code >> 8) & 0xFF)}));
        }
    }

    void factoryLightingSurvivesResetAndApply()
    {
        // The colour page and the backlighting page turn the stored bytes into
        // slider positions on reset and back into bytes on apply; the factory
        // values must come back unchanged.
        QSettings p(factoryPath(QStringLiteral("pD.bin")), QSettings::IniFormat);
        const QList<int> led = numbers(p.value(QStringLiteral("color/ledType")));
        QCOMPARE(led.size(), 7);
        const int type = led[0], brightness = led[1], speed = led[2], direction = led[3], colour = led[4];
        QVERIFY2(type <= 0x0B || (type >= 0x33 && type <= 0x37), "a type the colour page offers");
        const int brightnessIndex = (brightness * 4 + 30) / 60;  // round(b * 4 / 60)
        QCOMPARE(brightnessIndex * 15, brightness);
        QVERIFY(brightnessIndex >= 0 && brightnessIndex <= 4);
        QVERIFY2(speed >= 1 && speed <= 4, "the speed slider shows 1..4");
        QVERIFY(direction == 0 || direction == 1);
        QVERIFY(colour >= 0 && colour <= 7);

        const int bl0 = led[5], bl1 = led[6];
        QVERIFY2((bl0 & 0x1F) <= 3, "one of the four backlight effects");
        const int speedIndex = (8 - (bl1 & 7)) % 8;
        QVERIFY2(speedIndex >= 1 && speedIndex <= 4, "the backlight speed slider shows 1..4");
        const int back = ((8 - speedIndex) & 7) | ((((bl1 >> 3) & 7) << 3) & 0x38) | ((((bl1 >> 6) & 1) << 6) & 0xC0);
        QCOMPARE(back, bl1);
    }

    void profileFilesStartAsTheFactoryProfile()
    {
        const QByteArray factory = contents(factoryPath(QStringLiteral("pD.bin")));
        QVERIFY(!factory.isEmpty());
        for (int n = 1; n <= maxProfile_; ++n) {
            const QString path = shippedPath(QStringLiteral("p%1.bin").arg(n));
            QVERIFY2(QFile::exists(path), qPrintable(path));
            QVERIFY2(contents(path) == factory, qPrintable(path));
        }
        QVERIFY(!QFile::exists(shippedPath(QStringLiteral("p%1.bin").arg(maxProfile_ + 1))));
    }

    void applicationConfigurationIsComplete()
    {
        QSettings c(factoryPath(QStringLiteral("apConfigD.bin")), QSettings::IniFormat);
        QCOMPARE(c.status(), QSettings::NoError);
        QVERIFY(!c.value(QStringLiteral("common/name")).toString().isEmpty());

        // One display name per entry of the embedded device catalogue.
        QSettings catalogue(sourceDir() + QStringLiteral("/resources/DevInfo.ini"), QSettings::IniFormat);
        const int devices = catalogue.value(QStringLiteral("common/total")).toInt();
        QVERIFY(devices > 0);
        const QStringList names = c.value(QStringLiteral("common/product_name")).toStringList();
        QCOMPARE(names.size(), devices);
        for (const QString& name : names)
            QVERIFY(!name.isEmpty());

        QCOMPARE(c.value(QStringLiteral("common/total")).toInt(), 32);
        auto entry = [&c](int i) { return c.value(QStringLiteral("common/%1").arg(i)); };
        for (int i = 0; i < 32; ++i)
            QVERIFY2(c.contains(QStringLiteral("common/%1").arg(i)), qPrintable(QString::number(i)));
        auto number = [&entry](int i, int lo, int hi) {
            bool ok = false;
            const int v = entry(i).toString().toInt(&ok, 10);
            return ok && v >= lo && v <= hi;
        };
        QVERIFY(number(0, 1, 1));  // format version
        QVERIFY(number(1, 1, 2));  // skin
        QVERIFY(number(2, 0, 1));
        QVERIFY(number(3, 0, 1));
        QVERIFY((QStringList{QStringLiteral("true"), QStringLiteral("false")}).contains(entry(5).toString()));
        QCOMPARE(entry(6).toString(), QString());
        QVERIFY(number(7, 0, 1));
        for (int i = 8; i <= 28; ++i)
            QVERIFY2(number(i, 0, 255), qPrintable(QString::number(i)));
        QVERIFY(number(29, 0, 6));
        QVERIFY(number(30, 0, 7));
        QVERIFY(entry(31).toString().startsWith(QStringLiteral("https://")));
    }

    void factoryLanguageIsEnglish()
    {
        // Entry 4 indexes the language list, which is sorted by display name.
        QMap<QString, QString> packs;
        const QStringList files = QDir(runtimeFile(QStringLiteral("modules/i18n")))
                                      .entryList({QStringLiteral("lang_*.ini")}, QDir::Files);
        for (const QString& file : files)
            packs.insert(displayName(file.mid(5, 6)), file.mid(5, 6));
        QVERIFY(packs.size() >= 2);
        const int index = settingInt(factoryPath(QStringLiteral("apConfigD.bin")), QStringLiteral("common/4"));
        QVERIFY(index >= 0 && index < packs.size());
        QCOMPARE(packs.values().at(index), QStringLiteral("031000"));
    }

    void configurationStartsAsTheFactoryCopy()
    {
        const QByteArray factory = contents(factoryPath(QStringLiteral("apConfigD.bin")));
        QVERIFY(!factory.isEmpty());
        QVERIFY(contents(shippedPath(QStringLiteral("apConfig.bin"))) == factory);
    }

    void macroLibraryHasOneFilePerSlot()
    {
        const QDir dir(shippedFile(QStringLiteral("modules/macro")));
        const QStringList files = dir.entryList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        QCOMPARE(files.size(), maxMacro_);
        for (int n = 1; n <= maxMacro_; ++n) {
            QCOMPARE(files[n - 1], QStringLiteral("Macro. %1.bin").arg(n, 3, 10, QLatin1Char('0')));
            QSettings m(dir.filePath(files[n - 1]), QSettings::IniFormat);
            QCOMPARE(m.status(), QSettings::NoError);
            QCOMPARE(m.value(QStringLiteral("config/index")).toString(), QString::number(n - 1));
            QCOMPARE(m.value(QStringLiteral("config/total")).toString(), QStringLiteral("0"));
            const int repeat = m.value(QStringLiteral("config/repeat")).toInt();
            QVERIFY(repeat >= 1 && repeat <= 3);
            QCOMPARE(m.value(QStringLiteral("config/did")).toString(), QStringLiteral("-1"));
        }
    }

    void runtimeTreeHoldsTheShippedFiles()
    {
        // Files the program only reads must be identical beside the program;
        // the ones it writes (configuration, profiles, macros) must be there.
        const QRegularExpression written(
            QStringLiteral("^modules/(setting/(apConfig|p[0-9]+)\\.bin|macro/.*)$"));
        int files = 0;
        QDirIterator it(shippedDir(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString rel = QDir(shippedDir()).relativeFilePath(it.next());
            const QString copy = runtimeFile(rel);
            QVERIFY2(QFile::exists(copy), qPrintable(copy));
            if (!written.match(rel).hasMatch())
                QVERIFY2(contents(copy) == contents(it.filePath()), qPrintable(rel));
            ++files;
        }
        QVERIFY(files > 0);
    }
};

QTEST_GUILESS_MAIN(TestShippedProfiles)
#include "tst_shipped_profiles.moc"
