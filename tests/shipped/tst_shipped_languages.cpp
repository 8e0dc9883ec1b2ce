// The shipped language packs and the application font, read as data.

#include "shipped_tree.h"

#include <QFontDatabase>
#include <QRawFont>
#include <QRegularExpression>
#include <QtTest>

using namespace shipped;

namespace {

constexpr int kStrings = 114;  // entries 1..114; entry 0 is the font family

// The scene's own string list, used until a pack is loaded.
const QStringList kDefaultStrings{
    "Arial", "OPTIONS", "LOOP", "SPEED", "BRIGHTNESS", "DIRECTION", "PAINTING", "EFFECTS", "USER DEFINE 1",
    "USER DEFINE 2", "USER DEFINE 3", "USER DEFINE 4", "USER DEFINE 5", "STATIC", "BREATHING", "WAVE",
    "INDUCTION DARKEN", "MARQUEE", "RIPPLE", "INDUCTION BRIGHTEN", "NEON", "MARQUEE COLORFUL", "RAINING",
    "MARQUEE CIRCLE", "SPOTLIGHT", "ROTATION", "SKIN", "SOUND", "ANIMATED", "LANGUAGE", "BACKGROUND", "ON", "OFF",
    "TEXT", "SIZE", "COLOR", "BRIGHTNESS", "NORMAL", "LARGER", "SKIN 1", "SKIN 2", "SKIN 3", "SKIN 4", "SKIN 5",
    "MACRO", "ACTION", "KEYBOARD", "MOUSE", "MEDIA", "COMBO KEY", "MACRO", "LEFT", "RIGHT", "MIDDLE", "B4", "B5",
    "NEXT TRACK", "PREVIOUS TRACK", "STOP", "PLAY / PAUSE", "MUTE", "VOLUME UP", "VOLUME DOWN", "MEDIA SELECT",
    "MAIL", "CALCULATOR", "MY COMPUTER", "WWW SEARCH", "WWW HOME", "WWW BACK", "WWW FORWARD", "WWW STOP",
    "WWW REFRESH", "WWW FAVORITES", "KEY", "MACRO", "COLOR", "RESET", "CANCEL", "GAMING MODE", "DELETE", "CUT",
    "PASTE", "COPY", "LOAD", "SAVE", "SENSOR", "LED POWER ON", "TWINKLING", "GLIDING", "FINGER MOVING",
    "VERTICAL FLIPPING", "YO-YO", "FIRE KEY", "TRIPLE CLICK", "DPI SWITCH", "NORMAL PLAY", "TIMES", "ALWAYS REPEAT",
    "REPEAT ON PRESSED", "POLLING RATE", "CURSOR SPEED", "VERTICAL SCROLL SPEED", "DOUBLE CLICK SPEED", "DPI LEVEL",
    "DPI INDICATOR LED", "DEFAULT", "APPLY", "SCROLL SWAP", "SCROLL UP", "SCROLL DOWN", "LED CONTROL", "RENAME",
    "ALL RESET", "ALL SAVE"};

const QString kEnglish = QStringLiteral("031000");
const QString kPersian = QStringLiteral("089000");
const QString kChineseSimplified = QStringLiteral("025044");
const QString kChineseTraditional = QStringLiteral("025208");

QString packPath(const QString& code) { return runtimeFile(QStringLiteral("modules/i18n/lang_%1.ini").arg(code)); }

struct Pack {
    QString family;
    QStringList strings;  // index 0 = family, as the program hands the list to the scene
    QStringList messages;
};

Pack readPack(const QString& code)
{
    QSettings s(packPath(code), QSettings::IniFormat);
    Pack p;
    p.family = s.value(QStringLiteral("font/family")).toString();
    p.strings << p.family;
    const int total = s.value(QStringLiteral("font/total")).toInt();
    for (int k = 1; k <= total; ++k)
        p.strings << s.value(QStringLiteral("strings/%1").arg(k)).toString();
    for (int i = 0; i < 4; ++i)
        p.messages << s.value(QStringLiteral("msg/%1").arg(i)).toString();
    return p;
}

// Every `key="text"` line of the file, unescaped by hand, so that a text the
// settings reader would cut (an unquoted comma or semicolon) shows up as a
// difference between the two readings.
QMap<QString, QString> rawValues(const QString& path)
{
    QMap<QString, QString> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    QString group;
    static const QRegularExpression line(QStringLiteral("^([^=;\\[]+)=\"(.*)\"$"));
    while (!f.atEnd()) {
        const QString text = QString::fromUtf8(f.readLine()).trimmed();
        if (text.startsWith(QLatin1Char('[')))
            group = text.mid(1, text.size() - 2);
        const QRegularExpressionMatch m = line.match(text);
        if (m.hasMatch())
            out.insert(group + QLatin1Char('/') + m.captured(1).trimmed(),
                       m.captured(2).replace(QStringLiteral("\\\""), QStringLiteral("\"")));
    }
    return out;
}

}  // namespace

class TestShippedLanguages : public QObject {
    Q_OBJECT

private slots:
    void everyPackIsComplete_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("English") << kEnglish;
        QTest::newRow("Persian") << kPersian;
        QTest::newRow("Chinese (Simplified)") << kChineseSimplified;
        QTest::newRow("Chinese (Traditional)") << kChineseTraditional;
    }
    void everyPackIsComplete()
    {
        QFETCH(QString, code);
        const QString path = packPath(code);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QSettings s(path, QSettings::IniFormat);
        QCOMPARE(s.status(), QSettings::NoError);
        QCOMPARE(s.value(QStringLiteral("font/total")).toInt(), kStrings);
        QVERIFY(!s.contains(QStringLiteral("strings/%1").arg(kStrings + 1)));
        QVERIFY(!s.contains(QStringLiteral("strings/0")));

        const QStringList keys = [&] {
            QStringList k{QStringLiteral("font/family")};
            for (int i = 1; i <= kStrings; ++i)
                k << QStringLiteral("strings/%1").arg(i);
            for (int i = 0; i < 4; ++i)
                k << QStringLiteral("msg/%1").arg(i);
            return k;
        }();
        const QMap<QString, QString> raw = rawValues(path);
        for (const QString& key : keys) {
            const QVariant value = s.value(key);
            // A list here would mean an unquoted comma split the text.
            QVERIFY2(value.typeId() == QMetaType::QString, qPrintable(key));
            QVERIFY2(!value.toString().trimmed().isEmpty(), qPrintable(key));
            QVERIFY2(raw.contains(key), qPrintable(key + QStringLiteral(" is not a quoted text")));
            QCOMPARE(value.toString(), raw.value(key));
        }

        const Pack pack = readPack(code);
        QCOMPARE(pack.strings.size(), kStrings + 1);
        // The path of the picture is appended right after the last message.
        const QChar last = pack.messages[3].back();
        QVERIFY2(last.isSpace() || last.isPunct(), qPrintable(pack.messages[3]));
    }

    void englishIsTheScenesOwnList()
    {
        QCOMPARE(kDefaultStrings.size(), kStrings + 1);
        QCOMPARE(readPack(kEnglish).strings, kDefaultStrings);
    }

    void otherPacksAreTranslated_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("Persian") << kPersian;
        QTest::newRow("Chinese (Simplified)") << kChineseSimplified;
        QTest::newRow("Chinese (Traditional)") << kChineseTraditional;
    }
    void otherPacksAreTranslated()
    {
        QFETCH(QString, code);
        const Pack pack = readPack(code);
        const Pack english = readPack(kEnglish);
        int same = 0;
        for (int k = 1; k <= kStrings; ++k)
            if (pack.strings[k] == english.strings[k])
                ++same;
        QVERIFY2(same <= 4, qPrintable(QStringLiteral("%1 strings left in English").arg(same)));
        for (int i = 0; i < 4; ++i)
            QVERIFY(pack.messages[i] != english.messages[i]);
        // Texts that differ in English differ here too: no entry was pasted
        // twice by mistake.
        for (int a = 1; a <= kStrings; ++a)
            for (int b = a + 1; b <= kStrings; ++b)
                if (pack.strings[a] == pack.strings[b] && english.strings[a] != english.strings[b])
                    QFAIL(qPrintable(QStringLiteral("strings %1 and %2 are both \"%3\"").arg(a).arg(b).arg(pack.strings[a])));
    }

    void chineseScriptsDiffer()
    {
        const Pack simplified = readPack(kChineseSimplified);
        const Pack traditional = readPack(kChineseTraditional);
        QVERIFY(simplified.family != traditional.family);
        int different = 0;
        for (int k = 1; k <= kStrings; ++k)
            if (simplified.strings[k] != traditional.strings[k])
                ++different;
        QVERIFY2(different > kStrings / 2, "the Traditional pack is not a copy of the Simplified one");
    }

    void persianPackIsPersian()
    {
        // Persian letters, not their Arabic look-alikes (kaf, yeh, alef maksura).
        const Pack pack = readPack(kPersian);
        for (const QString& text : pack.strings.mid(1) + pack.messages) {
            QVERIFY2(!text.contains(QChar(0x0643)) && !text.contains(QChar(0x064A)) && !text.contains(QChar(0x0649)),
                     qPrintable(text));
        }
        int rightToLeft = 0;
        for (const QString& text : pack.strings.mid(1))
            if (text.isRightToLeft())
                ++rightToLeft;
        QVERIFY(rightToLeft >= kStrings - 10);
    }

    void persianPackUsesTheShippedFont()
    {
        const QString fontFile = runtimeFile(QStringLiteral("IRANSansX-Regular.ttf"));
        QVERIFY2(QFile::exists(fontFile), qPrintable(fontFile));
        const int id = QFontDatabase::addApplicationFont(fontFile);
        QVERIFY(id >= 0);
        const Pack pack = readPack(kPersian);
        QVERIFY2(QFontDatabase::applicationFontFamilies(id).contains(pack.family), qPrintable(pack.family));

        // Every character of the pack is drawn by that font itself.
        const QRawFont raw(fontFile, 11);
        QVERIFY(raw.isValid());
        for (const QString& text : pack.strings.mid(1) + pack.messages)
            for (const QChar ch : text)
                QVERIFY2(raw.supportsCharacter(ch),
                         qPrintable(QStringLiteral("U+%1 in \"%2\"").arg(ch.unicode(), 4, 16, QLatin1Char('0')).arg(text)));
    }

    void fontLicenceIsShipped()
    {
        for (const char* name : {"IRANSansX-Regular.ttf.copyright", "IRANSansX-Regular.ttf.GPL-2"}) {
            QFile f(runtimeFile(QString::fromLatin1(name)));
            QVERIFY2(f.open(QIODevice::ReadOnly), name);
            QVERIFY(f.size() > 500);
        }
        QFile copyright(runtimeFile(QStringLiteral("IRANSansX-Regular.ttf.copyright")));
        QVERIFY(copyright.open(QIODevice::ReadOnly));
        QVERIFY(copyright.readAll().contains("GNU General Public License"));
    }
};

QTEST_MAIN(TestShippedLanguages)
#include "tst_shipped_languages.moc"
